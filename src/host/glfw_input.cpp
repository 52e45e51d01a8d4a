// The desktop host's input: GLFW keys, characters, mouse buttons and cursor
// moves become the program's key codes and events, and joysticks are read
// through fixed mapping tables into the arrays of a joystick port. The
// callbacks carry no user pointer and reach the host through _glfwGame.
#include <GLFW/glfw3.h>

#include "host/glfw_game.h"
#include "input/keys.h"

// ---------------------------------------------------------------------------
// [SECTION] Keys and characters

// Keys without a code here (Alt, Super, Menu, the lock keys, keypad Enter
// and equal, F13 and up, the world keys, unnamed keys) are ignored.
int VxGlfwGame::TransKey(int key) {
  if (key >= GLFW_KEY_0 && key <= GLFW_KEY_9) return key;
  if (key >= GLFW_KEY_A && key <= GLFW_KEY_Z) return key;
  if (key >= GLFW_KEY_F1 && key <= GLFW_KEY_F12) return key - GLFW_KEY_F1 + KEY_F1;
  if (key >= GLFW_KEY_KP_0 && key <= GLFW_KEY_KP_9) return key - GLFW_KEY_KP_0 + KEY_KP_0;
  switch (key) {
    case GLFW_KEY_SPACE: return KEY_SPACE;
    case GLFW_KEY_APOSTROPHE: return KEY_APOSTROPHE;
    case GLFW_KEY_COMMA: return KEY_COMMA;
    case GLFW_KEY_MINUS: return KEY_MINUS;
    case GLFW_KEY_PERIOD: return KEY_PERIOD;
    case GLFW_KEY_SLASH: return KEY_SLASH;
    case GLFW_KEY_SEMICOLON: return KEY_SEMICOLON;
    case GLFW_KEY_EQUAL: return KEY_EQUAL;
    case GLFW_KEY_LEFT_BRACKET: return KEY_LEFT_BRACKET;
    case GLFW_KEY_BACKSLASH: return KEY_BACKSLASH;
    case GLFW_KEY_RIGHT_BRACKET: return KEY_RIGHT_BRACKET;
    case GLFW_KEY_GRAVE_ACCENT: return KEY_GRAVE;
    case GLFW_KEY_ESCAPE: return KEY_ESCAPE;
    case GLFW_KEY_ENTER: return KEY_ENTER;
    case GLFW_KEY_TAB: return KEY_TAB;
    case GLFW_KEY_BACKSPACE: return KEY_BACKSPACE;
    case GLFW_KEY_INSERT: return KEY_INSERT;
    case GLFW_KEY_DELETE: return KEY_DELETE;
    case GLFW_KEY_RIGHT: return KEY_RIGHT;
    case GLFW_KEY_LEFT: return KEY_LEFT;
    case GLFW_KEY_DOWN: return KEY_DOWN;
    case GLFW_KEY_UP: return KEY_UP;
    case GLFW_KEY_PAGE_UP: return KEY_PAGE_UP;
    case GLFW_KEY_PAGE_DOWN: return KEY_PAGE_DOWN;
    case GLFW_KEY_HOME: return KEY_HOME;
    case GLFW_KEY_END: return KEY_END;
    case GLFW_KEY_KP_DECIMAL: return KEY_KP_DECIMAL;
    case GLFW_KEY_KP_DIVIDE: return KEY_KP_DIVIDE;
    case GLFW_KEY_KP_MULTIPLY: return KEY_KP_MULTIPLY;
    case GLFW_KEY_KP_SUBTRACT: return KEY_KP_SUBTRACT;
    case GLFW_KEY_KP_ADD: return KEY_KP_ADD;
    case GLFW_KEY_LEFT_SHIFT:
    case GLFW_KEY_RIGHT_SHIFT: return KEY_SHIFT;
    case GLFW_KEY_LEFT_CONTROL:
    case GLFW_KEY_RIGHT_CONTROL: return KEY_CONTROL;
  }
  return 0;
}

// Editing and cursor keys also queue a character, so text entry sees them
// in order with the typed text; the cursor block is offset by 65536.
int VxGlfwGame::KeyToChar(int key) {
  switch (key) {
    case KEY_BACKSPACE:
    case KEY_TAB:
    case KEY_ENTER:
    case KEY_ESCAPE:
      return key;
    case KEY_PAGE_UP:
    case KEY_PAGE_DOWN:
    case KEY_END:
    case KEY_HOME:
    case KEY_LEFT:
    case KEY_UP:
    case KEY_RIGHT:
    case KEY_DOWN:
    case KEY_INSERT:
      return 65536 + key;
    case KEY_DELETE:
      return 127;
  }
  return 0;
}

// A repeat is passed on as another key-down: the device counts one hit,
// but a special key queues its character on every repeat.
void VxGlfwGame::OnKey(GLFWwindow*, int glfwKey, int, int action, int) {
  const int key = TransKey(glfwKey);
  if (key == 0) return;
  if (action == GLFW_RELEASE) {
    _glfwGame->KeyEvent(EVENT_KEY_UP, key);
  } else if (action == GLFW_PRESS || action == GLFW_REPEAT) {
    _glfwGame->KeyEvent(EVENT_KEY_DOWN, key);
    if (int chr = KeyToChar(key)) _glfwGame->KeyEvent(EVENT_KEY_CHAR, chr);
  }
}

void VxGlfwGame::OnChar(GLFWwindow*, unsigned int chr) {
  _glfwGame->KeyEvent(EVENT_KEY_CHAR, static_cast<int>(chr));
}

// ---------------------------------------------------------------------------
// [SECTION] Mouse

void VxGlfwGame::OnMouseButton(GLFWwindow* window, int button, int action, int) {
  if (button < GLFW_MOUSE_BUTTON_LEFT || button > GLFW_MOUSE_BUTTON_MIDDLE) return;
  double x = 0, y = 0;
  glfwGetCursorPos(window, &x, &y);
  if (action == GLFW_PRESS)
    _glfwGame->MouseEvent(EVENT_MOUSE_DOWN, button, static_cast<float>(x), static_cast<float>(y));
  else if (action == GLFW_RELEASE)
    _glfwGame->MouseEvent(EVENT_MOUSE_UP, button, static_cast<float>(x), static_cast<float>(y));
}

void VxGlfwGame::OnCursorPos(GLFWwindow*, double x, double y) {
  _glfwGame->MouseEvent(EVENT_MOUSE_MOVE, -1, static_cast<float>(x), static_cast<float>(y));
}

// ---------------------------------------------------------------------------
// [SECTION] Joysticks

namespace {

struct GlfwJoysticks : VxJoystickSource {
  bool Present(int id) override { return glfwJoystickPresent(id) == GLFW_TRUE; }
  const float* Axes(int id, int* count) override { return glfwGetJoystickAxes(id, count); }
  const unsigned char* Buttons(int id, int* count) override { return glfwGetJoystickButtons(id, count); }
};

VxJoystickSource& SourceOr(VxJoystickSource* injected) {
  static GlfwJoysticks glfw;
  return injected ? *injected : glfw;
}

// Axis tables give stick 0 x, stick 0 y, left trigger, stick 1 x, stick 1 y,
// right trigger. Each entry: low four bits an index n, the rest selects the
// value (see AxisValue). 999 ends a table; what follows stays 0.
const int kDefaultAxes[] = {0, 1, 134, 2, 67, 135, 999};
const int kDefaultButtons[] = {1, 2, 0, 3, 4, 5, 8, 9, 15, 12, 13, 14, 10, 11, 999};
// A pad that reports exactly 5 axes and 14 buttons: inverted y, analogue
// triggers sharing axis 2.
const int kFiveAxes[] = {0, 65, 2, 4, 67, 66, 999};
const int kFiveButtons[] = {0, 1, 2, 3, 4, 5, 6, 7, 13, 10, 11, 12, 8, 9, 999};
const int kTableEnd = 999;

// The tables name indices the device may not have; those read as a centred
// axis and a released button.
struct Reading {
  const float* axes;
  int axisCount;
  const unsigned char* buttons;
  int buttonCount;

  float Axis(int n) const { return n >= 0 && n < axisCount ? axes[n] : 0.0f; }
  bool Button(int n) const { return n >= 0 && n < buttonCount && buttons[n] == GLFW_PRESS; }

  float AxisValue(int code) const {
    const int n = code & 15;
    switch (code & ~15) {
      case 16: return (Axis(n) + 1.0f) * 0.5f;
      case 32: return (1.0f - Axis(n)) * 0.5f;
      case 64: return -Axis(n);
      case 128: return Button(n) ? 1.0f : 0.0f;
      default: return Axis(n);
    }
  }
};

}  // namespace

void VxGlfwGame::SetJoystickSource(VxJoystickSource* source) { joysticks = source; }

// Joysticks are looked for once, on the first poll of the process; one
// plugged in later is not seen.
int VxGlfwGame::CountJoysticks(bool update) {
  if (!update && joysticksCounted) return joystickCount;
  VxJoystickSource& source = SourceOr(joysticks);
  joysticksCounted = true;
  joystickCount = 0;
  for (int id = 0; id <= GLFW_JOYSTICK_LAST && joystickCount < 4; ++id)
    if (source.Present(id)) joystickIds[joystickCount++] = id;
  return joystickCount;
}

bool VxGlfwGame::PollJoystick(int port, float* x, float* y, float* z, bool* buttons) {
  CountJoysticks(false);
  if (port < 0 || port >= joystickCount) return false;
  VxJoystickSource& source = SourceOr(joysticks);
  Reading r = {nullptr, 0, nullptr, 0};
  r.axes = source.Axes(joystickIds[port], &r.axisCount);
  r.buttons = source.Buttons(joystickIds[port], &r.buttonCount);
  if (!r.axes || !r.buttons) return false;  // it went away

  const bool five = r.axisCount == 5 && r.buttonCount == 14;
  const int* axisTable = five ? kFiveAxes : kDefaultAxes;
  const int* buttonTable = five ? kFiveButtons : kDefaultButtons;

  float out[6] = {0, 0, 0, 0, 0, 0};
  for (int i = 0; i < 6 && axisTable[i] != kTableEnd; ++i) out[i] = r.AxisValue(axisTable[i]);
  x[0] = out[0];
  y[0] = out[1];
  z[0] = out[2];
  x[1] = out[3];
  y[1] = out[4];
  z[1] = out[5];

  for (int b = 0; b < 32; ++b) buttons[b] = false;
  for (int b = 0; b < 32 && buttonTable[b] != kTableEnd; ++b) {
    int n = buttonTable[b];
    if (n < 0) n += r.buttonCount;  // counted from the end of the list
    buttons[b] = r.Button(n);
  }
  return true;
}
