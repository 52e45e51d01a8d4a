// Text layout: measurement, alignment, line breaks, symbols, rotation and
// the off-screen cull, read back from the glyph records.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/game.h"
#include "host/init.h"
#include "toolkit/draw.h"
#include "toolkit/text.h"

namespace {

struct Glyph {
  float x, y;
  int frame;
  float rotation;
};

class Text : public ::testing::Test {
 protected:
  void SetUp() override {
    vxInit();
    vx_pell_ResetDraw();
    vx_pell_PELL_Font = 90;  // no image needed: the records are what is tested
    vx_pell_PELL_ImgD[90] = 128;
  }
  std::vector<Glyph> Glyphs() {
    std::vector<Glyph> out;
    for (int k = 0; k < vx_pell_Sprtup; ++k) {
      const float* r = &vx_pell_PELL_Draw[20 * k];
      out.push_back({r[11], r[12], static_cast<int>(r[13]), r[6]});
    }
    return out;
  }
  VxGame host;
};

TEST_F(Text, LeftAlignedAndCentredOnTheLine) {
  EXPECT_EQ(vx_pell_Text(100, 50, "AB", 0, 1, 0, 0), 168);
  std::vector<Glyph> g = Glyphs();
  ASSERT_EQ(g.size(), 2u);  // the leading space draws nothing
  EXPECT_FLOAT_EQ(g[0].x, 124);
  EXPECT_EQ(g[0].frame, 33);
  EXPECT_FLOAT_EQ(g[1].x, 146);
  EXPECT_EQ(g[1].frame, 34);
  EXPECT_FLOAT_EQ(g[0].y, 50);

  vx_pell_Sprtup = 0;
  EXPECT_EQ(vx_pell_Text(100, 50, "AB", 1, 1, 0, 0), 168 - 23);
  g = Glyphs();
  EXPECT_FLOAT_EQ(g[0].x, 124 - 23);
  EXPECT_FLOAT_EQ(g[1].x, 146 - 23);

  // alignY 0 puts the glyph centres 22 below y, scaled.
  vx_pell_Sprtup = 0;
  vx_pell_SetSize(2);
  vx_pell_Text(100, 50, "A", 0, 0, 0, 0);
  g = Glyphs();
  EXPECT_FLOAT_EQ(g[0].y, 50 + 44);
  EXPECT_FLOAT_EQ(g[0].x, 100 + 48);
}

TEST_F(Text, MeasurementAndAdvanceDifferWhereTheyShould) {
  struct Case {
    std::u16string text;
    int width;    // centring moves everything back by width / 2
    int penEnd;   // from x = 0, left-aligned
  } cases[] = {
      {u"il", 24 + 11, 24 + 11 + 9},            // the last character is not measured
      {u"\u00ACA", 24 + 30, 24 + 56},           // a symbol measures 30 but advances 56
      {u"\u00ACAx", 24 + 30, 24 + 56 + 22},
      {u"\u00E9x", 24, 24 + 28 + 22},           // outside the table: measures 0, advances 28
      {std::u16string(u"a\0b", 3), 24 + 22, 24 + 22 + 22},  // a NUL neither draws nor moves
  };
  for (const Case& c : cases) {
    vx_pell_Sprtup = 0;
    EXPECT_EQ(vx_pell_Text(0, 100, String(c.text), 0, 1, 0, 0), c.penEnd);
    vx_pell_Sprtup = 0;
    EXPECT_EQ(vx_pell_Text(400, 100, String(c.text), 2, 1, 0, 0), 400 - c.width + c.penEnd);
  }
}

TEST_F(Text, SymbolsLineBreaksAndTheCull) {
  vx_pell_Text(100, 50, u"\u00ACA\u00ACJ\u00AC0\u00ACz", 0, 1, 0, 0);
  std::vector<Glyph> g = Glyphs();
  ASSERT_EQ(g.size(), 3u);  // the last symbol's frame is past the sheet
  EXPECT_EQ(g[0].frame, 123);
  EXPECT_EQ(g[1].frame, 112);
  EXPECT_EQ(g[2].frame, '0' + 16);
  EXPECT_FLOAT_EQ(g[1].x - g[0].x, 56);

  vx_pell_Sprtup = 0;
  vx_pell_Text(100, 50, "I\\nJ", 0, 1, 0, 0);
  g = Glyphs();
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].frame, 'I' - 32);
  EXPECT_FLOAT_EQ(g[0].y, 50);
  EXPECT_EQ(g[1].frame, 'J' - 32);
  EXPECT_FLOAT_EQ(g[1].x, 100 + 38);
  EXPECT_NEAR(g[1].y, 50 + 38, 1e-4);

  vx_pell_Sprtup = 0;
  vx_pell_Text(2000, 50, "far away", 0, 1, 0, 0);
  EXPECT_EQ(vx_pell_Sprtup, 0);

  vx_pell_PELL_Font = 0;
  EXPECT_EQ(vx_pell_Text(10, 10, "x", 0, 1, 0, 0), 0);
  EXPECT_EQ(vx_pell_Sprtup, 0);
}

TEST_F(Text, RotatedTextRunsUpwardsAndWaves) {
  vx_pell_SetRot(90);
  vx_pell_Text(300, 300, "AB", 0, 1, 0, 0);
  std::vector<Glyph> g = Glyphs();
  ASSERT_EQ(g.size(), 2u);
  EXPECT_NEAR(g[0].x, 300, 1e-3);
  EXPECT_NEAR(g[0].y, 300 - (24 - 7), 1e-3);
  EXPECT_NEAR(g[1].y, 300 - (24 - 7) - (22 - 7), 1e-3);
  EXPECT_EQ(g[0].rotation, 90);

  vx_pell_ResetDraw();
  vx_pell_Sprtup = 0;
  vx_pell_Text(100, 50, "A", 0, 1, 90, 10);
  g = Glyphs();
  // Pen x 124: sin(90 + 62) degrees.
  EXPECT_NEAR(g[0].y, 50 + 10 * std::sin((90 + 62) * 3.14159265358979 / 180), 1e-3);
}

TEST(TextPadding, RightAlignsInAField) {
  EXPECT_EQ(vx_pell_rstr("7", 3, "0"), String("007"));
  EXPECT_EQ(vx_pell_rstr("1234", 3, "0"), String("234"));
  EXPECT_EQ(vx_pell_rstr("", 2, "."), String(".."));
  EXPECT_EQ(vx_pell_rstr("ab", 0, "."), String());
}

}  // namespace
