// The two bitmap fonts: every printable character has a glyph, the space has
// none, glyphs stay inside their frames, and the game's glyphs fit the
// advance table so neighbours never run into each other and share one line.
#include <gtest/gtest.h>

#include <algorithm>

#include "../../tools/assetgen/font_metrics.h"
#include "sheets.h"

namespace {

// Frames of the special symbols, which advance 56.
constexpr int kFirstSymbol = 112, kLastSymbol = 124;

bool Light(const unsigned char* p) { return p[3] >= 128 && p[0] + p[1] + p[2] >= 3 * 128; }

TEST(DataFont, EveryPrintableCharacterHasAGlyphAndTheSpaceHasNone) {
  Sheet s = LoadSheet(DataFile("common/bandwidth.png"));
  ASSERT_TRUE(s.ok());
  EXPECT_EQ(CountInk(s, FrameBox(s, 64, 64, 0), 1), 0);
  for (int code = 33; code <= 126; ++code)
    EXPECT_GT(CountInk(s, FrameBox(s, 64, 64, code - kFontFirstCode)), 10) << "'" << char(code) << "'";
  for (int f = kFirstSymbol; f <= kLastSymbol; ++f) EXPECT_GT(CountInk(s, FrameBox(s, 64, 64, f)), 100) << f;
}

TEST(DataFont, GlyphInkStaysInsideItsFrame) {
  Sheet s = LoadSheet(DataFile("common/bandwidth.png"));
  ASSERT_TRUE(s.ok());
  for (int f = 0; f < 128; ++f) {
    Box b = FrameBox(s, 64, 64, f);
    EXPECT_EQ(CountInk(s, b, 1), CountInk(s, {b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y1 - 1}, 1)) << "frame " << f;
  }
}

TEST(DataFont, NeighbouringGlyphsNeverOverlap) {
  // Each glyph is drawn centred on the pen, which then moves by the glyph's
  // advance: the light fill of any glyph must end before the fill of any
  // glyph that can follow it begins.
  Sheet s = LoadSheet(DataFile("common/bandwidth.png"));
  ASSERT_TRUE(s.ok());
  int worstEnd = -1000, bestStart = 1000, endCode = 0, startCode = 0;
  for (int f = 1; f <= kLastSymbol; ++f) {
    int code = f + kFontFirstCode, advance = f >= kFirstSymbol ? 56 : FontKern(code);
    if (f > 94 && f < kFirstSymbol) continue;
    Box b = FrameBox(s, 64, 64, f);
    int left = 1000, right = -1000;
    for (int y = b.y0; y < b.y1; ++y)
      for (int x = b.x0; x < b.x1; ++x)
        if (Light(s.at(x, y))) left = std::min(left, x - b.x0 - 32), right = std::max(right, x - b.x0 - 32);
    if (right < left) continue;
    if (right + 1 - advance > worstEnd) worstEnd = right + 1 - advance, endCode = f;
    if (f < kFirstSymbol && left < bestStart) bestStart = left, startCode = f;
  }
  EXPECT_LE(worstEnd, bestStart) << "frame " << endCode << " runs into frame " << startCode;
}

TEST(DataFont, LettersShareOneBaselineAndCapHeight) {
  Sheet s = LoadSheet(DataFile("common/bandwidth.png"));
  ASSERT_TRUE(s.ok());
  auto rows = [&](char c, int* top, int* bottom) {
    Box b = FrameBox(s, 64, 64, c - kFontFirstCode);
    *top = 1000, *bottom = -1;
    for (int y = b.y0; y < b.y1; ++y)
      for (int x = b.x0; x < b.x1; ++x)
        if (Light(s.at(x, y))) *top = std::min(*top, y - b.y0), *bottom = std::max(*bottom, y - b.y0);
  };
  int capTop, base;
  rows('H', &capTop, &base);
  for (char c : std::string("ABEHKLMNTXZaemnuxz12457")) {
    int top, bottom;
    rows(c, &top, &bottom);
    EXPECT_NEAR(bottom, base, 1) << c;
    if (c >= 'A' && c <= 'Z') {
      EXPECT_NEAR(top, capTop, 1) << c;
    }
  }
  // Capitals fill most of the 44-unit text line but leave room for descenders.
  EXPECT_GE(base - capTop, 18);
  EXPECT_LE(base - capTop, 30);
  int top, bottom;
  rows('g', &top, &bottom);
  EXPECT_GT(bottom, base + 2);
  EXPECT_LT(bottom, 62);
}

TEST(DataFont, TheFrameworkFontHasNinetySixPaddedGlyphs) {
  Sheet s = LoadSheet(DataFile("tova_font.png"));
  ASSERT_TRUE(s.ok());
  int fw = s.w / 96;
  for (int i = 0; i < 96; ++i) {
    Box b = {i * fw, 0, i * fw + fw, s.h};
    Box inside = {b.x0 + 1, 0, b.x1 - 1, s.h};
    EXPECT_EQ(CountInk(s, b, 1), CountInk(s, inside, 1)) << "the pad of frame " << i << " has ink";
    if (i == 0 || i == 95) {
      EXPECT_EQ(CountInk(s, b, 1), 0) << i;
    } else {
      EXPECT_GT(CountInk(s, b), 3) << "'" << char(i + 32) << "'";
    }
  }
}

}  // namespace
