// Frame composition on a real window: the virtual screen's size, the
// hand-over, the replay that consumes its records, the background and the
// full-screen flip.
#include <gtest/gtest.h>

#include "graphics/graphics.h"
#include "host/app.h"
#include "host/glfw_game.h"
#include "shell/globals.h"
#include "support/gl_window.h"
#include "toolkit/draw.h"
#include "toolkit/frame.h"
#include "toolkit/globals.h"
#include "game/globals.h"

namespace {

class Frame : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(win.ok());
    vx_toolkit_InitGlobals();
    vx_shell_InitGlobals();
    vx_game_InitGlobals();
    vx_pell_ResetDraw();
    vx_pell_PELL_DrawStyle[14] = 1;  // an opaque background, as the game sets it
  }
  // The render bracket refreshes the app module's window size from the
  // real window; the size the test wants is put in after it.
  void Begin() {
    win.Begin();
    if (devW >= 0) {
      vx_app__devWidth = devW;
      vx_app__devHeight = devH;
    }
  }
  void Render() {
    Begin();
    vx_pell_RenderWorld();
    win.End();
  }
  void Size(int w, int h) {
    devW = w;
    devH = h;
  }
  int devW = -1, devH = -1;
  // An update that queues `n` records, the first a red square at the origin.
  void Update(int n) {
    vx_pell_Sprtup = 0;
    vx_pell_ResetDraw();
    vx_pell_SetCol(255, 0, 0, 1);
    vx_pell_Rect(0, 0, 50, 50, 0, 0);
    for (int i = 1; i < n; ++i) vx_pell_Line(-50, -50, -40, -40);
    vx_pell_Buffer();
  }
  GlWindow win{160, 120};
};

TEST_F(Frame, VirtualScreenFollowsTheWindowShape) {
  struct Case {
    int w, h;
    int vw, vh;
    float scale;
  } cases[] = {
      {1920, 1080, 799, 449, 2.4f},  // extended precision lands just below 800
      {1280, 720, 800, 450, 1.6f},
      {1280, 1024, 800, 640, 1.6f},
      {600, 800, 600, 800, 1.0f},
      {640, 480, 800, 600, 0.8f},
  };
  for (const Case& c : cases) {
    Size(c.w, c.h);
    Render();
    EXPECT_EQ(vx_pell_jscrw, c.vw) << c.w << "x" << c.h;
    EXPECT_EQ(vx_pell_jscrh, c.vh) << c.w << "x" << c.h;
    EXPECT_FLOAT_EQ(vx_pell_PELL_Scale, c.scale) << c.w << "x" << c.h;
  }
  // Portrait shows from the render after the portrait size was computed.
  Size(600, 800);
  Render();
  EXPECT_EQ(vx_pell_PELL_Orientation, 0);
  Render();
  EXPECT_EQ(vx_pell_PELL_Orientation, 1);

  // A minimised window keeps the last virtual screen.
  Size(0, 0);
  Render();
  EXPECT_EQ(vx_pell_jscrw, 600);
  EXPECT_EQ(vx_pell_jscrh, 800);
}

TEST_F(Frame, EachHandedOverListIsDrawnOnce) {
  Size(800, 600);  // scale 1: the square covers 50 x 50 window pixels
  Update(26);
  EXPECT_EQ(vx_pell_Bufferup, 26);
  Render();
  EXPECT_TRUE(ColourNear(win.Pixel(10, 10), {255, 0, 0}));
  EXPECT_EQ(vx_pell_PELL_Data[3], 26);
  EXPECT_EQ(vx_pell_Sprtup, 0);
  // A second render without an update: only the background.
  Render();
  EXPECT_TRUE(ColourNear(win.Pixel(10, 10), {0, 0, 0}));

  // 25 records are not handed over: the consumed list stays.
  Update(25);
  EXPECT_EQ(vx_pell_Bufferup, 26);
  Render();
  EXPECT_TRUE(ColourNear(win.Pixel(10, 10), {0, 0, 0}));
}

TEST_F(Frame, VirtualUnitsAreScaledToWindowPixels) {
  // A 160 x 120 window is an 800 x 600 virtual screen at scale 0.2.
  vx_pell_Sprtup = 0;
  vx_pell_SetCol(0, 255, 0, 1);
  vx_pell_Rect(100, 100, 200, 100, 0, 0);  // window pixels 20..60 x 20..40
  for (int i = 0; i < 30; ++i) vx_pell_Line(-50, -50, -40, -40);
  vx_pell_Buffer();
  Begin();
  vx_pell_RenderWorld();
  EXPECT_EQ(vx_pell_jscrw, 800);
  EXPECT_TRUE(ColourNear(win.Pixel(21, 21), {0, 255, 0}));
  EXPECT_TRUE(ColourNear(win.Pixel(58, 38), {0, 255, 0}));
  EXPECT_TRUE(ColourNear(win.Pixel(62, 30), {0, 0, 0}));
  EXPECT_TRUE(ColourNear(win.Pixel(30, 42), {0, 0, 0}));
  EXPECT_TRUE(ColourNear(win.Pixel(18, 30), {0, 0, 0}));
  win.End();
}

TEST_F(Frame, BackgroundColourAndThePausedBlack) {
  vx_pell_PELL_DrawStyle[11] = 0;
  vx_pell_PELL_DrawStyle[12] = 0;
  vx_pell_PELL_DrawStyle[13] = 255;
  vx_pell_PELL_DrawStyle[14] = 1;
  Render();
  EXPECT_TRUE(ColourNear(win.Pixel(80, 60), {0, 0, 255}));
  EXPECT_TRUE(ColourNear(win.Pixel(159, 119), {0, 0, 255}));
  vx_pell_PELL_Paused = 1;
  Render();
  EXPECT_TRUE(ColourNear(win.Pixel(80, 60), {0, 0, 0}));
  vx_pell_PELL_Paused = 0;
  // At alpha 0.2 the clear lets 80 % of the old frame show through. The
  // frame before is rebuilt first, since the back buffer's content after a
  // swap is not defined.
  vx_pell_PELL_DrawStyle[14] = 1;
  vx_pell_PELL_DrawStyle[13] = 0;
  vx_pell_PELL_DrawStyle[11] = 250;
  Begin();
  vx_pell_RenderWorld();
  vx_pell_PELL_DrawStyle[11] = 0;
  vx_pell_PELL_DrawStyle[13] = 250;
  vx_pell_PELL_DrawStyle[14] = 0.2f;
  vx_graphics_SetMatrix(1, 0, 0, 1, 0, 0);  // the clear is drawn in window pixels
  vx_pell_RenderWorld();
  EXPECT_TRUE(ColourNear(win.Pixel(80, 60), {200, 0, 50}, 2));
  win.End();
}

TEST_F(Frame, CountsAndTheFrameRateOverlay) {
  vx_pell_Sprtup = 5001;
  Render();
  EXPECT_EQ(vx_pell_PELL_Data[3], 4999);
  EXPECT_EQ(vx_pell_PELL_Data[49], 1);

  vx_pell_PELL_DebugMode = 1;
  vx_pell_PELL_Font = 90;
  vx_pell_PELL_ImgD[90] = 128;
  vx_pell_PELL_Data[1] = 60;
  vx_pell_PELL_Data[2] = 60;
  vx_pell_PELL_Data[3] = 300;
  vx_pell_mx = 100;
  vx_pell_my = 50;
  vx_pell_Sprtup = 0;
  vx_pell_Buffer();
  // "Update 60 - Render 60 (300 sprites)" has 29 visible glyphs, then the
  // pointer's four lines.
  ASSERT_EQ(vx_pell_Sprtup, 29 + 4);
  const float* first = &vx_pell_PELL_Draw[0];
  EXPECT_EQ(first[13], 'U' - 32);
  EXPECT_EQ(first[4], 0.5f);
  const float* cross = &vx_pell_PELL_Draw[20 * 29];
  EXPECT_EQ(cross[9], 5);
  EXPECT_EQ(cross[11], 92);
  EXPECT_EQ(cross[13], 108);
  const float* diagonal = &vx_pell_PELL_Draw[20 * 31];
  EXPECT_EQ(diagonal[1], 0);
  EXPECT_EQ(diagonal[11], 93);
}

TEST_F(Frame, FullscreenTwiceReturnsToTheWindow) {
  vx_app_EnumDisplayModes();
  vx_pell_FullscreenFlip();
  EXPECT_EQ(vx_pell_PELL_Fullscreen, 1);
  EXPECT_EQ(vx_app_DeviceWidth(), vx_app_DesktopMode()->p_Width());
  vx_pell_FullscreenFlip();
  EXPECT_EQ(vx_pell_PELL_Fullscreen, 0);
  EXPECT_EQ(vx_app_DeviceWidth(), 640);
  EXPECT_EQ(vx_app_DeviceHeight(), 480);
}

}  // namespace
