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
  if (!d) return;
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

void X11Session::Iconify(const X11Window& window) {
  XIconifyWindow(D(display_), window.id, DefaultScreen(D(display_)));
  XFlush(D(display_));
}

void X11Session::Restore(const X11Window& window) {
  XMapWindow(D(display_), window.id);
  XFlush(D(display_));
}

void X11Session::Focus(const X11Window& window) {
  XSetInputFocus(D(display_), window.id, RevertToPointerRoot, CurrentTime);
  XSync(D(display_), False);
}

int X11Session::WmState(const X11Window& window) {
  Display* d = D(display_);
  const Atom wmState = XInternAtom(d, "WM_STATE", False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  int state = 0;
  if (XGetWindowProperty(d, window.id, wmState, 0, 2, False, wmState, &type, &format, &count, &after, &data) ==
          Success &&
      data && format == 32 && count >= 1)
    state = static_cast<int>(reinterpret_cast<long*>(data)[0]);
  if (data) XFree(data);
  return state;
}

bool X11Session::Capture(const X11Window& window, X11Image* image) {
  Display* d = D(display_);
  if (!d) return false;
  // A window that goes away while being read makes a protocol error, which
  // would end the test process; it is caught and reported as false instead.
  XSync(d, False);
  XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  XWindowAttributes a;
  XImage* x = nullptr;
  if (XGetWindowAttributes(d, window.id, &a) && a.map_state == IsViewable)
    x = XGetImage(d, window.id, 0, 0, static_cast<unsigned>(a.width), static_cast<unsigned>(a.height), AllPlanes,
                  ZPixmap);
  XSync(d, False);
  XSetErrorHandler(previous);
  if (!x) return false;
  if (!x->red_mask || !x->green_mask || !x->blue_mask) {  // not a true-colour window
    XDestroyImage(x);
    return false;
  }
  image->width = x->width;
  image->height = x->height;
  image->rgb.assign(static_cast<size_t>(x->width) * x->height * 3, 0);
  for (int y = 0; y < x->height; ++y)
    for (int i = 0; i < x->width; ++i) {
      const unsigned long p = XGetPixel(x, i, y);
      unsigned char* q = &image->rgb[(static_cast<size_t>(y) * x->width + i) * 3];
      q[0] = static_cast<unsigned char>((p & x->red_mask) >> __builtin_ctzl(x->red_mask));
      q[1] = static_cast<unsigned char>((p & x->green_mask) >> __builtin_ctzl(x->green_mask));
      q[2] = static_cast<unsigned char>((p & x->blue_mask) >> __builtin_ctzl(x->blue_mask));
    }
  XDestroyImage(x);
  return true;
}
