// Placeholder renderer until the batched one lands: clears the window.
#include "graphics/graphics.h"

#include <GL/gl.h>

#include "host/game.h"

gxtkGraphics* vx_graphics_device = nullptr;
gxtkGraphics* vx_graphics_renderDevice = nullptr;

void vx_graphics_InitGlobals() {
  vx_graphics_device = nullptr;
  vx_graphics_renderDevice = nullptr;
}

gxtkGraphics::gxtkGraphics() {
  width = VxGame::_game->GetDeviceWidth();
  height = VxGame::_game->GetDeviceHeight();
}

int gxtkGraphics::BeginRender() {
  width = VxGame::_game->GetDeviceWidth();
  height = VxGame::_game->GetDeviceHeight();
  glViewport(0, 0, width, height);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  return 1;
}

void gxtkGraphics::EndRender() {}

void vx_graphics_SetFont(c_Image*, int) {}
void vx_graphics_BeginRender() { vx_graphics_renderDevice = vx_graphics_device; }
void vx_graphics_EndRender() { vx_graphics_renderDevice = nullptr; }
