// Objects: dropped above the screen, they either land on a roof, arm and
// explode, or are grabbed, pulled in and collected for points. Random draws
// follow the order of the steps; within a particle throw the arguments are
// drawn last to first (speed, angle, colour). Recorded runs rely on both.
#include "game/objects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/globals.h"
#include "game/particles.h"
#include "game/start.h"
#include "host/random.h"
#include "shell/globals.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

enum { SFX_EXPLOSION = 1, SFX_TAKEN_IN = 3, SFX_GRAB = 5, SFX_POINTS = 6 };

bool InBlock(const c_Field& f, float x, float y) {
  return vx_game_Strength(vx_game_Row(f, y), vx_game_Column(f, x)) > 0;
}

}  // namespace

// [SECTION] Toolkit scoring

int vx_pell_FreeObj(int count, int stride) {
  const long long length = static_cast<long long>(vx_pell_obj.size());
  for (long long i = 0; i <= count; ++i) {
    const long long element = static_cast<long long>(stride) * i;
    // A search that runs off the array (or stands still) finds nothing more.
    if (element < 0 || element >= length || (i > 0 && stride == 0)) break;
    if (vx_pell_obj[static_cast<size_t>(element)] == 0) return static_cast<int>(10 * i);
  }
  return -1;
}

int vx_pell_Gimme(int amount, float x, float y, int player) {
  if (x != kGimmeNoNumber) {
    float* p = &vx_pell_part[static_cast<size_t>(10 * vx_game_NextParticle())];
    p[0] = PART_NUMBER;
    p[1] = x;
    p[2] = y;
    p[3] = p[4] = p[5] = p[6] = 0;
    p[7] = 1;
    p[8] = static_cast<float>(amount);
    p[9] = 3;  // yellow
  }
  if (player >= 1 && player <= 7) {
    float* r = &vx_pell_plr[static_cast<size_t>(100 * (player - 1))];
    r[50] += static_cast<float>(amount);
    r[52] += 1;
  }
  return 0;
}

int vx_pell_EndGame(int reason) {
  if (vx_pell_PELL_EndofGame != 0) return 0;
  vx_pell_PELL_EndofGame = 1;
  vx_pell_PELL_EndReason = reason;
  return 0;
}

int vx_pell_ShowScores(int showLives, int /*first*/, int second, int third, int fourth, int fifth) {
  if (vx_pell_PELL_ScreenshotMode != 0) return 0;
  // Player 1 is always shown; each column belongs to the player shown in it.
  const bool shown[5] = {true, second > 0, third > 0, fourth > 0, fifth > 0};
  const int n = 1 + (second > 0) + (third > 0) + (fourth > 0) + (fifth > 0);
  const int w = vx_pell_jscrw / n;
  int x = w / 2;
  for (int player = 0; player < 5; ++player) {
    if (!shown[player]) continue;
    const float* r = &vx_pell_plr[static_cast<size_t>(100 * player)];
    const float fx = static_cast<float>(x);
    vx_pell_SetCol(255, 255, 255, 0.75f);
    vx_pell_SetSize(0.15f, 0.15f);
    if (showLives == 1) {
      const int lives = vx_game_Trunc(r[51]);
      if (lives > 0) vx_pell_DrawImg(90, fx - 16, 36, 8);
      if (lives > 1) vx_pell_DrawImg(90, fx, 36, 8);
      if (lives > 2) vx_pell_DrawImg(90, fx + 16, 36, 8);
    }
    vx_pell_SetCol(100, 255, 100, 0.75f);
    const float size = n > 2 ? 0.5f : 0.75f;
    vx_pell_SetSize(size, size);
    if (vx_pell_PELL_Font != 0) vx_pell_Text(fx, 16, String::FromInt(vx_game_Trunc(r[50])), 1, 1, 0, 0);
    x += w;
  }
  return 0;
}

// [SECTION] Dropper

void vx_game_Dropper(const c_Field& f) {
  float* P = vx_pell_plr.data();
  const int s = vx_pell_FreeObj(100, 10);
  P[13] += 1;  // counts on while every slot is taken: the next drop then comes at once
  if (s < 0 || !(P[13] > P[14])) return;
  P[13] = 0;
  P[14] = std::max(35.0f, static_cast<float>(P[14] - 8.0L * vx_pell_PELL_GameType));
  const int target = vx_pell_Rand(32, static_cast<float>(f.W - 32));
  const int start = vx_pell_Rand(-64, static_cast<float>(f.W + 64));
  float* o = &vx_pell_obj[static_cast<size_t>(s)];
  o[0] = OBJ_FALLING;
  o[1] = static_cast<float>(start);
  o[2] = -64;
  o[3] = static_cast<float>(static_cast<long double>(target - start) / 120);
  o[4] = vx_random_Rnd2(2, 3);
  o[5] = 0;
}

// [SECTION] Explosion

void vx_game_Explode(const c_Field& f, float x, float y) {
  const int cc = vx_game_Column(f, x), rr = vx_game_Row(f, y);
  // Far outside the grid no cell is within reach (and the sums below stay small).
  const bool nearGrid = cc >= -4 && cc <= 35 && rr >= -4 && rr <= 28;
  for (int dc = -4; nearGrid && dc <= 4; ++dc) {
    for (int dr = -4; dr <= 4; ++dr) {
      const int d = std::abs(dc) + std::abs(dr);
      if (d > 6) continue;
      const int cell = vx_game_Cell(rr + dr, cc + dc);
      if (cell < 0 || !(vx_pell_grid[static_cast<size_t>(cell)] > 0)) continue;
      const float px = static_cast<float>((cc + dc) * static_cast<long double>(f.C) + f.half);
      const float py = static_cast<float>(f.T + (rr + dr) * static_cast<long double>(f.C));
      for (int k = 0; k < 3; ++k) {
        const float speed = vx_random_Rnd2(3, 5);
        const float angle = vx_random_Rnd2(0, 360);
        const int colour = vx_game_Trunc(std::floor(vx_random_Rnd2(1, 9.99f)));
        vx_pell_ThrowParticle(px, py, PART_DEBRIS, colour, angle, speed);
      }
      const float speed = vx_random_Rnd2(0, 2);
      const float angle = vx_random_Rnd2(-120, 120);
      vx_pell_ThrowParticle(px, py, PART_PUFF, 9, angle, speed);
      // 9 at the centre down to 3 at distance 6: a new block always survives one blast.
      vx_pell_grid[static_cast<size_t>(cell)] -= static_cast<float>(9 - d);
    }
  }
  vx_pell_PlaySFX(SFX_EXPLOSION);
}

// [SECTION] Object pass

int vx_game_ObjectPass(const c_Field& f) {
  int busy = 0;
  const float* P = vx_pell_plr.data();
  // The grab point, a cell above the character's feet.
  const long double gx = P[1], gy = P[2] - static_cast<long double>(f.C);
  const long double reach = 1.5f * static_cast<long double>(f.C);
  for (int s = 0; s <= 100; ++s) {
    float* o = &vx_pell_obj[static_cast<size_t>(10 * s)];
    // Each state below is tested against what the one before left.
    if (o[0] == OBJ_FALLING) {
      o[1] += o[3];
      if (o[1] < 8 && o[3] < 0) o[3] = -o[3];
      if (o[1] > f.W - 8 && o[3] > 0) o[3] = -o[3];
      o[2] += o[4];
      if (InBlock(f, o[1], o[2])) {
        o[0] = OBJ_ARMED;
        o[5] = P[15];
      }
      if (o[2] > 32 && (o[1] < -32 || o[1] > f.W + 32 || o[2] > f.H + 32)) o[0] = OBJ_FREE;
      vx_pell_DrawImg(3, o[1], o[2], 0);
    }

    if ((o[0] == OBJ_FALLING || o[0] == OBJ_ARMED) && std::fabs(o[1] - gx) < reach &&
        std::fabs(o[2] - gy) < reach) {
      o[0] = OBJ_GRABBED;  // an armed object's fuse stops here
      vx_pell_PlaySFX(SFX_GRAB);
      busy = 1;
    }

    if (o[0] == OBJ_ARMED) {
      o[5] -= 1;
      const int cell = vx_game_Cell(vx_game_Row(f, o[2]), vx_game_Column(f, o[1]));
      if (cell >= 0 && vx_pell_grid[static_cast<size_t>(cell)] == 0) o[2] += 3;  // sinks into a gap
      int frame = vx_game_Trunc(std::fmod(o[5] * 0.125L, 4.0L) + 1);
      if (o[5] < 30) frame += 7;  // the warning frames
      if (o[5] > -1) vx_pell_DrawImg(3, o[1], o[2], frame);
      if (o[5] < 0) {
        vx_game_Explode(f, o[1], o[2]);
        o[0] = OBJ_FREE;
        continue;
      }
    }

    if (o[0] == OBJ_GRABBED) {
      o[1] = static_cast<float>(o[1] - (o[1] - gx) * 0.125L);
      o[2] = static_cast<float>(o[2] - (o[2] - gy) * 0.125L);
      vx_pell_DrawImg(3, o[1], o[2], 0);
      // Taken in only while the character stands on a roof (last update's
      // ground timer); in the air it waits at the grab point.
      if (std::fabs(o[1] - gx) < 2 && std::fabs(o[2] - gy) < 2 && P[7] > 0) {
        o[0] = OBJ_COLLECTED;
        o[5] = 0;
        vx_pell_PlaySFX(SFX_TAKEN_IN);
      }
      vx_pell_SetCol(255, 0, 0, -100);
      for (int i = -20; i <= 20; ++i) {
        const float off = i * 0.1f;
        vx_pell_Line(P[1] + off, static_cast<float>(P[2] - static_cast<long double>(f.half) + off), o[1] + off,
                     o[2] + off);
      }
      vx_pell_SetCol(255, 255, 255, -100);
      busy = 1;
    }

    if (o[0] == OBJ_COLLECTED) {
      o[5] += 1;
      if (o[5] == 20) {
        vx_pell_Gimme(10, P[1], static_cast<float>(P[2] - 2.0L * f.C), 1);
        const float sparkY = static_cast<float>(P[2] - static_cast<long double>(f.C));
        for (int k = 0; k < 4; ++k) {
          const float speed = vx_random_Rnd2(0, 2);
          const float angle = vx_random_Rnd2(0, 360);
          vx_pell_ThrowParticle(P[1], sparkY, PART_SPARKLE, 9, angle, speed);
        }
        vx_pell_PlaySFX(SFX_POINTS);
      }
      busy = o[5] > 16 ? 2 : 1;
      if (o[5] > 30) o[0] = OBJ_FREE;
    }
  }
  return busy;
}
