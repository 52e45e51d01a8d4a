// The particle ring and the star field. Both walk fixed arrays every update
// and allocate nothing; their random draws take part in the game's one
// sequence, so their order below is fixed.
#include "game/particles.h"

#include <cmath>

#include "game/globals.h"
#include "game/start.h"
#include "game/world.h"
#include "host/app.h"
#include "host/random.h"
#include "shell/globals.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/text.h"

namespace {

constexpr int kRing = 250;   // slots 0-249 are filled
constexpr int kVisited = 251;  // slot 250 is walked and stays empty
constexpr int kStars = 251;

// Degrees with the game's float factor; the sine and cosine in double.
double Radians(long double degrees) { return static_cast<double>(degrees * 0.0174532924f); }

}  // namespace

// [SECTION] Particles

int vx_game_NextParticle() {
  // The cursor is only ever set here, but a stray value still lands in the ring.
  int s = (vx_pell_PELL_Partto + 1) % kRing;
  if (s < 0) s += kRing;
  vx_pell_PELL_Partto = s;
  return s;
}

int vx_pell_ThrowParticle(float x, float y, int kind, int colour, float angle, float speed) {
  float* p = &vx_pell_part[static_cast<size_t>(10 * vx_game_NextParticle())];
  p[0] = static_cast<float>(kind);
  p[1] = x;
  p[2] = y;
  const double a = Radians(angle);
  p[3] = static_cast<float>(std::sin(a) * static_cast<long double>(speed));
  p[4] = static_cast<float>(-std::cos(a) * static_cast<long double>(speed));
  p[5] = vx_random_Rnd2(0, 360);
  p[6] = vx_random_Rnd2(-3, 3);
  p[7] = 1;
  p[8] = std::floor(vx_random_Rnd2(0, 15.99f));
  p[9] = static_cast<float>(colour);
  return 0;
}

int vx_pell_DoParticles() {
  vx_pell_ResetDraw();
  // The frame composition may run where the world arrays were never made
  // (a toolkit set up on its own): then there is nothing to advance.
  if (vx_pell_part.size() < 10 * kVisited) return 0;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  // One clock reading serves the whole pass.
  const int wobbleBase = vx_app_Millisecs() / 24;
  for (int s = 0; s < kVisited; ++s) {
    float* p = &vx_pell_part[static_cast<size_t>(10 * s)];
    if (!(p[0] > 0)) continue;
    const int kind = vx_game_Trunc(p[0]);
    p[1] += p[3];
    p[2] += p[4];
    p[5] = static_cast<float>(std::fmod(static_cast<long double>(p[5]) + p[6], 360.0L));
    const float sx = p[1] - vx_pell_scrx, sy = p[2] - vx_pell_scry;

    int image = 0;
    float scale = 0.3f, loss = 0.02f;
    switch (kind) {
      case PART_SPARKLE:
      case PART_PUFF: {
        const bool puff = kind == PART_PUFF;
        p[4] -= puff ? vx_random_Rnd2(0.0125f, 0.05f) : vx_random_Rnd2(0.025f, 0.1f);
        p[3] *= vx_random_Rnd2(0.95f, 0.98f);
        // Moves the stored x only: the wobble shows from the next update on.
        p[1] = static_cast<float>(p[1] + 0.3f * static_cast<long double>(std::sin(Radians(wobbleBase + 35 * s))));
        image = 72;
        scale = static_cast<float>(5 - 4.0L * p[7]);
        if (puff) loss = 0.01f;
        break;
      }
      case PART_DEBRIS:
        p[4] += vx_random_Rnd2(0.1f, 0.25f);
        p[3] *= vx_random_Rnd2(0.95f, 0.98f);
        image = 70;
        break;
      case PART_NUMBER:
        p[4] = std::fmax(p[4] - 0.02f, -0.35f);
        break;
      default:
        // No kind of the game: drawn as nothing, and gone after 50 updates.
        break;
    }

    vx_pell_Ink(vx_game_Trunc(p[9]), 1);
    vx_pell_SetSize(scale, scale);
    vx_pell_SetRot(p[5]);
    vx_pell_Alpha(p[7]);
    if (kind == PART_NUMBER) {
      if (vx_pell_PELL_Font != 0) vx_pell_Text(sx, sy, String::FromInt(vx_game_Trunc(p[8])), 1, 1, 0, 0);
    } else if (image != 0) {
      vx_pell_DrawImg(image, sx, sy, s % 16);
    }

    p[7] -= loss;
    if (p[7] <= 0) {
      p[7] = 0;
      p[0] = 0;
    }
    if (sx < -128 || sy < -128 || sx > W + 128 || sy > H + 128) p[0] = 0;
  }
  vx_pell_ResetDraw();
  return 0;
}

// [SECTION] Stars

int vx_pell_ResetStars() {
  vx_pell_SeedRnd(kSeedFromClock);
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  for (int s = 0; s < kStars; ++s) {
    float* star = &vx_pell_astar[static_cast<size_t>(10 * s)];
    star[0] = std::floor(vx_random_Rnd2(0, 15.99f));
    star[1] = vx_random_Rnd2(-128, static_cast<float>(W + 128));
    star[2] = vx_random_Rnd2(-128, static_cast<float>(H + 128));
    star[3] = vx_random_Rnd2(0.25f, 0.9f);
    star[5] = vx_random_Rnd2(0, 360);
    star[6] = vx_random_Rnd2(-2, 2);
  }
  return 0;
}

int vx_pell_DoStars(float dx, float dy, int useCamera) {
  if (useCamera == 1) {
    dx += vx_pell_PELL_ScrollX;
    dy += vx_pell_PELL_ScrollY;
  }
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  const float w = static_cast<float>(W), h = static_cast<float>(H);
  vx_pell_ResetDraw();
  vx_pell_SetSize(0.3f, 0.3f);
  for (int s = 0; s < kStars; ++s) {
    float* star = &vx_pell_astar[static_cast<size_t>(10 * s)];
    vx_pell_Alpha(star[3] * 0.8f);
    star[1] = static_cast<float>(star[1] + static_cast<long double>(dx) * star[3]);
    star[2] = static_cast<float>(star[2] + static_cast<long double>(dy) * star[3]);
    star[5] = static_cast<float>(std::fmod(static_cast<long double>(star[6]) + star[5], 360.0L));
    // Each test sees what the one before left; the new coordinate is drawn
    // before the new depth.
    if (star[1] < -128) {
      star[1] = static_cast<float>(W + 128);
      star[2] = vx_random_Rnd2(0, h);
      star[3] = vx_random_Rnd2(0.25f, 0.9f);
    }
    if (star[2] < -128) {
      star[2] = static_cast<float>(H + 128);
      star[1] = vx_random_Rnd2(0, w);
      star[3] = vx_random_Rnd2(0.25f, 0.9f);
    }
    if (star[1] > W + 128) {
      star[1] = -128;
      star[2] = vx_random_Rnd2(0, h);
      star[3] = vx_random_Rnd2(0.25f, 0.9f);
    }
    if (star[2] > H + 128) {
      star[2] = -128;
      star[1] = vx_random_Rnd2(0, w);
      star[3] = vx_random_Rnd2(0.25f, 0.9f);
    }
    vx_pell_SetRot(star[5]);
    vx_pell_DrawImg(74, star[1], star[2], vx_game_Trunc(star[0]));
  }
  vx_pell_ResetDraw();
  return 0;
}
