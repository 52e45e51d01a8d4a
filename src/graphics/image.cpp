// c_Image: a surface cut into frames with a handle, and the image loaders.
// A frame grid that cannot fit its surface is a fatal run-time error; a
// file that cannot be loaded just gives no image.
#include "graphics/graphics.h"
#include "host/errors.h"
#include "host/game.h"

namespace {
c_Frame FrameAt(int x, int y) {
  c_Frame f;
  f.m_new(x, y);
  return f;
}
}  // namespace

c_Image::~c_Image() {
  if (!m_sourceImage) delete m_surface;
}

// A frame count below one would divide the width by zero; it is read as one
// frame, the whole surface.
c_Image* c_Image::p_Init(gxtkSurface* surface, int frameCount, int flags) {
  if (m_surface) vxError("Image already initialized");
  if (!surface) return this;
  if (frameCount < 1) frameCount = 1;
  m_surface = surface;
  m_width = surface->Width() / frameCount;
  m_height = surface->Height();
  m_frames.clear();
  for (int i = 0; i < frameCount; ++i) m_frames.push_back(FrameAt(i * m_width, 0));
  p_ApplyFlags(flags);
  return this;
}

c_Image* c_Image::p_Init2(gxtkSurface* surface, int x, int y, int frameWidth, int frameHeight, int frameCount,
                          int flags, c_Image* sourceImage, int srcX, int srcY, int srcW, int srcH) {
  if (m_surface) vxError("Image already initialized");
  if (!surface) return this;
  m_surface = surface;
  m_sourceImage = sourceImage;
  m_width = frameWidth;
  m_height = frameHeight;
  m_frames.clear();
  // 64-bit, so that absurd sizes fail the fit test instead of wrapping.
  long long fx = x, fy = y;
  for (int i = 0; i < frameCount; ++i) {
    if (fx + frameWidth > srcW) {
      // Wider than the whole source: no row can hold it.
      if (frameWidth > srcW) vxError("Image frame outside surface");
      fx = 0;
      fy += frameHeight;
    }
    if (fy + frameHeight > srcH || frameWidth < 0 || frameHeight < 0) vxError("Image frame outside surface");
    m_frames.push_back(FrameAt(static_cast<int>(srcX + fx), static_cast<int>(srcY + fy)));
    fx += frameWidth;
  }
  p_ApplyFlags(flags);
  return this;
}

void c_Image::p_ApplyFlags(int flags) {
  // The whole-surface bit is the image's own finding, never the caller's.
  m_flags = flags & ~m_FlagWhole;
  if (m_flags & m_FlagPadX) {
    for (c_Frame& f : m_frames) f.m_x += 1;
    m_width -= 2;
  }
  if (m_flags & m_FlagPadY) {
    for (c_Frame& f : m_frames) f.m_y += 1;
    m_height -= 2;
  }
  if (m_flags & m_FlagCentre) {
    m_flags &= ~m_FlagCentre;
    m_handleX = m_width * 0.5f;
    m_handleY = m_height * 0.5f;
  }
  if (m_frames.size() == 1 && m_frames[0].m_x == 0 && m_frames[0].m_y == 0 && m_width == m_surface->Width() &&
      m_height == m_surface->Height())
    m_flags |= m_FlagWhole;
}

void c_Image::p_SetHandle(float x, float y) {
  m_handleX = x;
  m_handleY = y;
  m_flags &= ~m_FlagCentre;
}

// ---------------------------------------------------------------------------
// [SECTION] Loaders

namespace {
gxtkSurface* LoadImageSurface(const String& path) {
  if (!vx_graphics_device) return nullptr;
  return vx_graphics_device->LoadSurface(vx_data_FixDataPath(path));
}
}  // namespace

c_Image* vx_graphics_LoadImage(const String& path, int frameCount, int flags) {
  gxtkSurface* surface = LoadImageSurface(path);
  if (!surface) return nullptr;
  return (new c_Image())->m_new()->p_Init(surface, frameCount, flags);
}

c_Image* vx_graphics_LoadImage2(const String& path, int frameWidth, int frameHeight, int frameCount, int flags) {
  gxtkSurface* surface = LoadImageSurface(path);
  if (!surface) return nullptr;
  return (new c_Image())->m_new()->p_Init2(surface, 0, 0, frameWidth, frameHeight, frameCount, flags, nullptr, 0, 0,
                                           surface->Width(), surface->Height());
}

// A fallback font that failed to load is tried again at the next call.
void vx_graphics_SetFont(c_Image* font, int firstChar) {
  c_GraphicsContext* g = vx_graphics_context;
  if (font) {
    g->m_fontImage = font;
    g->m_fontFirstChar = firstChar;
    return;
  }
  if (!g->m_fallbackFont) g->m_fallbackFont = vx_graphics_LoadImage("tova_font.png", 96, 2);
  g->m_fontImage = g->m_fallbackFont;
  g->m_fontFirstChar = 32;
}
