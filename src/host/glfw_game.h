// VxGlfwGame, the desktop host: the one GLFW window and its OpenGL context,
// the event pump, the fixed-rate update loop, focus suspend/resume, file
// paths, display modes and (glfw_input.cpp) keyboard, mouse and joysticks.
// VxQuibexGame is the concrete host the program creates.
#pragma once

#include "host/game.h"

#include "host/globals.h"

struct GLFWwindow;

// Where joystick readings come from. The desktop host reads GLFW; tests
// put a source of their own in place, since no joystick exists there.
struct VxJoystickSource {
  virtual ~VxJoystickSource() = default;
  virtual bool Present(int id) = 0;
  // Null when the joystick reports no axes (or buttons); counts set.
  virtual const float* Axes(int id, int* count) = 0;
  virtual const unsigned char* Buttons(int id, int* count) = 0;
};

class VxGlfwGame : public VxGame {
 public:
  static VxGlfwGame* _glfwGame;

  VxGlfwGame();
  ~VxGlfwGame() override;

  void SetUpdateRate(int rate) override;
  int Millisecs() override;
  int CountJoysticks(bool update) override;
  bool PollJoystick(int port, float* x, float* y, float* z, bool* buttons) override;
  void OpenUrl(const String& url) override;
  void SetMouseVisible(bool visible) override;
  int GetDeviceWidth() override { return deviceWidth; }
  int GetDeviceHeight() override { return deviceHeight; }
  void SetDeviceWindow(int width, int height, int flags) override;
  std::vector<VxDisplayMode> GetDisplayModes() override;
  bool GetDesktopMode(VxDisplayMode& mode) override;
  void SetSwapInterval(int interval) override;
  String PathToFilePath(const String& path) override;
  unsigned char* LoadImageData(const String& path, int* width, int* height, int* depth) override;
  unsigned char* LoadAudioData(const String& path, int* length, int* channels, int* format, int* hertz) override;

  void Run();
  // One pass of the loop: render, swap, sleep, pump, focus, updates.
  // False when the window system asks the window to close.
  bool RunPass();
  void UpdateEvents();
  GLFWwindow* Window() { return window; }

  static int TransKey(int key);
  static int KeyToChar(int key);
  static void OnKey(GLFWwindow* window, int key, int scancode, int action, int mods);
  static void OnChar(GLFWwindow* window, unsigned int chr);
  static void OnMouseButton(GLFWwindow* window, int button, int action, int mods);
  static void OnCursorPos(GLFWwindow* window, double x, double y);
  static void OnWindowClose(GLFWwindow* window);
  static void OnWindowSize(GLFWwindow* window, int width, int height);

  // Replaces where joysticks are read from (null restores GLFW).
  void SetJoystickSource(VxJoystickSource* source);

  // The loop's view of time, sleep, the event pump and the window. The
  // desktop host uses GLFW and the system clock; tests drive a fake.
  virtual double GetTime();
  virtual void Sleep(double seconds);

 protected:
  virtual void PumpEvents(bool wait);
  virtual bool WindowFocused();
  virtual bool WindowClosing();
  virtual void SwapBuffers();

  int desktopMode[6] = {0, 0, 0, 0, 0, 0};  // width, height, r, g, b bits, refresh
  GLFWwindow* window = nullptr;
  int deviceWidth = 0, deviceHeight = 0;
  int swapInterval = 1;  // negative leaves the driver's setting alone
  bool hadFocus = true;  // focused at least once since the window was made
  double updatePeriod = 0;
  double nextUpdate = 0;  // 0: not scheduled
  String appPath, internalPath;
  int joystickIds[4] = {0, 0, 0, 0};
  int joystickCount = 0;
  bool joysticksCounted = false;
  VxJoystickSource* joysticks = nullptr;
};

class VxQuibexGame : public VxGlfwGame {
 public:
  ~VxQuibexGame() override = default;
  static int Main(int argc, char** argv);
};

// The directory of an executable's file name ("\" read as "/"), or "" when
// the name has no "/".
String vxAppPathOf(const String& executable);
