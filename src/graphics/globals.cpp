// Definitions and start values of the graphics module's globals.
#include "graphics/graphics.h"

gxtkGraphics* vx_graphics_device = nullptr;
gxtkGraphics* vx_graphics_renderDevice = nullptr;
c_GraphicsContext* vx_graphics_context = nullptr;
int c_Image::m_DefaultFlags = 0;

void vx_graphics_InitGlobals() {
  vx_graphics_device = nullptr;
  vx_graphics_renderDevice = nullptr;
  delete vx_graphics_context;
  vx_graphics_context = (new c_GraphicsContext())->m_new();
  c_Image::m_DefaultFlags = 0;
}
