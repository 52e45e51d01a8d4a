// Typing and clicking on an X server through the X test extension, as a
// user at the keyboard would: the events reach whichever window has the
// focus or lies under the pointer. Tests that type into a window run their
// own server, so no other test's window can be in the way.
#pragma once

#include <string>

// An Xvfb of one's own on a free display, with $DISPLAY pointing at it for
// as long as it runs. Everything connected to it must be closed first.
class PrivateXServer {
 public:
  PrivateXServer();
  ~PrivateXServer();
  bool ok() const { return pid_ > 0; }
  const std::string& display() const { return display_; }

 private:
  int pid_ = -1;
  std::string display_, previous_;
  bool hadPrevious_ = false;
};

// twm on the current $DISPLAY with the given rc file, until destroyed;
// destroy it before the server. ok() is false when twm could not be run
// or did not take the screen.
class WindowManager {
 public:
  explicit WindowManager(const std::string& rcFile);
  ~WindowManager();
  bool ok() const { return pid_ > 0; }

 private:
  int pid_ = -1;
};

class XTestInput {
 public:
  XTestInput();  // opens $DISPLAY
  ~XTestInput();
  // False without a display or without the extension.
  bool ok() const { return display_ != nullptr; }
  void Key(unsigned long keysym, bool down);
  void Tap(unsigned long keysym) {
    Key(keysym, true);
    Key(keysym, false);
  }
  // Root-window coordinates.
  void MoveTo(int x, int y);
  // X button numbers: 1 left, 2 middle, 3 right.
  void Button(int button, bool down);

 private:
  void* display_ = nullptr;
};
