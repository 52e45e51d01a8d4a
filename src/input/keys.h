// The one numbering of every input the game can test: keyboard keys
// (Windows-style virtual-key numbers), mouse buttons, joystick buttons and
// touches, all in 1-511. Other values are never produced.
#pragma once

enum {
  KEY_MOUSE_LEFT = 1,  // also touch 0
  KEY_MOUSE_RIGHT = 2,
  KEY_MOUSE_MIDDLE = 3,

  KEY_BACKSPACE = 8,
  KEY_TAB = 9,
  KEY_ENTER = 13,  // the main Enter key only
  KEY_SHIFT = 16,  // either Shift
  KEY_CONTROL = 17,  // either Control
  KEY_ESCAPE = 27,
  KEY_SPACE = 32,
  KEY_PAGE_UP = 33,
  KEY_PAGE_DOWN = 34,
  KEY_END = 35,
  KEY_HOME = 36,
  KEY_LEFT = 37,
  KEY_UP = 38,
  KEY_RIGHT = 39,
  KEY_DOWN = 40,
  KEY_INSERT = 45,
  KEY_DELETE = 46,

  KEY_0 = 48, KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9,

  KEY_A = 65, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J, KEY_K, KEY_L, KEY_M,
  KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z,

  KEY_KP_0 = 96, KEY_KP_1, KEY_KP_2, KEY_KP_3, KEY_KP_4, KEY_KP_5, KEY_KP_6, KEY_KP_7, KEY_KP_8, KEY_KP_9,
  KEY_KP_MULTIPLY = 106,
  KEY_KP_ADD = 107,
  KEY_KP_SUBTRACT = 109,
  KEY_KP_DECIMAL = 110,
  KEY_KP_DIVIDE = 111,

  KEY_F1 = 112, KEY_F2, KEY_F3, KEY_F4, KEY_F5, KEY_F6, KEY_F7, KEY_F8, KEY_F9, KEY_F10, KEY_F11, KEY_F12,

  KEY_SEMICOLON = 186,
  KEY_EQUAL = 187,
  KEY_COMMA = 188,
  KEY_MINUS = 189,
  KEY_PERIOD = 190,
  KEY_SLASH = 191,
  KEY_GRAVE = 192,
  KEY_LEFT_BRACKET = 219,
  KEY_BACKSLASH = 220,
  KEY_RIGHT_BRACKET = 221,
  KEY_APOSTROPHE = 222,

  KEY_JOY_BASE = 256,    // + 32 * joystick (0-3) + button (0-31)
  KEY_TOUCH_BASE = 384,  // + touch (0-31); touch 0 is also the left button
  KEY_BACK = 416,        // ends the program
  KEY_CLOSE = 432,       // the window's close box; ends the program
};
