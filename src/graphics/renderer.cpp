// gxtkGraphics: the batched 2D renderer on OpenGL 1.x client-side arrays.
// Every vertex is transformed here on the CPU, so colour, alpha and matrix
// changes never break a batch. OpenGL errors while drawing are not queried.
// Surfaces and their loading are in surface.cpp.
#include <GL/gl.h>

#include <cmath>
#include <cstring>

#include "graphics/graphics.h"
#include "host/game.h"
#include "host/globals.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "packedColour must lie in memory as R, G, B, A");

namespace {

// A colour product truncated toward zero. Values outside a byte are held at
// its ends: unmasked they would spill into the neighbouring channel.
uint32_t ColourByte(float value) {
  if (!(value > 0)) return 0;  // negative or NaN
  if (value >= 255) return 255;
  return static_cast<uint32_t>(static_cast<int>(value));
}

int ClampToInt(long long value) {
  if (value < -2147483647LL - 1) return -2147483647 - 1;
  if (value > 2147483647LL) return 2147483647;
  return static_cast<int>(value);
}

// True when every one of the `rows` rows of `w` ints starting at
// offset + i * pitch lies inside an array of `size` ints.
bool RowsInside(long long size, int offset, int pitch, int w, int rows) {
  if (w <= 0 || rows <= 0 || offset < 0) return false;
  const long long first = offset, last = offset + static_cast<long long>(rows - 1) * pitch;
  return first >= 0 && last >= 0 && first + w <= size && last + w <= size;
}

// A textured draw needs the surface's texel scales before it writes its
// texture coordinates, and those are only known once its texture exists in
// this context; a surface loaded before the window gets it here.
void EnsureTexture(gxtkSurface* surface) {
  if (surface->contextSeq != glfwGraphicsSeq) surface->Bind();
}

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Frame

gxtkGraphics::gxtkGraphics() : vertexBuffer() {
  if (VxGame::_game) {
    width = VxGame::_game->GetDeviceWidth();
    height = VxGame::_game->GetDeviceHeight();
  }
  for (int q = 0; q < kMaxVertices / 4; ++q) {
    const uint16_t v = static_cast<uint16_t>(q * 4);
    uint16_t* i = quadIndices + q * 6;
    i[0] = v;
    i[1] = static_cast<uint16_t>(v + 1);
    i[2] = static_cast<uint16_t>(v + 2);
    i[3] = v;
    i[4] = static_cast<uint16_t>(v + 2);
    i[5] = static_cast<uint16_t>(v + 3);
  }
}

int gxtkGraphics::BeginRender() {
  width = VxGame::_game ? VxGame::_game->GetDeviceWidth() : 0;
  height = VxGame::_game ? VxGame::_game->GetDeviceHeight() : 0;
  if (width < 0) width = 0;
  if (height < 0) height = 0;

  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // A minimised window has no area: an empty viewport already draws nothing,
  // and an ortho box of zero extent is an invalid division for OpenGL.
  if (width > 0 && height > 0) glOrtho(0, width, height, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(2, GL_FLOAT, sizeof(gxtkVertex), &vertexBuffer[0].x);
  glTexCoordPointer(2, GL_FLOAT, sizeof(gxtkVertex), &vertexBuffer[0].u);
  glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(gxtkVertex), &vertexBuffer[0].colour);

  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_TEXTURE_2D);

  batchCount = 0;
  stats = gxtkRenderStats();
  return 1;
}

void gxtkGraphics::EndRender() {
  Flush();
  lastStats = stats;
}

// ---------------------------------------------------------------------------
// [SECTION] Batch

gxtkVertex* gxtkGraphics::Begin(int kind, int count, gxtkSurface* surface) {
  if (kind < 1 || count < 1 || count > kMaxVertices) return nullptr;
  if (kind != batchKind || surface != batchSurface || batchCount + count > kMaxVertices) {
    Flush();
    batchKind = kind;
    batchSurface = surface;
  }
  gxtkVertex* first = vertexBuffer + batchCount;
  batchCount += count;
  return first;
}

void gxtkGraphics::Flush() {
  if (batchCount == 0) return;
  if (batchSurface) {
    glEnable(GL_TEXTURE_2D);
    batchSurface->Bind();
  }
  switch (batchKind) {
    case 1:
      glDrawArrays(GL_POINTS, 0, batchCount);
      ++stats.drawCalls;
      break;
    case 2:
      glDrawArrays(GL_LINES, 0, batchCount);
      ++stats.drawCalls;
      break;
    case 3:
      glDrawArrays(GL_TRIANGLES, 0, batchCount);
      ++stats.drawCalls;
      break;
    case 4:
      glDrawElements(GL_TRIANGLES, batchCount / 4 * 6, GL_UNSIGNED_SHORT, quadIndices);
      ++stats.drawCalls;
      break;
    default:
      for (int first = 0; first + batchKind <= batchCount; first += batchKind) {
        glDrawArrays(GL_TRIANGLE_FAN, first, batchKind);
        ++stats.drawCalls;
      }
      break;
  }
  stats.vertices += batchCount;
  if (batchSurface) glDisable(GL_TEXTURE_2D);
  batchCount = 0;
}

void gxtkGraphics::Put(gxtkVertex* v, float x, float y, float u, float tv) {
  if (transformed) {
    v->x = matA * x + matC * y + matTx;
    v->y = matB * x + matD * y + matTy;
  } else {
    v->x = x;
    v->y = y;
  }
  v->u = u;
  v->v = tv;
  v->colour = packedColour;
}

// ---------------------------------------------------------------------------
// [SECTION] State

void gxtkGraphics::Cls(float r, float g, float b) {
  batchCount = 0;
  glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1);
  glClear(GL_COLOR_BUFFER_BIT);
}

void gxtkGraphics::UpdatePackedColour() {
  packedColour = (ColourByte(alpha * 255) << 24) | (ColourByte(blue * alpha) << 16) |
                 (ColourByte(green * alpha) << 8) | ColourByte(red * alpha);
}

void gxtkGraphics::SetAlpha(float a) {
  alpha = a;
  UpdatePackedColour();
}

void gxtkGraphics::SetColor(float r, float g, float b) {
  red = r;
  green = g;
  blue = b;
  UpdatePackedColour();
}

void gxtkGraphics::SetBlend(int mode) {
  Flush();
  if (mode == 1)
    glBlendFunc(GL_ONE, GL_ONE);
  else
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
}

void gxtkGraphics::SetScissor(int x, int y, int w, int h) {
  Flush();
  if (x == 0 && y == 0 && w == Width() && h == Height()) {
    glDisable(GL_SCISSOR_TEST);
    return;
  }
  glEnable(GL_SCISSOR_TEST);
  // OpenGL refuses a negative size; an empty box clips everything.
  glScissor(x, ClampToInt(static_cast<long long>(Height()) - y - h), w < 0 ? 0 : w, h < 0 ? 0 : h);
}

void gxtkGraphics::SetMatrix(float a, float b, float c, float d, float tx, float ty) {
  matA = a;
  matB = b;
  matC = c;
  matD = d;
  matTx = tx;
  matTy = ty;
  transformed = !(a == 1 && b == 0 && c == 0 && d == 1 && tx == 0 && ty == 0);
}

// ---------------------------------------------------------------------------
// [SECTION] Primitives

void gxtkGraphics::DrawPoint(float x, float y) {
  gxtkVertex* v = Begin(1, 1, nullptr);
  Put(v, x, y, v->u, v->v);
  v->x += 0.5f;
  v->y += 0.5f;
}

void gxtkGraphics::DrawRect(float x, float y, float w, float h) {
  gxtkVertex* v = Begin(4, 4, nullptr);
  Put(v + 0, x, y, v[0].u, v[0].v);
  Put(v + 1, x + w, y, v[1].u, v[1].v);
  Put(v + 2, x + w, y + h, v[2].u, v[2].v);
  Put(v + 3, x, y + h, v[3].u, v[3].v);
}

void gxtkGraphics::DrawLine(float x1, float y1, float x2, float y2) {
  gxtkVertex* v = Begin(2, 2, nullptr);
  Put(v + 0, x1, y1, v[0].u, v[0].v);
  Put(v + 1, x2, y2, v[1].u, v[1].v);
  for (int i = 0; i < 2; ++i) {
    v[i].x += 0.5f;
    v[i].y += 0.5f;
  }
}

void gxtkGraphics::DrawOval(float x, float y, float w, float h) {
  const float rx = w * 0.5f, ry = h * 0.5f;
  const float cx = x + rx, cy = y + ry;
  float m;
  if (transformed)
    m = std::sqrt((matA * rx) * (matA * rx) + (matB * rx) * (matB * rx)) +
        std::sqrt((matC * ry) * (matC * ry) + (matD * ry) * (matD * ry));
  else
    m = std::fabs(rx) + std::fabs(ry);
  int n;
  if (!(m >= 12))  // small, or NaN
    n = 12;
  else if (m >= 1025)
    n = 1024;
  else
    n = static_cast<int>(m) & ~3;

  gxtkVertex* v = Begin(n, n, nullptr);
  for (int i = 0; i < n; ++i) {
    const float theta = static_cast<float>(i) * 6.2831855f / static_cast<float>(n);
    Put(v + i, cx + std::cos(theta) * rx, cy - std::sin(theta) * ry, v[i].u, v[i].v);
  }
}

void gxtkGraphics::DrawPoly(const std::vector<float>& xy) { DrawPoly(xy.data(), static_cast<int>(xy.size())); }

void gxtkGraphics::DrawPoly(const float* xy, int count) {
  const int n = count / 2;
  if (n < 1 || n > kMaxVertices) return;
  gxtkVertex* v = Begin(n, n, nullptr);
  for (int i = 0; i < n; ++i) Put(v + i, xy[i * 2], xy[i * 2 + 1], v[i].u, v[i].v);
}

void gxtkGraphics::DrawPoly2(const std::vector<float>& xyuv, gxtkSurface* surface, int srcX, int srcY) {
  DrawPoly2(xyuv.data(), static_cast<int>(xyuv.size()), surface, srcX, srcY);
}

void gxtkGraphics::DrawPoly2(const float* xyuv, int count, gxtkSurface* surface, int srcX, int srcY) {
  const int n = count / 4;
  if (!surface || n < 1 || n > kMaxVertices) return;
  gxtkVertex* v = Begin(n, n, surface);
  EnsureTexture(surface);
  const float su = surface->texelScaleU, sv = surface->texelScaleV;
  for (int i = 0; i < n; ++i) {
    const float* p = xyuv + i * 4;
    Put(v + i, p[0], p[1], (srcX + p[2]) * su, (srcY + p[3]) * sv);
  }
}

void gxtkGraphics::DrawSurface(gxtkSurface* surface, float x, float y) {
  if (!surface) return;
  gxtkVertex* v = Begin(4, 4, surface);
  EnsureTexture(surface);
  const float w = static_cast<float>(surface->Width()), h = static_cast<float>(surface->Height());
  const float u = w * surface->texelScaleU, t = h * surface->texelScaleV;
  Put(v + 0, x, y, 0, 0);
  Put(v + 1, x + w, y, u, 0);
  Put(v + 2, x + w, y + h, u, t);
  Put(v + 3, x, y + h, 0, t);
}

void gxtkGraphics::DrawSurface2(gxtkSurface* surface, float x, float y, int srcX, int srcY, int srcW, int srcH) {
  if (!surface) return;
  gxtkVertex* v = Begin(4, 4, surface);
  EnsureTexture(surface);
  const float su = surface->texelScaleU, sv = surface->texelScaleV;
  const float u0 = srcX * su, v0 = srcY * sv;
  const float u1 = static_cast<float>(srcX + srcW) * su, v1 = static_cast<float>(srcY + srcH) * sv;
  Put(v + 0, x, y, u0, v0);
  Put(v + 1, x + srcW, y, u1, v0);
  Put(v + 2, x + srcW, y + srcH, u1, v1);
  Put(v + 3, x, y + srcH, u0, v1);
}

// ---------------------------------------------------------------------------
// [SECTION] Pixels

// A rectangle whose rows do not all fit the destination array reads nothing.
void gxtkGraphics::ReadPixels(std::vector<int>& pixels, int x, int y, int w, int h, int offset, int pitch) {
  Flush();
  const long long size = static_cast<long long>(pixels.size());
  if (!RowsInside(size, offset, pitch, w, h) || static_cast<long long>(w) * h > size) return;
  std::vector<int> rows(static_cast<size_t>(w) * h, 0);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(x, ClampToInt(static_cast<long long>(height) - y - h), w, h, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
  for (int i = 0; i < h; ++i)
    std::memcpy(&pixels[offset + static_cast<long long>(i) * pitch], &rows[static_cast<size_t>(h - 1 - i) * w],
                sizeof(int) * w);
}

void gxtkGraphics::WritePixels2(gxtkSurface* surface, const std::vector<int>& pixels, int x, int y, int w, int h,
                                int offset, int pitch) {
  if (!surface || surface->channels != 4) return;
  if (!RowsInside(static_cast<long long>(pixels.size()), offset, pitch, w, h)) return;
  surface->SetSubData(x, y, w, h, pixels.data() + offset, pitch);
}
