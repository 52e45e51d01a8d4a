// The options screen (overlay 1): eight rows of buttons, sliders and toggles
// over the drifting backdrop, a list that scrolls by drag and fling and
// pulls the highlighted row into view, and the save when it is left. It
// changes settings in place; the shell reads them from there.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "host/app.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "shell/persist.h"
#include "toolkit/draw.h"
#include "toolkit/frame.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

enum { CH_UP = 0, CH_LEFT = 3, CH_RIGHT = 5, CH_DOWN = 8, CH_CONFIRM = 10, CH_SECOND = 11, CH_THIRD = 12,
       CH_ESCAPE = 20 };
enum { SFX_MOVE = 98, SFX_CHOOSE = 99 };
// Elements of vx_pell_PELL_MenuPos.
enum { POS_VELOCITY = 46, POS_TARGET = 47, POS_SCROLL = 48, POS_ROW = 49 };
// Elements of vx_pell_kdis. The pointer lock also reads -1 while a drag
// scrolls the list and -2 while a slider is held.
enum { LOCK_CONFIRM = 30, LOCK_SIDEWAYS = 31, LOCK_UPDOWN = 32, LOCK_TOGGLE = 33, LOCK_POINTER = 34,
       LOCK_BACK = 38, LOCK_FLING = 47 };

bool Held(int channel) { return vx_pell_PlayKey(channel) != 0; }

// Centred, as every value text of the rows.
void Centred(float x, float y, const String& text) {
  if (vx_pell_PELL_Font != 0) vx_pell_Text(x, y, text, 1, 1, 0, 0);
}

struct Row {
  int setting, icon;
  String label;
  int low, high, style;
};
// Setting 99 is used by nothing else; the buttons park their value there.
const Row kRows[8] = {
    {99, 0, "Back", 0, 0, 0},
    {99, 3, "Fullscreen [F11]", 0, 0, 0},
    {1, 1, "SFX", 0, 10, 0},
    {0, 2, "Music", 0, 10, 0},
    {11, 4, "Invert Y - Left Stick", 0, 1, 2},
    {12, 5, "Invert Y - Right Stick", 0, 1, 2},
    {23, 3, "Screenshot Mode [F2]", 0, 1, 0},
    {22, 47, "Framerate [F1]", 0, 1, 0},
};

void Leave() {
  vx_pell_PELL_OptCred = 0;
  vx_pell_LockKeys();
  vx_pell_PlaySFX(SFX_CHOOSE);
}

}  // namespace

// [SECTION] Backdrop

int vx_pell_OverlayBackdrop() {
  const long double t = vx_app_Millisecs() * 0.015625L;
  vx_pell_BGRot(static_cast<float>(t), 1, 0.4f);
  // One pixel right and up every 64 ms.
  float c = static_cast<float>(std::fmod(t, 64.0L));
  if (c < 0) c += 64;
  vx_pell_ResetDraw();
  vx_pell_Alpha(0.2f);
  for (int i = -1; i <= 14; ++i)
    for (int j = 0; j <= 14; ++j) vx_pell_DrawImg(81, 64.0f * i + c, 64.0f * j - c, 48);
  vx_pell_ResetDraw();
  return 0;
}

// [SECTION] One row

int vx_pell_Option(int y, int setting, int row, int icon, const String& label, int low, int high, int style) {
  static const String kOff = "Off   ", kOn = "    On", kInverted = "Inverted   ", kStandard = "   Standard";
  static const String kMark = "#", kDot = ".";
  std::vector<int>& pos = vx_pell_PELL_MenuPos;
  std::vector<int>& kdis = vx_pell_kdis;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  if (setting < 0 || setting >= static_cast<int>(vx_pell_PELL_Set.size())) return 0;  // no such setting: no row
  int& value = vx_pell_PELL_Set[static_cast<size_t>(setting)];
  auto highlighted = [&] { return pos[POS_ROW] == row; };

  // The highlighted row pulls the list until it is in view, unless flung.
  if (highlighted() && kdis[LOCK_FLING] == 0) {
    if (y <= 63) pos[POS_TARGET] += 16;
    if (y >= H - 63) pos[POS_TARGET] -= 16;
  }
  if (y < -96 || y > H + 96) return 0;

  // [SECTION] Panel, icon and label
  const float x0 = static_cast<float>(W / 2 - 210);
  const float fy = static_cast<float>(y);
  if (highlighted()) {
    vx_pell_Ink(row % 9 + 1, 1.25f);
    vx_pell_Alpha(0.75f);
  } else {
    vx_pell_Ink(row % 9 + 1, 0.6f);
    vx_pell_Alpha(0.5f);
  }
  vx_pell_Rect(x0, fy - 34, 420, 68, 0, 0);
  if (vx_pell_MouseIn(x0, fy - 34, 420, 68) == 1 && kdis[LOCK_POINTER] == 0) {
    kdis[LOCK_FLING] = 0;
    if (!highlighted()) {
      pos[POS_ROW] = row;
      kdis[LOCK_POINTER] = 1;
      kdis[LOCK_TOGGLE] = 1;
      vx_pell_PlaySFX(SFX_MOVE);
    }
  }

  vx_pell_SetCol(0, 0, 0, 0.5f);
  vx_pell_Rect(x0 + 1, fy - 33, 66, 66, 0, 0);
  vx_pell_SetCol(255, 255, 255, 1);
  vx_pell_SetSize(1);
  vx_pell_DrawImg(81, x0 + 33, fy, icon);

  // Left-aligned and centred on its line, like the menus' text buttons.
  vx_pell_SetSize(0.5f);
  if (vx_pell_PELL_Font != 0) vx_pell_Text(x0 + 4, fy - 44, label, 0, 1, 0, 0);
  vx_pell_SetSize(1);

  // [SECTION] Value
  const float vx = static_cast<float>(W / 2 + 72);
  if (low == 0 && high == 1) {
    if (style == 0) {
      if (value == 0) Centred(vx, fy - 8, kOff);
      if (value == 1) Centred(vx, fy - 8, kOn);
    } else if (style == 2) {
      if (value == 1) Centred(vx, fy - 8, kInverted);
      if (value == 0) Centred(vx, fy - 8, kStandard);
    }
    // Only a press on the value box of a row already highlighted flips it.
    if (highlighted() && vx_pell_MouseIn_Centered(vx, fy, 220, 62) == 1 && kdis[LOCK_TOGGLE] == 0 &&
        (kdis[LOCK_POINTER] == 0 || kdis[LOCK_POINTER] == -2)) {
      kdis[LOCK_POINTER] = 1;
      kdis[LOCK_TOGGLE] = 1;
      // Clamped here rather than below, so a hand-edited value cannot overflow.
      value = static_cast<int>(std::clamp(1LL - value, 0LL, 1LL));
      vx_pell_PlaySFX(SFX_MOVE);
    }
  }
  if (low == 0 && high == 10) {
    for (int i = 0; i <= 10; ++i) {
      const float xi = static_cast<float>(W / 2 + 22 * i - 88);
      if (i == value)
        Centred(xi, fy + 2, kMark);
      else
        Centred(xi, fy + 2 - 2 * i, kDot);  // the dots climb toward the loud end
      // No lock: dragging along the marks keeps setting the value.
      if (highlighted() && vx_pell_MouseIn_Centered(xi - 6, fy, 22, 46) == 1) {
        kdis[LOCK_POINTER] = -2;
        if (value != i) {
          value = i;
          vx_pell_PlaySFX(SFX_MOVE);
        }
      }
    }
  }

  // [SECTION] Keys of the highlighted row
  if (highlighted()) {
    long long stepped = value;  // wide: a hand-edited setting may sit at the int limits
    if (Held(CH_LEFT) && kdis[LOCK_SIDEWAYS] == 0) {
      kdis[LOCK_SIDEWAYS] = 1;
      --stepped;
      vx_pell_PlaySFX(SFX_MOVE);
    }
    if (Held(CH_RIGHT) && kdis[LOCK_SIDEWAYS] == 0) {
      kdis[LOCK_SIDEWAYS] = 1;
      ++stepped;
      vx_pell_PlaySFX(SFX_MOVE);
    }
    value = static_cast<int>(std::clamp(stepped, static_cast<long long>(low), static_cast<long long>(high)));
    // Confirm flips a toggle, jumps a slider to its loud end from silence
    // and back to silence from anywhere else, and activates a button.
    if (kdis[LOCK_CONFIRM] == 0 && (Held(CH_CONFIRM) || Held(CH_SECOND))) {
      value = value == low ? high : low;
      vx_pell_PlaySFX(SFX_CHOOSE);
      vx_pell_LockKeys();
      return 1;
    }
  }

  // A click on the highlighted "Back" row leaves.
  if (vx_pell_MouseIn(64, fy - 34, static_cast<float>(W - 128), 68) == 1 && kdis[LOCK_POINTER] == 0)
    return row == 0 && highlighted() ? 1 : 0;
  return 0;
}

// [SECTION] The screen

int vx_pell_Options() {
  std::vector<int>& pos = vx_pell_PELL_MenuPos;
  std::vector<int>& kdis = vx_pell_kdis;
  const int H = vx_pell_jscrh;

  vx_pell_OverlayBackdrop();

  // The scroll eases an eighth of the way to its target; the target never
  // rests below 128 but takes the fling velocity, which decays by one.
  const int s = pos[POS_SCROLL], t = pos[POS_TARGET], v = pos[POS_VELOCITY];
  const long long g = static_cast<long long>(s - (static_cast<long double>(s) - t) * 0.125L);
  pos[POS_SCROLL] = std::llabs(g - t) < 1 ? t : static_cast<int>(g);
  pos[POS_TARGET] = std::min(t, 128) + v;
  int nv = std::clamp(v, -8, 8);
  nv += nv > 0 ? -1 : (nv < 0 ? 1 : 0);
  pos[POS_VELOCITY] = nv;

  for (int row = 0; row < 8; ++row) {
    const Row& r = kRows[row];
    const int hit = vx_pell_Option(s + 116 * row, r.setting, row, r.icon, r.label, r.low, r.high, r.style);
    if (row == 0 && hit == 1) {
      Leave();
      pos[POS_ROW] = 0;
      vx_pell_Save();
    }
    if (row == 1 && hit == 1) vx_pell_FullscreenFlip();
    if (row == 6) vx_pell_PELL_ScreenshotMode = vx_pell_PELL_Set[23];
    if (row == 7) vx_pell_PELL_DebugMode = vx_pell_PELL_Set[22];
  }

  // Scrolled so far up that the last row ends above mid-screen: creep back.
  if (s + 928 < H / 2) pos[POS_TARGET] += 8;

  // [SECTION] Drag, releases, row keys and back
  if (vx_pell_mdAll > 0 && (kdis[LOCK_POINTER] == 0 || kdis[LOCK_POINTER] == -1)) {
    kdis[LOCK_POINTER] = -1;
    pos[POS_VELOCITY] = static_cast<int>(2.0L * vx_pell_msy + pos[POS_VELOCITY]);
    if (pos[POS_VELOCITY] < -3 || pos[POS_VELOCITY] > 3) kdis[LOCK_FLING] = 1;
  }

  if (!Held(CH_CONFIRM) && !Held(CH_SECOND)) kdis[LOCK_CONFIRM] = 0;
  if (!Held(CH_LEFT) && !Held(CH_RIGHT)) kdis[LOCK_SIDEWAYS] = 0;
  if (!Held(CH_UP) && !Held(CH_DOWN)) kdis[LOCK_UPDOWN] = 0;
  if (vx_pell_mdAll == 0) kdis[LOCK_POINTER] = kdis[LOCK_TOGGLE] = 0;

  int& row = pos[POS_ROW];
  if (Held(CH_UP) && kdis[LOCK_UPDOWN] == 0 && row > 0) {
    --row;
    kdis[LOCK_UPDOWN] = 1;
    vx_pell_PlaySFX(SFX_MOVE);
    kdis[LOCK_FLING] = 0;
  }
  if (Held(CH_DOWN) && kdis[LOCK_UPDOWN] == 0 && row < 7) {
    ++row;
    kdis[LOCK_UPDOWN] = 1;
    vx_pell_PlaySFX(SFX_MOVE);
    kdis[LOCK_FLING] = 0;
  }

  if (!Held(CH_THIRD) && !Held(CH_ESCAPE)) {
    kdis[LOCK_BACK] = 0;
  } else if (kdis[LOCK_BACK] == 0) {
    Leave();
    kdis[LOCK_FLING] = 0;
    vx_pell_Save();
  }
  return 0;
}
