// Input module: the input device game code polls, its joystick states, and
// the vx_input_ functions. Window-system events arrive through the delegate
// during the event pump; joysticks are sampled once per update through the
// host's PollJoystick. Key codes are in input/keys.h.
#pragma once

#include "input/keys.h"

// One joystick port as the host last read it.
class c_JoyState {
 public:
  float m_axisX[2] = {0, 0};    // x of stick 0 and stick 1
  float m_axisY[2] = {0, 0};    // y of stick 0 and stick 1
  float m_trigger[2] = {0, 0};  // left and right trigger
  bool m_buttons[32] = {};
};

class c_InputDevice {
 public:
  // The ports live inside the device, so it needs no allocation of its own.
  c_JoyState m_joyStates[4];
  bool m_keyDown[512] = {};
  int m_keyHitPut = 0;
  int m_keyHitQueue[33] = {};  // 33, not 32: the per-update hit limit
  int m_keyHit[512] = {};
  int m_charGet = 0;  // nothing reads characters; reset each update
  int m_charPut = 0;
  int m_charQueue[32] = {};
  float m_mouseX = 0, m_mouseY = 0;
  float m_touchX[32] = {}, m_touchY[32] = {};  // touch 0 follows the mouse
  float m_accelX = 0, m_accelY = 0, m_accelZ = 0;  // never fed on the desktop

  // Resets the four ports to their zero state.
  c_InputDevice* m_new();
  void p_PutKeyHit(int key);
  void p_KeyEvent(int event, int data);
  void p_MouseEvent(int event, int data, float x, float y);
  void p_TouchEvent(int event, int data, float x, float y);
  void p_MotionEvent(int event, int data, float x, float y, float z);
  void p_BeginUpdate();
  void p_EndUpdate();
  int p_KeyHit(int key);
  bool p_KeyDown(int key);
  float p_MouseX() { return m_mouseX; }
  float p_MouseY() { return m_mouseY; }
  float p_TouchX(int t);
  float p_TouchY(int t);
  float p_JoyX(int index, int unit);
  float p_JoyY(int index, int unit);

 private:
  void KeyDown(int key);
  void KeyUp(int key);
  void SetMouse(float x, float y);
  void ReleasePort(int port);
};

extern c_InputDevice* vx_input_device;  // the input device, set by the delegate at start

void vx_input_InitGlobals();

// Before the game has started there is no device: nothing is down, every
// position is 0.
int vx_input_KeyHit(int key);
bool vx_input_KeyDown(int key);
bool vx_input_MouseDown(int button);
float vx_input_MouseX();
float vx_input_MouseY();
bool vx_input_TouchDown(int t);
float vx_input_TouchX(int t);
float vx_input_TouchY(int t);
bool vx_input_JoyDown(int button, int unit);
float vx_input_JoyX(int index, int unit);
float vx_input_JoyY(int index, int unit);
void vx_input_SetInputDevice(c_InputDevice* device);
