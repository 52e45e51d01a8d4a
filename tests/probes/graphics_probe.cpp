// Child process for the graphics tests: one image operation that ends in a
// fatal run-time error, chosen by the first argument.
#include <cstdlib>
#include <string>

#include "graphics/graphics.h"
#include "host/glfw_game.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string what = argv[1];
  // No window is needed: images are cut on the CPU.
  new VxQuibexGame();
  vx_host_InitGlobals();
  vx_graphics_InitGlobals();
  vx_graphics_SetGraphicsDevice(new gxtkGraphics());
  if (what == "load2" && argc == 6) {
    c_Image* image = vx_graphics_LoadImage2(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), 0);
    return image ? 0 : 3;
  }
  if (what == "init-twice") {
    gxtkSurface* surface = new gxtkSurface();
    surface->width = surface->height = 8;
    c_Image* image = new c_Image();
    image->p_Init(surface, 1, 0);
    image->p_Init(surface, 1, 0);
    return 0;
  }
  return 2;
}
