// Graphics module: the batched OpenGL 1.x renderer (gxtkGraphics), surfaces
// with their lazily made textures (gxtkSurface), images cut into frames
// (c_Image, c_Frame), the graphics context with its matrix stack, and the
// vx_graphics_ functions game code draws through. The module's globals are
// declared at the end of this header and defined in globals.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "host/string.h"

class c_Image;

// ---------------------------------------------------------------------------
// [SECTION] Surfaces

// One decoded image: the pixels stay in memory for the surface's life, so its
// texture can be rebuilt in every new OpenGL context.
class gxtkSurface {
 public:
  unsigned char* pixels = nullptr;  // rows top down, premultiplied; malloc'd, owned
  int width = 0, height = 0;
  int channels = 0;                 // 1 grey, 2 grey + alpha, 3 RGB, 4 RGBA
  int glFormat = 0;                 // internal and external format alike
  int contextSeq = -1;              // glfwGraphicsSeq of the texture; -1 none
  unsigned int textureName = 0;     // valid only while contextSeq is current
  float texelScaleU = 0, texelScaleV = 0;  // 1 / texture width, 1 / texture height

  virtual ~gxtkSurface();
  virtual void Discard();
  virtual int Width() { return width; }
  virtual int Height() { return height; }
  virtual bool Loaded() { return true; }
  virtual void OnUnsafeLoadComplete() { Bind(); }

  // Makes the texture current, creating it first in a new context.
  void Bind();
  // Writes w x h source pixels (0xAARRGGBB, row r at source + r * pitch) at
  // (x, y), premultiplied. RGBA surfaces only; a rectangle that does not lie
  // inside the surface is refused.
  void SetSubData(int x, int y, int w, int h, const int* source, int pitch);
};

// ---------------------------------------------------------------------------
// [SECTION] Renderer

// One batched vertex as OpenGL reads it: 20 bytes, colour bytes R, G, B, A.
struct gxtkVertex {
  float x, y, u, v;
  uint32_t colour;
};
static_assert(sizeof(gxtkVertex) == 20, "the vertex arrays assume a 20-byte stride");

// What the renderer sent to OpenGL: draw calls and the vertices they drew.
struct gxtkRenderStats {
  int drawCalls = 0;
  int vertices = 0;
};

// The one 2D renderer. Vertices are transformed on the CPU and collected in a
// single batch, which goes to OpenGL only when the primitive kind or the
// surface changes, the batch is full, blend, scissor or a pixel read needs
// OpenGL's state, or the frame ends.
class gxtkGraphics {
 public:
  static constexpr int kMaxVertices = 1024;

  int width = 0, height = 0;        // window size at creation and at each BeginRender
  uint32_t packedColour = 0;        // premultiplied; in memory R, G, B, A
  float red = 0, green = 0, blue = 0, alpha = 0;
  float matA = 1, matB = 0, matC = 0, matD = 1, matTx = 0, matTy = 0;
  bool transformed = false;
  gxtkVertex vertexBuffer[kMaxVertices];
  uint16_t quadIndices[kMaxVertices / 4 * 6];  // 256 quads as two triangles each
  int batchKind = 0;                // vertices per primitive; >= 5 a fan
  int batchCount = 0;
  gxtkSurface* batchSurface = nullptr;
  gxtkRenderStats stats;            // of the frame being drawn, since BeginRender
  gxtkRenderStats lastStats;        // of the last finished frame, set by EndRender

  gxtkGraphics();
  virtual ~gxtkGraphics() = default;

  virtual int Width() { return width; }
  virtual int Height() { return height; }
  virtual int BeginRender();
  virtual void EndRender();
  virtual void DiscardGraphics() {}

  virtual gxtkSurface* LoadSurface(const String& path);
  virtual gxtkSurface* CreateSurface(int width, int height);
  virtual bool LoadSurface__UNSAFE__(gxtkSurface* surface, const String& path);

  virtual void Cls(float r, float g, float b);
  virtual void SetAlpha(float alpha);
  virtual void SetColor(float r, float g, float b);
  virtual void SetBlend(int mode);
  virtual void SetScissor(int x, int y, int w, int h);
  virtual void SetMatrix(float a, float b, float c, float d, float tx, float ty);

  virtual void DrawPoint(float x, float y);
  virtual void DrawRect(float x, float y, float w, float h);
  virtual void DrawLine(float x1, float y1, float x2, float y2);
  virtual void DrawOval(float x, float y, float w, float h);
  virtual void DrawPoly(const std::vector<float>& xy);
  virtual void DrawPoly2(const std::vector<float>& xyuv, gxtkSurface* surface, int srcX, int srcY);
  virtual void DrawSurface(gxtkSurface* surface, float x, float y);
  virtual void DrawSurface2(gxtkSurface* surface, float x, float y, int srcX, int srcY, int srcW, int srcH);

  virtual void ReadPixels(std::vector<int>& pixels, int x, int y, int w, int h, int offset, int pitch);
  virtual void WritePixels2(gxtkSurface* surface, const std::vector<int>& pixels, int x, int y, int w, int h,
                            int offset, int pitch);

  // The same polygons from a plain array of `count` floats, so callers with
  // a fixed buffer need not build a vector per draw.
  void DrawPoly(const float* xy, int count);
  void DrawPoly2(const float* xyuv, int count, gxtkSurface* surface, int srcX, int srcY);

  // Room for `count` vertices of primitive `kind` drawn with `surface`;
  // null when count is outside 1..1024 or kind below 1.
  gxtkVertex* Begin(int kind, int count, gxtkSurface* surface);
  void Flush();

 private:
  void UpdatePackedColour();
  void Put(gxtkVertex* v, float x, float y, float u, float tv);
};

// ---------------------------------------------------------------------------
// [SECTION] Images and the graphics context

class c_Frame {
 public:
  int m_x = 0, m_y = 0;  // top-left of the frame in the surface, pixels
  c_Frame* m_new(int x, int y) {
    m_x = x;
    m_y = y;
    return this;
  }
};

// An image loaded from a file owns its surface and releases it with itself;
// one cut from another image (m_sourceImage) shares that image's surface.
class c_Image {
 public:
  static constexpr int m_FlagCentre = 1;
  static constexpr int m_FlagPadX = 2;
  static constexpr int m_FlagPadY = 4;
  static constexpr int m_FlagWhole = 65536;
  static int m_DefaultFlags;

  gxtkSurface* m_surface = nullptr;
  int m_width = 0, m_height = 0;     // one frame, pixels
  std::vector<c_Frame> m_frames;
  int m_flags = 0;
  float m_handleX = 0, m_handleY = 0;
  c_Image* m_sourceImage = nullptr;  // kept so the shared surface stays alive

  ~c_Image();
  c_Image* m_new() { return this; }
  c_Image* p_Init(gxtkSurface* surface, int frameCount, int flags);
  c_Image* p_Init2(gxtkSurface* surface, int x, int y, int frameWidth, int frameHeight, int frameCount, int flags,
                   c_Image* sourceImage, int srcX, int srcY, int srcW, int srcH);
  void p_ApplyFlags(int flags);
  void p_SetHandle(float x, float y);
  int p_Width() const { return m_width; }
  int p_Height() const { return m_height; }
  int p_Frames() const { return static_cast<int>(m_frames.size()); }
};

class c_GraphicsContext {
 public:
  c_Image* m_fallbackFont = nullptr;
  c_Image* m_fontImage = nullptr;
  int m_fontFirstChar = 0;
  int m_stackTop = 0;  // floats in use on the stack, 6 per saved matrix
  float m_matA = 1, m_matB = 0, m_matC = 0, m_matD = 1, m_matTx = 0, m_matTy = 0;
  int m_transformed = 0;
  int m_matrixDirty = 0;  // the renderer has not been given the matrix yet
  float m_red = 0, m_green = 0, m_blue = 0;
  float m_alpha = 0;
  int m_blendMode = 0;
  float m_clipX = 0, m_clipY = 0, m_clipW = 0, m_clipH = 0;
  std::vector<float> m_matrixStack = std::vector<float>(192);

  c_GraphicsContext* m_new() { return this; }
  void p_Validate();
};

// Device and frame.
void vx_graphics_SetGraphicsDevice(gxtkGraphics* device);
void vx_graphics_BeginRender();
void vx_graphics_EndRender();

// State.
void vx_graphics_SetColor(float r, float g, float b);
void vx_graphics_SetAlpha(float alpha);
void vx_graphics_SetBlend(int mode);
void vx_graphics_SetScissor(float x, float y, float w, float h);
void vx_graphics_SetMatrix(float a, float b, float c, float d, float tx, float ty);
void vx_graphics_SetMatrix2(const std::vector<float>& m);
std::vector<float> vx_graphics_GetMatrix();
void vx_graphics_GetMatrix2(std::vector<float>& m);
void vx_graphics_Transform(float a, float b, float c, float d, float tx, float ty);
void vx_graphics_Transform2(const std::vector<float>& m);
void vx_graphics_Translate(float x, float y);
void vx_graphics_Scale(float sx, float sy);
void vx_graphics_Rotate(float angle);
void vx_graphics_PushMatrix();
void vx_graphics_PopMatrix();

// Drawing; only between vx_graphics_BeginRender and vx_graphics_EndRender.
void vx_graphics_DrawRect(float x, float y, float w, float h);
void vx_graphics_DrawLine(float x1, float y1, float x2, float y2);
void vx_graphics_DrawOval(float x, float y, float w, float h);
void vx_graphics_DrawPoly(const std::vector<float>& xy);
void vx_graphics_DrawPoly2(const std::vector<float>& xyuv, c_Image* image, int frame);
void vx_graphics_DrawImage(c_Image* image, float x, float y, int frame);
void vx_graphics_DrawImage2(c_Image* image, float x, float y, float rotation, float scaleX, float scaleY, int frame);

// Images.
c_Image* vx_graphics_LoadImage(const String& path, int frameCount, int flags);
c_Image* vx_graphics_LoadImage2(const String& path, int frameWidth, int frameHeight, int frameCount, int flags);
void vx_graphics_SetFont(c_Image* font, int firstChar);

// ---------------------------------------------------------------------------
// [SECTION] Globals (defined in globals.cpp)

extern gxtkGraphics* vx_graphics_device;        // the renderer, set by the delegate at start
extern gxtkGraphics* vx_graphics_renderDevice;  // the renderer while a render pass is open, else null
extern c_GraphicsContext* vx_graphics_context;  // matrix, colour, blend, scissor and font of the game's drawing

void vx_graphics_InitGlobals();
