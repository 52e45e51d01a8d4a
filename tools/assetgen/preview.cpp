// Contact sheet for reviewing the art: four mock screens (loading, menu,
// options, a run) drawn with the game's frame grids, scales and tints at an
// 800 x 600 virtual screen, then every sheet with its file name.
#include "preview.h"

#include <cstring>
#include <string>

#include "font_metrics.h"

namespace {

constexpr int kW = 800, kH = 600;
// The game's palette inks 1-5 and white, at full brightness.
const Rgba kInk[6] = {RGB(255, 25, 25),  RGB(255, 127, 25),  RGB(255, 255, 25),
                      RGB(25, 255, 25), RGB(25, 255, 255), RGB(255, 255, 255)};

const Canvas* Find(const std::vector<PreviewImage>& images, const char* path) {
  for (const PreviewImage& p : images)
    if (std::strcmp(p.path, path) == 0) return p.image;
  return nullptr;
}

// Frame `frame` of a sheet of fw x fh frames, centred on (x, y), scaled,
// turned by degrees, tinted (colour multiplies) and faded. Nearest sampling,
// as the game's textures are.
void Sprite(Canvas& dst, const Canvas* sheet, int fw, int fh, int frame, float x, float y, float sx, float sy,
            float degrees = 0, Rgba tint = {1, 1, 1, 1}) {
  if (!sheet) return;
  int cols = sheet->w / fw, fx = (frame % cols) * fw, fy = (frame / cols) * fh;
  float ca = std::cos(degrees * 0.0174533f), sa = std::sin(degrees * 0.0174533f);
  float ext = (std::fabs(sx) * fw + std::fabs(sy) * fh) * 0.75f;
  for (int py = int(y - ext); py <= int(y + ext); ++py)
    for (int px = int(x - ext); px <= int(x + ext); ++px) {
      if (!dst.inside(px, py)) continue;
      float dx = px + 0.5f - x, dy = py + 0.5f - y;
      // Positive angles turn counter-clockwise on screen.
      float u = (dx * ca - dy * sa) / sx + fw * 0.5f, v = (dx * sa + dy * ca) / sy + fh * 0.5f;
      if (u < 0 || v < 0 || u >= fw || v >= fh) continue;
      Rgba p = sheet->at(fx + int(u), fy + int(v));
      Blend(dst, px, py, {p.r * tint.r, p.g * tint.g, p.b * tint.b, p.a}, tint.a);
    }
}

// Text laid out with the advance table: alignX 0 left, 1 centre, 2 right.
void Text(Canvas& dst, const Canvas* font, const char* text, float x, float y, float alignX, float scale,
          Rgba tint = {1, 1, 1, 1}) {
  std::string s = std::string(" ") + text;
  int w = 0;
  for (size_t i = 0; i + 1 < s.size(); ++i) w = int(w + FontKern((unsigned char)s[i]) * scale);
  float pen = x - alignX * w * 0.5f;
  for (unsigned char c : s) {
    if (c > 32 && c < 127) Sprite(dst, font, 64, 64, c - 32, pen, y, scale, scale, 0, tint);
    pen += FontKern(c) * scale;
  }
}

void Fill(Canvas& dst, Rgba c) {
  for (Rgba& p : dst.px) p = c;
}

// [SECTION] mock screens

Canvas Loading(const std::vector<PreviewImage>& im) {
  Canvas s(kW, kH);
  Fill(s, RGB(180, 160, 120));
  Sprite(s, Find(im, "common/PELLLogo.png"), 1024, 1024, 0, kW / 2, kH / 2, 0.5f, 0.5f);
  Text(s, Find(im, "common/bandwidth.png"), "..Loading..", kW / 2, kH - 64, 1, 1);
  return s;
}

Canvas Menu(const std::vector<PreviewImage>& im) {
  Canvas s(kW, kH);
  Fill(s, RGB(80, 140, 80));
  const Canvas* panels = Find(im, "507/menu.png");
  const Canvas* font = Find(im, "common/bandwidth.png");
  for (int f : {0, 2, 1}) Sprite(s, panels, 1024, 1024, f, kW / 2, kH / 2, 0.75f, 0.75f);
  const char* rows[] = {"Easy", "> Normal", "Hard"};
  for (int r = 0; r < 3; ++r) Text(s, font, rows[r], 0.25f * kW, kH - 144 + 48.0f * r, 0, 1);
  Sprite(s, Find(im, "507/logo.png"), 1024, 512, 0, kW / 2, 128, 0.4f, 0.4f);
  const Canvas* icons = Find(im, "common/icons.png");
  Sprite(s, icons, 128, 128, 10, kW - 64, 48, 1, 1);
  Sprite(s, icons, 128, 128, 11, 64, 64, 1, 1, 0, {1, 1, 1, 0.75f});
  // The scoreboard as it settles at the right edge.
  float x = kW, y = kH - 190;
  Sprite(s, Find(im, "common/scoreboard.png"), 256, 256, 0, x, y, 1, 1);
  Text(s, font, "Top 5", x - 64, y - 96, 1, 0.5f);
  const char* best[] = {"    2470", "    1380", "     920", "     310", "       0"};
  for (int k = 0; k < 5; ++k) Text(s, font, best[k], x - 56, y - 96 + 40 + 28.0f * k, 1, 0.5f);
  const float recent[] = {0.3f, 1, 0.55f, 0.1f, 0.7f};
  for (int i = 0; i < 5; ++i)
    Sprite(s, Find(im, "common/parts_stars.png"), 32, 32, 0, x - 100 + 22.0f * i, kH - 78 - recent[i] * 40, 0.4f, 0.4f,
           15.0f * i, kInk[i]);
  return s;
}

Canvas Options(const std::vector<PreviewImage>& im) {
  Canvas s(kW, kH);
  Fill(s, RGB(40, 90, 120));
  const Canvas* opt = Find(im, "common/options.png");
  const Canvas* font = Find(im, "common/bandwidth.png");
  for (int j = 0; j < 15; ++j)
    for (int i = -1; i < 15; ++i) Sprite(s, opt, 68, 68, 48, 64.0f * i + 20, 64.0f * j - 20, 1, 1, 0, {1, 1, 1, 0.2f});
  const char* labels[] = {"Back", "Fullscreen [F11]", "SFX", "Music", "Invert Y - Left Stick"};
  const int icons[] = {0, 3, 1, 2, 4};
  for (int k = 0; k < 5; ++k) {
    float y = 96 + 116.0f * k, x0 = kW / 2 - 210;
    bool hi = k == 2;
    Rgba panel = Scale(kInk[k], hi ? 1.0f : 0.6f);
    panel.a = hi ? 0.75f : 0.5f;
    FillBox(s, x0, y - 34, x0 + 420, y + 34, panel);
    FillBox(s, x0 + 1, y - 33, x0 + 67, y + 33, {0, 0, 0, 0.5f});
    Sprite(s, opt, 68, 68, icons[k], x0 + 33, y, 1, 1);
    Text(s, font, labels[k], x0 + 4, y - 44, 0, 0.5f);
    if (k == 2 || k == 3)
      for (int i = 0; i <= 10; ++i)
        Text(s, font, i == 7 ? "#" : ".", kW / 2 + 22.0f * i - 88, y + 2 - (i == 7 ? 0 : 2.0f * i), 1, 1);
    if (k == 4) Text(s, font, "   Standard", kW / 2 + 72, y - 8, 1, 1);
  }
  return s;
}

Canvas Run(const std::vector<PreviewImage>& im) {
  Canvas s(kW, kH);
  for (int y = -64; y <= kH + 64; y += 16) FillBox(s, -64, float(y), kW, float(y + 16), RGB(0, 0, int(std::clamp(y * 0.0625f, 0.0f, 255.0f))));
  const Canvas* stars = Find(im, "common/parts_stars.png");
  for (int i = 0; i < 251; ++i) {
    float depth = 0.25f + 0.65f * Hash01(unsigned(i), 3);
    Sprite(s, stars, 32, 32, int(Hash(unsigned(i), 4) % 16), kW * Hash01(unsigned(i), 1), kH * Hash01(unsigned(i), 2),
           0.3f, 0.3f, 360 * Hash01(unsigned(i), 5), {1, 1, 1, depth * 0.8f});
  }
  const float C = 25, T = 25, sc = C / 16;
  const Canvas* blocks = Find(im, "507/buildings.png");
  const Canvas* cracked = Find(im, "507/buildingsb.png");
  int top[32];
  for (int c = 0; c < 32; ++c) {
    int h = 3 + int(Hash(unsigned(c), 11) % 6), style = int(Hash(unsigned(c), 12) % 32);
    top[c] = c == 5 || c == 26 ? 10 : 24 - h;
    for (int r = 24; r >= top[c]; --r) {
      int frame = style + 32 * int(Hash(unsigned(c), unsigned(r), 13) % 32);
      // A blast has torn into columns 12-15 and cracked what is left.
      int d = std::abs(c - 13) + std::abs(r - top[13]);
      if (d <= 1) continue;
      Sprite(s, d < 5 ? cracked : blocks, 16, 16, frame, c * C + C / 2, T + r * C, sc, sc);
    }
  }
  const Canvas* gfx = Find(im, "507/gfx.png");
  Sprite(s, gfx, 36, 36, 0, 300, 140, 1, 1);
  Sprite(s, gfx, 36, 36, 3, 22 * C + C / 2, T + (top[22] - 0.5f) * C, 1, 1);
  Sprite(s, gfx, 36, 36, 9, 8 * C + C / 2, T + (top[8] - 0.5f) * C, 1, 1);
  // The creature on the tower pulls a lantern in with the red line.
  float px = 5 * C + C / 2, py = T + 10 * C - C / 2;
  for (int i = -20; i <= 20; ++i) Line(s, px + i * 0.1f, py - C / 2 + i * 0.1f, 200 + i * 0.1f, 120 + i * 0.1f, 1, RGB(255, 0, 0));
  Sprite(s, gfx, 36, 36, 0, 200, 120, 1, 1);
  Sprite(s, gfx, 36, 36, 19, px, py - 0.9f * C, sc, sc);
  Sprite(s, gfx, 36, 36, 16, 26 * C + C / 2 + 40, T + top[27] * C - C / 2 - 0.9f * C, -sc, sc);
  // Debris and smoke over the blast.
  const Canvas* shapes = Find(im, "common/part-shapefull.png");
  const Canvas* smoke = Find(im, "common/parts_smoke.png");
  float bx = 13 * C + C / 2, by = T + top[13] * C;
  for (int i = 0; i < 6; ++i)
    Sprite(s, smoke, 32, 32, i, bx + 40 * (Hash01(unsigned(i), 40) - 0.5f), by - 20 - 30 * Hash01(unsigned(i), 41),
           2 + 2 * Hash01(unsigned(i), 42), 2 + 2 * Hash01(unsigned(i), 42), 0, {1, 1, 1, 0.35f});
  for (int i = 0; i < 24; ++i)
    Sprite(s, shapes, 32, 32, i % 16, bx + 120 * (Hash01(unsigned(i), 30) - 0.5f), by - 90 * Hash01(unsigned(i), 31), 0.3f,
           0.3f, 360 * Hash01(unsigned(i), 32), kInk[i % 6]);
  const Canvas* font = Find(im, "common/bandwidth.png");
  Text(s, font, "10", px, py - 2 * C - 20, 1, 0.3f, RGB(255, 255, 25));
  Text(s, font, "1230", kW / 2, 16, 1, 0.75f, RGB(100, 255, 100, 0.75f));
  Sprite(s, Find(im, "common/icons.png"), 128, 128, 0, 24, 24, 0.4f, 0.4f, 0, {1, 1, 1, 0.5f});
  return s;
}

// [SECTION] the sheet

void Checker(Canvas& c) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) c.at(x, y) = ((x / 16 + y / 16) % 2) ? RGB(44, 48, 74) : RGB(56, 60, 88);
}

// Names in the framework font, doubled.
void Label(Canvas& dst, const Canvas* tova, const char* text, int x, int y) {
  if (!tova) return;
  int fw = tova->w / 96;
  for (int i = 0; text[i]; ++i) {
    int code = (unsigned char)text[i];
    if (code < 32 || code > 127) continue;
    for (int v = 0; v < tova->h; ++v)
      for (int u = 1; u < fw - 1; ++u) {
        Rgba p = tova->at((code - 32) * fw + u, v);
        for (int k = 0; k < 4; ++k) Blend(dst, x + i * (fw - 2) * 2 + (u - 1) * 2 + k % 2, y + v * 2 + k / 2, p, 1);
      }
  }
}

}  // namespace

Canvas MakeContactSheet(const std::vector<PreviewImage>& images) {
  const int width = 2 * kW + 3 * 24;
  std::vector<Canvas> screens = {Loading(images), Menu(images), Options(images), Run(images)};
  // Sheets shrunk or grown by whole factors to about 512 pixels.
  std::vector<Canvas> shown;
  for (const PreviewImage& p : images) {
    int big = std::max(p.image->w, p.image->h);
    if (p.image->w > 1100) shown.push_back(*p.image);
    else if (big > 1024) shown.push_back(Resample(*p.image, 1, 4));
    else if (big > 600) shown.push_back(Resample(*p.image, 1, 2));
    else if (big <= 128) shown.push_back(Resample(*p.image, 4, 1));
    else if (big <= 300) shown.push_back(Resample(*p.image, 2, 1));
    else shown.push_back(*p.image);
  }
  // Shelf layout below the screens.
  std::vector<int> xs, ys;
  int x = 24, y = 2 * kH + 3 * 24, shelf = 0;
  for (const Canvas& c : shown) {
    if (x + c.w + 24 > width) x = 24, y += shelf + 56, shelf = 0;
    xs.push_back(x), ys.push_back(y);
    x += c.w + 24;
    shelf = std::max(shelf, c.h);
  }
  Canvas sheet(width, y + shelf + 56);
  Checker(sheet);
  for (int i = 0; i < 4; ++i) Blit(sheet, screens[size_t(i)], 24 + (i % 2) * (kW + 24), 24 + (i / 2) * (kH + 24));
  const Canvas* tova = Find(images, "tova_font.png");
  for (size_t i = 0; i < shown.size(); ++i) {
    Blit(sheet, shown[i], xs[i], ys[i]);
    Label(sheet, tova, images[i].path, xs[i], ys[i] + shown[i].h + 8);
  }
  return sheet;
}
