// Canvas compositing, shapes, noise and PNG output. The stb implementations
// the generator needs (image writing, TrueType) are compiled here once.
#include "canvas.h"

#include <cstdio>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>

Rgba Mix(Rgba x, Rgba y, float t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Rgba Scale(Rgba c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }

// [SECTION] compositing

void Blend(Canvas& c, int x, int y, Rgba s, float coverage) {
  if (!c.inside(x, y)) return;
  Rgba& d = c.at(x, y);
  float sa = s.a * coverage;
  if (sa <= 0) return;
  float oa = sa + d.a * (1 - sa);
  if (oa <= 0) return;
  d.r = (s.r * sa + d.r * d.a * (1 - sa)) / oa;
  d.g = (s.g * sa + d.g * d.a * (1 - sa)) / oa;
  d.b = (s.b * sa + d.b * d.a * (1 - sa)) / oa;
  d.a = oa;
}

void Blit(Canvas& dst, const Canvas& src, int dx, int dy) {
  for (int y = 0; y < src.h; ++y)
    for (int x = 0; x < src.w; ++x) Blend(dst, dx + x, dy + y, src.at(x, y), 1);
}

Canvas Resample(const Canvas& src, int num, int den) {
  if (num >= den) {
    int k = num / den;
    Canvas out(src.w * k, src.h * k);
    for (int y = 0; y < out.h; ++y)
      for (int x = 0; x < out.w; ++x) out.at(x, y) = src.at(x / k, y / k);
    return out;
  }
  int k = den / num;
  Canvas out(src.w / k, src.h / k);
  for (int y = 0; y < out.h; ++y)
    for (int x = 0; x < out.w; ++x) {
      // Average premultiplied so transparent pixels do not darken edges.
      float r = 0, g = 0, b = 0, a = 0;
      for (int j = 0; j < k; ++j)
        for (int i = 0; i < k; ++i) {
          const Rgba& p = src.at(x * k + i, y * k + j);
          r += p.r * p.a, g += p.g * p.a, b += p.b * p.a, a += p.a;
        }
      Rgba& o = out.at(x, y);
      if (a > 0) o = {r / a, g / a, b / a, a / float(k * k)};
    }
  return out;
}

void PutFrame(Canvas& sheet, const Canvas& frame, int fw, int fh, int i) {
  int cols = sheet.w / fw;
  for (int y = 0; y < fh; ++y)
    for (int x = 0; x < fw; ++x) sheet.at((i % cols) * fw + x, (i / cols) * fh + y) = frame.at(x, y);
}

// [SECTION] shapes

float SdCircle(float x, float y, float cx, float cy, float r) { return std::hypot(x - cx, y - cy) - r; }

float SdBox(float x, float y, float cx, float cy, float hw, float hh, float round) {
  float qx = std::fabs(x - cx) - hw + round, qy = std::fabs(y - cy) - hh + round;
  float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
  return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0f) - round;
}

float SdSegment(float x, float y, float ax, float ay, float bx, float by) {
  float px = x - ax, py = y - ay, ex = bx - ax, ey = by - ay;
  float len2 = ex * ex + ey * ey;
  float t = len2 > 0 ? std::clamp((px * ex + py * ey) / len2, 0.0f, 1.0f) : 0;
  return std::hypot(px - ex * t, py - ey * t);
}

float SdPolygon(float x, float y, const float* v, int n) {
  float d = 1e30f;
  bool in = false;
  for (int i = 0, j = n - 1; i < n; j = i++) {
    float xi = v[2 * i], yi = v[2 * i + 1], xj = v[2 * j], yj = v[2 * j + 1];
    d = std::min(d, SdSegment(x, y, xj, yj, xi, yi));
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
  }
  return in ? -d : d;
}

void FillCircle(Canvas& c, float cx, float cy, float r, Rgba colour) {
  Paint(c, cx - r, cy - r, cx + r, cy + r, colour, [&](float x, float y) { return SdCircle(x, y, cx, cy, r); });
}

void Ring(Canvas& c, float cx, float cy, float r, float t, Rgba colour) {
  float o = r + t * 0.5f;
  Paint(c, cx - o, cy - o, cx + o, cy + o, colour,
        [&](float x, float y) { return std::fabs(SdCircle(x, y, cx, cy, r)) - t * 0.5f; });
}

void FillBox(Canvas& c, float x0, float y0, float x1, float y1, Rgba colour, float round) {
  float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f, hw = (x1 - x0) * 0.5f, hh = (y1 - y0) * 0.5f;
  Paint(c, x0, y0, x1, y1, colour, [&](float x, float y) { return SdBox(x, y, cx, cy, hw, hh, round); });
}

void Line(Canvas& c, float ax, float ay, float bx, float by, float width, Rgba colour) {
  float h = width * 0.5f;
  Paint(c, std::min(ax, bx) - h, std::min(ay, by) - h, std::max(ax, bx) + h, std::max(ay, by) + h, colour,
        [&](float x, float y) { return SdSegment(x, y, ax, ay, bx, by) - h; });
}

void FillPolygon(Canvas& c, const float* xy, int n, Rgba colour) {
  float x0 = 1e30f, y0 = 1e30f, x1 = -1e30f, y1 = -1e30f;
  for (int i = 0; i < n; ++i) {
    x0 = std::min(x0, xy[2 * i]), x1 = std::max(x1, xy[2 * i]);
    y0 = std::min(y0, xy[2 * i + 1]), y1 = std::max(y1, xy[2 * i + 1]);
  }
  Paint(c, x0, y0, x1, y1, colour, [&](float x, float y) { return SdPolygon(x, y, xy, n); });
}

void FillStar(Canvas& c, float cx, float cy, int n, float r0, float r1, float angle, Rgba colour) {
  std::vector<float> v;
  for (int i = 0; i < 2 * n; ++i) {
    float a = (angle + 180.0f * i / n) * 0.017453292f;
    float r = (i % 2) ? r0 : r1;
    v.push_back(cx + r * std::sin(a));
    v.push_back(cy - r * std::cos(a));
  }
  FillPolygon(c, v.data(), 2 * n, colour);
}

void Rect(Canvas& c, int x0, int y0, int x1, int y1, Rgba colour) {
  for (int y = std::max(0, y0); y < std::min(c.h, y1); ++y)
    for (int x = std::max(0, x0); x < std::min(c.w, x1); ++x) Blend(c, x, y, colour, 1);
}

// [SECTION] alpha helpers

void Outline(Canvas& c, float r, Rgba colour) {
  int ir = int(std::ceil(r));
  Canvas rim(c.w, c.h);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      float best = 0;
      for (int j = -ir; j <= ir; ++j)
        for (int i = -ir; i <= ir; ++i) {
          if (!c.inside(x + i, y + j)) continue;
          float a = c.at(x + i, y + j).a;
          if (a <= best) continue;
          float k = std::clamp(r + 0.5f - std::hypot(float(i), float(j)), 0.0f, 1.0f);
          best = std::max(best, a * k);
        }
      rim.at(x, y) = {colour.r, colour.g, colour.b, best * colour.a};
    }
  Blit(rim, c, 0, 0);
  c = rim;
}

// [SECTION] noise

unsigned Hash(unsigned a, unsigned b, unsigned c) {
  unsigned h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

float Hash01(unsigned a, unsigned b, unsigned c) { return (Hash(a, b, c) >> 8) * (1.0f / 16777216.0f); }

static float Smooth(float t) { return t * t * (3 - 2 * t); }

// Lattice values come from wrap(i) so the same code serves the tiled noise.
static float Lattice(float x, float y, unsigned seed, int period) {
  int ix = int(std::floor(x)), iy = int(std::floor(y));
  float fx = Smooth(x - ix), fy = Smooth(y - iy);
  auto v = [&](int i, int j) {
    if (period > 0) i = ((i % period) + period) % period, j = ((j % period) + period) % period;
    return Hash01(unsigned(i), unsigned(j), seed);
  };
  float a = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * fx;
  float b = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * fx;
  return a + (b - a) * fy;
}

float Fbm(float x, float y, unsigned seed, int octaves) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * Lattice(x, y, seed + unsigned(o) * 977u, 0);
    norm += amp;
    x *= 2, y *= 2, amp *= 0.5f;
  }
  return sum / norm;
}

float TiledNoise(float x, float y, float period, unsigned seed, int octaves) {
  // Eight lattice cells per period at the first octave.
  float sum = 0, amp = 0.5f, norm = 0;
  int cells = 8;
  for (int o = 0; o < octaves; ++o) {
    float k = cells / period;
    sum += amp * Lattice(x * k, y * k, seed + unsigned(o) * 977u, cells);
    norm += amp;
    cells *= 2, amp *= 0.5f;
  }
  return sum / norm;
}

// [SECTION] files

bool WritePng(const std::string& path, const Canvas& c) {
  std::vector<unsigned char> bytes(size_t(c.w) * size_t(c.h) * 4);
  for (size_t i = 0; i < c.px.size(); ++i) {
    const Rgba& p = c.px[i];
    float a = std::clamp(p.a, 0.0f, 1.0f);
    // Fully transparent pixels are written as zero so the files compress
    // well and no stray colour shows when a renderer ignores alpha.
    bool clear = a < 0.5f / 255.0f;
    float v[4] = {p.r, p.g, p.b, a};
    for (int k = 0; k < 4; ++k)
      bytes[4 * i + k] = clear ? 0 : (unsigned char)(std::clamp(v[k], 0.0f, 1.0f) * 255.0f + 0.5f);
  }
  if (!stbi_write_png(path.c_str(), c.w, c.h, 4, bytes.data(), c.w * 4)) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}
