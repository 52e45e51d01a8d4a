// The two bitmap fonts, rendered from DejaVu through stb_truetype: the game's
// 64 x 64 glyph sheet fitted to its advance table, with the pad and key
// symbols, and the framework's small padded strip. Also the text helper the
// titles use.
#include <cstdio>
#include <cstring>

#include <stb/stb_truetype.h>

#include "assetgen.h"
#include "font_metrics.h"

struct Typeface {
  std::vector<unsigned char> data;
  stbtt_fontinfo info;
};

Typeface* LoadTypeface(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    std::fprintf(stderr, "assetgen: cannot open the typeface %s\n", path.c_str());
    return nullptr;
  }
  Typeface* face = new Typeface;
  unsigned char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) face->data.insert(face->data.end(), buf, buf + n);
  std::fclose(f);
  if (face->data.empty() || !stbtt_InitFont(&face->info, face->data.data(), 0)) {
    std::fprintf(stderr, "assetgen: %s is not a TrueType font\n", path.c_str());
    delete face;
    return nullptr;
  }
  return face;
}

void FreeTypeface(Typeface* face) { delete face; }

// [SECTION] glyph coverage

namespace {

struct Glyph {
  Canvas cov;  // white, alpha = coverage
  int xoff = 0, yoff = 0;  // of cov's top-left from the pen on the baseline
};

Glyph RenderGlyph(const Typeface& face, int code, float sx, float sy, float shiftX) {
  Glyph g;
  int w = 0, h = 0;
  unsigned char* bm = stbtt_GetCodepointBitmapSubpixel(&face.info, sx, sy, shiftX, 0, code, &w, &h, &g.xoff, &g.yoff);
  g.cov = Canvas(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) g.cov.at(x, y) = {1, 1, 1, bm[y * w + x] / 255.0f};
  stbtt_FreeBitmap(bm, nullptr);
  return g;
}

// Left and right ink columns (inclusive) of a coverage image; -1 when blank.
void InkColumns(const Canvas& c, int* left, int* right) {
  *left = -1, *right = -1;
  for (int x = 0; x < c.w; ++x)
    for (int y = 0; y < c.h; ++y)
      if (c.at(x, y).a > 0.04f) {
        if (*left < 0) *left = x;
        *right = x;
        break;
      }
}

}  // namespace

Canvas RenderText(const Typeface& face, const char* text, float pixelHeight, float squeeze) {
  float scale = stbtt_ScaleForPixelHeight(&face.info, pixelHeight);
  int ascent, descent, gap;
  stbtt_GetFontVMetrics(&face.info, &ascent, &descent, &gap);
  float pen = 0;
  int n = int(std::strlen(text));
  for (int i = 0; i < n; ++i) {
    int adv, lsb;
    stbtt_GetCodepointHMetrics(&face.info, text[i], &adv, &lsb);
    pen += adv * scale * squeeze;
    if (i + 1 < n) pen += stbtt_GetCodepointKernAdvance(&face.info, text[i], text[i + 1]) * scale * squeeze;
  }
  int margin = int(pixelHeight * 0.25f) + 2;
  Canvas out(int(pen) + 2 * margin, int(pixelHeight) + 2 * margin);
  float baseline = margin + ascent * scale;
  pen = float(margin);
  for (int i = 0; i < n; ++i) {
    float shift = pen - std::floor(pen);
    Glyph g = RenderGlyph(face, text[i], scale * squeeze, scale, shift);
    for (int y = 0; y < g.cov.h; ++y)
      for (int x = 0; x < g.cov.w; ++x)
        Blend(out, int(std::floor(pen)) + g.xoff + x, int(baseline) + g.yoff + y, g.cov.at(x, y), 1);
    int adv, lsb;
    stbtt_GetCodepointHMetrics(&face.info, text[i], &adv, &lsb);
    pen += adv * scale * squeeze;
    if (i + 1 < n) pen += stbtt_GetCodepointKernAdvance(&face.info, text[i], text[i + 1]) * scale * squeeze;
  }
  return out;
}

void DrawLabel(Canvas& c, const Typeface& face, const char* text, float cx, float cy, float height, Rgba colour) {
  Canvas t = RenderText(face, text, height);
  int x0 = t.w, y0 = t.h, x1 = -1, y1 = -1;
  for (int y = 0; y < t.h; ++y)
    for (int x = 0; x < t.w; ++x)
      if (t.at(x, y).a > 0.04f) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  if (x1 < 0) return;
  float ox = cx - (x0 + x1 + 1) * 0.5f, oy = cy - (y0 + y1 + 1) * 0.5f;
  int ix = int(std::floor(ox + 0.5f)), iy = int(std::floor(oy + 0.5f));
  for (int y = 0; y < t.h; ++y)
    for (int x = 0; x < t.w; ++x) Blend(c, ix + x, iy + y, colour, t.at(x, y).a);
}

// [SECTION] the game's glyph sheet

namespace {

constexpr int kCell = 64;
constexpr int kSheetColumns = 16;  // 1024 x 512: a row of the sheet is 16 codes
constexpr float kOutline = 2.0f;
// The pen sits at the frame centre and a glyph's advance box starts 22 to
// its left, so texts measured by the advance table centre on their anchor.
constexpr int kBoxLeft = kCell / 2 - 22;
constexpr float kCapHeight = 23.0f;

const Rgba kInk = {1, 1, 1, 1};
const Rgba kRim = {0.07f, 0.05f, 0.14f, 1};

// Frames 112-124 are the two-character codes of not sign + J K L I U O Q E
// F W S A D. J to O are the keys of the six pad buttons, so they show those
// buttons; Q and E the shoulders, F the menu button and W S A D the arrow
// keys. Frames 95-111 and 125-127 stay empty.
constexpr int kFirstSymbol = 112;

Canvas GlyphFrame(const Typeface& face, int code, float scale, float baseline) {
  Canvas f(kCell, kCell);
  int box = FontKern(code);
  float room = float(box) - 2 * kOutline;  // fills of neighbours stay 4 px apart
  Glyph g = RenderGlyph(face, code, scale, scale, 0);
  int l, r;
  InkColumns(g.cov, &l, &r);
  if (l < 0) return f;
  float width = float(r - l + 1);
  float squeeze = width > room ? room / width : 1.0f;
  // Render again narrowed and shifted so the ink centres in the advance box.
  float target = kBoxLeft + box * 0.5f;
  float inkCentre = (g.xoff + (l + r + 1) * 0.5f) * squeeze;
  float pen = target - inkCentre;
  g = RenderGlyph(face, code, scale * squeeze, scale, pen - std::floor(pen));
  for (int y = 0; y < g.cov.h; ++y)
    for (int x = 0; x < g.cov.w; ++x) {
      Rgba ink = kInk;
      // A faint cool shade toward the foot keeps large text from looking flat.
      float t = std::clamp((baseline + g.yoff + y - (baseline - kCapHeight)) / (kCapHeight + 6), 0.0f, 1.0f);
      ink = Mix(ink, RGB(214, 210, 238), t * 0.8f);
      Blend(f, int(std::floor(pen)) + g.xoff + x, int(baseline) + g.yoff + y, ink, g.cov.at(x, y).a);
    }
  Outline(f, kOutline, kRim);
  return f;
}

}  // namespace

Canvas MakeBandwidthFont(const Typeface& face) {
  Canvas sheet(kSheetColumns * kCell, 128 / kSheetColumns * kCell);
  int x0, y0, x1, y1;
  stbtt_GetCodepointBox(&face.info, 'H', &x0, &y0, &x1, &y1);
  float scale = kCapHeight / float(y1);
  float baseline = kCell / 2 + kCapHeight / 2;
  for (int code = 33; code <= 126; ++code)
    PutFrame(sheet, GlyphFrame(face, code, scale, baseline), kCell, kCell, code - kFontFirstCode);
  for (int k = 0; k < 13; ++k) {
    Canvas f(kCell, kCell);
    // Symbols advance 56: centre them in that box, which starts at the same place.
    DrawPadSymbol(f, kBoxLeft + 28.0f, kCell / 2.0f, 40.0f, k, &face);
    PutFrame(sheet, f, kCell, kCell, kFirstSymbol + k);
  }
  return sheet;
}

// [SECTION] the framework's font strip

Canvas MakeFrameworkFont(const Typeface& mono) {
  // Frames 12 wide hold a 10-pixel glyph between one clear column each side.
  constexpr int kW = 12, kH = 16;
  Canvas sheet(96 * kW, kH);
  float scale = stbtt_ScaleForPixelHeight(&mono.info, 14.0f);
  int ascent, descent, gap;
  stbtt_GetFontVMetrics(&mono.info, &ascent, &descent, &gap);
  for (int code = 33; code < 127; ++code) {
    Canvas f(kW - 2, kH);
    Glyph g = RenderGlyph(mono, code, scale, scale, 0);
    int l, r;
    InkColumns(g.cov, &l, &r);
    if (l < 0) continue;
    int left = (kW - 2 - (r - l + 1)) / 2 - l;
    for (int y = 0; y < g.cov.h; ++y)
      for (int x = 0; x < g.cov.w; ++x)
        Blend(f, left + g.xoff + x, 1 + int(ascent * scale) + g.yoff + y, kInk, g.cov.at(x, y).a);
    Outline(f, 1.0f, kRim);
    Blit(sheet, f, (code - 32) * kW + 1, 0);
  }
  return sheet;
}
