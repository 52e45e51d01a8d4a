// The image path from a PNG file to an image cut into frames: the host's
// decoder, the surface's premultiplication and the frame grid, as the
// toolkit loads every sheet (before any window exists, so no texture).
// The surface must hold every pixel it claims, premultiplied.
#include <algorithm>

#include "fuzz/harness.h"
#include "graphics/graphics.h"
#include "host/glfw_game.h"
#include "host/init.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  new VxGlfwGame();
  vxInit();
  vx_graphics_SetGraphicsDevice(new gxtkGraphics());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::WriteInput("in.png", data, size);
  gxtkSurface* s = vx_graphics_device->LoadSurface(String(path.c_str()));
  if (!s) return 0;
  if (!s->pixels || s->width < 1 || s->height < 1 || s->channels < 1 || s->channels > 4)
    fuzz::Fail("an image was accepted without a usable surface");
  const size_t pixels = static_cast<size_t>(s->width) * static_cast<size_t>(s->height);
  fuzz::Touch(s->pixels, pixels * static_cast<size_t>(s->channels));
  // Alpha is the last channel of grey + alpha and of RGBA.
  if (s->channels == 2 || s->channels == 4) {
    const int n = s->channels;
    for (size_t i = 0; i < pixels; ++i) {
      const unsigned char* p = s->pixels + i * static_cast<size_t>(n);
      for (int c = 0; c < n - 1; ++c)
        if (p[c] > p[n - 1]) fuzz::Fail("a colour exceeds its alpha after premultiplication");
    }
  }

  // A grid that fits the decoded sheet (one that does not is a fatal error
  // by design), with 1-32 columns and rows picked by the input's size.
  const int cols = std::min(1 << (size % 6), s->width), rows = std::min(1 << (size / 6 % 6), s->height);
  c_Image* image = (new c_Image())->m_new()->p_Init2(s, 0, 0, s->width / cols, s->height / rows, cols * rows,
                                                     c_Image::m_FlagCentre, nullptr, 0, 0, s->width, s->height);
  if (image->p_Frames() != cols * rows) fuzz::Fail("the frame count differs from the one asked for");
  delete image;
  return 0;
}
