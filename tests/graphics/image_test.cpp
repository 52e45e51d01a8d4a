// Images and the graphics context: frame grids, pad and whole-surface rules,
// drawing about the handle, the matrix and its stack, and the fatal errors
// (in a child process, since they end it).
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "graphics/graphics.h"
#include "support/child.h"
#include "support/gl_window.h"
#include "support/scratch.h"

namespace {

using Frames = std::vector<std::pair<int, int>>;

Frames FramesOf(const c_Image& image) {
  Frames out;
  for (const c_Frame& f : image.m_frames) out.emplace_back(f.m_x, f.m_y);
  return out;
}

// A surface with a size and nothing else, for the frame arithmetic alone.
gxtkSurface* SizedSurface(int w, int h) {
  gxtkSurface* s = new gxtkSurface();
  s->width = w;
  s->height = h;
  s->channels = 4;
  return s;
}

std::string SheetPng(int w, int h) { return EncodePng(w, h, 1, std::vector<unsigned char>(static_cast<size_t>(w) * h, 200)); }

std::unique_ptr<c_Image> LoadQuadrants(const ScratchDir& dir, int size) {
  dir.Write("quads.png", EncodePng(size, size, 4, QuadrantPixels(size, size)));
  return std::unique_ptr<c_Image>(vx_graphics_LoadImage(String(dir.File("quads.png").c_str()), 1, 0));
}

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Frames

TEST(Images, SheetIsCutIntoRowsOfFramesWithACentredHandle) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  dir.Write("sheet.png", SheetPng(512, 1024));
  std::unique_ptr<c_Image> img(vx_graphics_LoadImage2(String(dir.File("sheet.png").c_str()), 64, 64, 128, 1));
  ASSERT_NE(img, nullptr);
  ASSERT_EQ(img->m_frames.size(), 128u);
  EXPECT_EQ(FramesOf(*img)[8], std::make_pair(0, 64));
  EXPECT_EQ(FramesOf(*img)[9], std::make_pair(64, 64));
  EXPECT_EQ(FramesOf(*img)[127], std::make_pair(448, 960));
  EXPECT_EQ(img->m_width, 64);
  EXPECT_EQ(img->m_height, 64);
  EXPECT_EQ(img->m_handleX, 32);
  EXPECT_EQ(img->m_handleY, 32);
  EXPECT_EQ(img->m_flags, 0) << "the centre bit is cleared once applied";
}

TEST(Images, SheetThatHoldsExactlyTheFramesAskedForLoads) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  dir.Write("sheet.png", SheetPng(512, 960));
  std::unique_ptr<c_Image> img(vx_graphics_LoadImage2(String(dir.File("sheet.png").c_str()), 64, 64, 120, 1));
  ASSERT_NE(img, nullptr);
  EXPECT_EQ(FramesOf(*img).back(), std::make_pair(448, 896));
}

TEST(Images, LoadImageCutsFramesSideBySide) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  dir.Write("strip.png", SheetPng(100, 10));
  std::unique_ptr<c_Image> img(vx_graphics_LoadImage(String(dir.File("strip.png").c_str()), 4, 0));
  ASSERT_NE(img, nullptr);
  EXPECT_EQ(FramesOf(*img), (Frames{{0, 0}, {25, 0}, {50, 0}, {75, 0}}));
  EXPECT_EQ(img->m_width, 25);
  EXPECT_EQ(img->m_height, 10);
  EXPECT_EQ(img->m_flags & c_Image::m_FlagWhole, 0);
}

TEST(Images, PadShrinksFramesAndOnlyAnExactSingleFrameIsWhole) {
  struct Case {
    const char* what;
    int surfaceW, surfaceH;
    bool grid;  // p_Init2 with frameW x frameH, else p_Init
    int frameW, frameH, count, flags;
    int width, height;
    Frames frames;
    bool whole;
    float handleX, handleY;
  } cases[] = {
      {"one frame, the whole surface", 32, 16, false, 0, 0, 1, 0, 32, 16, {{0, 0}}, true, 0, 0},
      {"one frame padded left and right", 32, 16, false, 0, 0, 1, c_Image::m_FlagPadX, 30, 16, {{1, 0}}, false, 0, 0},
      {"padded top and bottom, centred", 32, 16, false, 0, 0, 1, c_Image::m_FlagPadY | c_Image::m_FlagCentre, 32, 14,
       {{0, 1}}, false, 16, 7},
      {"both pads, centred on the padded size", 20, 20, false, 0, 0, 2,
       c_Image::m_FlagPadX | c_Image::m_FlagPadY | c_Image::m_FlagCentre, 8, 18, {{1, 1}, {11, 1}}, false, 4, 9},
      {"no frames asked for", 32, 16, false, 0, 0, 0, 0, 32, 16, {{0, 0}}, true, 0, 0},
      {"a caller's whole bit is not trusted", 32, 16, false, 0, 0, 4, c_Image::m_FlagWhole, 8, 16,
       {{0, 0}, {8, 0}, {16, 0}, {24, 0}}, false, 0, 0},
      {"grid frame as large as the surface", 64, 64, true, 64, 64, 1, c_Image::m_FlagCentre, 64, 64, {{0, 0}}, true,
       32, 32},
      {"grid frame smaller than the surface", 64, 64, true, 32, 32, 1, 0, 32, 32, {{0, 0}}, false, 0, 0},
      {"grid with no frames", 64, 64, true, 32, 32, 0, 0, 32, 32, {}, false, 0, 0},
  };
  for (const Case& c : cases) {
    c_Image img;
    gxtkSurface* s = SizedSurface(c.surfaceW, c.surfaceH);
    if (c.grid)
      img.p_Init2(s, 0, 0, c.frameW, c.frameH, c.count, c.flags, nullptr, 0, 0, c.surfaceW, c.surfaceH);
    else
      img.p_Init(s, c.count, c.flags);
    EXPECT_EQ(img.m_width, c.width) << c.what;
    EXPECT_EQ(img.m_height, c.height) << c.what;
    EXPECT_EQ(FramesOf(img), c.frames) << c.what;
    EXPECT_EQ((img.m_flags & c_Image::m_FlagWhole) != 0, c.whole) << c.what;
    EXPECT_EQ(img.m_flags & c_Image::m_FlagCentre, 0) << c.what;
    EXPECT_EQ(img.m_handleX, c.handleX) << c.what;
    EXPECT_EQ(img.m_handleY, c.handleY) << c.what;
  }
}

TEST(Images, ImageCutFromAnotherSharesItsSurface) {
  c_Image sheet;
  sheet.p_Init(SizedSurface(64, 64), 1, 0);
  {
    c_Image part;
    part.p_Init2(sheet.m_surface, 0, 0, 16, 16, 2, 0, &sheet, 32, 32, 32, 32);
    EXPECT_EQ(FramesOf(part), (Frames{{32, 32}, {48, 32}}));
  }
  EXPECT_EQ(sheet.m_surface->Width(), 64) << "the part left the sheet's surface alone";
}

TEST(Images, FatalErrorsEndTheProgramWithTheirMessage) {
  ScratchDir dir;
  dir.Write("short.png", SheetPng(512, 960));
  dir.Write("narrow.png", SheetPng(48, 256));
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"load2", dir.File("short.png"), "64", "64", "128"}, "Image frame outside surface"},
      {{"load2", dir.File("short.png"), "64", "64", "121"}, "Image frame outside surface"},
      {{"load2", dir.File("narrow.png"), "64", "64", "1"}, "Image frame outside surface"},
      {{"init-twice"}, "Image already initialized"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> argv = {BuiltProgram("graphics_probe")};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ChildResult r = RunChild(argv);
    EXPECT_TRUE(r.exited) << c.args[0];
    EXPECT_EQ(r.status, 255) << c.args[0] << ": " << r.out << r.err;
    EXPECT_NE(r.out.find(std::string("Quibex Runtime Error : ") + c.message + "\n"), std::string::npos)
        << c.args[0] << ": " << r.out;
  }
}

// ---------------------------------------------------------------------------
// [SECTION] Drawing images

TEST(Images, DrawImage2ScalesThenRotatesAboutTheHandle) {
  GlWindow win(160, 120);
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  auto img = LoadQuadrants(dir, 16);
  ASSERT_NE(img, nullptr);
  img->p_SetHandle(8, 8);
  win.Begin();
  vx_graphics_DrawImage2(img.get(), 100, 50, 90, 2, 2, 0);
  win.End();
  // A quarter turn counter-clockwise: the picture's top now faces left.
  EXPECT_TRUE(win.PixelsAre({
      {92, 58, kRed},
      {92, 42, kGreen},
      {108, 58, kBlue},
      {108, 42, kWhite},
  }));
  // Doubled: 32 pixels across, centred on the handle.
  EXPECT_TRUE(win.PixelsAre({
      {84, 34, kGreen},
      {115, 65, kBlue},
      {83, 50, kBlack},
      {116, 50, kBlack},
      {100, 33, kBlack},
      {100, 66, kBlack},
  }));
}

TEST(Images, PaddedFrameDrawsWithoutItsBorder) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  // Two frames of 10 x 4, each with a red column at either side.
  std::vector<unsigned char> px(20 * 4 * 3);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool border = x % 10 == 0 || x % 10 == 9;
      unsigned char* p = &px[(y * 20 + x) * 3];
      p[0] = border ? 255 : 0;
      p[1] = border ? 0 : 255;
      p[2] = 0;
    }
  dir.Write("padded.png", EncodePng(20, 4, 3, px));
  std::unique_ptr<c_Image> img(vx_graphics_LoadImage(String(dir.File("padded.png").c_str()), 2, c_Image::m_FlagPadX));
  ASSERT_NE(img, nullptr);
  win.Begin();
  vx_graphics_DrawImage(img.get(), 10, 10, 1);
  vx_graphics_DrawImage(img.get(), 10, 20, 5);  // no such frame: nothing
  win.End();
  for (int x = 10; x < 18; ++x) EXPECT_TRUE(ColourNear(win.Pixel(x, 11), kGreen)) << "x " << x;
  EXPECT_TRUE(win.PixelsAre({{9, 11, kBlack}, {18, 11, kBlack}, {12, 21, kBlack}}));
}

TEST(Images, DrawingOutsideTheRenderPassDoesNothing) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  auto img = LoadQuadrants(dir, 16);
  ASSERT_NE(img, nullptr);
  win.Begin();
  win.End();
  vx_graphics_DrawRect(0, 0, 10, 10);
  vx_graphics_DrawImage2(img.get(), 50, 50, 0, 1, 1, 0);
  vx_graphics_DrawImage(nullptr, 0, 0, 0);
  EXPECT_EQ(win.gfx->batchCount, 0);
}

// ---------------------------------------------------------------------------
// [SECTION] Matrix

TEST(Matrix, TransformActsBeforeTheMatrixItIsAppliedTo) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  win.Begin();
  vx_graphics_Translate(20, 10);
  vx_graphics_Scale(2, 2);
  vx_graphics_DrawRect(0, 0, 10, 10);  // covers 20..40 x 10..30
  win.End();
  EXPECT_TRUE(win.PixelsAre({
      {20, 10, kWhite},
      {39, 29, kWhite},
      {19, 10, kBlack},
      {40, 29, kBlack},
  }));
}

TEST(Matrix, MatrixReachesTheRendererOnlyAtTheNextDraw) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  win.Begin();
  vx_graphics_DrawRect(0, 0, 1, 1);
  vx_graphics_Translate(5, 0);
  vx_graphics_Scale(2, 3);
  EXPECT_EQ(win.gfx->matTx, 0);
  EXPECT_FALSE(win.gfx->transformed);
  vx_graphics_DrawRect(0, 0, 1, 1);
  EXPECT_EQ(win.gfx->matA, 2);
  EXPECT_EQ(win.gfx->matD, 3);
  EXPECT_EQ(win.gfx->matTx, 5);
  EXPECT_TRUE(win.gfx->transformed);
  EXPECT_EQ(vx_graphics_context->m_matrixDirty, 0);
  vx_graphics_Rotate(0);
  EXPECT_EQ(vx_graphics_GetMatrix(), (std::vector<float>{2, 0, 0, 3, 5, 0}));
  EXPECT_EQ(vx_graphics_context->m_matrixDirty, 1) << "unchanged, but marked for sending";
  win.End();
}

TEST(Matrix, StackGrowsPastItsFirstLengthAndRestoresInReverse) {
  vx_graphics_InitGlobals();
  c_GraphicsContext* g = vx_graphics_context;
  ASSERT_EQ(g->m_matrixStack.size(), 192u);
  for (int i = 0; i < 40; ++i) {
    vx_graphics_SetMatrix(1, 0, 0, 1, static_cast<float>(i), static_cast<float>(-i));
    vx_graphics_PushMatrix();
  }
  EXPECT_EQ(g->m_matrixStack.size(), 384u);
  EXPECT_EQ(g->m_stackTop, 240);
  vx_graphics_SetMatrix(3, 0, 0, 3, 0, 0);
  for (int i = 39; i >= 0; --i) {
    vx_graphics_PopMatrix();
    EXPECT_EQ(vx_graphics_GetMatrix(), (std::vector<float>{1, 0, 0, 1, static_cast<float>(i), static_cast<float>(-i)}));
    EXPECT_EQ(g->m_transformed, i != 0);
  }
  EXPECT_EQ(g->m_stackTop, 0);
  vx_graphics_PopMatrix();  // empty: the matrix stays
  EXPECT_EQ(vx_graphics_GetMatrix(), (std::vector<float>{1, 0, 0, 1, 0, 0}));
  EXPECT_EQ(g->m_stackTop, 0);
}
