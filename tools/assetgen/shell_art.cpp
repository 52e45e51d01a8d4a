// The shell's art: the toolkit logo of the loading screen, pad symbols and
// buttons, menu icons, the pulsing circles, the "Kitemoth" title, the menu's
// night-view panels, option icons with the backdrop tile, and the scoreboard.
// Art the game tints (circles, tile) is white; icons carry their own colour.
#include "assetgen.h"

namespace {

constexpr float kPi = 3.14159265f;
const Rgba kDark = RGB(26, 18, 46);
const Rgba kWhite = {1, 1, 1, 1};

float Rad(float degrees) { return degrees * kPi / 180; }

// A gear outline with n teeth between radii r0 and r1, minus a hole.
void Gear(Canvas& c, float cx, float cy, int n, float r0, float r1, float hole, float turn, Rgba col) {
  std::vector<float> v;
  for (int i = 0; i < n; ++i) {
    float a = turn + 360.0f * i / n, step = 360.0f / n;
    const float shape[4][2] = {{-0.5f, r0}, {-0.28f, r1}, {0.12f, r1}, {0.3f, r0}};
    for (const auto& s : shape) {
      float t = Rad(a + s[0] * step);
      v.push_back(cx + s[1] * std::sin(t)), v.push_back(cy - s[1] * std::cos(t));
    }
  }
  int m = int(v.size() / 2);
  Paint(c, cx - r1, cy - r1, cx + r1, cy + r1, col, [&](float x, float y) {
    return std::max(SdPolygon(x, y, v.data(), m), hole - std::hypot(x - cx, y - cy));
  });
}

// Arrow pointing along angle (degrees, 0 = right): shaft and head.
void Arrow(Canvas& c, float cx, float cy, float len, float width, float angle, Rgba col) {
  float ca = std::cos(Rad(angle)), sa = std::sin(Rad(angle));
  auto P = [&](float u, float w, std::vector<float>& v) {
    v.push_back(cx + u * ca - w * sa), v.push_back(cy + u * sa + w * ca);
  };
  std::vector<float> v;
  float h = len * 0.5f, head = len * 0.45f;
  P(-h, -width * 0.5f, v), P(h - head, -width * 0.5f, v), P(h - head, -width * 1.25f, v), P(h, 0, v),
      P(h - head, width * 1.25f, v), P(h - head, width * 0.5f, v), P(-h, width * 0.5f, v);
  FillPolygon(c, v.data(), int(v.size() / 2), col);
}

// A round icon face: dark rim, gradient body, a gloss on the upper half.
void Disc(Canvas& c, float cx, float cy, float r, Rgba col) {
  FillCircle(c, cx, cy, r + 4, kDark);
  Paint(c, cx - r, cy - r, cx + r, cy + r, col, [&](float x, float y) { return SdCircle(x, y, cx, cy, r); });
  for (int i = 0; i < 8; ++i) {  // darker toward the foot
    Rgba shade = Scale(col, 0.8f);
    shade.a = 0.12f;
    FillCircle(c, cx, cy + r * (0.15f + 0.05f * i), r * (0.9f - 0.06f * i), shade);
  }
  Rgba gloss = {1, 1, 1, 0.22f};
  Paint(c, cx - r, cy - r, cx + r, cy, gloss, [&](float x, float y) {
    float u = (x - cx) / (r * 0.72f), v = (y - (cy - r * 0.42f)) / (r * 0.4f);
    return (std::sqrt(u * u + v * v) - 1) * r * 0.4f;
  });
}

void MothSilhouette(Canvas& c, float cx, float cy, float s, Rgba col) {
  // Two pairs of wings and a body, s = wingspan / 2.
  for (int k = -1; k <= 1; k += 2) {
    float up[] = {cx, cy - 0.1f * s, cx + k * 0.95f * s, cy - 0.75f * s, cx + k * 1.0f * s, cy - 0.1f * s,
                  cx + k * 0.3f * s, cy + 0.1f * s};
    FillPolygon(c, up, 4, col);
    float lo[] = {cx, cy + 0.05f * s, cx + k * 0.7f * s, cy + 0.25f * s, cx + k * 0.45f * s, cy + 0.7f * s,
                  cx + k * 0.1f * s, cy + 0.45f * s};
    FillPolygon(c, lo, 4, col);
    Line(c, cx + k * 0.05f * s, cy - 0.45f * s, cx + k * 0.3f * s, cy - 0.9f * s, 0.06f * s, col);
  }
  FillBox(c, cx - 0.09f * s, cy - 0.5f * s, cx + 0.09f * s, cy + 0.55f * s, col, 0.09f * s);
}

void Pellets(Canvas& c, float cx, float cy, float r, float gap) {
  const Rgba cols[4] = {RGB(240, 88, 80), RGB(250, 200, 70), RGB(90, 200, 120), RGB(80, 150, 240)};
  for (int i = 0; i < 4; ++i) {
    float x = cx + (i % 2 ? gap : -gap), y = cy + (i / 2 ? gap : -gap);
    FillCircle(c, x, y, r * 1.08f, kDark);
    FillCircle(c, x, y, r, cols[i]);
    FillCircle(c, x - r * 0.3f, y - r * 0.35f, r * 0.28f, {1, 1, 1, 0.45f});
  }
}

}  // namespace

// [SECTION] pad and key symbols

void DrawPadSymbol(Canvas& c, float cx, float cy, float size, int kind, const Typeface* face) {
  const float r = size * 0.5f;
  if (kind <= 5) {
    static const int cols[6][3] = {{70, 200, 110}, {235, 80, 80}, {80, 140, 240},
                                   {240, 200, 60}, {170, 110, 230}, {70, 200, 220}};
    Rgba col = RGB(cols[kind][0], cols[kind][1], cols[kind][2]);
    FillCircle(c, cx, cy, r - 1, kDark);
    FillCircle(c, cx, cy, r - 3.5f, col);
    FillCircle(c, cx, cy - r * 0.2f, r * 0.55f, {1, 1, 1, 0.18f});
    const char label[2] = {char('1' + kind), 0};
    if (face) DrawLabel(c, *face, label, cx, cy, size * 0.62f, kWhite);
  } else if (kind <= 7) {
    FillBox(c, cx - r, cy - r * 0.6f, cx + r, cy + r * 0.6f, kDark, r * 0.45f);
    FillBox(c, cx - r + 2.5f, cy - r * 0.6f + 2.5f, cx + r - 2.5f, cy + r * 0.6f - 2.5f, RGB(120, 132, 170),
            r * 0.4f);
    if (face) DrawLabel(c, *face, kind == 6 ? "L" : "R", cx, cy, size * 0.55f, kWhite);
  } else if (kind == 8) {
    FillBox(c, cx - r, cy - r * 0.6f, cx + r, cy + r * 0.6f, kDark, r * 0.6f);
    FillBox(c, cx - r + 2.5f, cy - r * 0.6f + 2.5f, cx + r - 2.5f, cy + r * 0.6f - 2.5f, RGB(150, 150, 176),
            r * 0.55f);
    for (int i = -1; i <= 1; ++i) Line(c, cx - r * 0.4f, cy + i * r * 0.25f, cx + r * 0.4f, cy + i * r * 0.25f, 2.5f, kWhite);
  } else {
    // A keycap with its arrow: up, down, left, right.
    static const float angle[4] = {-90, 90, 180, 0};
    FillBox(c, cx - r, cy - r, cx + r, cy + r, kDark, r * 0.3f);
    FillBox(c, cx - r + 2.5f, cy - r + 2.5f, cx + r - 2.5f, cy + r - 2.5f, RGB(176, 176, 196), r * 0.25f);
    FillBox(c, cx - r + 4.5f, cy - r + 3.5f, cx + r - 4.5f, cy + r - 7, RGB(236, 236, 246), r * 0.22f);
    Arrow(c, cx, cy - 1.5f, size * 0.5f, size * 0.14f, angle[kind - 9], kDark);
  }
}

Canvas MakeButtons(const Typeface& face) {
  Canvas sheet(256, 256);
  for (int k = 0; k < 16; ++k) {
    Canvas f(64, 64);
    if (k < 13) {
      DrawPadSymbol(f, 32, 32, 56, k, &face);
    } else {
      // Plain caps for the remaining slots: small, wide and round.
      float w = k == 13 ? 20.0f : k == 14 ? 28.0f : 26.0f, h = k == 14 ? 14.0f : w;
      FillBox(f, 32 - w, 32 - h, 32 + w, 32 + h, kDark, std::min(w, h) * 0.6f);
      FillBox(f, 34 - w, 34 - h, 30 + w, 30 + h, RGB(150, 150, 176), std::min(w, h) * 0.5f);
    }
    PutFrame(sheet, f, 64, 64, k);
  }
  return sheet;
}

// [SECTION] the toolkit's loading-screen logo

Canvas MakeToolkitLogo(const Typeface& face) {
  Canvas c(1024, 1024);
  FillBox(c, 104, 104, 920, 920, RGB(20, 14, 34), 132);
  FillBox(c, 116, 116, 908, 908, RGB(98, 76, 148), 122);
  FillBox(c, 130, 130, 894, 894, RGB(46, 34, 76), 110);
  // A faint pattern of rings inside the badge.
  for (int i = 0; i < 6; ++i) Ring(c, 512, 420, 120.0f + 40 * i, 3, {1, 1, 1, 0.05f});
  Pellets(c, 512, 400, 108, 128);
  Canvas word = RenderText(face, "PELL", 230);
  Canvas tinted(word.w, word.h);
  for (int y = 0; y < word.h; ++y)
    for (int x = 0; x < word.w; ++x) {
      float t = float(y) / word.h;
      tinted.at(x, y) = Mix(RGB(255, 250, 236), RGB(250, 204, 120), t);
      tinted.at(x, y).a = word.at(x, y).a;
    }
  Outline(tinted, 8, RGB(20, 14, 34));
  Blit(c, tinted, 512 - tinted.w / 2, 790 - tinted.h / 2);
  return c;
}

// [SECTION] menu icons

Canvas MakeIcons() {
  Canvas sheet(512, 512);
  const float C = 64;
  for (int k = 0; k < 16; ++k) {
    Canvas f(128, 128);
    switch (k) {
      case 0:  // pause
        Disc(f, C, C, 54, RGB(40, 168, 184));
        FillBox(f, C - 22, C - 26, C - 8, C + 26, kWhite, 3);
        FillBox(f, C + 8, C - 26, C + 22, C + 26, kWhite, 3);
        break;
      case 1:  // quit the run
        Disc(f, C, C, 54, RGB(214, 68, 72));
        Line(f, C - 20, C - 20, C + 20, C + 20, 13, kWhite);
        Line(f, C + 20, C - 20, C - 20, C + 20, 13, kWhite);
        break;
      case 2: {  // home
        Disc(f, C, C, 54, RGB(70, 110, 210));
        float roof[] = {C - 30, C - 2, C, C - 30, C + 30, C - 2};
        FillPolygon(f, roof, 3, kWhite);
        FillBox(f, C - 20, C - 4, C + 20, C + 26, kWhite, 2);
        FillBox(f, C - 6, C + 8, C + 6, C + 26, RGB(70, 110, 210));
        break;
      }
      case 3: {  // resume
        Disc(f, C, C, 54, RGB(64, 184, 96));
        float tri[] = {C - 14, C - 26, C + 26, C, C - 14, C + 26};
        FillPolygon(f, tri, 3, kWhite);
        break;
      }
      case 4: {  // sound
        Disc(f, C, C, 54, RGB(226, 150, 50));
        float cone[] = {C - 28, C - 10, C - 14, C - 10, C + 2, C - 26, C + 2, C + 26, C - 14, C + 10, C - 28, C + 10};
        FillPolygon(f, cone, 6, kWhite);
        for (int i = 0; i < 2; ++i)
          Paint(f, C, C - 40, C + 40, C + 40, kWhite, [&](float x, float y) {
            float d = std::fabs(SdCircle(x, y, C + 2, C, 14.0f + 12 * i)) - 3.5f;
            return x < C + 8 ? 99.0f : d;
          });
        break;
      }
      case 5:  // music
        Disc(f, C, C, 54, RGB(150, 90, 210));
        FillCircle(f, C - 14, C + 18, 10, kWhite);
        FillCircle(f, C + 18, C + 12, 10, kWhite);
        Line(f, C - 6, C + 18, C - 6, C - 24, 6, kWhite);
        Line(f, C + 26, C + 12, C + 26, C - 30, 6, kWhite);
        Line(f, C - 6, C - 24, C + 26, C - 30, 9, kWhite);
        break;
      case 6:  // the highlight ring drawn over the current pause row
        for (int i = 0; i < 8; ++i) Ring(f, C, C, 58 - i * 0.5f, 2.0f + i * 1.6f, RGB(255, 240, 160, 0.12f));
        Ring(f, C, C, 58, 5, RGB(255, 250, 210));
        break;
      case 7:  // star
        Disc(f, C, C, 54, RGB(60, 60, 120));
        FillStar(f, C, C + 2, 5, 14, 34, 0, RGB(255, 214, 90));
        break;
      case 8: {  // a life: a heart with a pale rim
        auto heart = [&](float x, float y, float s) {
          float u = (x - C) / s, v = (y - C + 6) / s;
          float d1 = std::hypot(u + 0.5f, v + 0.1f) - 0.55f, d2 = std::hypot(u - 0.5f, v + 0.1f) - 0.55f;
          float tri = std::max(std::fabs(u) * 0.78f + v * 0.62f - 0.62f, -v - 0.1f);
          return std::min(std::min(d1, d2), tri) * s;
        };
        Paint(f, 0, 0, 128, 128, kWhite, [&](float x, float y) { return heart(x, y, 48); });
        Paint(f, 0, 0, 128, 128, RGB(238, 76, 120), [&](float x, float y) { return heart(x, y, 40); });
        FillCircle(f, C - 18, C - 16, 7, {1, 1, 1, 0.5f});
        break;
      }
      case 9:  // the toolkit's emblem, for the credits corner
        FillBox(f, 12, 12, 116, 116, kDark, 22);
        FillBox(f, 16, 16, 112, 112, RGB(98, 76, 148), 19);
        FillBox(f, 20, 20, 108, 108, RGB(46, 34, 76), 16);
        Pellets(f, C, C, 15, 19);
        break;
      case 10:  // the maker's badge: a moth crossing the moon
        Disc(f, C, C, 54, RGB(30, 36, 86));
        Ring(f, C, C, 52, 5, RGB(236, 196, 100));
        FillCircle(f, C + 6, C - 4, 30, RGB(250, 236, 190));
        FillCircle(f, C + 16, C - 14, 6, RGB(226, 210, 160));
        FillCircle(f, C - 2, C + 10, 4, RGB(226, 210, 160));
        MothSilhouette(f, C - 8, C + 8, 26, RGB(30, 24, 60));
        break;
      case 11:  // back
        Disc(f, C, C, 54, RGB(84, 96, 140));
        Arrow(f, C - 2, C, 56, 14, 180, kWhite);
        break;
      case 12:  // middle gear: the one that reacts
        Gear(f, C, C, 9, 30, 40, 14, 0, kDark);
        Gear(f, C, C, 9, 27, 37, 17, 0, RGB(236, 186, 80));
        break;
      case 13:  // outer gear ring
        Gear(f, C, C, 14, 50, 62, 40, 0, kDark);
        Gear(f, C, C, 14, 48, 59, 43, 0, RGB(150, 162, 196));
        break;
      case 14:  // hub
        Gear(f, C, C, 6, 11, 16, 0, 0, kDark);
        Gear(f, C, C, 6, 9, 13.5f, 0, 0, RGB(244, 244, 252));
        FillCircle(f, C, C, 4, kDark);
        break;
      default: {  // trophy
        Disc(f, C, C, 54, RGB(40, 120, 110));
        Paint(f, C - 26, C - 30, C + 26, C + 10, RGB(255, 210, 90), [&](float x, float y) {
          return std::max(SdCircle(x, y, C, C - 24, 26), (C - 26) - y);
        });
        FillBox(f, C - 5, C, C + 5, C + 18, RGB(255, 210, 90));
        FillBox(f, C - 18, C + 18, C + 18, C + 26, RGB(255, 210, 90), 3);
      }
    }
    PutFrame(sheet, f, 128, 128, k);
  }
  return sheet;
}

// [SECTION] circles

Canvas MakeCircles() {
  Canvas sheet(512, 512);
  const float C = 128;
  for (int k = 0; k < 4; ++k) {
    Canvas f(256, 256);
    if (k == 0) {  // notched coin ring
      Paint(f, 0, 0, 256, 256, kWhite, [&](float x, float y) {
        float ring = std::fabs(SdCircle(x, y, C, C, 100)) - 12;
        float a = std::atan2(y - C, x - C) * 180 / kPi + 360;
        float notch = std::fabs(std::fmod(a, 45.0f) - 22.5f) * 100 * kPi / 180 - 4;
        return std::max(ring, -notch);
      });
      Ring(f, C, C, 80, 3, {1, 1, 1, 0.6f});
    } else if (k == 1) {  // dashed ring
      Paint(f, 0, 0, 256, 256, kWhite, [&](float x, float y) {
        float ring = std::fabs(SdCircle(x, y, C, C, 112)) - 6;
        float a = std::atan2(y - C, x - C) * 180 / kPi + 360;
        float dash = (std::fabs(std::fmod(a, 15.0f) - 7.5f) - 4.5f) * 112 * kPi / 180;
        return std::max(ring, dash);
      });
    } else if (k == 2) {  // beads on a thread
      Ring(f, C, C, 104, 2, {1, 1, 1, 0.7f});
      for (int i = 0; i < 16; ++i)
        FillCircle(f, C + 104 * std::sin(Rad(22.5f * i)), C - 104 * std::cos(Rad(22.5f * i)), i % 4 ? 7.0f : 11.0f,
                   kWhite);
    } else {  // soft glow disc
      for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
          float d = std::hypot(x + 0.5f - C, y + 0.5f - C) / 124;
          if (d < 1) f.at(x, y) = {1, 1, 1, (1 - d * d) * (1 - d * d) * 0.9f + (d < 0.98f ? 0.1f : 0)};
        }
    }
    PutFrame(sheet, f, 256, 256, k);
  }
  return sheet;
}

// [SECTION] title

Canvas MakeTitle(const Typeface& face) {
  Canvas c(1024, 512);
  // A glow and a few stars behind the word; the menu's panels bring the moon.
  for (int i = 0; i < 9; ++i)
    FillBox(c, 70.0f - 8 * i, 190.0f - 7 * i, 954.0f + 8 * i, 410.0f + 7 * i, RGB(255, 236, 200, 0.025f), 100.0f + 7 * i);
  for (int i = 0; i < 14; ++i) {
    float x = 60 + 900 * Hash01(unsigned(i), 71), y = 30 + 130 * Hash01(unsigned(i), 72);
    FillStar(c, x, y, 4, 2.5f, 9.0f + 6 * Hash01(unsigned(i), 73), 0, RGB(255, 255, 230, 0.9f));
  }
  Canvas word = RenderText(face, "Kitemoth", 270, 0.86f);
  // Trim the word's canvas to its ink so it can be centred.
  int x0 = word.w, x1 = 0, y0 = word.h, y1 = 0;
  for (int y = 0; y < word.h; ++y)
    for (int x = 0; x < word.w; ++x)
      if (word.at(x, y).a > 0.02f) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  Canvas fill(x1 - x0 + 1 + 40, y1 - y0 + 1 + 40);
  for (int y = 0; y < fill.h; ++y)
    for (int x = 0; x < fill.w; ++x) {
      int sx = x - 20 + x0, sy = y - 20 + y0;
      float a = (sx >= 0 && sy >= 0 && sx < word.w && sy < word.h) ? word.at(sx, sy).a : 0;
      float t = float(y - 20) / float(y1 - y0 + 1);
      Rgba col = t < 0.5f ? Mix(RGB(250, 244, 255), RGB(226, 200, 255), t * 2) : Mix(RGB(255, 214, 130), RGB(250, 150, 70), (t - 0.5f) * 2);
      // A lighter stripe across the middle, like moonlight on paper.
      if (std::fabs(t - 0.48f) < 0.04f) col = Mix(col, kWhite, 0.5f);
      col.a = a;
      fill.at(x, y) = col;
    }
  Outline(fill, 10, RGB(28, 18, 56));
  Canvas shadow = fill;
  for (Rgba& p : shadow.px) p = {0.05f, 0.03f, 0.12f, p.a * 0.55f};
  int ox = 512 - fill.w / 2, oy = 300 - fill.h / 2;
  Blit(c, shadow, ox + 8, oy + 14);
  Blit(c, fill, ox, oy);
  // A moth-shaped kite flies over the end of the word on its string.
  const float kx = 900, ky = 92;
  for (int i = 0; i < 24; ++i) {
    float t0 = i / 24.0f, t1 = (i + 1) / 24.0f;
    auto sx = [&](float t) { return kx + 40 * t + 30 * std::sin(t * 3.1f); };
    auto sy = [&](float t) { return ky + 40 + 380 * t; };
    Line(c, sx(t0), sy(t0), sx(t1), sy(t1), 3, RGB(255, 240, 220, 0.85f));
  }
  MothSilhouette(c, kx, ky, 66, RGB(28, 18, 56));
  MothSilhouette(c, kx, ky, 58, RGB(240, 110, 140));
  MothSilhouette(c, kx, ky - 2, 36, RGB(255, 196, 120));
  for (int k = 0; k < 3; ++k) {  // tail bows
    float tx = kx - 20 - 26.0f * k, ty = ky + 60 + 14.0f * k;
    float bow[] = {tx - 9, ty - 6, tx + 9, ty + 6, tx + 9, ty - 6, tx - 9, ty + 6};
    FillPolygon(c, bow, 4, RGB(120, 220, 230));
    if (k < 2) Line(c, tx, ty, tx - 26, ty + 14, 2, RGB(255, 240, 220, 0.8f));
  }
  Line(c, kx, ky + 30, kx - 20, ky + 60, 2, RGB(255, 240, 220, 0.8f));
  return c;
}

// [SECTION] menu panels

namespace {

// The card all three panels share, so they line up once in place.
float CardSd(float x, float y) { return SdBox(x, y, 512, 512, 470, 470, 40); }

void SkyPanel(Canvas& c, int ox) {
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 1024; ++x) {
      float d = CardSd(x + 0.5f, y + 0.5f);
      if (d > 0.5f) continue;
      float t = y / 1024.0f;
      Rgba col = Mix(RGB(14, 12, 44), RGB(60, 40, 96), t * t);
      col = Mix(col, RGB(120, 70, 110), std::max(0.0f, t - 0.7f) * 1.2f);
      float haze = Fbm(x * 0.006f, y * 0.012f, 404, 4);
      col = Mix(col, RGB(90, 80, 150), std::max(0.0f, haze - 0.55f) * 0.8f);
      col.a = std::clamp(0.5f - d, 0.0f, 1.0f);
      c.at(ox + x, y) = col;
    }
  Paint(c, float(ox), 0, float(ox + 1024), 1024, RGB(190, 180, 240), [&](float x, float y) {
    return std::fabs(CardSd(x - ox, y) + 5) - 3;
  });
  for (int i = 0; i < 220; ++i) {
    float x = 60 + 904 * Hash01(unsigned(i), 1), y = 60 + 620 * Hash01(unsigned(i), 2);
    float r = 0.8f + 2.2f * Hash01(unsigned(i), 3) * Hash01(unsigned(i), 4);
    Rgba col = RGB(255, 250, 230, 0.5f + 0.5f * Hash01(unsigned(i), 5));
    if (r > 2.2f) FillStar(c, ox + x, y, 4, r * 0.6f, r * 3.2f, 0, col);
    else FillCircle(c, ox + x, y, r, col);
  }
}

void MoonPanel(Canvas& c, int oy) {
  const float mx = 270, my = 300, mr = 120;
  for (int i = 0; i < 14; ++i) FillCircle(c, mx, oy + my, mr + 10.0f + 12 * i, RGB(255, 240, 200, 0.03f));
  Paint(c, mx - mr, oy + my - mr, mx + mr, oy + my + mr, RGB(250, 240, 206),
        [&](float x, float y) { return SdCircle(x, y, mx, oy + my, mr); });
  for (int i = 0; i < 9; ++i) {
    float a = Rad(40.0f * i + 17), d = mr * 0.75f * Hash01(unsigned(i), 21);
    float r = 8 + 18 * Hash01(unsigned(i), 22);
    FillCircle(c, mx + d * std::cos(a), oy + my + d * std::sin(a), r, RGB(218, 204, 170, 0.8f));
  }
  // Night clouds drifting past the moon, clipped to the card.
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 1024; ++x) {
      float band = std::exp(-std::pow((y - 380.0f - 60 * std::sin(x * 0.006f)) / 50.0f, 2.0f));
      float n = Fbm(x * 0.008f, y * 0.02f, 808, 4);
      float a = std::clamp((n - 0.45f) * 2.2f, 0.0f, 1.0f) * band * 0.85f;
      if (a <= 0.01f || CardSd(x + 0.5f, y + 0.5f) > 0) continue;
      Blend(c, x, oy + y, Mix(RGB(70, 60, 120), RGB(150, 130, 190), n), a);
    }
}

void SkylinePanel(Canvas& c, int ox, int oy) {
  for (int layer = 0; layer < 2; ++layer) {
    Rgba wall = layer == 0 ? RGB(44, 42, 92) : RGB(20, 20, 48);
    float x = 42;
    unsigned seed = 900 + unsigned(layer);
    int b = 0;
    while (x < 982) {
      float w = 50 + 80 * Hash01(seed, unsigned(b), 1);
      float top = (layer == 0 ? 560 : 660) + 160 * Hash01(seed, unsigned(b), 2);
      float x1 = std::min(982.0f, x + w);
      for (int y = int(top); y < 994; ++y)
        for (int xx = int(x); xx < int(x1); ++xx)
          if (CardSd(xx + 0.5f, y + 0.5f) < 0) c.at(ox + xx, oy + y) = wall;
      if (Hash01(seed, unsigned(b), 3) < 0.35f) {  // antenna with a warning light
        float ax = (x + x1) * 0.5f;
        Line(c, ox + ax, oy + top - 40, ox + ax, oy + top, 3, wall);
        FillCircle(c, ox + ax, oy + top - 42, 4, RGB(255, 70, 60));
      }
      // Windows, more of them lit on the near layer.
      for (float wy = top + 14; wy < 980; wy += 22)
        for (float wx = x + 8; wx + 10 < x1 - 4; wx += 18) {
          float h = Hash01(seed, unsigned(wx * 7 + wy), unsigned(b));
          if (h > (layer == 1 ? 0.45f : 0.25f)) continue;
          Rgba lit = h < 0.1f ? RGB(190, 220, 255) : RGB(255, 214, 120);
          if (layer == 0) lit = Mix(lit, wall, 0.5f);
          FillBox(c, ox + wx, oy + wy, ox + wx + 9, oy + wy + 12, lit, 1);
        }
      x = x1 + (layer == 0 ? 0 : 6);
      ++b;
    }
  }
}

void CloudPanel(Canvas& c, int ox, int oy) {
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 1024; ++x) {
      float n = Fbm(x * 0.005f, y * 0.01f, 1203, 5);
      float a = std::clamp((n - 0.5f) * 2.5f, 0.0f, 1.0f) * 0.5f;
      if (a > 0.01f && CardSd(x + 0.5f, y + 0.5f) < 0) c.at(ox + x, oy + y) = {0.85f, 0.85f, 1.0f, a};
    }
}

}  // namespace

Canvas MakeMenuPanels() {
  Canvas sheet(2048, 2048);
  SkyPanel(sheet, 0);           // frame 0: the night sky, drawn first
  SkylinePanel(sheet, 1024, 0);  // frame 1: the city, rising from below
  MoonPanel(sheet, 1024);        // frame 2: moon and clouds, from the left
  CloudPanel(sheet, 1024, 1024);
  return sheet;
}

// [SECTION] option icons and the backdrop tile

namespace {

void Speaker(Canvas& f, float C) {
  float cone[] = {C - 22, C - 8, C - 12, C - 8, C + 2, C - 20, C + 2, C + 20, C - 12, C + 8, C - 22, C + 8};
  FillPolygon(f, cone, 6, kWhite);
  for (int i = 0; i < 2; ++i)
    Paint(f, C, C - 30, C + 30, C + 30, kWhite, [&](float x, float y) {
      float d = std::fabs(SdCircle(x, y, C + 2, C, 10.0f + 9 * i)) - 2.5f;
      return x < C + 7 ? 99.0f : d;
    });
}

void Stick(Canvas& f, float C, const char* side, const Typeface& face) {
  FillBox(f, C - 18, C + 12, C + 6, C + 20, kWhite, 3);
  Line(f, C - 6, C + 14, C - 6, C - 2, 5, kWhite);
  FillCircle(f, C - 6, C - 6, 9, kWhite);
  Arrow(f, C + 16, C - 12, 18, 5, -90, kWhite);
  Arrow(f, C + 16, C + 12, 18, 5, 90, kWhite);
  DrawLabel(f, face, side, C - 6, C - 6, 13, RGB(40, 40, 70));
}

void Tile(Canvas& f) {
  // Seamless over 64 pixels, inside a clear two-pixel border, because the
  // game lays the 68-pixel frames 64 apart.
  Canvas t(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      float n = TiledNoise(float(x), float(y), 64, 2024, 3);
      t.at(x, y) = {1, 1, 1, 0.18f + 0.3f * n};
    }
  Canvas big(192, 192);
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) {
      float ox = 64.0f * i, oy = 64.0f * j;
      FillStar(big, ox + 16, oy + 16, 4, 2.2f, 9, 0, kWhite);
      FillStar(big, ox + 48, oy + 48, 4, 1.6f, 6, 45, kWhite);
      MothSilhouette(big, ox + 48, oy + 17, 9, {1, 1, 1, 0.85f});
      FillCircle(big, ox + 14, oy + 50, 2, kWhite);
      float diamond[] = {ox + 0, oy + 28, ox + 6, oy + 34, ox + 0, oy + 40, ox - 6, oy + 34};
      FillPolygon(big, diamond, 4, {1, 1, 1, 0.7f});
    }
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      Rgba base = t.at(x, y);
      Blend(f, x + 2, y + 2, base, 1);
      Blend(f, x + 2, y + 2, big.at(x + 64, y + 64), 1);
    }
}

}  // namespace

Canvas MakeOptionIcons(const Typeface& face) {
  Canvas sheet(7 * 68, 7 * 68);
  const float C = 34;
  for (int k : {0, 1, 2, 3, 4, 5, 47, 48}) {
    Canvas f(68, 68);
    switch (k) {
      case 0:  // back: a hooked return arrow
        Paint(f, 10, 10, 58, 58, kWhite, [&](float x, float y) {
          float d = std::fabs(SdCircle(x, y, C + 4, C + 4, 14)) - 3.5f;
          return (x < C + 4 && y > C + 4) ? 99.0f : d;
        });
        Arrow(f, C - 4, C - 10, 22, 7, 180, kWhite);
        FillBox(f, C - 4, C - 13.5f, C + 5, C - 6.5f, kWhite);
        FillBox(f, C - 10, C + 14.5f, C + 5, C + 21.5f, kWhite, 2);
        break;
      case 1: Speaker(f, C); break;
      case 2:
        FillCircle(f, C - 10, C + 14, 7, kWhite);
        FillCircle(f, C + 12, C + 10, 7, kWhite);
        Line(f, C - 4.5f, C + 14, C - 4.5f, C - 16, 4, kWhite);
        Line(f, C + 17.5f, C + 10, C + 17.5f, C - 20, 4, kWhite);
        Line(f, C - 4.5f, C - 16, C + 17.5f, C - 20, 7, kWhite);
        break;
      case 3:  // full screen: four corners
        for (int q = 0; q < 4; ++q) {
          float sx = q % 2 ? 1.0f : -1.0f, sy = q / 2 ? 1.0f : -1.0f;
          Line(f, C + sx * 20, C + sy * 20, C + sx * 8, C + sy * 20, 5, kWhite);
          Line(f, C + sx * 20, C + sy * 20, C + sx * 20, C + sy * 8, 5, kWhite);
        }
        FillBox(f, C - 9, C - 6, C + 9, C + 6, {1, 1, 1, 0.6f}, 2);
        break;
      case 4: Stick(f, C, "L", face); break;
      case 5: Stick(f, C, "R", face); break;
      case 47:  // frame rate: a gauge
        Paint(f, 0, 0, 68, 68, kWhite, [&](float x, float y) {
          float ring = std::fabs(SdCircle(x, y, C, C + 6, 22)) - 3;
          return y > C + 10 ? 99.0f : ring;
        });
        for (int i = 0; i < 5; ++i) {
          float a = Rad(-150 + 30.0f * i);
          Line(f, C + 14 * std::cos(a), C + 6 + 14 * std::sin(a), C + 18 * std::cos(a), C + 6 + 18 * std::sin(a), 2.5f,
               kWhite);
        }
        Line(f, C, C + 6, C + 12, C - 8, 4, kWhite);
        FillCircle(f, C, C + 6, 4, kWhite);
        FillBox(f, C - 16, C + 16, C + 16, C + 20, {1, 1, 1, 0.7f}, 2);
        break;
      default: Tile(f); break;
    }
    if (k != 48) Outline(f, 2, RGB(20, 14, 40));
    PutFrame(sheet, f, 68, 68, k);
  }
  return sheet;
}

// [SECTION] scoreboard

Canvas MakeScoreboard() {
  Canvas c(256, 256);
  FillBox(c, 6, 6, 250, 250, RGB(14, 12, 36), 22);
  FillBox(c, 9, 9, 247, 247, RGB(150, 140, 214), 20);
  FillBox(c, 12, 12, 244, 244, RGB(26, 28, 62, 0.96f), 18);
  // Header band for the "Top 5" caption.
  FillBox(c, 16, 16, 240, 48, RGB(76, 54, 126), 12);
  FillBox(c, 16, 16, 240, 30, RGB(98, 74, 150), 12);
  // Score rows, centred 72, 100, 128, 156 and 184; rank pips on the left.
  const Rgba pip[5] = {RGB(255, 210, 80), RGB(210, 214, 230), RGB(216, 140, 84), RGB(130, 130, 170), RGB(130, 130, 170)};
  for (int k = 0; k < 5; ++k) {
    float y = 72 + 28.0f * k;
    FillBox(c, 16, y - 12, 240, y + 12, RGB(255, 255, 255, k % 2 ? 0.03f : 0.08f), 6);
    FillCircle(c, 24, y, 5, kDark);
    FillCircle(c, 24, y, 4, pip[k]);
  }
  // The chart of recent runs: a base line and faint steps above it.
  FillBox(c, 16, 198, 240, 244, RGB(8, 10, 28, 0.6f), 10);
  for (int i = 1; i <= 2; ++i) Line(c, 22, 240 - 20.0f * i, 234, 240 - 20.0f * i, 1, {1, 1, 1, 0.12f});
  Line(c, 20, 240, 236, 240, 2, RGB(160, 150, 220));
  for (int i = 0; i < 5; ++i) FillCircle(c, 28 + 22.0f * i, 240, 2.5f, RGB(160, 150, 220));
  // Ornament on the right, where the panel runs past the screen edge.
  FillStar(c, 200, 32, 5, 4, 10, 0, RGB(255, 214, 90));
  return c;
}
