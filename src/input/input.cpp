// The input device: down flags and per-update hits for every key code, the
// hit and character queues, mouse and touch positions, and the joystick
// ports sampled through the host. Also the vx_input_ functions and the
// module's one global.
#include "input/input.h"

#include "host/game.h"
#include "host/globals.h"

c_InputDevice* vx_input_device = nullptr;

void vx_input_InitGlobals() { vx_input_device = nullptr; }

namespace {
bool ValidKey(int key) { return key >= 1 && key <= 511; }
}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Device

c_InputDevice* c_InputDevice::m_new() {
  for (c_JoyState& port : m_joyStates) port = c_JoyState();
  return this;
}

// A full queue loses the hit, count included, so the counts and the queue
// that p_EndUpdate clears them from never disagree.
void c_InputDevice::p_PutKeyHit(int key) {
  if (!ValidKey(key) || m_keyHitPut == 33) return;
  m_keyHit[key] += 1;
  m_keyHitQueue[m_keyHitPut++] = key;
}

// Codes outside 1-511 have no flag; events for them are dropped.
void c_InputDevice::KeyDown(int key) {
  if (!ValidKey(key) || m_keyDown[key]) return;  // auto-repeat adds no hit
  m_keyDown[key] = true;
  p_PutKeyHit(key);
  // The left button and touch 0 are one pointer, whichever reports it.
  if (key == KEY_MOUSE_LEFT) {
    m_keyDown[KEY_TOUCH_BASE] = true;
    p_PutKeyHit(KEY_TOUCH_BASE);
  } else if (key == KEY_TOUCH_BASE) {
    m_keyDown[KEY_MOUSE_LEFT] = true;
    p_PutKeyHit(KEY_MOUSE_LEFT);
  }
}

void c_InputDevice::KeyUp(int key) {
  if (!ValidKey(key) || !m_keyDown[key]) return;
  m_keyDown[key] = false;
  if (key == KEY_MOUSE_LEFT) m_keyDown[KEY_TOUCH_BASE] = false;
  if (key == KEY_TOUCH_BASE) m_keyDown[KEY_MOUSE_LEFT] = false;
}

void c_InputDevice::p_KeyEvent(int event, int data) {
  switch (event) {
    case EVENT_KEY_DOWN:
      KeyDown(data);
      break;
    case EVENT_KEY_UP:
      KeyUp(data);
      break;
    case EVENT_KEY_CHAR:
      if (m_charPut < 32) m_charQueue[m_charPut++] = data;
      break;
  }
}

void c_InputDevice::SetMouse(float x, float y) {
  m_mouseX = x;
  m_mouseY = y;
  m_touchX[0] = x;
  m_touchY[0] = y;
}

void c_InputDevice::p_MouseEvent(int event, int data, float x, float y) {
  // Checked before adding 1, so no button number can overflow.
  const int key = (data >= 0 && data <= 510) ? data + 1 : 0;
  switch (event) {
    case EVENT_MOUSE_DOWN:
      KeyDown(key);
      SetMouse(x, y);
      break;
    case EVENT_MOUSE_UP:
      KeyUp(key);
      break;
    case EVENT_MOUSE_MOVE:
      SetMouse(x, y);
      break;
  }
}

// Touch indices outside 0-31 are dropped whole: 384 + 32 would already be
// the back key.
void c_InputDevice::p_TouchEvent(int event, int data, float x, float y) {
  if (data < 0 || data > 31) return;
  switch (event) {
    case EVENT_TOUCH_DOWN:
      KeyDown(KEY_TOUCH_BASE + data);
      break;
    case EVENT_TOUCH_UP:
      KeyUp(KEY_TOUCH_BASE + data);
      return;
    case EVENT_TOUCH_MOVE:
      break;
    default:
      return;
  }
  m_touchX[data] = x;
  m_touchY[data] = y;
  if (data == 0) {
    m_mouseX = x;
    m_mouseY = y;
  }
}

void c_InputDevice::p_MotionEvent(int event, int, float x, float y, float z) {
  if (event != EVENT_MOTION_ACCEL) return;
  m_accelX = x;
  m_accelY = y;
  m_accelZ = z;
}

// A port that is no longer read would otherwise keep its last sticks and
// held buttons for ever: a joystick pulled out mid-press keeps the player
// running. Its state goes back to rest instead.
void c_InputDevice::ReleasePort(int port) {
  m_joyStates[port] = c_JoyState();
  for (int b = 0; b < 32; ++b) m_keyDown[KEY_JOY_BASE + 32 * port + b] = false;
}

void c_InputDevice::p_BeginUpdate() {
  for (int j = 0; j < 4; ++j) {
    c_JoyState& s = m_joyStates[j];
    // Without a host (before the program has one) there are no joysticks.
    if (!vx_app__game || !vx_app__game->PollJoystick(j, s.m_axisX, s.m_axisY, s.m_trigger, s.m_buttons)) {
      // Ports are numbered without gaps: the first that fails ends the
      // poll, and it and every later one are at rest.
      for (int k = j; k < 4; ++k) ReleasePort(k);
      return;
    }
    // Sampled once per update: a press between two samples is not seen.
    for (int b = 0; b < 32; ++b) {
      const int key = KEY_JOY_BASE + 32 * j + b;
      if (!s.m_buttons[b]) {
        m_keyDown[key] = false;
      } else if (!m_keyDown[key]) {
        m_keyDown[key] = true;
        p_PutKeyHit(key);
      }
    }
  }
}

void c_InputDevice::p_EndUpdate() {
  for (int i = 0; i < m_keyHitPut; ++i) m_keyHit[m_keyHitQueue[i]] = 0;
  m_keyHitPut = 0;
  m_charGet = 0;
  m_charPut = 0;
}

int c_InputDevice::p_KeyHit(int key) { return ValidKey(key) ? m_keyHit[key] : 0; }

bool c_InputDevice::p_KeyDown(int key) { return ValidKey(key) && m_keyDown[key]; }

float c_InputDevice::p_TouchX(int t) { return (t >= 0 && t <= 31) ? m_touchX[t] : 0; }

float c_InputDevice::p_TouchY(int t) { return (t >= 0 && t <= 31) ? m_touchY[t] : 0; }

// Out-of-range sticks and ports read as a centred stick.
float c_InputDevice::p_JoyX(int index, int unit) {
  if (index < 0 || index > 1 || unit < 0 || unit > 3) return 0;
  return m_joyStates[unit].m_axisX[index];
}

float c_InputDevice::p_JoyY(int index, int unit) {
  if (index < 0 || index > 1 || unit < 0 || unit > 3) return 0;
  return m_joyStates[unit].m_axisY[index];
}

// ---------------------------------------------------------------------------
// [SECTION] Module functions

int vx_input_KeyHit(int key) { return vx_input_device ? vx_input_device->p_KeyHit(key) : 0; }

bool vx_input_KeyDown(int key) { return vx_input_device && vx_input_device->p_KeyDown(key); }

bool vx_input_MouseDown(int button) {
  return button >= 0 && button <= 510 && vx_input_KeyDown(button + 1);
}

float vx_input_MouseX() { return vx_input_device ? vx_input_device->m_mouseX : 0; }

float vx_input_MouseY() { return vx_input_device ? vx_input_device->m_mouseY : 0; }

// 384 + t must be a key code; tested on t so that no sum can overflow.
bool vx_input_TouchDown(int t) {
  return t >= 1 - KEY_TOUCH_BASE && t <= 511 - KEY_TOUCH_BASE && vx_input_KeyDown(KEY_TOUCH_BASE + t);
}

float vx_input_TouchX(int t) { return vx_input_device ? vx_input_device->p_TouchX(t) : 0; }

float vx_input_TouchY(int t) { return vx_input_device ? vx_input_device->p_TouchY(t) : 0; }

// The code is built with bitwise or, so odd arguments alias other buttons
// (button 33 of unit 0 is button 1 of unit 1); it wraps like any 32-bit int.
bool vx_input_JoyDown(int button, int unit) {
  const unsigned code = 256u | (static_cast<unsigned>(unit) * 32u | static_cast<unsigned>(button));
  return code <= 511u && vx_input_KeyDown(static_cast<int>(code));
}

float vx_input_JoyX(int index, int unit) { return vx_input_device ? vx_input_device->p_JoyX(index, unit) : 0; }

float vx_input_JoyY(int index, int unit) { return vx_input_device ? vx_input_device->p_JoyY(index, unit) : 0; }

void vx_input_SetInputDevice(c_InputDevice* device) { vx_input_device = device; }
