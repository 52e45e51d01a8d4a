// GlWindow and the PNG fixtures; stb_image_write is compiled here, for the
// tests alone.
#include "support/gl_window.h"

#include <GLFW/glfw3.h>

#include <ostream>

#include "graphics/graphics.h"
#include "host/app.h"
#include "host/glfw_game.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

::testing::AssertionResult ColourNear(const Rgb& actual, const Rgb& expected, int tolerance) {
  auto near = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
  if (near(actual.r, expected.r) && near(actual.g, expected.g) && near(actual.b, expected.b))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "colour " << actual << ", expected " << expected;
}

GlWindow::GlWindow(int width, int height) {
  if (!glfwInit()) return;
  host = new VxQuibexGame();
  vx_host_InitGlobals();
  vx_graphics_InitGlobals();
  if (width > 0 && height > 0) host->SetDeviceWindow(width, height, DISPLAY_DECORATED);
  vx_app_ValidateDeviceWindow(false);
  gfx = new gxtkGraphics();
  vx_graphics_SetGraphicsDevice(gfx);
}

// GLFW is left running: each test is a process of its own that ends next,
// and glfwTerminate would unload Mesa's driver, whose leaks kept until exit
// then lose the module name the sanitizer's suppressions match them by.
GlWindow::~GlWindow() {
  vx_graphics_device = nullptr;
  delete gfx;
  delete host;
}

void GlWindow::Begin() {
  vx_app_ValidateDeviceWindow(true);
  gfx->BeginRender();
  vx_graphics_BeginRender();
  gfx->Cls(0, 0, 0);
}

void GlWindow::End() {
  vx_graphics_EndRender();
  gfx->EndRender();
}

void GlWindow::Recreate(int width, int height) {
  host->SetDeviceWindow(width, height, DISPLAY_DECORATED);
  vx_app_ValidateDeviceWindow(false);
}

Rgb GlWindow::Pixel(int x, int y) {
  std::vector<int> p(1, 0);
  gfx->ReadPixels(p, x, y, 1, 1, 0, 1);
  const unsigned v = static_cast<unsigned>(p[0]);
  return Rgb{static_cast<int>((v >> 16) & 255), static_cast<int>((v >> 8) & 255), static_cast<int>(v & 255)};
}

::testing::AssertionResult GlWindow::PixelsAre(std::initializer_list<PixelProbe> probes) {
  ::testing::AssertionResult result = ::testing::AssertionSuccess();
  bool failed = false;
  for (const PixelProbe& p : probes) {
    const Rgb got = Pixel(p.x, p.y);
    if (ColourNear(got, p.colour)) continue;
    if (!failed) result = ::testing::AssertionFailure();
    failed = true;
    result << "\n  pixel (" << p.x << ", " << p.y << ") is " << got << ", expected " << p.colour;
  }
  return result;
}

namespace {
void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), size);
}
}  // namespace

std::string EncodePng(int w, int h, int channels, const std::vector<unsigned char>& pixels) {
  std::string out;
  stbi_write_png_to_func(Append, &out, w, h, channels, pixels.data(), w * channels);
  return out;
}

std::string EncodeBmp(int w, int h, int channels, const std::vector<unsigned char>& pixels) {
  std::string out;
  stbi_write_bmp_to_func(Append, &out, w, h, channels, pixels.data());
  return out;
}

std::vector<unsigned char> QuadrantPixels(int w, int h) {
  static const unsigned char kColours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  std::vector<unsigned char> p(static_cast<size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const unsigned char* c = kColours[(y >= h / 2 ? 2 : 0) + (x >= w / 2 ? 1 : 0)];
      unsigned char* q = &p[(static_cast<size_t>(y) * w + x) * 4];
      q[0] = c[0];
      q[1] = c[1];
      q[2] = c[2];
      q[3] = 255;
    }
  return p;
}
