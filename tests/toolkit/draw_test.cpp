// The sprite list's records and the draw state.
#include <gtest/gtest.h>

#include "host/game.h"
#include "host/init.h"
#include "toolkit/draw.h"

namespace {

class SpriteList : public ::testing::Test {
 protected:
  void SetUp() override {
    vxInit();
    vx_pell_ResetDraw();
  }
  const float* Record(int k) { return &vx_pell_PELL_Draw[20 * k]; }
  VxGame host;
};

TEST_F(SpriteList, RecordsCarryTheDrawStateAndTheirGeometry) {
  vx_pell_SetCol(10, 20, 30, 0.5f);
  vx_pell_SetSize(2, 3);
  vx_pell_SetRot(45);
  vx_pell_Rect(100, 100, 40, 20, 1, 1);
  vx_pell_Line(1, 2, 3, 4);
  vx_pell_Triangle(1, 2, 3, 4, 5, 6);
  ASSERT_EQ(vx_pell_Sprtup, 3);
  const float rectExpected[15] = {0.5f, 10, 20, 30, 2, 3, 45, 0, 0, 2, 0, 80, 90, 40, 20};
  for (int i = 0; i < 15; ++i) EXPECT_EQ(Record(0)[i], rectExpected[i]) << i;
  EXPECT_EQ(Record(1)[9], 5);
  EXPECT_EQ(Record(1)[13], 3);
  EXPECT_EQ(Record(2)[9], 4);
  EXPECT_EQ(Record(2)[16], 6);

  // Handles 0 and 2 put the near and far edge at the given point.
  vx_pell_Rect(100, 100, 40, 20, 0, 2);
  EXPECT_EQ(Record(3)[11], 100);
  EXPECT_EQ(Record(3)[12], 80);
}

TEST_F(SpriteList, StopsAfterRecord5000) {
  for (int i = 0; i < 6000; ++i) vx_pell_Line(0, 0, 1, 1);
  EXPECT_EQ(vx_pell_Sprtup, 5001);
}

TEST_F(SpriteList, ImageRecordsWrapTheFrameAndIgnoreOtherSlots) {
  vx_pell_PELL_ImgD[5] = 4;
  vx_pell_DrawImg(5, 10, 20, 7);
  ASSERT_EQ(vx_pell_Sprtup, 1);
  EXPECT_EQ(Record(0)[9], 1);
  EXPECT_EQ(Record(0)[10], 5);
  EXPECT_EQ(Record(0)[13], 3);
  vx_pell_DrawImg(0, 10, 20, 1);
  vx_pell_DrawImg(100, 10, 20, 1);
  vx_pell_DrawImg(120, 10, 20, 1);
  EXPECT_EQ(vx_pell_Sprtup, 1);
  // A slot with no frames yet (nothing rendered since start) counts as one.
  vx_pell_DrawImg(6, 0, 0, 9);
  EXPECT_EQ(Record(1)[13], 0);
}

TEST_F(SpriteList, ColourSettersClampAndKeepTheAlphaSentinel) {
  struct Case {
    const char* name;
    void (*apply)();
    float alpha, r, g, b;
  } cases[] = {
      {"SetCol keeps alpha", [] { vx_pell_Alpha(0.3f); vx_pell_SetCol(300, -5, 128, -100); }, 0.3f, 255, 0, 128},
      {"SetCol clamps alpha", [] { vx_pell_SetCol(0, 0, 0, 2); }, 1, 0, 0, 0},
      {"Ink below the palette is grey", [] { vx_pell_Ink(0, 1); }, 1, 76.5f, 76.5f, 76.5f},
      {"Ink above the palette is grey", [] { vx_pell_Ink(12, 1); }, 1, 76.5f, 76.5f, 76.5f},
      {"Ink brightness saturates", [] { vx_pell_Ink(2, 2); }, 1, 255, 255, 51},
      {"Ink leaves alpha alone", [] { vx_pell_Alpha(0.25f); vx_pell_Ink(9, 1); }, 0.25f, 255, 255, 255},
  };
  for (const Case& c : cases) {
    vx_pell_ResetDraw();
    c.apply();
    EXPECT_FLOAT_EQ(vx_pell_PELL_DrawStyle[0], c.alpha) << c.name;
    EXPECT_FLOAT_EQ(vx_pell_PELL_DrawStyle[1], c.r) << c.name;
    EXPECT_FLOAT_EQ(vx_pell_PELL_DrawStyle[2], c.g) << c.name;
    EXPECT_FLOAT_EQ(vx_pell_PELL_DrawStyle[3], c.b) << c.name;
  }
}

TEST_F(SpriteList, HueWheelAndBackgroundTarget) {
  vx_pell_InkRot(0, 1, 1);
  EXPECT_FLOAT_EQ(vx_pell_PELL_DrawStyle[1], 255);
  EXPECT_NEAR(vx_pell_PELL_DrawStyle[2], 63.75, 1e-4);
  EXPECT_NEAR(vx_pell_PELL_DrawStyle[3], 63.75, 1e-4);
  vx_pell_InkRot(120, 1, 1);  // the wheel turns red -> blue -> green
  EXPECT_FLOAT_EQ(vx_pell_PELL_DrawStyle[3], 255);

  vx_pell_SetCLSCol(300, 10, -4, 0.2f);
  EXPECT_EQ(vx_pell_PELL_DrawStyle[15], 255);
  EXPECT_EQ(vx_pell_PELL_DrawStyle[16], 10);
  EXPECT_EQ(vx_pell_PELL_DrawStyle[17], 0);
  EXPECT_FLOAT_EQ(vx_pell_PELL_DrawStyle[14], 0.2f);
  vx_pell_BGRot(240, 0, 1);  // no saturation: mid grey
  EXPECT_FLOAT_EQ(vx_pell_PELL_DrawStyle[15], 127.5f);
  EXPECT_EQ(vx_pell_PELL_DrawStyle[14], 1);

  vx_pell_SetSize(2);
  EXPECT_EQ(vx_pell_PELL_DrawStyle[4], 2);
  EXPECT_EQ(vx_pell_PELL_DrawStyle[5], 2);
  vx_pell_ResetDraw();
  EXPECT_EQ(vx_pell_PELL_DrawStyle[4], 1);
  EXPECT_EQ(vx_pell_PELL_DrawStyle[14], 1);  // the background is not reset
}

}  // namespace
