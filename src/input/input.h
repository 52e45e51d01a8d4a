// Input module: the input device game code polls and the vx_input_
// functions. (Placeholder device: records nothing.)
#pragma once

class c_InputDevice {
 public:
  c_InputDevice* m_new() { return this; }
  void p_KeyEvent(int, int) {}
  void p_MouseEvent(int, int, float, float) {}
  void p_TouchEvent(int, int, float, float) {}
  void p_MotionEvent(int, int, float, float, float) {}
  void p_BeginUpdate() {}
  void p_EndUpdate() {}
};

extern c_InputDevice* vx_input_device;  // the input device, set by the delegate at start

void vx_input_InitGlobals();
