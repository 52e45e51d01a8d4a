// Per-update housekeeping (frame counters, F1/F2/F4/F11, background easing,
// pointer record, volumes) and the five blocks of control channels built
// from the keyboard and joysticks 0-3. Reads the input device through the
// vx_input_ functions; nothing here allocates.
#include "shell/controls.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "audio/audio.h"
#include "host/app.h"
#include "host/errors.h"
#include "input/input.h"
#include "shell/globals.h"
#include "toolkit/frame.h"
#include "toolkit/globals.h"

namespace {

// Toward zero like a plain cast, but a position far outside the int range
// (or NaN, from a touch position nobody checked) gives a bound or 0 instead
// of undefined behaviour.
int Truncate(long double v) {
  if (!(v == v)) return 0;
  if (v >= 2147483647.0L) return INT32_MAX;
  if (v <= -2147483648.0L) return INT32_MIN;
  return static_cast<int>(v);
}

int SaturatedDifference(int a, int b) {
  const int64_t d = static_cast<int64_t>(a) - b;
  return d > INT32_MAX ? INT32_MAX : d < INT32_MIN ? INT32_MIN : static_cast<int>(d);
}

// 1 - flag, wrapping: a flag loaded from a hand-edited record can be any int.
int Toggle(int flag) { return static_cast<int>(1u - static_cast<unsigned>(flag)); }

int Clamp(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

float ClampUnit(float v) { return v < -1.0f ? -1.0f : v > 1.0f ? 1.0f : v; }

// [SECTION] Channel table

enum { CH_UP = 0, CH_LEFT = 3, CH_RIGHT = 5, CH_DOWN = 8, CH_X = 21, CH_Y = 22, CH_RX = 31, CH_RY = 32 };

// Keys end at 0, joystick buttons at -1 (button 0 is real).
struct Binding {
  int channel;
  int keys[5];
  int buttons[4];
};

const Binding kBindings[] = {
    {CH_UP, {KEY_UP, KEY_W, KEY_KP_8, 0}, {9, -1}},
    {CH_LEFT, {KEY_LEFT, KEY_A, KEY_KP_4, 0}, {8, -1}},
    {CH_RIGHT, {KEY_RIGHT, KEY_D, KEY_KP_6, 0}, {10, -1}},
    {CH_DOWN, {KEY_DOWN, KEY_S, KEY_KP_2, KEY_KP_5, 0}, {11, -1}},
    {10, {KEY_Z, KEY_J, KEY_SPACE, KEY_ENTER, 0}, {0, -1}},
    {11, {KEY_X, KEY_K, KEY_CONTROL, 0}, {1, -1}},
    {12, {KEY_C, KEY_L, KEY_SHIFT, 0}, {2, -1}},
    {13, {KEY_V, KEY_I, 0}, {3, -1}},
    {14, {KEY_B, KEY_U, 0}, {4, -1}},
    {15, {KEY_N, KEY_O, 0}, {5, -1}},
    {20, {KEY_ESCAPE, KEY_GRAVE, KEY_DELETE, KEY_BACKSPACE, 0}, {6, 7, 14, -1}},
};
const int kDirections = 4;  // the first four bindings are up, left, right, down

// Channels rebuilt from scratch each update; 21 and 22 carry over.
const int kCleared[] = {0, 3, 5, 8, 10, 11, 12, 13, 14, 15, 20, 31, 32};

// pad -1 is the keyboard; 0-3 a joystick.
bool Held(const Binding& b, int pad) {
  if (pad < 0) {
    for (const int* k = b.keys; *k != 0; ++k)
      if (vx_input_KeyDown(*k)) return true;
    return false;
  }
  for (const int* n = b.buttons; *n != -1; ++n)
    if (vx_input_KeyDown(KEY_JOY_BASE + 32 * pad + *n)) return true;
  return false;
}

// Moves v 0.25 toward 0 without crossing it.
float Centre(float v) {
  if (v > 0) return v > 0.25f ? v - 0.25f : 0.0f;
  if (v < 0) return v < -0.25f ? v + 0.25f : 0.0f;
  return v;
}

void BuildBlock(int pad) {
  float* ch = &vx_pell_PELL_Control[static_cast<size_t>(100 * (pad + 1))];
  for (int k : kCleared) ch[k] = 0;

  bool dir[kDirections];
  for (int i = 0; i < kDirections; ++i) dir[i] = Held(kBindings[i], pad);
  for (const Binding& b : kBindings)
    if (b.channel >= 10 && Held(b, pad)) ch[b.channel] = 1;
  const bool up = dir[0], left = dir[1], right = dir[2], down = dir[3];

  float lx = 0, ly = 0;
  if (pad >= 0) {
    float rx = vx_input_JoyX(1, pad), ry = vx_input_JoyY(1, pad);
    if (vx_pell_PELL_Set[12] == 1) ry = -ry;
    if (std::fabs(rx) > 0.3f || std::fabs(ry) > 0.3f) {
      ch[CH_RX] = rx;
      ch[CH_RY] = ry;
    }
    lx = vx_input_JoyX(0, pad);
    ly = vx_input_JoyY(0, pad);
    if (vx_pell_PELL_Set[11] == 1) ly = -ly;
    // The dead zone is a square: one axis outside keeps both as read.
    if (std::fabs(lx) < 0.3f && std::fabs(ly) < 0.3f) lx = ly = 0;
  }

  if (!left && !right && lx == 0) ch[CH_X] = Centre(ch[CH_X]);
  if (!up && !down && ly == 0) ch[CH_Y] = Centre(ch[CH_Y]);
  if (left) ch[CH_X] -= 0.4f;
  if (right) ch[CH_X] += 0.4f;
  if (up) ch[CH_Y] -= 0.4f;
  if (down) ch[CH_Y] += 0.4f;
  ch[CH_X] = ClampUnit(ch[CH_X]);
  ch[CH_Y] = ClampUnit(ch[CH_Y]);

  // x at exactly 0.3 already overrides, y only above it; kept as it is.
  if (std::fabs(lx) >= 0.3f || std::fabs(ly) > 0.3f) {
    ch[CH_X] = lx;
    ch[CH_Y] = ly;
  }

  ch[CH_UP] = (up || ly < -0.3f) ? 1.0f : 0.0f;
  ch[CH_LEFT] = (left || lx < -0.3f) ? 1.0f : 0.0f;
  ch[CH_RIGHT] = (right || lx > 0.3f) ? 1.0f : 0.0f;
  ch[CH_DOWN] = (down || ly > 0.3f) ? 1.0f : 0.0f;

  if (pad >= 0 && vx_pell_Joy_Disable[static_cast<size_t>(pad)] == 1)
    for (int k = 0; k <= 32; ++k) ch[k] = 0;
}

// [SECTION] Pointer

// Window pixels to virtual units. Before the first render has set the
// scale it is 0; positions are then taken as they are rather than as
// infinities.
float ToVirtual(float pixels) {
  const float scale = vx_pell_PELL_Scale;
  if (!(scale > 0)) return pixels;
  return static_cast<float>(static_cast<long double>(pixels) / scale);
}

void BuildPointer() {
  std::vector<float>& t = vx_pell_PELL_Touch;
  t[100] = vx_input_KeyDown(KEY_MOUSE_LEFT) ? 1.0f : 0.0f;
  t[101] = ToVirtual(vx_input_MouseX());
  t[102] = ToVirtual(vx_input_MouseY());
  bool lowerDown = false;
  for (int i = 0; i < 10; ++i) {
    float* f = &t[static_cast<size_t>(10 * i)];
    f[0] = 0;
    if (!vx_input_KeyDown(KEY_TOUCH_BASE + i)) continue;
    f[0] = 1;
    f[1] = ToVirtual(vx_input_TouchX(i));
    f[2] = ToVirtual(vx_input_TouchY(i));
    if (!lowerDown) {
      t[100] = 1;
      t[101] = f[1];
      t[102] = f[2];
      lowerDown = true;
    }
  }

  vx_pell_mdAll = Truncate(t[100]);
  vx_pell_mx = Truncate(t[101]);
  vx_pell_my = Truncate(t[102]);
  if (vx_pell_mdAll > 0) {
    // A position below -99 is taken for "up" too: no step is reported then.
    if (vx_pell_mwx >= -99) {
      vx_pell_msx = SaturatedDifference(vx_pell_mx, vx_pell_mwx);
      vx_pell_msy = SaturatedDifference(vx_pell_my, vx_pell_mwy);
    }
    vx_pell_mwx = vx_pell_mx;
    vx_pell_mwy = vx_pell_my;
  } else {
    vx_pell_mwx = vx_pell_mwy = -100;
    vx_pell_mdis[0] = 0;
  }
}

bool FingerIn(long double left, long double top, long double right, long double bottom) {
  for (int i = 0; i < 10; ++i) {
    const float* f = &vx_pell_PELL_Touch[static_cast<size_t>(10 * i)];
    if (f[0] != 0 && left <= f[1] && f[1] <= right && top <= f[2] && f[2] <= bottom) return true;
  }
  return false;
}

}  // namespace

// [SECTION] Housekeeping

int vx_pell_UpdateWorld() {
  vx_pell_CountFrame(48, 8, 6, 1);

  if (vx_pell_PELL_GameMode != 10) {
    vx_pell_PELL_Paused = 0;
    vx_pell_PELL_MenuPos[40] = 1;
  }

  if (vx_input_KeyHit(KEY_F1)) {
    vx_pell_PELL_DebugMode = Toggle(vx_pell_PELL_DebugMode);
    vx_pell_PELL_Set[22] = vx_pell_PELL_DebugMode;
  }
  if (vx_input_KeyHit(KEY_F2)) {
    vx_pell_PELL_ScreenshotMode = Toggle(vx_pell_PELL_ScreenshotMode);
    vx_pell_PELL_Set[23] = vx_pell_PELL_ScreenshotMode;
  }
  if (vx_input_KeyHit(KEY_F11)) vx_pell_FullscreenFlip();
  if (vx_input_KeyHit(KEY_F4)) vxError("");

  std::vector<float>& style = vx_pell_PELL_DrawStyle;
  for (int k = 11; k <= 13; ++k) {
    const long double c = style[static_cast<size_t>(k)], target = style[static_cast<size_t>(k + 4)];
    style[static_cast<size_t>(k)] = static_cast<float>(c - (c - target) * 0.0625L);
  }

  BuildPointer();
  vx_pell_DoControls();

  // 0.999 at full volume, not 1.
  vx_pell_PELL_Set[0] = Clamp(vx_pell_PELL_Set[0], 0, 10);
  vx_audio_SetMusicVolume(static_cast<float>(vx_pell_PELL_Set[0] * 0.0999L));
  vx_pell_PELL_Set[1] = Clamp(vx_pell_PELL_Set[1], 0, 10);
  return 0;
}

// [SECTION] Control channels

int vx_pell_DoControls() {
  for (int pad = -1; pad <= 3; ++pad) BuildBlock(pad);
  // The merged block keeps the keyboard's share in its 21 and 22, so the
  // next update's centring and ramp act on it again: held keys reach 1
  // sooner there and it lingers after release.
  if (vx_pell_PELL_MixControls == 1) {
    std::vector<float>& c = vx_pell_PELL_Control;
    for (size_t k = 0; k < 100; ++k) c[100 + k] += c[k];
    c[121] = ClampUnit(c[121]);
    c[122] = ClampUnit(c[122]);
  }
  return 0;
}

// Channels outside 0-99 read 0, like pads outside -2..3.
float vx_pell_PlayKey(int channel, int pad) {
  if (channel == 99) channel = 20;
  if (channel < 0 || channel > 99) return 0;
  const std::vector<float>& c = vx_pell_PELL_Control;
  if (pad == -2) {
    long double sum = 0;
    for (size_t block = 0; block < 5; ++block) sum += c[100 * block + static_cast<size_t>(channel)];
    return static_cast<float>(sum);
  }
  if (pad == -1 && vx_pell_PELL_MixControls == 1) pad = 0;
  if (pad < -1 || pad > 3) return 0;
  return c[static_cast<size_t>(100 * (pad + 1) + channel)];
}

// Only the two sticks exist; any other pad or stick reads a centred axis.
float vx_pell_ControlX(int pad, int stick) {
  if (pad < -1 || pad > 3 || stick < 0 || stick > 1) return 0;
  if (pad == -1 && vx_pell_PELL_MixControls == 1) pad = 0;
  return vx_pell_PELL_Control[static_cast<size_t>(100 * (pad + 1) + 21 + 10 * stick)];
}

int vx_pell_LockKeys() {
  std::fill(vx_pell_kdis.begin(), vx_pell_kdis.end(), 1);
  std::fill(vx_pell_mdis.begin(), vx_pell_mdis.end(), 1);
  return 0;
}

int vx_pell_MixControls() {
  vx_pell_PELL_MixControls = 1;
  return 0;
}

int vx_pell_SetOUYA(int flag) {
  vx_pell_isOuya = flag;
  if (flag == 1) vx_pell_HasQuit = 1;
  return 0;
}

// [SECTION] Pointer tests

int vx_pell_MouseIn(float x, float y, float w, float h) {
  const long double left = x, top = y;
  return FingerIn(left, top, left + w, top + h) ? 1 : 0;
}

int vx_pell_MouseIn_Centered(float x, float y, float w, float h) {
  const long double left = x - w / 2.0L, top = y - h / 2.0L;
  return FingerIn(left, top, left + w, top + h) ? 1 : 0;
}

int vx_pell_MouseIn_Radius(float x, float y, float r) {
  for (int i = 0; i < 10; ++i) {
    const float* f = &vx_pell_PELL_Touch[static_cast<size_t>(10 * i)];
    if (f[0] != 0 && vx_pell_Dist(f[1], f[2], x, y) <= r) return 1;
  }
  return 0;
}

float vx_pell_Dist(float x1, float y1, float x2, float y2) {
  const long double dx = static_cast<long double>(x1) - x2, dy = static_cast<long double>(y1) - y2;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}
