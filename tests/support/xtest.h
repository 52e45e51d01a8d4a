// Types and clicks on the test's X server through the X test extension, as
// a user at the keyboard would: the events reach whichever window has the
// focus or lies under the pointer.
#pragma once

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
