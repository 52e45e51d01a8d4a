// The graphics context and the vx_graphics_ state and draw functions game
// code uses. Colour, alpha, blend and scissor reach the renderer at once; the
// matrix only before the next draw, so a run of changes costs one SetMatrix.
#include <cmath>

#include "graphics/graphics.h"
#include "host/globals.h"

namespace {

// Toward zero, held inside int's range (NaN gives 0).
int TruncToInt(float value) {
  if (!(value == value)) return 0;
  if (value <= -2147483648.0f) return -2147483647 - 1;
  if (value >= 2147483648.0f) return 2147483647;
  return static_cast<int>(value);
}

void MatrixChanged(c_GraphicsContext* g) {
  g->m_transformed = !(g->m_matA == 1 && g->m_matB == 0 && g->m_matC == 0 && g->m_matD == 1 && g->m_matTx == 0 &&
                       g->m_matTy == 0);
  g->m_matrixDirty = 1;
}

// The frame to draw, or null for an image without a surface or a frame
// number it does not have: such a draw draws nothing.
const c_Frame* FrameOf(const c_Image* image, int frame) {
  if (!image || !image->m_surface || frame < 0 || frame >= static_cast<int>(image->m_frames.size())) return nullptr;
  return &image->m_frames[frame];
}

}  // namespace

void c_GraphicsContext::p_Validate() {
  if (!m_matrixDirty || !vx_graphics_renderDevice) return;
  vx_graphics_renderDevice->SetMatrix(m_matA, m_matB, m_matC, m_matD, m_matTx, m_matTy);
  m_matrixDirty = 0;
}

// ---------------------------------------------------------------------------
// [SECTION] Device and frame

void vx_graphics_SetGraphicsDevice(gxtkGraphics* device) { vx_graphics_device = device; }

void vx_graphics_BeginRender() {
  vx_graphics_renderDevice = vx_graphics_device;
  c_GraphicsContext* g = vx_graphics_context;
  g->m_stackTop = 0;
  g->m_matA = 1;
  g->m_matB = 0;
  g->m_matC = 0;
  g->m_matD = 1;
  g->m_matTx = 0;
  g->m_matTy = 0;
  g->m_transformed = 0;
  g->m_matrixDirty = 1;
  vx_graphics_SetColor(255, 255, 255);
  vx_graphics_SetAlpha(1);
  vx_graphics_SetBlend(0);
  vx_graphics_SetScissor(0, 0, static_cast<float>(vx_app__devWidth), static_cast<float>(vx_app__devHeight));
}

void vx_graphics_EndRender() { vx_graphics_renderDevice = nullptr; }

// ---------------------------------------------------------------------------
// [SECTION] State

// Outside a render pass the state is kept and reaches no renderer.
void vx_graphics_SetColor(float r, float g, float b) {
  vx_graphics_context->m_red = r;
  vx_graphics_context->m_green = g;
  vx_graphics_context->m_blue = b;
  if (vx_graphics_renderDevice) vx_graphics_renderDevice->SetColor(r, g, b);
}

void vx_graphics_SetAlpha(float alpha) {
  vx_graphics_context->m_alpha = alpha;
  if (vx_graphics_renderDevice) vx_graphics_renderDevice->SetAlpha(alpha);
}

void vx_graphics_SetBlend(int mode) {
  vx_graphics_context->m_blendMode = mode;
  if (vx_graphics_renderDevice) vx_graphics_renderDevice->SetBlend(mode);
}

void vx_graphics_SetScissor(float x, float y, float w, float h) {
  c_GraphicsContext* g = vx_graphics_context;
  g->m_clipX = x;
  g->m_clipY = y;
  g->m_clipW = w;
  g->m_clipH = h;
  if (vx_graphics_renderDevice)
    vx_graphics_renderDevice->SetScissor(TruncToInt(x), TruncToInt(y), TruncToInt(w), TruncToInt(h));
}

void vx_graphics_SetMatrix(float a, float b, float c, float d, float tx, float ty) {
  c_GraphicsContext* g = vx_graphics_context;
  g->m_matA = a;
  g->m_matB = b;
  g->m_matC = c;
  g->m_matD = d;
  g->m_matTx = tx;
  g->m_matTy = ty;
  MatrixChanged(g);
}

// The array forms read and write only the first six elements; a shorter
// array is ignored (read) or filled as far as it goes (written).
void vx_graphics_SetMatrix2(const std::vector<float>& m) {
  if (m.size() >= 6) vx_graphics_SetMatrix(m[0], m[1], m[2], m[3], m[4], m[5]);
}

std::vector<float> vx_graphics_GetMatrix() {
  std::vector<float> m(6);
  vx_graphics_GetMatrix2(m);
  return m;
}

void vx_graphics_GetMatrix2(std::vector<float>& m) {
  const c_GraphicsContext* g = vx_graphics_context;
  const float values[6] = {g->m_matA, g->m_matB, g->m_matC, g->m_matD, g->m_matTx, g->m_matTy};
  for (size_t i = 0; i < 6 && i < m.size(); ++i) m[i] = values[i];
}

// Post-multiplies: the given transform acts on drawn points first.
void vx_graphics_Transform(float a, float b, float c, float d, float tx, float ty) {
  c_GraphicsContext* g = vx_graphics_context;
  const float A = g->m_matA, B = g->m_matB, C = g->m_matC, D = g->m_matD, TX = g->m_matTx, TY = g->m_matTy;
  g->m_matA = a * A + b * C;
  g->m_matB = a * B + b * D;
  g->m_matC = c * A + d * C;
  g->m_matD = c * B + d * D;
  g->m_matTx = tx * A + ty * C + TX;
  g->m_matTy = tx * B + ty * D + TY;
  MatrixChanged(g);
}

void vx_graphics_Transform2(const std::vector<float>& m) {
  if (m.size() >= 6) vx_graphics_Transform(m[0], m[1], m[2], m[3], m[4], m[5]);
}

void vx_graphics_Translate(float x, float y) { vx_graphics_Transform(1, 0, 0, 1, x, y); }

void vx_graphics_Scale(float sx, float sy) { vx_graphics_Transform(sx, 0, 0, sy, 0, 0); }

// The single-precision degrees-to-radians factor; the sine and cosine are
// taken in double and rounded, so Rotate(90) keeps a tiny cosine.
void vx_graphics_Rotate(float angle) {
  const float r = angle * 0.0174532924f;
  const float c = static_cast<float>(std::cos(static_cast<double>(r)));
  const float s = static_cast<float>(std::sin(static_cast<double>(r)));
  vx_graphics_Transform(c, -s, s, c, 0, 0);
}

void vx_graphics_PushMatrix() {
  c_GraphicsContext* g = vx_graphics_context;
  std::vector<float>& stack = g->m_matrixStack;
  if (g->m_stackTop + 6 > static_cast<int>(stack.size())) stack.resize(stack.empty() ? 192 : stack.size() * 2);
  float* top = stack.data() + g->m_stackTop;
  top[0] = g->m_matA;
  top[1] = g->m_matB;
  top[2] = g->m_matC;
  top[3] = g->m_matD;
  top[4] = g->m_matTx;
  top[5] = g->m_matTy;
  g->m_stackTop += 6;
}

// Popping an empty stack leaves the matrix as it is.
void vx_graphics_PopMatrix() {
  c_GraphicsContext* g = vx_graphics_context;
  if (g->m_stackTop < 6) return;
  g->m_stackTop -= 6;
  const float* top = g->m_matrixStack.data() + g->m_stackTop;
  g->m_matA = top[0];
  g->m_matB = top[1];
  g->m_matC = top[2];
  g->m_matD = top[3];
  g->m_matTx = top[4];
  g->m_matTy = top[5];
  MatrixChanged(g);
}

// ---------------------------------------------------------------------------
// [SECTION] Drawing

// Outside a render pass there is no render device and every draw does
// nothing.
void vx_graphics_DrawRect(float x, float y, float w, float h) {
  if (!vx_graphics_renderDevice) return;
  vx_graphics_context->p_Validate();
  vx_graphics_renderDevice->DrawRect(x, y, w, h);
}

void vx_graphics_DrawLine(float x1, float y1, float x2, float y2) {
  if (!vx_graphics_renderDevice) return;
  vx_graphics_context->p_Validate();
  vx_graphics_renderDevice->DrawLine(x1, y1, x2, y2);
}

void vx_graphics_DrawOval(float x, float y, float w, float h) {
  if (!vx_graphics_renderDevice) return;
  vx_graphics_context->p_Validate();
  vx_graphics_renderDevice->DrawOval(x, y, w, h);
}

void vx_graphics_DrawPoly(const std::vector<float>& xy) {
  if (!vx_graphics_renderDevice) return;
  vx_graphics_context->p_Validate();
  vx_graphics_renderDevice->DrawPoly(xy);
}

void vx_graphics_DrawPoly2(const std::vector<float>& xyuv, c_Image* image, int frame) {
  const c_Frame* f = FrameOf(image, frame);
  if (!vx_graphics_renderDevice || !f) return;
  vx_graphics_context->p_Validate();
  vx_graphics_renderDevice->DrawPoly2(xyuv, image->m_surface, f->m_x, f->m_y);
}

void vx_graphics_DrawImage(c_Image* image, float x, float y, int frame) {
  const c_Frame* f = FrameOf(image, frame);
  if (!vx_graphics_renderDevice || !f) return;
  vx_graphics_context->p_Validate();
  if (image->m_flags & c_Image::m_FlagWhole)
    vx_graphics_renderDevice->DrawSurface(image->m_surface, x - image->m_handleX, y - image->m_handleY);
  else
    vx_graphics_renderDevice->DrawSurface2(image->m_surface, x - image->m_handleX, y - image->m_handleY, f->m_x,
                                           f->m_y, image->m_width, image->m_height);
}

void vx_graphics_DrawImage2(c_Image* image, float x, float y, float rotation, float scaleX, float scaleY, int frame) {
  const c_Frame* f = FrameOf(image, frame);
  if (!vx_graphics_renderDevice || !f) return;
  vx_graphics_PushMatrix();
  vx_graphics_Transform(1, 0, 0, 1, x, y);
  vx_graphics_Rotate(rotation);
  vx_graphics_Scale(scaleX, scaleY);
  vx_graphics_Transform(1, 0, 0, 1, -image->m_handleX, -image->m_handleY);
  vx_graphics_context->p_Validate();
  if (image->m_flags & c_Image::m_FlagWhole)
    vx_graphics_renderDevice->DrawSurface(image->m_surface, 0, 0);
  else
    vx_graphics_renderDevice->DrawSurface2(image->m_surface, 0, 0, f->m_x, f->m_y, image->m_width, image->m_height);
  vx_graphics_PopMatrix();
}
