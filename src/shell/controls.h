// Per-update housekeeping and control mixing: frame counters, the function
// keys, background easing, the pointer record and the control channels that
// every screen reads instead of the input device. The globals are in
// shell/globals.h.
#pragma once

int vx_pell_UpdateWorld();
int vx_pell_DoControls();

// Channel 99 stands for channel 20. pad -2 sums all five blocks, -1 is the
// keyboard (the merged player while mixing is on), 0-3 a joystick.
float vx_pell_PlayKey(int channel, int pad = -2);
// stick 0: channel 21 (left stick or keys), stick 1: channel 31.
float vx_pell_ControlX(int pad, int stick);
int vx_pell_LockKeys();
int vx_pell_MixControls();
int vx_pell_SetOUYA(int flag);

// Pointer tests over the ten fingers (a held left button is finger 0).
int vx_pell_MouseIn(float x, float y, float w, float h);
int vx_pell_MouseIn_Centered(float x, float y, float w, float h);
int vx_pell_MouseIn_Radius(float x, float y, float r);
float vx_pell_Dist(float x1, float y1, float x2, float y2);
