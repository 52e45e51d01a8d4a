#include "support/x11.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstring>

namespace {
Display* D(void* p) { return static_cast<Display*>(p); }

bool Search(Display* d, Window w, const std::string& title, Window* out) {
  char* name = nullptr;
  if (XFetchName(d, w, &name) && name) {
    bool match = title == name;
    XFree(name);
    XWindowAttributes a;
    if (match && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable) {
      *out = w;
      return true;
    }
  }
  Window root, parent, *kids = nullptr;
  unsigned n = 0;
  if (!XQueryTree(d, w, &root, &parent, &kids, &n)) return false;
  bool found = false;
  for (unsigned i = 0; i < n && !found; ++i) found = Search(d, kids[i], title, out);
  if (kids) XFree(kids);
  return found;
}
}  // namespace

X11Session::X11Session() { display_ = XOpenDisplay(nullptr); }

X11Session::~X11Session() {
  if (display_) XCloseDisplay(D(display_));
}

bool X11Session::FindWindow(const std::string& title, X11Window* found, double seconds) {
  if (!display_) return false;
  for (int tries = static_cast<int>(seconds * 20); tries >= 0; --tries) {
    Window w = 0;
    if (Search(D(display_), DefaultRootWindow(D(display_)), title, &w)) {
      XWindowAttributes a;
      XGetWindowAttributes(D(display_), w, &a);
      Window child;
      int x = 0, y = 0;
      XTranslateCoordinates(D(display_), w, DefaultRootWindow(D(display_)), 0, 0, &x, &y, &child);
      found->id = w;
      found->x = x;
      found->y = y;
      found->width = a.width;
      found->height = a.height;
      found->title = title;
      return true;
    }
    usleep(50000);
  }
  return false;
}

void X11Session::RequestClose(const X11Window& window) {
  Display* d = D(display_);
  XEvent e;
  std::memset(&e, 0, sizeof e);
  e.xclient.type = ClientMessage;
  e.xclient.window = window.id;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, window.id, False, NoEventMask, &e);
  XFlush(d);
}
