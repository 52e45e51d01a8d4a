#include "support/xtest.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace {
Display* D(void* p) { return static_cast<Display*>(p); }

// Only a window manager asks for the root's children to be redirected to
// it; the server tells anyone which events any client selected.
bool ScreenIsManaged(Display* d) {
  XWindowAttributes a;
  return XGetWindowAttributes(d, DefaultRootWindow(d), &a) && (a.all_event_masks & SubstructureRedirectMask);
}
}  // namespace

// Xvfb picks the display itself and writes its number to a pipe once it
// accepts connections, so there is neither a race for a number nor a wait
// on a guess.
PrivateXServer::PrivateXServer() {
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_t pid = fork();
  if (pid == 0) {
    // A test killed on its timeout must not leave its server behind.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    close(fds[0]);
    int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    const std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
           // A test that closes every connection between two starts of the
           // game must not find the server in the middle of a reset.
           "-noreset",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    return;
  }
  std::string number;
  pollfd p = {fds[0], POLLIN, 0};
  char c = 0;
  while (poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty()) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return;
  }
  pid_ = pid;
  display_ = ":" + number;
  if (const char* old = getenv("DISPLAY")) {
    previous_ = old;
    hadPrevious_ = true;
  }
  setenv("DISPLAY", display_.c_str(), 1);
}

PrivateXServer::~PrivateXServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
  if (hadPrevious_)
    setenv("DISPLAY", previous_.c_str(), 1);
  else
    unsetenv("DISPLAY");
}

WindowManager::WindowManager(const std::string& rcFile) {
  Display* d = XOpenDisplay(nullptr);
  if (!d) return;
  pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    execlp("twm", "twm", "-f", rcFile.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid < 0) {
    XCloseDisplay(d);
    return;
  }
  for (int tries = 0; tries < 200; ++tries) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) {  // not installed, or refused to start
      XCloseDisplay(d);
      return;
    }
    if (ScreenIsManaged(d)) {
      pid_ = pid;
      break;
    }
    usleep(50000);
  }
  XCloseDisplay(d);
  if (pid_ < 0) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
}

WindowManager::~WindowManager() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

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

// Each event is acknowledged by the server before returning, so the window
// sees them in the order of the calls.
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
