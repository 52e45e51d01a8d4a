// The game sprites (falling lanterns and the moth creature) and the five
// particle sheets. Sprites are drawn at four times their size and boxed down,
// then rimmed with a one-pixel dark outline so they read on facades and sky.
// Particle art is white so the game can tint it.
#include "assetgen.h"

namespace {

constexpr int kSuper = 4;  // drawing resolution over the sheet's
constexpr float kPi = 3.14159265f;

const Rgba kRim = RGB(22, 14, 40);

Canvas Finish(const Canvas& hi, bool rim) {
  Canvas c = Resample(hi, 1, kSuper);
  if (rim) Outline(c, 1.0f, kRim);
  return c;
}

// Shapes in sheet pixels on a canvas drawn kSuper times larger.
struct Pen {
  Canvas& c;
  void Circle(float x, float y, float r, Rgba col) { FillCircle(c, x * kSuper, y * kSuper, r * kSuper, col); }
  void Ellipse(float x, float y, float rx, float ry, float angle, Rgba col) {
    float ca = std::cos(angle * kPi / 180), sa = std::sin(angle * kPi / 180), m = std::max(rx, ry) * kSuper;
    float X = x * kSuper, Y = y * kSuper;
    Paint(c, X - m, Y - m, X + m, Y + m, col, [&](float px, float py) {
      float u = ((px - X) * ca + (py - Y) * sa) / (rx * kSuper), v = (-(px - X) * sa + (py - Y) * ca) / (ry * kSuper);
      float r = std::sqrt(u * u + v * v);
      return (r - 1) * std::min(rx, ry) * kSuper;
    });
  }
  void Stroke(float ax, float ay, float bx, float by, float w, Rgba col) {
    Line(c, ax * kSuper, ay * kSuper, bx * kSuper, by * kSuper, w * kSuper, col);
  }
  void Box(float x0, float y0, float x1, float y1, float round, Rgba col) {
    FillBox(c, x0 * kSuper, y0 * kSuper, x1 * kSuper, y1 * kSuper, col, round * kSuper);
  }
};

// [SECTION] lanterns

// glow 0..1 for the armed pulse; red for the last half second.
Canvas Lantern(float glow, bool armed, bool red) {
  Canvas hi(36 * kSuper, 36 * kSuper);
  Pen p{hi};
  const float cx = 18, cy = 19;
  Rgba halo = red ? RGB(255, 40, 30) : RGB(255, 220, 110);
  if (armed) {
    for (int i = 0; i < 6; ++i) {
      float r = 9.5f + (2.5f + 2.5f * glow) * (i + 1) / 6.0f;
      halo.a = (0.1f + 0.14f * glow) * (1 - i / 7.0f);
      p.Circle(cx, cy, r, halo);
    }
  }
  Rgba body = red ? Mix(RGB(255, 70, 50), RGB(255, 200, 180), glow * 0.6f)
                  : Mix(RGB(240, 120, 48), RGB(255, 214, 120), armed ? glow * 0.7f : 0.15f);
  Rgba core = red ? RGB(255, 236, 220) : RGB(255, 246, 196);
  p.Stroke(cx, 6, cx, 9, 1.2f, RGB(60, 40, 40));          // hanging loop
  p.Box(cx - 4.5f, 8.5f, cx + 4.5f, 11.5f, 1, RGB(84, 52, 44));   // top cap
  p.Box(cx - 4.5f, 26.5f, cx + 4.5f, 29.5f, 1, RGB(84, 52, 44));  // bottom cap
  p.Ellipse(cx, cy, 8.5f, 8.5f, 0, body);
  p.Ellipse(cx - 0.5f, cy - 0.5f, 5, 6, 0, Mix(body, core, 0.55f));
  p.Ellipse(cx - 1, cy - 1, 2.5f, 3.5f, 0, Mix(body, core, 0.9f));
  // Paper ribs curve with the body.
  for (int k = -1; k <= 1; k += 2) {
    Rgba rib = Scale(body, 0.7f);
    rib.a = 0.8f;
    for (int s = 0; s < 12; ++s) {
      float a0 = (-60 + s * 10) * kPi / 180, a1 = (-50 + s * 10) * kPi / 180;
      p.Stroke(cx + k * 5.5f * std::cos(a0), cy + 8.5f * std::sin(a0), cx + k * 5.5f * std::cos(a1),
               cy + 8.5f * std::sin(a1), 0.8f, rib);
    }
  }
  if (armed) {  // the fuse spark on the loop
    Rgba spark = red ? RGB(255, 255, 255) : RGB(255, 255, 220);
    FillStar(hi, cx * kSuper, 6.0f * kSuper, 4, 0.8f * kSuper, (1.5f + 2.0f * glow) * kSuper, 45 * glow, spark);
  }
  return Finish(hi, true);
}

// [SECTION] the moth

struct Pose {
  float bob = 0;            // body lift in pixels (negative is up)
  float legA = 0, legB = 0;  // foot offsets forward
  float wing = 0;           // 0 folded back, 1 raised
  bool tongue = false, chew = false, air = false;
};

Canvas Moth(const Pose& q) {
  Canvas hi(36 * kSuper, 36 * kSuper);
  Pen p{hi};
  const float bx = 16.5f, by = 21.5f + q.bob;
  const Rgba fur = RGB(226, 208, 242), belly = RGB(252, 244, 252), leg = RGB(92, 66, 110);
  // Wings behind the body: a teal upper wing with an eye spot rising over
  // the back, a rose lower one; both lift in the air.
  float lift = q.wing;
  float wx = bx - 4.5f - 0.5f * lift, wy = by - 6 - 2.5f * lift;
  p.Ellipse(wx, wy, 5.2f + 0.5f * lift, 7.8f + 0.8f * lift, -38 - 22 * lift, RGB(70, 170, 190));
  p.Ellipse(wx - 0.6f, wy - 0.8f, 3.6f + 0.5f * lift, 5.8f + 0.6f * lift, -38 - 22 * lift, RGB(110, 214, 222));
  p.Circle(wx - 0.8f, wy - 1.2f, 1.7f, RGB(255, 206, 96));
  p.Circle(wx - 0.8f, wy - 1.2f, 0.8f, RGB(40, 30, 60));
  p.Ellipse(bx - 8, by + 1.5f - 2 * lift, 4.8f, 3.4f, 25 - 30 * lift, RGB(232, 118, 160));
  // Legs, then the round fuzzy body over their tops.
  float footY = q.air ? 30.0f : 32.0f;
  float fa = q.air ? -1.5f : q.legA, fb = q.air ? 2.5f : q.legB;
  p.Stroke(bx - 2, by + 5, bx - 2.5f + fa, footY - 0.5f, 1.6f, leg);
  p.Stroke(bx + 3, by + 5, bx + 3.5f + fb, footY - 0.5f, 1.6f, leg);
  p.Ellipse(bx - 2 + fa, footY - 0.5f, 1.8f, 1.1f, 0, leg);
  p.Ellipse(bx + 4 + fb, footY - 0.5f, 1.8f, 1.1f, 0, leg);
  float puff = q.chew ? 1.0f : 0.0f;
  p.Ellipse(bx, by, 8.5f + puff, 7.8f, 0, fur);
  // Fuzz: a ruff of small tufts around the neck.
  for (int i = 0; i < 7; ++i) {
    float a = (200 + i * 22) * kPi / 180;
    p.Circle(bx + 8.2f * std::cos(a), by + 7.2f * std::sin(a) + 0.5f, 1.6f, fur);
  }
  p.Ellipse(bx + 2.5f, by + 2.5f, 5, 4.5f, 0, belly);
  // Feathery antennae: a stalk and a frond, swept back in the air.
  float sweep = q.air ? -3.0f : 0.0f;
  const Rgba ant = RGB(120, 86, 70), frond = RGB(226, 170, 92);
  for (int k = 0; k < 2; ++k) {
    float rx = bx + 1.5f + 4.5f * k, ry = by - 6.5f;
    float tx = rx - 2 + 3 * k + sweep, ty = ry - 7.5f + (q.air ? 1.5f : 0);
    float angle = std::atan2(tx - rx, ry - ty) * 180 / kPi;
    p.Stroke(rx, ry, tx, ty, 1.0f, ant);
    p.Ellipse(rx + (tx - rx) * 0.68f, ry + (ty - ry) * 0.68f, 1.7f, 3.3f, angle, frond);
    p.Stroke(rx + (tx - rx) * 0.4f, ry + (ty - ry) * 0.4f, tx, ty, 0.6f, ant);
  }
  // Face: two big eyes toward the front, a blush and a mouth.
  const Rgba eye = RGB(28, 20, 48), shine = RGB(255, 255, 255);
  for (int k = 0; k < 2; ++k) {
    float ex = bx + 2.2f + 4.6f * k, ey = by - 2.2f;
    if (q.chew) {
      p.Stroke(ex - 1.5f, ey + 0.4f, ex, ey - 1.0f, 0.9f, eye);
      p.Stroke(ex, ey - 1.0f, ex + 1.5f, ey + 0.4f, 0.9f, eye);
    } else {
      float r = q.tongue ? 2.5f : 2.2f;
      p.Circle(ex, ey, r, eye);
      p.Circle(ex + 0.7f, ey - 0.8f, 0.75f, shine);
    }
  }
  p.Circle(bx + 8.0f, by + 1.2f, 1.3f, RGB(255, 150, 180));
  if (q.tongue) {
    p.Ellipse(bx + 6.5f, by + 2.6f, 1.8f, 1.5f, 0, RGB(90, 20, 50));
    p.Stroke(bx + 7.0f, by + 2.4f, 32.0f, by - 5.0f, 2.0f, RGB(236, 60, 90));
    p.Circle(32.0f, by - 5.0f, 1.5f, RGB(255, 90, 110));
  } else if (q.chew) {
    p.Stroke(bx + 5.0f, by + 2.6f, bx + 6.3f, by + 2.0f, 0.8f, eye);
    p.Stroke(bx + 6.3f, by + 2.0f, bx + 7.6f, by + 2.6f, 0.8f, eye);
    p.Circle(bx + 9.5f, by - 2.0f, 0.7f, RGB(255, 220, 120));  // a crumb of light
  } else {
    p.Stroke(bx + 5.4f, by + 2.2f, bx + 6.5f, by + 2.9f, 0.8f, eye);
    p.Stroke(bx + 6.5f, by + 2.9f, bx + 7.6f, by + 2.2f, 0.8f, eye);
  }
  return Finish(hi, true);
}

}  // namespace

Canvas MakeGameSprites() {
  Canvas sheet(7 * 36, 7 * 36);
  PutFrame(sheet, Lantern(0, false, false), 36, 36, 0);
  // The fuse counts down, so frames play 4, 3, 2, 1: a swell and a fade.
  const float pulse[4] = {0.3f, 0.65f, 1.0f, 0.65f};
  for (int i = 0; i < 4; ++i) PutFrame(sheet, Lantern(pulse[i], true, false), 36, 36, 1 + i);
  const float flash[4] = {1.0f, 0.3f, 1.0f, 0.3f};
  for (int i = 0; i < 4; ++i) PutFrame(sheet, Lantern(flash[i], true, true), 36, 36, 8 + i);
  // Walk: frame 14 is also the standing pose; 15-18 are the stride.
  Pose walk[5];
  walk[1] = {-1, 2.5f, -2.5f, 0.15f};
  walk[2] = {0, 0.5f, -0.5f, 0.05f};
  walk[3] = {-1, -2.5f, 2.5f, 0.15f};
  walk[4] = {0, -0.5f, 0.5f, 0.05f};
  for (int i = 0; i < 5; ++i) PutFrame(sheet, Moth(walk[i]), 36, 36, 14 + i);
  Pose tongue;
  tongue.tongue = true;
  tongue.wing = 0.3f;
  PutFrame(sheet, Moth(tongue), 36, 36, 19);
  Pose chew;
  chew.chew = true;
  chew.bob = 0.5f;
  PutFrame(sheet, Moth(chew), 36, 36, 20);
  Pose air;
  air.air = true;
  air.wing = 1;
  air.bob = -1;
  PutFrame(sheet, Moth(air), 36, 36, 21);
  return sheet;
}

// [SECTION] particles

namespace {

// Shape k of the debris set, as a polygon around (16, 16) in sheet pixels.
std::vector<float> ShapePolygon(int k) {
  std::vector<float> v;
  auto regular = [&](int n, float r, float turn) {
    for (int i = 0; i < n; ++i) {
      float a = (turn + 360.0f * i / n) * kPi / 180;
      v.push_back(16 + r * std::sin(a));
      v.push_back(16 - r * std::cos(a));
    }
  };
  switch (k) {
    case 0: regular(24, 11, 0); break;      // disc
    case 1: regular(4, 13, 45); break;      // square
    case 2: regular(3, 13, 0); break;       // triangle
    case 3: regular(4, 13, 0); break;       // diamond
    case 4: regular(5, 12, 0); break;       // pentagon
    case 5: regular(6, 12, 30); break;      // hexagon
    case 6:                                  // star
      for (int i = 0; i < 10; ++i) {
        float a = 36.0f * i * kPi / 180, r = i % 2 ? 5.5f : 13;
        v.push_back(16 + r * std::sin(a)), v.push_back(16 - r * std::cos(a));
      }
      break;
    case 7:  // plus
    {
      const float pts[] = {12, 4, 20, 4, 20, 12, 28, 12, 28, 20, 20, 20, 20, 28, 12, 28, 12, 20, 4, 20, 4, 12, 12, 12};
      v.assign(pts, pts + 24);
      break;
    }
    default:  // shards: jagged chips of masonry and glass
      for (int i = 0, n = 5 + int(Hash(unsigned(k)) % 3); i < n; ++i) {
        float a = (360.0f * i / n + 25 * Hash01(unsigned(k), unsigned(i))) * kPi / 180;
        float r = 6 + 7.5f * Hash01(unsigned(k), unsigned(i), 2);
        v.push_back(16 + r * std::sin(a)), v.push_back(16 - r * std::cos(a));
      }
  }
  return v;
}

Canvas Shape(int k, bool outline) {
  Canvas hi(32 * kSuper, 32 * kSuper);
  std::vector<float> v = ShapePolygon(k);
  for (float& f : v) f *= kSuper;
  int n = int(v.size() / 2);
  const Rgba white = {1, 1, 1, 1};
  if (!outline) {
    FillPolygon(hi, v.data(), n, white);
  } else {
    float w = 3.0f * kSuper;
    Paint(hi, 0, 0, float(hi.w), float(hi.h), white,
          [&](float x, float y) { return std::fabs(SdPolygon(x, y, v.data(), n) + w * 0.5f) - w * 0.5f; });
  }
  return Finish(hi, false);
}

Canvas Puff(int k) {
  Canvas c(32, 32);
  unsigned seed = unsigned(k) * 31u + 7u;
  // A few lobes of different size make each puff its own shape.
  float lobes[6][3];
  int n = 3 + k % 4;
  for (int i = 0; i < n; ++i) {
    float a = (360.0f * i / n + 40 * Hash01(seed, unsigned(i))) * kPi / 180, d = 3.5f * Hash01(seed, unsigned(i), 1);
    lobes[i][0] = 16 + d * std::sin(a), lobes[i][1] = 16 - d * std::cos(a);
    lobes[i][2] = 6.5f + 4.5f * Hash01(seed, unsigned(i), 2);
  }
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      float best = 0;
      for (int i = 0; i < n; ++i) {
        float d = std::hypot(x + 0.5f - lobes[i][0], y + 0.5f - lobes[i][1]) / lobes[i][2];
        best = std::max(best, 1 - d * d);
      }
      float grain = 0.7f + 0.5f * Fbm(x * 0.22f, y * 0.22f, seed, 3);
      float a = std::clamp(best * grain * 1.15f, 0.0f, 0.9f);
      // Stay clear of the frame edge: the game scales puffs up to five times.
      float edge = std::min(std::min(x, 31 - x), std::min(y, 31 - y)) / 3.0f;
      a *= std::clamp(edge, 0.0f, 1.0f);
      float shade = 0.86f + 0.14f * best;
      c.at(x, y) = {shade, shade, shade, a};
    }
  return c;
}

Canvas Cluster(int k) {
  Canvas hi(32 * kSuper, 32 * kSuper);
  unsigned seed = unsigned(k) * 131u + 3u;
  int n = 3 + k % 7;
  for (int i = 0; i < n; ++i) {
    float a = 360 * Hash01(seed, unsigned(i)) * kPi / 180, d = 9 * std::sqrt(Hash01(seed, unsigned(i), 1));
    float r = 2 + 3.2f * Hash01(seed, unsigned(i), 2);
    FillCircle(hi, (16 + d * std::sin(a)) * kSuper, (16 - d * std::cos(a)) * kSuper, r * kSuper, {1, 1, 1, 1});
  }
  return Finish(hi, false);
}

Canvas Star(int k) {
  Canvas hi(32 * kSuper, 32 * kSuper);
  const float c = 16 * kSuper, s = kSuper;
  Rgba white = {1, 1, 1, 1}, glow = {1, 1, 1, 0.22f};
  // A soft glow under every star keeps the small ones visible when scaled down.
  FillCircle(hi, c, c, (k % 4 == 3 ? 9.0f : 6.5f) * s, glow);
  switch (k % 8) {
    case 0: FillStar(hi, c, c, 5, 5.5f * s, 13 * s, 0, white); break;
    case 1: FillStar(hi, c, c, 4, 2.2f * s, 13 * s, 0, white); break;
    case 2: FillStar(hi, c, c, 6, 4.5f * s, 12 * s, 0, white); break;
    case 3: FillCircle(hi, c, c, 4 * s, white); break;
    case 4: FillStar(hi, c, c, 8, 3.5f * s, 12 * s, 0, white); break;
    case 5:
      FillStar(hi, c, c, 4, 1.6f * s, 13 * s, 0, white);
      FillStar(hi, c, c, 4, 1.2f * s, 7 * s, 45, white);
      break;
    case 6: FillStar(hi, c, c, 5, 3.2f * s, 12 * s, 36, white); break;
    default: FillStar(hi, c, c, 4, 3.6f * s, 10 * s, 45, white); break;
  }
  // The second eight are the same kinds, smaller and rounder, for variety.
  Canvas out = Finish(hi, false);
  if (k >= 8) {
    Canvas small(32, 32);
    Canvas half = Resample(out, 1, 2);
    Blit(small, half, 8, 8);
    FillCircle(small, 16, 16, 2.2f, white);
    return small;
  }
  return out;
}

}  // namespace

Canvas MakeParticles(ParticleSheet which) {
  Canvas sheet(128, 128);
  for (int k = 0; k < 16; ++k) {
    Canvas f;
    switch (which) {
      case kShapeFull: f = Shape(k, false); break;
      case kShapeLine: f = Shape(k, true); break;
      case kSmoke: f = Puff(k); break;
      case kCluster: f = Cluster(k); break;
      case kStars: f = Star(k); break;
    }
    PutFrame(sheet, f, 32, 32, k);
  }
  return sheet;
}
