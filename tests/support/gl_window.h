// A real game window for the graphics tests: GLFW, the desktop host, a Mesa
// OpenGL context and the renderer registered as the graphics device, plus
// frame brackets, pixel read-back and PNG fixtures written on the spot.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

class gxtkGraphics;
class VxQuibexGame;

struct Rgb {
  int r = 0, g = 0, b = 0;
};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kWhite{255, 255, 255};

std::ostream& operator<<(std::ostream& out, const Rgb& c);
// Each channel within `tolerance` of the expected one.
::testing::AssertionResult ColourNear(const Rgb& actual, const Rgb& expected, int tolerance = 1);

// One pixel of the frame and the colour it should have.
struct PixelProbe {
  int x, y;
  Rgb colour;
};

class GlWindow {
 public:
  // glfwInit, the host, vx_host/vx_graphics start values, a window of this
  // size (which bumps the context counter) and the renderer. A size of 0
  // opens no window until Recreate.
  GlWindow(int width = 160, int height = 120);
  ~GlWindow();
  bool ok() const { return gfx != nullptr; }

  // The delegate's render bracket without the game: renderer, then context,
  // then the window cleared to black.
  void Begin();
  void End();
  // A new window and so a new OpenGL context, as the full-screen switch does.
  void Recreate(int width, int height);

  // Pixel of the frame being drawn (top-left origin), through ReadPixels.
  Rgb Pixel(int x, int y);
  // Every probe within one of its colour; the failure names each one that
  // is not.
  ::testing::AssertionResult PixelsAre(std::initializer_list<PixelProbe> probes);

  VxQuibexGame* host = nullptr;
  gxtkGraphics* gfx = nullptr;
};

// The bytes of a PNG file of w x h pixels with `channels` bytes each.
std::string EncodePng(int w, int h, int channels, const std::vector<unsigned char>& pixels);
std::string EncodeBmp(int w, int h, int channels, const std::vector<unsigned char>& pixels);
// A w x h RGBA image whose four quadrants are red, green, blue and white
// (top-left, top-right, bottom-left, bottom-right), all opaque.
std::vector<unsigned char> QuadrantPixels(int w, int h);
