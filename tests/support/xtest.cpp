#include "support/xtest.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {
Display* D(void* p) { return static_cast<Display*>(p); }
}  // namespace

XTestInput::XTestInput() {
  Display* d = XOpenDisplay(nullptr);
  int event = 0, error = 0, major = 0, minor = 0;
  if (d && !XTestQueryExtension(d, &event, &error, &major, &minor)) {
    XCloseDisplay(d);
    d = nullptr;
  }
  display_ = d;
}

XTestInput::~XTestInput() {
  if (display_) XCloseDisplay(D(display_));
}

// Each event is flushed and acknowledged by the server before returning,
// so the order seen by the window is the order of the calls.
void XTestInput::Key(unsigned long keysym, bool down) {
  if (!display_) return;
  KeyCode code = XKeysymToKeycode(D(display_), keysym);
  if (code == 0) return;
  XTestFakeKeyEvent(D(display_), code, down ? True : False, CurrentTime);
  XSync(D(display_), False);
}

void XTestInput::MoveTo(int x, int y) {
  if (!display_) return;
  XTestFakeMotionEvent(D(display_), DefaultScreen(D(display_)), x, y, CurrentTime);
  XSync(D(display_), False);
}

void XTestInput::Button(int button, bool down) {
  if (!display_) return;
  XTestFakeButtonEvent(D(display_), static_cast<unsigned>(button), down ? True : False, CurrentTime);
  XSync(D(display_), False);
}
