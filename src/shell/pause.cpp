// Pause handling of a running game: the escape channel and the corner
// button pause and unpause (and the tune with them); the overlay shows a
// sliding column of quit / resume / options icons and a ball-and-paddle toy
// whose state lives in vx_pell_paused.
#include <algorithm>
#include <cmath>

#include "game/objects.h"
#include "host/app.h"
#include "host/random.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

enum { CH_UP = 0, CH_DOWN = 8, CH_CONFIRM = 10, CH_SECOND = 11, CH_ESCAPE = 20 };
enum { SFX_MOVE = 98, SFX_CHOOSE = 99 };
// Elements of vx_pell_PELL_MenuPos.
enum { POS_ROW = 40, POS_COLUMN = 41, POS_IDLE = 42, POS_GEAR = 43 };
// Elements of vx_pell_kdis.
enum { LOCK_COLUMN = 1, LOCK_ESCAPE = 20 };
// Elements of the toy's state.
enum { TOY_ANGLE = 0, TOY_X = 1, TOY_Y = 2, TOY_VX = 3, TOY_VY = 4, TOY_SPEED = 5, TOY_COOL = 6, TOY_SPIN = 7,
       TOY_RALLY = 8, TOY_BEST = 9 };
const int kTrailHits = 899;  // hits of one rally that leave a trail point
const float kRing = 196;

bool Held(int channel) { return vx_pell_PlayKey(channel) != 0; }

long double Sind(long double degrees) { return std::sin(static_cast<double>(degrees * 0.0174532924f)); }
long double Cosd(long double degrees) { return std::cos(static_cast<double>(degrees * 0.0174532924f)); }

// Slot 90's frame size at the current draw scale: the icons' press boxes.
bool IconPressed(float x, float y) {
  const std::vector<float>& style = vx_pell_PELL_DrawStyle;
  const float w = static_cast<float>(static_cast<long double>(vx_pell_PELL_ImgW[90]) * style[4]);
  const float h = static_cast<float>(static_cast<long double>(vx_pell_PELL_ImgH[90]) * style[5]);
  return vx_pell_MouseIn_Centered(x, y, w, h) == 1;
}

// [SECTION] The toy

void Toy(int ms) {
  std::vector<float>& p = vx_pell_paused;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  const float cx = static_cast<float>(W - 256), cy = static_cast<float>(0.5L * H);

  vx_pell_ResetDraw();
  const float stick = vx_pell_PELL_Control[vx_pell_PELL_MixControls == 1 ? 121 : 21];
  float spin = static_cast<float>(0.25L * stick + p[TOY_SPIN]);
  spin = spin > 0 ? std::max(spin - 0.02f, 0.0f) : std::min(spin + 0.02f, 0.0f);
  p[TOY_SPIN] = std::clamp(spin, -4.0f, 4.0f);
  p[TOY_ANGLE] = static_cast<float>(std::fmod(4.0L * stick + p[TOY_ANGLE], 360.0L));

  vx_pell_SetCol(100, 255, 100, 1);

  // Serve from the centre when the ball has left the area (or was reset).
  const float bx = p[TOY_X], by = p[TOY_Y];
  if (bx < -32 || by < -32 || bx > W + 32 || by > H + 32 || (bx == 0 && by == 0)) {
    p[TOY_SPEED] = 3;
    p[TOY_X] = cx;
    p[TOY_Y] = cy;
    const float r1 = vx_random_Rnd();  // the direction first, then the pace
    const float r2 = vx_random_Rnd();
    const long double a = 360.0L * r1, pace = 1.5L * r2 + 1;
    p[TOY_VX] = static_cast<float>(Sind(a) * pace);
    p[TOY_VY] = static_cast<float>(-Cosd(a) * pace);
    if (p[TOY_RALLY] > p[TOY_BEST]) p[TOY_BEST] = p[TOY_RALLY];
    p[TOY_RALLY] = 0;
  }

  // The paddle: 33 points of the ring around its angle. The cool-down lets
  // a ball that touches two points in one update bounce once.
  for (int i = -16; i <= 16; ++i) {
    const long double a = i + static_cast<long double>(p[TOY_ANGLE]);
    const float px = static_cast<float>(cx + kRing * Sind(a));
    const float py = static_cast<float>(cy - kRing * Cosd(a));
    vx_pell_Rect(px - 4, py - 4, 9, 9, 0, 0);
    if (std::fabs(px - p[TOY_X]) < 10 && std::fabs(py - p[TOY_Y]) < 10) {
      const float r = vx_random_Rnd();  // drawn on every touch, bounce or not
      if (p[TOY_COOL] < 1) {
        const long double pace = p[TOY_SPEED] - 1.5L + 1.5L * r;
        vx_pell_PlaySFX(SFX_MOVE);
        const long double back = p[TOY_ANGLE] + 180.0L;
        p[TOY_VX] = static_cast<float>(Sind(back) * pace);
        p[TOY_VY] = static_cast<float>(-Cosd(back) * pace);
        p[TOY_SPEED] = static_cast<float>(p[TOY_SPEED] + 0.1L);
        p[TOY_RALLY] += 1;
        const int h = static_cast<int>(p[TOY_RALLY]);
        if (h >= 1 && h <= kTrailHits) {
          const size_t e = 5 * static_cast<size_t>(h) + 10;
          p[e] = static_cast<float>(std::atan2(static_cast<double>(p[TOY_X] - cx), static_cast<double>(cy - p[TOY_Y])) /
                                    static_cast<double>(0.0174532924f));
          p[e + 1] = static_cast<float>(vx_random_Rnd() + 0.5L);
          p[e + 2] = 20.0f * h;
        }
      }
      p[TOY_COOL] = 20;
    }
  }

  p[TOY_X] += p[TOY_VX];
  p[TOY_Y] += p[TOY_VY];
  p[TOY_COOL] = (p[TOY_COOL] < 1 || p[TOY_COOL] > 20) ? -1 : p[TOY_COOL] - 1;

  vx_pell_Rect(p[TOY_X] - 6, p[TOY_Y] - 6, 13, 13, 0, 0);

  // The trail joins the rally's hit points on the ring, each drifting with
  // the ring's spin at its own rate.
  const int hits = static_cast<int>(std::min(p[TOY_RALLY], static_cast<float>(kTrailHits)));
  float lx = cx, ly = cy;
  for (int k = 1; k <= hits; ++k) {
    const size_t e = 5 * static_cast<size_t>(k) + 10;
    vx_pell_InkRot(static_cast<float>(ms / 24 + static_cast<long double>(p[e + 2])), 1, 1);
    const float tx = static_cast<float>(cx + kRing * Sind(p[e]));
    const float ty = static_cast<float>(cy - kRing * Cosd(p[e]));
    vx_pell_Line(lx, ly, tx, ty);
    p[e] = static_cast<float>(p[e] + static_cast<long double>(p[e + 1]) * p[TOY_SPIN] * 0.05L);
    lx = tx;
    ly = ty;
  }

  vx_pell_ResetDraw();
  vx_pell_SetSize(0.5f);
  if (vx_pell_PELL_Font != 0) {
    const String score = String::FromInt(static_cast<int>(p[TOY_RALLY])) + ":" +
                         String::FromInt(static_cast<int>(p[TOY_BEST]));
    vx_pell_Text(static_cast<float>(W - 8), static_cast<float>(H - 8), score, 2, 2, 0, 0);
  }
}

void Unpause() {
  vx_pell_LockKeys();
  vx_pell_PELL_Paused = 0;
  vx_pell_PlaySFX(SFX_CHOOSE);
}

}  // namespace

// [SECTION] The overlay

int vx_pell_Pause_Menu() {
  static const String kTitle = "Paused";
  std::vector<int>& pos = vx_pell_PELL_MenuPos;
  std::vector<int>& kdis = vx_pell_kdis;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  const int ms = vx_app_Millisecs();
  const float cx = static_cast<float>(W - 256), cy = static_cast<float>(0.5L * H);

  vx_pell_ResetDraw();
  vx_pell_Alpha(0.2f);
  vx_pell_SetSize(1);
  vx_pell_SetRot(static_cast<float>(ms / 48.0L));
  vx_pell_DrawImg(91, cx, cy, 1);
  vx_pell_SetSize(1.5f);
  vx_pell_SetRot(static_cast<float>(-ms / 51.0L));
  vx_pell_DrawImg(91, cx, cy, 2);
  vx_pell_SetSize(2);
  vx_pell_SetRot(static_cast<float>(ms / 62.0L));
  vx_pell_DrawImg(91, cx, cy, 1);

  // The title circles on whole-millisecond steps of its angles.
  vx_pell_ResetDraw();
  if (vx_pell_PELL_Font != 0) {
    const float tx = static_cast<float>(cx + 64.0L * Sind(ms / 40));
    const float ty = static_cast<float>(cy - 32.0L * Cosd(ms / 30));
    vx_pell_Text(tx, ty, kTitle, 1, 1, static_cast<float>(ms * 0.25L), 16);
  }

  Toy(ms);

  // [SECTION] Icon column
  const int x = pos[POS_COLUMN];
  const float fx = static_cast<float>(x);
  const int mid = H / 2;
  vx_pell_ResetDraw();
  vx_pell_SetSize(0.75f);
  vx_pell_DrawImg(90, fx, static_cast<float>(mid - 128), 1);
  // Pointer flags take no lock: the first update of a press acts.
  bool quit = IconPressed(fx, static_cast<float>(mid - 128));
  vx_pell_DrawImg(90, fx, static_cast<float>(mid), 3);
  bool resume = IconPressed(fx, static_cast<float>(mid));
  if (pos[POS_ROW] == 2) pos[POS_GEAR] = (pos[POS_GEAR] + 1) % 360;
  const int gear = pos[POS_GEAR];
  const float gy = static_cast<float>(mid + 128);
  vx_pell_SetRot(static_cast<float>(gear));
  vx_pell_DrawImg(90, fx, gy, 13);
  vx_pell_SetRot(static_cast<float>(-2 * gear));
  vx_pell_DrawImg(90, fx, gy, 12);
  bool options = IconPressed(fx, gy);
  vx_pell_SetRot(static_cast<float>(4 * gear));
  vx_pell_DrawImg(90, fx, gy, 14);
  vx_pell_SetRot(0);
  vx_pell_SetSize(1.025f);
  vx_pell_Alpha(0.5f);
  vx_pell_DrawImg(90, fx, static_cast<float>(mid + 128.0L * (pos[POS_ROW] - 1)), 6);

  // [SECTION] Keys and actions
  int& row = pos[POS_ROW];
  if (!Held(CH_UP) && !Held(CH_DOWN) && !Held(CH_CONFIRM) && !Held(CH_SECOND)) kdis[LOCK_COLUMN] = 0;
  if (Held(CH_UP) && row > 0 && kdis[LOCK_COLUMN] == 0) {
    kdis[LOCK_COLUMN] = 1;
    --row;
    pos[POS_IDLE] = 0;
    vx_pell_PlaySFX(SFX_MOVE);
  }
  if (Held(CH_DOWN) && row < 2 && kdis[LOCK_COLUMN] == 0) {
    kdis[LOCK_COLUMN] = 1;
    ++row;
    pos[POS_IDLE] = 0;
    vx_pell_PlaySFX(SFX_MOVE);
  }
  if ((Held(CH_CONFIRM) || Held(CH_SECOND)) && kdis[LOCK_COLUMN] == 0) {
    quit = quit || row == 0;
    resume = resume || row == 1;
    options = options || row == 2;
  }

  if (quit) {
    Unpause();
    vx_pell_EndGame(2);  // through the banner, recorded like any other run
  }
  if (resume) {
    Unpause();
    vx_pell_ResumeTune();
  }
  if (options) {
    vx_pell_LockKeys();
    vx_pell_PlaySFX(SFX_CHOOSE);
    vx_pell_PELL_OptCred = 1;  // the game stays paused under it
  }

  // [SECTION] Column slide: in over 16 updates, out after about nine idle
  // seconds over 32; a press or a key move brings it back.
  int nx = x;
  if (vx_pell_mdAll > 0) {
    pos[POS_IDLE] = 0;
    nx += 8;
  } else {
    const int n = pos[POS_IDLE];
    if (n < 30) nx += 8;
    if (n > 580) nx -= 4;
    if (n <= 599) pos[POS_IDLE] = n + 1;
  }
  pos[POS_COLUMN] = std::clamp(nx, -64, 64);
  return 0;
}

// [SECTION] Pause and unpause

int vx_pell_InGame() {
  std::vector<int>& kdis = vx_pell_kdis;
  std::vector<float>& toy = vx_pell_paused;

  if (!Held(CH_ESCAPE)) {
    kdis[LOCK_ESCAPE] = 0;
  } else if (kdis[LOCK_ESCAPE] == 0) {
    kdis[LOCK_ESCAPE] = 1;
    vx_pell_PELL_Paused = 1 - vx_pell_PELL_Paused;
    if (vx_pell_PELL_Paused == 1)
      vx_pell_PauseTune();  // each acts only in the matching tune state
    else
      vx_pell_ResumeTune();
    vx_pell_LockKeys();
  }

  // An ending run is never paused.
  if (vx_pell_PELL_EndofGame > 0) {
    vx_pell_PELL_Paused = 0;
  } else if (vx_pell_PELL_Paused != 0) {
    vx_pell_Pause_Menu();
    if (vx_pell_PELL_Paused != 0) return 0;
  }

  // Running: the column and the toy start afresh at the next pause.
  vx_pell_PELL_MenuPos[POS_COLUMN] = -64;
  vx_pell_PELL_MenuPos[POS_IDLE] = 0;
  for (int e : {TOY_ANGLE, TOY_X, TOY_Y, TOY_RALLY, TOY_BEST}) toy[static_cast<size_t>(e)] = 0;

  vx_pell_ResetDraw();
  vx_pell_SetSize(0.4f, 0.4f);
  vx_pell_Alpha(0.5f);
  if (vx_pell_PELL_ScreenshotMode == 0) vx_pell_DrawImg(90, 24, 24, 0);

  // The corner button works in screenshot mode too, where it is not drawn.
  if (vx_pell_MouseIn_Radius(0, 0, 48) == 1 && vx_pell_mdis[0] == 0) {
    vx_pell_PELL_Paused = 1;
    vx_pell_mdis[0] = 1;
    vx_pell_LockKeys();
    vx_pell_PauseTune();
  }
  return 0;
}
