// The desktop host's window, loop, paths and display modes over GLFW.
// Input translation and joysticks live in glfw_input.cpp; the image and
// sound decoders behind LoadImageData and LoadAudioData in their own files.
#include "host/glfw_game.h"

#include <GLFW/glfw3.h>

#include <cstdlib>

#include "host/errors.h"
#include "host/platform.h"
#include "input/keys.h"

VxGlfwGame* VxGlfwGame::_glfwGame = nullptr;

VxGlfwGame::VxGlfwGame() {
  _glfwGame = this;
  // With no video mode for the primary monitor the desktop stays 0 x 0.
  if (GLFWmonitor* monitor = glfwGetPrimaryMonitor()) {
    if (const GLFWvidmode* mode = glfwGetVideoMode(monitor)) {
      desktopMode[0] = mode->width;
      desktopMode[1] = mode->height;
      desktopMode[2] = mode->redBits;
      desktopMode[3] = mode->greenBits;
      desktopMode[4] = mode->blueBits;
      desktopMode[5] = mode->refreshRate;
    }
  }
}

VxGlfwGame::~VxGlfwGame() {
  if (_glfwGame == this) _glfwGame = nullptr;
}

// ---------------------------------------------------------------------------
// [SECTION] Clock and loop

void VxGlfwGame::SetUpdateRate(int rate) {
  VxGame::SetUpdateRate(rate);
  if (rate != 0) updatePeriod = 1.0 / rate;
  nextUpdate = 0;
}

// Past about 24.8 days the clock no longer fits; it wraps like any 32-bit
// millisecond counter instead of overflowing.
int VxGlfwGame::Millisecs() {
  return static_cast<int>(static_cast<uint32_t>(static_cast<int64_t>(GetTime() * 1000.0)));
}

double VxGlfwGame::GetTime() { return glfwGetTime(); }

void VxGlfwGame::Sleep(double seconds) { vxHostSleepMs(static_cast<int>(seconds * 1000.0)); }

void VxGlfwGame::PumpEvents(bool wait) {
  if (wait)
    glfwWaitEvents();
  else
    glfwPollEvents();
}

bool VxGlfwGame::WindowFocused() { return glfwGetWindowAttrib(window, GLFW_FOCUSED) != 0; }

bool VxGlfwGame::WindowClosing() { return glfwWindowShouldClose(window) != 0; }

void VxGlfwGame::SwapBuffers() { glfwSwapBuffers(window); }

void VxGlfwGame::Run() {
  SetDeviceWindow(640, 480, DISPLAY_RESIZABLE | DISPLAY_DECORATED);
  StartGame();
  while (RunPass()) {
  }
}

void VxGlfwGame::UpdateEvents() {
  PumpEvents(suspended);
  if (WindowFocused()) {
    hadFocus = true;
    if (suspended) {
      ResumeGame();
      nextUpdate = 0;
    }
  } else if (hadFocus && !suspended) {
    SuspendGame();
    nextUpdate = 0;
  }
}

bool VxGlfwGame::RunPass() {
  if (WindowClosing()) return false;
  RenderGame();
  SwapBuffers();
  if (nextUpdate != 0) {
    double delay = nextUpdate - GetTime();
    if (delay > 0) Sleep(delay);
  }
  UpdateEvents();
  if (suspended) return true;
  if (updateRate == 0) {
    UpdateGame();
    return true;
  }
  if (nextUpdate == 0) nextUpdate = GetTime();
  for (int i = 0; i < 4; ++i) {
    UpdateGame();
    if (nextUpdate == 0) return true;  // the update changed the rate
    nextUpdate += updatePeriod;
    if (nextUpdate > GetTime()) return true;
  }
  // Four updates and still behind: drop the backlog.
  nextUpdate = 0;
  return true;
}

// ---------------------------------------------------------------------------
// [SECTION] Window

void VxGlfwGame::SetDeviceWindow(int width, int height, int flags) {
  hadFocus = false;
  if (window) {
    // Keys held in the old window would otherwise stay down for ever.
    for (int key = 0; key <= GLFW_KEY_LAST; ++key) {
      int code = TransKey(key);
      if (code && glfwGetKey(window, key) == GLFW_PRESS) KeyEvent(EVENT_KEY_UP, code);
    }
    glfwDestroyWindow(window);
    window = nullptr;
  }

  const bool fullscreen = (flags & DISPLAY_FULLSCREEN) != 0;
  glfwDefaultWindowHints();
  glfwWindowHint(GLFW_RED_BITS, 8);
  glfwWindowHint(GLFW_GREEN_BITS, 8);
  glfwWindowHint(GLFW_BLUE_BITS, 8);
  glfwWindowHint(GLFW_ALPHA_BITS, 0);
  glfwWindowHint(GLFW_DEPTH_BITS, (flags & DISPLAY_DEPTH_BUFFER) ? 32 : 0);
  glfwWindowHint(GLFW_STENCIL_BITS, 0);
  glfwWindowHint(GLFW_RESIZABLE, (flags & DISPLAY_RESIZABLE) ? GLFW_TRUE : GLFW_FALSE);
  glfwWindowHint(GLFW_DECORATED, (flags & DISPLAY_DECORATED) ? GLFW_TRUE : GLFW_FALSE);
  glfwWindowHint(GLFW_FLOATING, (flags & DISPLAY_FLOATING) ? GLFW_TRUE : GLFW_FALSE);
  glfwWindowHint(GLFW_VISIBLE, fullscreen ? GLFW_TRUE : GLFW_FALSE);
  glfwWindowHint(GLFW_DOUBLEBUFFER, (flags & DISPLAY_SINGLE_BUFFER) ? GLFW_FALSE : GLFW_TRUE);
  glfwWindowHint(GLFW_SAMPLES, 0);
  glfwWindowHint(GLFW_REFRESH_RATE, 60);

  if (fullscreen) {
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    // No monitor at all: fall back to a plain window of the asked size
    // rather than failing to open anything.
    GLFWmonitor* monitor = nullptr;
    if (count > 0) {
      int wanted = (flags & DISPLAY_SECOND_MONITOR) ? 1 : 0;
      monitor = monitors[wanted < count ? wanted : count - 1];
    }
    window = glfwCreateWindow(width, height, "Kitemoth", monitor, nullptr);
    if (window && !monitor) glfwShowWindow(window);
  } else {
    window = glfwCreateWindow(width, height, "Kitemoth", nullptr, nullptr);
    if (window) {
      // A desktop of unknown size (0 x 0) would put the window off screen;
      // it opens at the origin instead.
      int x = (desktopMode[0] - width) / 2, y = (desktopMode[1] - height) / 2;
      if (desktopMode[0] == 0 || desktopMode[1] == 0) x = y = 0;
      glfwSetWindowPos(window, x, y);
      glfwShowWindow(window);
    }
  }
  if (!window) {
    vxPrint("glfwCreateWindow FAILED!");
    std::abort();
  }

  ++glfwGraphicsSeq;
  deviceWidth = width;
  deviceHeight = height;

  glfwMakeContextCurrent(window);
  if (swapInterval >= 0) glfwSwapInterval(swapInterval);

  glfwSetKeyCallback(window, OnKey);
  glfwSetCharCallback(window, OnChar);
  glfwSetMouseButtonCallback(window, OnMouseButton);
  glfwSetCursorPosCallback(window, OnCursorPos);
  glfwSetWindowCloseCallback(window, OnWindowClose);
  glfwSetWindowSizeCallback(window, OnWindowSize);
}

void VxGlfwGame::SetSwapInterval(int interval) {
  swapInterval = interval;
  if (interval >= 0 && window) glfwSwapInterval(interval);
}

void VxGlfwGame::SetMouseVisible(bool visible) {
  if (window) glfwSetInputMode(window, GLFW_CURSOR, visible ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
}

void VxGlfwGame::OpenUrl(const String& url) { vxHostOpenUrl(url.ToNarrow()); }

void VxGlfwGame::OnWindowSize(GLFWwindow*, int width, int height) {
  _glfwGame->deviceWidth = width;
  _glfwGame->deviceHeight = height;
}

// The window system's own close never ends the loop: it becomes the close
// key, on whose key-down the delegate ends the program.
void VxGlfwGame::OnWindowClose(GLFWwindow* window) {
  glfwSetWindowShouldClose(window, GLFW_FALSE);
  _glfwGame->KeyEvent(EVENT_KEY_DOWN, KEY_CLOSE);
  _glfwGame->KeyEvent(EVENT_KEY_UP, KEY_CLOSE);
}

// ---------------------------------------------------------------------------
// [SECTION] Display modes

std::vector<VxDisplayMode> VxGlfwGame::GetDisplayModes() {
  std::vector<VxDisplayMode> out;
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  if (!monitor) return out;
  int count = 0;
  const GLFWvidmode* modes = glfwGetVideoModes(monitor, &count);
  for (int i = 0; modes && i < count; ++i) {
    if (modes[i].refreshRate != 0 && modes[i].refreshRate != 60) continue;
    VxDisplayMode m;
    m.width = modes[i].width;
    m.height = modes[i].height;
    out.push_back(m);
  }
  return out;
}

bool VxGlfwGame::GetDesktopMode(VxDisplayMode& mode) {
  mode = VxDisplayMode();
  mode.width = desktopMode[0];
  mode.height = desktopMode[1];
  // An unknown desktop lets the app module fall back to the window's size.
  return mode.width > 0 && mode.height > 0;
}

// ---------------------------------------------------------------------------
// [SECTION] Paths

String vxAppPathOf(const String& executable) {
  String path = executable.Replace("\\", "/");
  int slash = path.FindLast("/");
  if (slash < 0) return String();
  return path.Slice(0, slash);
}

String VxGlfwGame::PathToFilePath(const String& path) {
  if (appPath.Empty()) {
    appPath = vxAppPathOf(vxHostExecutablePath());
    // Without its own directory the program cannot find its data at all.
    if (appPath.Empty()) std::abort();
  }
  if (!path.StartsWith("quibex:")) return path;
  if (path.StartsWith("quibex://data/")) return appPath + "/data/" + path.Slice(14);
  if (path.StartsWith("quibex://internal/")) {
    if (internalPath.Empty()) internalPath = appPath + "/internal";
    return internalPath + "/" + path.Slice(18);
  }
  if (path.StartsWith("quibex://external/")) return appPath + "/external/" + path.Slice(18);
  return String();
}
