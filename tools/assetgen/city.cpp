// The night city's blocks: 32 facade styles (sheet columns) x 32 variants
// (sheet rows) of 16 x 16 pixels, with lit and dark windows, and the same
// blocks cracked, sooty and chipped for the damaged sheet. A column of the
// play field keeps one style, so each style must read as one building.
#include "assetgen.h"

namespace {

constexpr int kTile = 16;

struct Style {
  Rgba wall;
  int texture;  // 0 brick, 1 panels, 2 siding, 3 stucco
  int windows;  // window layout 0-3
};

Style StyleOf(int s) {
  static const int walls[8][3] = {{116, 54, 50},  {90, 94, 108}, {60, 76, 116}, {42, 96, 102},
                                  {96, 60, 106},  {132, 108, 80}, {72, 92, 62}, {58, 56, 72}};
  static const int textures[8] = {0, 1, 2, 2, 3, 0, 3, 1};
  const int* w = walls[s % 8];
  // Vary the shade a little per style so two buildings of one palette differ.
  float k = 0.86f + 0.1f * (s / 8 % 2) + 0.06f * float(s / 16);
  return {Scale(RGB(w[0], w[1], w[2]), k), textures[s % 8], (s / 8 + s % 3) % 4};
}

struct Window {
  int x0, y0, x1, y1;  // exclusive ends
};

int WindowsOf(int layout, Window* out) {
  switch (layout) {
    case 0:
      out[0] = {3, 4, 7, 11}, out[1] = {9, 4, 13, 11};
      return 2;
    case 1:
      out[0] = {2, 3, 5, 11}, out[1] = {7, 3, 10, 11}, out[2] = {11, 3, 14, 11};
      return 3;
    case 2:
      out[0] = {2, 5, 6, 10}, out[1] = {6, 5, 10, 10}, out[2] = {10, 5, 14, 10};
      return 3;
    default:
      out[0] = {3, 2, 7, 6}, out[1] = {9, 2, 13, 6}, out[2] = {3, 8, 7, 12}, out[3] = {9, 8, 13, 12};
      return 4;
  }
}

Rgba LitColour(unsigned h) {
  static const int lit[6][3] = {{255, 214, 120}, {255, 190, 96}, {255, 232, 170},
                                {190, 222, 255}, {140, 180, 255}, {255, 160, 110}};
  const int* c = lit[h % 6];
  return RGB(c[0], c[1], c[2]);
}

void Wall(Canvas& c, int ox, int oy, const Style& st, int style, int variant) {
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      float k = 0.94f + 0.1f * Hash01(unsigned(style), unsigned(variant * 256 + y * 16 + x), 11);
      switch (st.texture) {
        case 0:  // brick courses of 3 rows, joints staggered
          if (y % 3 == 2 || (x + (y / 3 % 2) * 3) % 6 == 0) k *= 0.78f;
          break;
        case 1:  // concrete panels with a seam down the middle
          if (x == 8) k *= 0.82f;
          if (y == 7) k *= 0.86f;
          break;
        case 2:  // horizontal siding
          if (y % 2 == 1) k *= 0.88f;
          break;
        default:
          k *= 0.97f + 0.06f * Fbm(float(x) * 0.4f, float(y + variant * 16) * 0.4f, unsigned(style), 2);
      }
      // Pilasters: light left edge, shadowed right edge; a slab between floors.
      if (x == 0) k *= 1.16f;
      if (x == kTile - 1) k *= 0.66f;
      if (y == 0) k *= 1.12f;
      if (y >= kTile - 2) k *= y == kTile - 1 ? 0.55f : 0.8f;
      c.at(ox + x, oy + y) = Scale(st.wall, k);
    }
}

void Windows(Canvas& c, int ox, int oy, const Style& st, int style, int variant, Window* w, int n, bool* lit) {
  // About two windows in five are lit, more on some floors than others.
  float share = 0.2f + 0.45f * Hash01(unsigned(style), unsigned(variant), 3);
  for (int i = 0; i < n; ++i) {
    unsigned h = Hash(unsigned(style), unsigned(variant), unsigned(i) + 40);
    lit[i] = Hash01(h) < share;
    Rgba glow = LitColour(Hash(unsigned(style), unsigned(variant / 4), unsigned(i)));
    for (int y = w[i].y0; y < w[i].y1; ++y)
      for (int x = w[i].x0; x < w[i].x1; ++x) {
        Rgba p;
        if (lit[i]) {
          float t = float(y - w[i].y0) / float(w[i].y1 - w[i].y0);
          p = Mix(glow, Scale(glow, 0.78f), t);
        } else {
          p = RGB(18, 24, 46);
          if (x == w[i].x0 && y == w[i].y0) p = RGB(58, 70, 112);  // a glint of sky
        }
        c.at(ox + x, oy + y) = p;
      }
    // Someone at the window, or a half-drawn blind.
    if (lit[i] && Hash01(h, 7) < 0.3f) {
      int mx = (w[i].x0 + w[i].x1) / 2;
      c.at(ox + mx, oy + w[i].y1 - 1) = Scale(glow, 0.45f);
      c.at(ox + mx, oy + w[i].y1 - 2) = Scale(glow, 0.5f);
      if (w[i].x1 - w[i].x0 > 3) c.at(ox + mx - 1, oy + w[i].y1 - 1) = Scale(glow, 0.5f);
    } else if (lit[i] && Hash01(h, 8) < 0.3f) {
      for (int x = w[i].x0; x < w[i].x1; ++x) c.at(ox + x, oy + w[i].y0) = Scale(glow, 0.6f);
    }
    for (int x = w[i].x0; x < w[i].x1; ++x) c.at(ox + x, oy + w[i].y1) = Scale(st.wall, 1.3f);  // sill
  }
}

void Extras(Canvas& c, int ox, int oy, const Style& st, int style, int variant, const Window* w) {
  unsigned h = Hash(unsigned(style), unsigned(variant), 99);
  int pick = int(h % 12);
  if (pick == 0) {  // air conditioner under the first window
    Rect(c, ox + w[0].x0, oy + w[0].y1 + 1, ox + w[0].x0 + 3, oy + w[0].y1 + 3, RGB(150, 154, 160));
    c.at(ox + w[0].x0 + 1, oy + w[0].y1 + 1) = RGB(90, 92, 100);
  } else if (pick == 1 && st.windows != 1) {  // a neon strip on the corner
    Rgba neon = Hash01(h, 2) < 0.5f ? RGB(255, 90, 200) : RGB(80, 240, 255);
    for (int y = 3; y < 12; ++y) c.at(ox + 14, oy + y) = y % 4 == 3 ? Scale(neon, 0.5f) : neon;
  } else if (pick == 2) {  // balcony rail
    for (int x = 1; x < 15; ++x) c.at(ox + x, oy + 12) = Scale(st.wall, 0.45f);
    for (int x = 2; x < 15; x += 3) c.at(ox + x, oy + 13) = Scale(st.wall, 0.5f);
  } else if (pick == 3) {  // drain pipe
    for (int y = 0; y < kTile; ++y) c.at(ox + 1, oy + y) = Scale(st.wall, y % 5 == 0 ? 0.4f : 0.6f);
  }
}

// Cracks, soot and chipped corners, seeded by the frame so both sheets agree.
void Damage(Canvas& c, int ox, int oy, const Style& st, int style, int variant, const Window* w, int n,
            const bool* lit) {
  unsigned seed = Hash(unsigned(style), unsigned(variant), 5150);
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      float soot = Fbm(float(x) * 0.25f, float(y) * 0.25f, seed, 3);
      Rgba& p = c.at(ox + x, oy + y);
      p = Scale(p, 0.74f + 0.3f * soot);
    }
  // Most of the lights go out; the glass of dark windows is broken.
  for (int i = 0; i < n; ++i) {
    bool stays = lit[i] && Hash01(seed, unsigned(i)) < 0.25f;
    for (int y = w[i].y0; y < w[i].y1; ++y)
      for (int x = w[i].x0; x < w[i].x1; ++x) {
        Rgba& p = c.at(ox + x, oy + y);
        if (!stays) p = RGB(12, 14, 26);
        if (!stays && (x - w[i].x0) == (y - w[i].y0) % (w[i].x1 - w[i].x0)) p = RGB(70, 76, 98);
      }
  }
  // Two or three cracks wander in from the edges.
  int cracks = 2 + int(Hash(seed, 1) % 2);
  for (int k = 0; k < cracks; ++k) {
    unsigned hk = Hash(seed, unsigned(k) + 10);
    int side = int(hk % 4);
    int x = side == 0 ? 0 : side == 1 ? kTile - 1 : int(Hash(hk, 1) % 14) + 1;
    int y = side == 2 ? 0 : side == 3 ? kTile - 1 : int(Hash(hk, 2) % 14) + 1;
    int dx = side == 0 ? 1 : side == 1 ? -1 : 0, dy = side == 2 ? 1 : side == 3 ? -1 : 0;
    int len = 7 + int(Hash(hk, 3) % 6);
    for (int s = 0; s < len; ++s) {
      if (x < 0 || y < 0 || x >= kTile || y >= kTile) break;
      c.at(ox + x, oy + y) = RGB(16, 10, 16);
      // A lit lip on one side makes the crack read as a split, not a line.
      int lx = x + (dy != 0 ? 1 : 0), ly = y + (dx != 0 ? 1 : 0);
      if (lx < kTile && ly < kTile && c.at(ox + lx, oy + ly).r > 0.1f)
        c.at(ox + lx, oy + ly) = Scale(st.wall, 1.15f);
      unsigned hs = Hash(hk, unsigned(s) + 20);
      if (dx != 0) {
        x += dx;
        if (hs % 3 == 0) y += (hs & 8) ? 1 : -1;
      } else {
        y += dy;
        if (hs % 3 == 0) x += (hs & 8) ? 1 : -1;
      }
    }
  }
  // Chipped corners leave holes the sky shows through.
  for (int corner = 0; corner < 4; ++corner) {
    if (Hash01(seed, unsigned(corner) + 30) < 0.45f) continue;
    int size = 1 + int(Hash(seed, unsigned(corner) + 40) % 3);
    for (int j = 0; j < size; ++j)
      for (int i = 0; i < size - j; ++i) {
        int x = corner % 2 ? kTile - 1 - i : i, y = corner / 2 ? kTile - 1 - j : j;
        c.at(ox + x, oy + y) = {};
      }
  }
}

}  // namespace

Canvas MakeBuildings(bool cracked) {
  Canvas sheet(32 * kTile, 32 * kTile);
  for (int variant = 0; variant < 32; ++variant)
    for (int style = 0; style < 32; ++style) {
      int ox = style * kTile, oy = variant * kTile;
      Style st = StyleOf(style);
      Window w[4];
      bool lit[4];
      int n = WindowsOf(st.windows, w);
      Wall(sheet, ox, oy, st, style, variant);
      Windows(sheet, ox, oy, st, style, variant, w, n, lit);
      Extras(sheet, ox, oy, st, style, variant, w);
      if (cracked) Damage(sheet, ox, oy, st, style, variant, w, n, lit);
    }
  return sheet;
}
