// Surfaces loaded from real PNG files: premultiplication, texture sizes, the
// rebuild in a new OpenGL context, and files that must give no image.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "graphics/graphics.h"
#include "host/glfw_game.h"
#include "support/gl_window.h"
#include "support/scratch.h"

namespace {

std::unique_ptr<gxtkSurface> Load(GlWindow& win, const ScratchDir& dir, const std::string& name,
                                  const std::string& bytes) {
  dir.Write(name, bytes);
  return std::unique_ptr<gxtkSurface>(win.gfx->LoadSurface(String(dir.File(name).c_str())));
}

// Draws the 16 x 16 quadrant picture at (x, y) and checks each quadrant.
void ExpectQuadrantsAt(GlWindow& win, gxtkSurface* s, int x, int y) {
  win.Begin();
  win.gfx->DrawSurface(s, static_cast<float>(x), static_cast<float>(y));
  win.End();
  EXPECT_TRUE(win.PixelsAre({
      {x + 4, y + 4, kRed},
      {x + 12, y + 4, kGreen},
      {x + 4, y + 12, kBlue},
      {x + 15, y + 15, kWhite},
  }));
}

// Size of the texture currently bound.
void BoundTextureSize(int* w, int* h) {
  GLint tw = 0, th = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &tw);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &th);
  *w = tw;
  *h = th;
}

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char b : bytes) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

std::string BigEndian(uint32_t v) {
  return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                     static_cast<char>(v)};
}

// A well-formed PNG signature and header chunk for any size, 8-bit RGBA.
std::string PngHeader(uint32_t w, uint32_t h) {
  const std::string body = "IHDR" + BigEndian(w) + BigEndian(h) + std::string("\x08\x06\x00\x00\x00", 5);
  return std::string("\x89PNG\r\n\x1a\n", 8) + BigEndian(13) + body + BigEndian(Crc32(body));
}

std::string RandomBytes(size_t n, uint32_t seed) {
  std::string out(n, '\0');
  for (char& c : out) {
    seed = seed * 1664525u + 1013904223u;
    c = static_cast<char>(seed >> 24);
  }
  return out;
}

}  // namespace

TEST(Surfaces, ColourIsPremultipliedByAlphaAtLoad) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  struct Case {
    int channels;
    std::vector<unsigned char> in, out;
  } cases[] = {
      {4, {200, 100, 50, 128}, {100, 50, 25, 128}},
      {4, {90, 80, 70, 0}, {0, 0, 0, 0}},
      {4, {255, 255, 255, 255}, {255, 255, 255, 255}},
      {2, {255, 0}, {0, 0}},
      {2, {200, 128}, {100, 128}},
      {3, {200, 100, 50}, {200, 100, 50}},
      {1, {77}, {77}},
  };
  for (const Case& c : cases) {
    auto s = Load(win, dir, "one.png", EncodePng(1, 1, c.channels, c.in));
    ASSERT_NE(s, nullptr) << c.channels << " channels";
    EXPECT_EQ(s->channels, c.channels);
    EXPECT_EQ(std::vector<unsigned char>(s->pixels, s->pixels + c.channels), c.out) << c.channels << " channels";
  }
}

TEST(Surfaces, GreyAndRgbImagesDrawInTheirOwnColours) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  struct Case {
    int channels;
    std::vector<unsigned char> in;
    Rgb shown;
  } cases[] = {{1, {77}, {77, 77, 77}}, {2, {200, 255}, {200, 200, 200}}, {3, {10, 20, 30}, {10, 20, 30}}};
  for (const Case& c : cases) {
    auto s = Load(win, dir, "one.png", EncodePng(1, 1, c.channels, c.in));
    ASSERT_NE(s, nullptr);
    win.Begin();
    win.gfx->Cls(255, 0, 0);
    win.gfx->DrawSurface(s.get(), 3, 3);
    win.End();
    EXPECT_TRUE(ColourNear(win.Pixel(3, 3), c.shown)) << c.channels << " channels";
  }
}

TEST(Surfaces, TextureTakesTheImageSizeWhereTheDriverAllowsIt) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  auto s = Load(win, dir, "odd.png", EncodePng(100, 60, 4, QuadrantPixels(100, 60)));
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->contextSeq, glfwGraphicsSeq) << "made at load while a window exists";
  s->Bind();
  int w = 0, h = 0;
  BoundTextureSize(&w, &h);
  EXPECT_EQ(w, 100);
  EXPECT_EQ(h, 60);
  EXPECT_FLOAT_EQ(s->texelScaleU, 0.01f);
  EXPECT_FLOAT_EQ(s->texelScaleV, 1.0f / 60);
}

// A driver without non-power-of-two textures refuses the first allocation;
// the retry at 128 x 64 keeps pixel coordinates right through the scales.
TEST(Surfaces, RefusedTextureSizeIsRetriedAtPowersOfTwo) {
  setenv("MESA_EXTENSION_OVERRIDE", "-GL_ARB_texture_non_power_of_two", 1);
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  std::vector<unsigned char> pixels = QuadrantPixels(100, 60);
  auto s = Load(win, dir, "odd.png", EncodePng(100, 60, 4, pixels));
  ASSERT_NE(s, nullptr);
  s->Bind();
  int w = 0, h = 0;
  BoundTextureSize(&w, &h);
  EXPECT_EQ(w, 128);
  EXPECT_EQ(h, 64);
  EXPECT_FLOAT_EQ(s->texelScaleU, 1.0f / 128);
  EXPECT_FLOAT_EQ(s->texelScaleV, 1.0f / 64);
  win.Begin();
  win.gfx->DrawSurface(s.get(), 0, 0);
  win.End();
  // The texture's padding right of the picture is never drawn.
  EXPECT_TRUE(win.PixelsAre({{0, 0, kRed}, {99, 59, kWhite}, {100, 30, kBlack}}));
}

// Loaded before any window, drawn in one context and then in the next: the
// texture is built from the kept pixels each time, right from the first draw.
TEST(Surfaces, TextureIsRebuiltFromMemoryInEachNewContext) {
  GlWindow win(0, 0);
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  auto s = Load(win, dir, "quads.png", EncodePng(16, 16, 4, QuadrantPixels(16, 16)));
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->contextSeq, -1);

  win.Recreate(160, 120);
  ExpectQuadrantsAt(win, s.get(), 10, 10);
  EXPECT_EQ(s->contextSeq, glfwGraphicsSeq);

  const int before = glfwGraphicsSeq;
  win.Recreate(200, 150);
  EXPECT_NE(glfwGraphicsSeq, before);
  ExpectQuadrantsAt(win, s.get(), 30, 20);
  EXPECT_EQ(s->contextSeq, glfwGraphicsSeq);
}

TEST(Surfaces, DiscardedSurfaceKeepsItsSizeButNoPixels) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  auto s = Load(win, dir, "quads.png", EncodePng(16, 16, 4, QuadrantPixels(16, 16)));
  ASSERT_NE(s, nullptr);
  s->Discard();
  EXPECT_EQ(s->pixels, nullptr);
  EXPECT_EQ(s->contextSeq, -1);
  EXPECT_EQ(s->Width(), 16);
  // Drawn again it gets a texture without content, and nothing fails.
  win.Begin();
  win.gfx->DrawSurface(s.get(), 0, 0);
  win.End();
  EXPECT_EQ(s->contextSeq, glfwGraphicsSeq);
}

TEST(BadImageFiles, UnusableFilesGiveNoImage) {
  GlWindow win;
  ASSERT_TRUE(win.ok());
  ScratchDir dir;
  const std::string good = EncodePng(32, 32, 4, QuadrantPixels(32, 32));
  struct Case {
    const char* what;
    std::string bytes;
    bool loads;
  } cases[] = {
      {"an empty file", "", false},
      {"the signature alone", good.substr(0, 8), false},
      {"a truncated PNG", good.substr(0, good.size() / 2), false},
      {"a header claiming 100000 x 100000", PngHeader(100000, 100000) + good.substr(33), false},
      {"a header claiming 8193 x 1", PngHeader(8193, 1) + good.substr(33), false},
      {"a header claiming 0 x 16", PngHeader(0, 16) + good.substr(33), false},
      {"random bytes", RandomBytes(4096, 1), false},
      {"random chunks after a good header", PngHeader(32, 32) + RandomBytes(4096, 2), false},
      {"a BMP file", EncodeBmp(4, 4, 3, std::vector<unsigned char>(48, 9)), false},
      {"the good PNG", good, true},
      {"a PNG 8192 pixels wide", EncodePng(8192, 1, 1, std::vector<unsigned char>(8192, 5)), true},
  };
  for (const Case& c : cases) {
    dir.Write("bad.png", c.bytes);
    const String path(dir.File("bad.png").c_str());
    int w = -1, h = -1, channels = -1;
    unsigned char* pixels = win.host->LoadImageData(path, &w, &h, &channels);
    EXPECT_EQ(pixels != nullptr, c.loads) << c.what;
    std::free(pixels);
    std::unique_ptr<c_Image> image(vx_graphics_LoadImage(path, 1, 0));
    EXPECT_EQ(image != nullptr, c.loads) << c.what;
  }
  EXPECT_EQ(win.host->LoadImageData(String(dir.File("missing.png").c_str()), nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(vx_graphics_LoadImage(String(dir.File("missing.png").c_str()), 1, 0), nullptr);
}
