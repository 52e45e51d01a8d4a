// The renderer on Mesa's OpenGL: when batches go out, what the blended,
// scissored and tessellated results look like, and the pixel transfers.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

#include "graphics/graphics.h"
#include "host/glfw_game.h"
#include "support/gl_window.h"

namespace {

std::unique_ptr<gxtkSurface> SolidSurface(gxtkGraphics* gfx, int w, int h, unsigned argb) {
  std::unique_ptr<gxtkSurface> s(gfx->CreateSurface(w, h));
  gfx->WritePixels2(s.get(), std::vector<int>(static_cast<size_t>(w) * h, static_cast<int>(argb)), 0, 0, w, h, 0, w);
  return s;
}

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Batching

TEST(Batching, ThreeHundredRectanglesGoOutAsBatchesOf1024And176Vertices) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  win.Begin();
  for (int i = 0; i < 256; ++i) vx_graphics_DrawRect(static_cast<float>(i % 100), 0, 1, 1);
  EXPECT_EQ(win.gfx->stats.drawCalls, 0) << "256 quads still fit one batch";
  vx_graphics_DrawRect(0, 1, 1, 1);
  EXPECT_EQ(win.gfx->stats.drawCalls, 1);
  EXPECT_EQ(win.gfx->stats.vertices, 1024);
  for (int i = 257; i < 300; ++i) vx_graphics_DrawRect(0, 1, 1, 1);
  win.End();
  EXPECT_EQ(win.gfx->lastStats.drawCalls, 2);
  EXPECT_EQ(win.gfx->lastStats.vertices, 1200);
}

TEST(Batching, OnlyKindSurfaceBlendAndScissorChangesSubmit) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  gxtkGraphics* g = win.gfx;
  auto sheet = SolidSurface(g, 8, 8, 0xFFFFFFFF);
  auto other = SolidSurface(g, 8, 8, 0xFF00FF00);
  struct Case {
    const char* what;
    std::function<void()> draw;
    int drawCalls, vertices;
  } cases[] = {
      {"two images of one surface", [&] { g->DrawSurface(sheet.get(), 0, 0); g->DrawSurface2(sheet.get(), 9, 0, 0, 0, 4, 4); }, 1, 8},
      {"a rectangle between two images", [&] { g->DrawSurface(sheet.get(), 0, 0); g->DrawRect(0, 0, 1, 1); g->DrawSurface(sheet.get(), 9, 0); }, 3, 12},
      {"images of two surfaces", [&] { g->DrawSurface(sheet.get(), 0, 0); g->DrawSurface(other.get(), 9, 0); }, 2, 8},
      {"colour, alpha and matrix changes", [&] {
         g->DrawRect(0, 0, 1, 1);
         g->SetColor(10, 20, 30);
         g->DrawRect(0, 0, 1, 1);
         g->SetAlpha(0.25f);
         g->SetMatrix(2, 0, 0, 2, 1, 1);
         g->DrawRect(0, 0, 1, 1);
       }, 1, 12},
      {"a line between rectangles", [&] { g->DrawRect(0, 0, 1, 1); g->DrawLine(0, 0, 5, 5); g->DrawRect(0, 0, 1, 1); }, 3, 10},
      {"a blend change", [&] { g->DrawRect(0, 0, 1, 1); g->SetBlend(1); g->DrawRect(0, 0, 1, 1); }, 2, 8},
      {"a scissor change", [&] { g->DrawRect(0, 0, 1, 1); g->SetScissor(1, 1, 5, 5); g->DrawRect(0, 0, 1, 1); }, 2, 8},
      {"ovals of one segment count", [&] { g->DrawOval(0, 0, 8, 8); g->DrawOval(20, 0, 8, 8); }, 2, 24},
      {"Cls with vertices pending", [&] { g->DrawRect(0, 0, 1, 1); g->Cls(0, 0, 0); }, 0, 0},
  };
  for (const Case& c : cases) {
    win.Begin();
    g->SetMatrix(1, 0, 0, 1, 0, 0);  // the renderer keeps its matrix across frames
    c.draw();
    win.End();
    EXPECT_EQ(g->lastStats.drawCalls, c.drawCalls) << c.what;
    EXPECT_EQ(g->lastStats.vertices, c.vertices) << c.what;
  }
}

TEST(Batching, OvalSegmentsFollowTheTransformedSize) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  struct Case {
    float size, scale;
    int segments;
  } cases[] = {{4, 1, 12}, {13, 1, 12}, {30, 1, 28}, {1000, 1, 1000}, {3000, 1, 1024}, {100, 2, 200}, {-30, 1, 28}};
  for (const Case& c : cases) {
    win.Begin();
    vx_graphics_Scale(c.scale, c.scale);
    vx_graphics_DrawOval(0, 0, c.size, c.size);
    win.End();
    EXPECT_EQ(win.gfx->lastStats.vertices, c.segments) << "size " << c.size << " scale " << c.scale;
    EXPECT_EQ(win.gfx->lastStats.drawCalls, 1);
  }
}

// ---------------------------------------------------------------------------
// [SECTION] Pixels

TEST(Pixels, ColourIsPremultipliedIntoBytesHeldInsideTheirRange) {
  gxtkGraphics g;  // no window needed to pack a colour
  struct Case {
    float r, g, b, a;
    unsigned char bytes[4];
  } cases[] = {
      {255, 128, 0, 0.5f, {127, 64, 0, 127}},
      {255, 255, 255, 1, {255, 255, 255, 255}},
      {300, -5, 0, 1, {255, 0, 0, 255}},      // would spill into green, then sign-extend
      {100, 100, 100, 2, {200, 200, 200, 255}},
      {100, 100, 100, -1, {0, 0, 0, 0}},
      {NAN, 10, 10, 1, {0, 10, 10, 255}},
  };
  for (const Case& c : cases) {
    g.SetColor(c.r, c.g, c.b);
    g.SetAlpha(c.a);
    unsigned char bytes[4];
    std::memcpy(bytes, &g.packedColour, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(bytes[i], c.bytes[i]) << "byte " << i << " of " << c.r << ", " << c.a;
  }
}

TEST(Pixels, HalfAlphaRectangleBlendsAsPremultipliedColour) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  win.Begin();
  win.gfx->Cls(0, 0, 200);
  vx_graphics_SetColor(255, 128, 0);
  vx_graphics_SetAlpha(0.5f);
  vx_graphics_DrawRect(10, 10, 20, 20);
  win.End();
  // 127/255 of the colour plus 128/255 of the background.
  EXPECT_TRUE(win.PixelsAre({{20, 20, Rgb{127, 64, 100}}, {5, 5, Rgb{0, 0, 200}}}));
}

TEST(Pixels, ColourChangesInsideOneBatchKeepEachRectanglesColour) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  win.Begin();
  vx_graphics_SetColor(255, 0, 0);
  vx_graphics_DrawRect(0, 0, 10, 10);
  vx_graphics_SetColor(0, 255, 0);
  vx_graphics_DrawRect(10, 0, 10, 10);
  vx_graphics_SetAlpha(0.5f);
  vx_graphics_DrawRect(20, 0, 10, 10);
  win.End();
  EXPECT_EQ(win.gfx->lastStats.drawCalls, 1);
  EXPECT_TRUE(win.PixelsAre({{5, 5, kRed}, {15, 5, kGreen}, {25, 5, Rgb{0, 127, 0}}}));
}

TEST(Pixels, LineFromOriginLightsTheFirstPixelRow) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  win.Begin();
  vx_graphics_DrawLine(0, 0, 10, 0);
  win.End();
  for (int x = 0; x < 10; ++x) EXPECT_TRUE(ColourNear(win.Pixel(x, 0), kWhite)) << "x " << x;
  EXPECT_TRUE(win.PixelsAre({{0, 1, kBlack}, {11, 0, kBlack}}));
}

TEST(Pixels, ScissorClipsTopDownAndTheFullWindowTurnsItOff) {
  GlWindow win(160, 120);
  ASSERT_TRUE(win.ok());
  win.Begin();
  vx_graphics_SetScissor(10, 20, 30, 40);
  vx_graphics_DrawRect(0, 0, 160, 120);
  win.End();
  EXPECT_TRUE(win.PixelsAre({
      {10, 20, kWhite},
      {39, 59, kWhite},
      {9, 25, kBlack},
      {15, 19, kBlack},
      {40, 25, kBlack},
      {15, 60, kBlack},
      {15, 80, kBlack},  // bottom-up, the box would have covered rows 60-99
  }));

  win.Begin();
  vx_graphics_SetScissor(10, 20, 30, 40);
  vx_graphics_SetScissor(0, 0, 160, 120);
  vx_graphics_SetColor(0, 0, 255);
  vx_graphics_DrawRect(0, 0, 160, 120);
  win.End();
  EXPECT_TRUE(win.PixelsAre({{0, 0, kBlue}, {159, 119, kBlue}}));
}

TEST(Pixels, ReadPixelsFillsRowsTopDownAtOffsetAndPitch) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  win.Begin();
  vx_graphics_SetColor(255, 0, 0);
  vx_graphics_DrawRect(1, 1, 1, 1);
  vx_graphics_SetColor(0, 0, 255);
  vx_graphics_DrawRect(1, 2, 1, 1);
  std::vector<int> out(14, 7);
  win.gfx->ReadPixels(out, 0, 0, 3, 3, 2, 4);
  win.End();
  const int k = static_cast<int>(0xFF000000u);
  const std::vector<int> want = {7, 7, k, k, k, 7, k, static_cast<int>(0xFFFF0000u), k, 7,
                                 k, static_cast<int>(0xFF0000FFu), k, 7};
  EXPECT_EQ(out, want);
}

TEST(Pixels, ReadPixelsIntoTooSmallAnArrayReadsNothing) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  struct Case {
    size_t size;
    int w, h, offset, pitch;
  } cases[] = {{8, 3, 3, 0, 3}, {9, 3, 3, 1, 3}, {9, 3, 3, -1, 3}, {9, 3, 3, 0, 4}, {9, 3, 3, 8, -3},
               {4, 2, 3, 0, 0}, {9, 0, 3, 0, 3},  {9, 3, -2, 0, 3}};
  win.Begin();
  for (const Case& c : cases) {
    std::vector<int> out(c.size, 7);
    win.gfx->ReadPixels(out, 0, 0, c.w, c.h, c.offset, c.pitch);
    EXPECT_EQ(out, std::vector<int>(c.size, 7)) << c.w << "x" << c.h << " at " << c.offset << " pitch " << c.pitch;
  }
  win.End();
}

TEST(Pixels, WritePixelsStoresPremultipliedAndUploadsTheRectangle) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  std::unique_ptr<gxtkSurface> s(win.gfx->CreateSurface(4, 4));
  ASSERT_NE(s, nullptr);
  // A 2 x 2 block from the middle of a wider array: offset 1, pitch 3.
  const int c = static_cast<int>(0x80C86432u);  // alpha 128, colour (200, 100, 50)
  win.gfx->WritePixels2(s.get(), {0, c, c, 0, c, c}, 1, 2, 2, 2, 1, 3);
  ASSERT_NE(s->pixels, nullptr);
  const unsigned char* p = s->pixels + (2 * 4 + 1) * 4;
  EXPECT_EQ(p[0], 100);
  EXPECT_EQ(p[1], 50);
  EXPECT_EQ(p[2], 25);
  EXPECT_EQ(p[3], 128);
  EXPECT_EQ(s->pixels[3], 0) << "the rest of a new buffer is transparent";

  win.Begin();
  win.gfx->DrawSurface(s.get(), 0, 0);
  win.End();
  EXPECT_TRUE(win.PixelsAre({
      {1, 2, Rgb{100, 50, 25}},
      {2, 3, Rgb{100, 50, 25}},
      {0, 2, kBlack},
      {1, 1, kBlack},
  }));
}

TEST(Pixels, WritePixelsOutsideTheSurfaceOrSourceChangesNothing) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  std::unique_ptr<gxtkSurface> s(win.gfx->CreateSurface(4, 4));
  const std::vector<int> src(16, -1);
  struct Case {
    int x, y, w, h, offset, pitch;
  } cases[] = {{3, 0, 2, 1, 0, 4}, {0, 3, 1, 2, 0, 4}, {-1, 0, 2, 2, 0, 4}, {0, 0, 4, 4, 1, 4},
               {0, 0, 4, 5, 0, 4}, {0, 0, 0, 1, 0, 4}, {0, 0, 2, 2, -1, 4}, {0, 0, 1, 2, 0, 16}};
  for (const Case& c : cases) {
    win.gfx->WritePixels2(s.get(), src, c.x, c.y, c.w, c.h, c.offset, c.pitch);
    EXPECT_EQ(s->pixels, nullptr) << c.x << "," << c.y << " " << c.w << "x" << c.h;
  }
}

// A minimised window reports 0 x 0: the frame must go by without an
// OpenGL error, and the next frame at full size draws normally.
TEST(Pixels, ZeroSizedWindowDrawsNothingAndRecovers) {
  GlWindow win(160, 120);
  ASSERT_TRUE(win.ok());
  auto sheet = SolidSurface(win.gfx, 8, 8, 0xFFFFFFFF);
  while (glGetError() != GL_NO_ERROR) {
  }
  VxGlfwGame::OnWindowSize(win.host->Window(), 0, 0);
  win.Begin();
  vx_graphics_SetScissor(5, 5, 10, 10);
  vx_graphics_DrawRect(0, 0, 50, 50);
  vx_graphics_DrawOval(0, 0, 50, 50);
  win.gfx->DrawSurface(sheet.get(), 0, 0);
  std::vector<int> out(1, 7);
  win.gfx->ReadPixels(out, 0, 0, 1, 1, 0, 1);
  win.End();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  VxGlfwGame::OnWindowSize(win.host->Window(), 160, 120);
  win.Begin();
  vx_graphics_DrawRect(150, 110, 10, 10);
  win.End();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_TRUE(win.PixelsAre({{155, 115, kWhite}, {5, 5, kBlack}}));
}

TEST(Pixels, OvalFillsItsCentreAndLeavesTheCornersOfItsBox) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  win.Begin();
  vx_graphics_DrawOval(20, 20, 60, 40);
  win.End();
  EXPECT_TRUE(win.PixelsAre({
      {50, 40, kWhite},
      {21, 40, kWhite},
      {50, 21, kWhite},
      {22, 22, kBlack},
      {78, 58, kBlack},
  }));
}
