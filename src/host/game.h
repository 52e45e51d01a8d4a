// VxGame, the host's base class: the host state every platform shares, every
// host service as a virtual operation, and the guarded calls into the game.
// VxGameDelegate is the application side's half of that contract.
#pragma once

#include <cstdio>
#include <memory>
#include <vector>

#include "host/string.h"

// Event codes passed to the event operations.
enum {
  EVENT_KEY_DOWN = 1,
  EVENT_KEY_UP = 2,
  EVENT_KEY_CHAR = 3,
  EVENT_MOUSE_DOWN = 4,
  EVENT_MOUSE_UP = 5,
  EVENT_MOUSE_MOVE = 6,
  EVENT_TOUCH_DOWN = 7,
  EVENT_TOUCH_UP = 8,
  EVENT_TOUCH_MOVE = 9,
  EVENT_MOTION_ACCEL = 10,
};

// Window flags of SetDeviceWindow.
enum {
  DISPLAY_FULLSCREEN = 1,
  DISPLAY_RESIZABLE = 2,
  DISPLAY_DECORATED = 4,
  DISPLAY_FLOATING = 8,
  DISPLAY_DEPTH_BUFFER = 16,
  DISPLAY_SINGLE_BUFFER = 32,
  DISPLAY_SECOND_MONITOR = 64,
};

// The game's own exception type. The game never throws it; the host only
// has to catch it at its boundaries and die with the fixed message.
struct VxThrowable {
  virtual ~VxThrowable() = default;
};

struct VxDisplayMode {
  int width = 0, height = 0, format = 0, hertz = 0, flags = 0;
};

class VxGameDelegate {
 public:
  virtual ~VxGameDelegate() = default;
  virtual void StartGame() {}
  virtual void SuspendGame() {}
  virtual void ResumeGame() {}
  virtual void UpdateGame() {}
  virtual void RenderGame() {}
  virtual void KeyEvent(int /*event*/, int /*data*/) {}
  virtual void MouseEvent(int /*event*/, int /*data*/, float /*x*/, float /*y*/) {}
  virtual void TouchEvent(int /*event*/, int /*data*/, float /*x*/, float /*y*/) {}
  virtual void MotionEvent(int /*event*/, int /*data*/, float /*x*/, float /*y*/, float /*z*/) {}
  virtual void DiscardGraphics() {}
};

// Pixels from LoadImageData and samples from LoadAudioData are malloc'd
// buffers; whoever takes them releases them with free().
class VxGame {
 public:
  static VxGame* _game;

  VxGame();
  virtual ~VxGame();

  virtual void SetDelegate(VxGameDelegate* d) { delegate = d; }
  virtual VxGameDelegate* Delegate() { return delegate; }
  virtual void SetKeyboardEnabled(bool enabled) { keyboardEnabled = enabled; }
  virtual bool KeyboardEnabled() { return keyboardEnabled; }
  virtual void SetUpdateRate(int rate) { updateRate = rate; }
  virtual int UpdateRate() { return updateRate; }
  virtual bool Started() { return started; }
  virtual bool Suspended() { return suspended; }
  virtual int Millisecs() { return 0; }
  virtual void GetDate(std::vector<int>& date);
  virtual int SaveState(const String& state);
  virtual String LoadState();
  virtual String LoadString(const String& path);
  virtual int CountJoysticks(bool /*update*/) { return 0; }
  // x, y and z receive two values each, buttons 32.
  virtual bool PollJoystick(int /*port*/, float* /*x*/, float* /*y*/, float* /*z*/, bool* /*buttons*/) {
    return false;
  }
  virtual void OpenUrl(const String& /*url*/) {}
  virtual void SetMouseVisible(bool /*visible*/) {}
  virtual int GetDeviceWidth() { return 0; }
  virtual int GetDeviceHeight() { return 0; }
  virtual void SetDeviceWindow(int /*width*/, int /*height*/, int /*flags*/) {}
  virtual std::vector<VxDisplayMode> GetDisplayModes() { return {}; }
  // False when the host has no desktop mode.
  virtual bool GetDesktopMode(VxDisplayMode& /*mode*/) { return false; }
  virtual void SetSwapInterval(int /*interval*/) {}
  virtual String PathToFilePath(const String& path) { return path; }
  virtual FILE* OpenFile(const String& path, const String& mode);
  // The whole file, or null (size untouched) when it cannot be opened.
  virtual std::unique_ptr<unsigned char[]> LoadData(const String& path, int* size);
  virtual unsigned char* LoadImageData(const String& /*path*/, int* /*width*/, int* /*height*/, int* /*depth*/) {
    return nullptr;
  }
  virtual unsigned char* LoadAudioData(const String& /*path*/, int* /*length*/, int* /*channels*/, int* /*format*/,
                                       int* /*hertz*/) {
    return nullptr;
  }
  [[noreturn]] virtual void Die(const VxThrowable& ex);

  // Guarded calls into the delegate: each returns at once unless its state
  // allows it, and turns an escaping game exception into Die.
  void StartGame();
  void SuspendGame();
  void ResumeGame();
  void UpdateGame();
  void RenderGame();
  void KeyEvent(int event, int data);
  void MouseEvent(int event, int data, float x, float y);
  void TouchEvent(int event, int data, float x, float y);
  void MotionEvent(int event, int data, float x, float y, float z);
  void DiscardGraphics();

 protected:
  VxGameDelegate* delegate = nullptr;
  bool keyboardEnabled = false;
  int updateRate = 0;
  bool started = false;
  bool suspended = false;
};

// Reads the next four bytes as a little-endian signed int; -1 when fewer
// than four are left.
int readInt(FILE* file);

// The path in the program's own scheme ("quibex://data/" for bare paths).
String vx_data_FixDataPath(const String& path);
