// Looks at and talks to the windows of a running game on the test's X
// server, the way a window manager or a user would.
#pragma once

#include <string>
#include <vector>

// A window's contents as the X server holds them, 8-bit RGB, top row first.
struct X11Image {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  const unsigned char* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

struct X11Window {
  unsigned long id = 0;
  int x = 0, y = 0, width = 0, height = 0;
  std::string title;
};

class X11Session {
 public:
  X11Session();  // opens $DISPLAY
  ~X11Session();
  bool ok() const { return display_ != nullptr; }
  // Waits up to `seconds` for a mapped top-level window with this title.
  bool FindWindow(const std::string& title, X11Window* found, double seconds = 10);
  // The window manager's close request (WM_DELETE_WINDOW).
  void RequestClose(const X11Window& window);
  // Minimising and restoring through the window manager: the client's
  // iconify request (WM_CHANGE_STATE to the root), and a map of the client
  // window, which the manager takes as a restore.
  void Iconify(const X11Window& window);
  void Restore(const X11Window& window);
  // Gives the window the keyboard (XSetInputFocus).
  void Focus(const X11Window& window);
  // The state the window manager gives the window in WM_STATE: 1 normal,
  // 3 iconic; 0 while it has set none.
  int WmState(const X11Window& window);
  // What the window shows now (XGetImage); false when it cannot be read,
  // e.g. because the window has gone.
  bool Capture(const X11Window& window, X11Image* image);

 private:
  void* display_ = nullptr;
};
