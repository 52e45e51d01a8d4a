// Graphics module: the renderer device, the graphics context and the
// vx_graphics_ functions. (Placeholder renderer: it only clears the window.)
#pragma once

class c_Image;

class gxtkGraphics {
 public:
  gxtkGraphics();
  int BeginRender();
  void EndRender();
  void DiscardGraphics() {}
  int Width() const { return width; }
  int Height() const { return height; }

 private:
  int width = 0, height = 0;
};

extern gxtkGraphics* vx_graphics_device;        // the renderer, set by the delegate at start
extern gxtkGraphics* vx_graphics_renderDevice;  // the renderer while a render pass is open

void vx_graphics_InitGlobals();
void vx_graphics_SetFont(c_Image* font, int firstChar);
void vx_graphics_BeginRender();
void vx_graphics_EndRender();
