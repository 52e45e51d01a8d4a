// The generator's drawing surface: a straight-alpha RGBA float image with
// anti-aliased shapes painted from signed distances, value noise and a
// seeded hash. Everything is deterministic: no clock, no global random state.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;
};

inline Rgba RGB(int r, int g, int b, float a = 1) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }
Rgba Mix(Rgba x, Rgba y, float t);
Rgba Scale(Rgba c, float k);  // colour times k, alpha kept

struct Canvas {
  int w = 0, h = 0;
  std::vector<Rgba> px;

  Canvas() = default;
  Canvas(int width, int height) : w(width), h(height), px(size_t(width) * size_t(height)) {}
  Rgba& at(int x, int y) { return px[size_t(y) * size_t(w) + size_t(x)]; }
  const Rgba& at(int x, int y) const { return px[size_t(y) * size_t(w) + size_t(x)]; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};

// [SECTION] compositing
void Blend(Canvas& c, int x, int y, Rgba colour, float coverage);  // source over
// Copies src into dst at (dx, dy), composited over what is there.
void Blit(Canvas& dst, const Canvas& src, int dx, int dy);
// src scaled by an integer factor up (nearest) or down (box average).
Canvas Resample(const Canvas& src, int num, int den);
// Writes frame i of a grid of fw x fh frames read row by row.
void PutFrame(Canvas& sheet, const Canvas& frame, int fw, int fh, int i);

// [SECTION] shapes. Distances are in pixels; negative inside.
float SdCircle(float x, float y, float cx, float cy, float r);
float SdBox(float x, float y, float cx, float cy, float hw, float hh, float round);
float SdSegment(float x, float y, float ax, float ay, float bx, float by);
float SdPolygon(float x, float y, const float* xy, int n);

// Paints colour wherever sd(x, y) < 0, with a one-pixel soft edge. sd is
// called at pixel centres within the box (x0, y0)-(x1, y1).
template <typename F>
void Paint(Canvas& c, float x0, float y0, float x1, float y1, Rgba colour, F sd) {
  int ix0 = std::max(0, int(std::floor(x0)) - 1), iy0 = std::max(0, int(std::floor(y0)) - 1);
  int ix1 = std::min(c.w - 1, int(std::ceil(x1)) + 1), iy1 = std::min(c.h - 1, int(std::ceil(y1)) + 1);
  for (int y = iy0; y <= iy1; ++y)
    for (int x = ix0; x <= ix1; ++x) {
      float d = sd(x + 0.5f, y + 0.5f);
      float cov = 0.5f - d;
      if (cov <= 0) continue;
      Blend(c, x, y, colour, cov > 1 ? 1 : cov);
    }
}

void FillCircle(Canvas& c, float cx, float cy, float r, Rgba colour);
void Ring(Canvas& c, float cx, float cy, float r, float thickness, Rgba colour);
void FillBox(Canvas& c, float x0, float y0, float x1, float y1, Rgba colour, float round = 0);
void Line(Canvas& c, float ax, float ay, float bx, float by, float width, Rgba colour);
void FillPolygon(Canvas& c, const float* xy, int n, Rgba colour);
// A star with n points between radii r0 (inner) and r1 (outer), turned by angle degrees.
void FillStar(Canvas& c, float cx, float cy, int n, float r0, float r1, float angle, Rgba colour);

// Pixel-exact rectangle, no soft edge (for the small block tiles).
void Rect(Canvas& c, int x0, int y0, int x1, int y1, Rgba colour);  // x1, y1 exclusive

// [SECTION] alpha helpers
// A dark rim of radius r around everything already painted (drawn under it).
void Outline(Canvas& c, float r, Rgba colour);

// [SECTION] noise
unsigned Hash(unsigned a, unsigned b = 0, unsigned c = 0);
float Hash01(unsigned a, unsigned b = 0, unsigned c = 0);  // [0, 1)
float Fbm(float x, float y, unsigned seed, int octaves);     // [0, 1)
// Noise that repeats every period pixels in both directions.
float TiledNoise(float x, float y, float period, unsigned seed, int octaves);

// [SECTION] files
// Writes an 8-bit RGBA PNG; false (with a message on stderr) when it cannot.
bool WritePng(const std::string& path, const Canvas& c);
