// gxtkSurface and the renderer's surface loaders: decoded pixels kept in
// memory, premultiplied once at load, and a texture made lazily in each
// OpenGL context from them. Decoding itself is the host's (LoadImageData).
#include <GL/gl.h>

#include <cstdlib>

#include "graphics/graphics.h"
#include "host/game.h"
#include "host/globals.h"

namespace {

// Surfaces made in code get the same bound as decoded images.
constexpr int kMaxSurfaceSide = 8192;

int FormatOf(int channels) {
  switch (channels) {
    case 1: return GL_LUMINANCE;
    case 2: return GL_LUMINANCE_ALPHA;
    case 3: return GL_RGB;
    default: return GL_RGBA;
  }
}

int PowerOfTwoAtLeast(int n) {
  int p = 1;
  while (p < n && p < (1 << 30)) p <<= 1;
  return p;
}

bool TextureIsCurrent(const gxtkSurface* s) { return glfwGraphicsSeq != 0 && s->contextSeq == glfwGraphicsSeq; }

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Surface

gxtkSurface::~gxtkSurface() {
  // A batch still pending with this surface is drawn now, while its pixels
  // exist, and the renderer forgets the pointer.
  if (vx_graphics_device && vx_graphics_device->batchSurface == this) {
    if (glfwGraphicsSeq != 0) vx_graphics_device->Flush();
    vx_graphics_device->batchCount = 0;
    vx_graphics_device->batchSurface = nullptr;
  }
  gxtkSurface::Discard();
}

void gxtkSurface::Discard() {
  if (TextureIsCurrent(this) && textureName != 0) {
    GLuint name = textureName;
    glDeleteTextures(1, &name);
  }
  contextSeq = -1;
  textureName = 0;
  std::free(pixels);
  pixels = nullptr;
}

// If both allocations fail, the pixels are kept all the same: the next
// context may well take the texture.
void gxtkSurface::Bind() {
  if (glfwGraphicsSeq == 0) return;
  if (contextSeq == glfwGraphicsSeq) {
    glBindTexture(GL_TEXTURE_2D, textureName);
    return;
  }
  contextSeq = glfwGraphicsSeq;
  GLuint name = 0;
  glGenTextures(1, &name);
  textureName = name;
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

  // An error left over from earlier calls must not pass for ours.
  for (int i = 0; i < 32 && glGetError() != GL_NO_ERROR; ++i) {
  }
  int texWidth = width, texHeight = height;
  glTexImage2D(GL_TEXTURE_2D, 0, glFormat, texWidth, texHeight, 0, glFormat, GL_UNSIGNED_BYTE, nullptr);
  if (glGetError() != GL_NO_ERROR) {
    texWidth = PowerOfTwoAtLeast(width);
    texHeight = PowerOfTwoAtLeast(height);
    glTexImage2D(GL_TEXTURE_2D, 0, glFormat, texWidth, texHeight, 0, glFormat, GL_UNSIGNED_BYTE, nullptr);
  }
  texelScaleU = 1.0f / static_cast<float>(texWidth);
  texelScaleV = 1.0f / static_cast<float>(texHeight);

  if (pixels) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, glFormat, GL_UNSIGNED_BYTE, pixels);
  }
}

void gxtkSurface::SetSubData(int x, int y, int w, int h, const int* source, int pitch) {
  if (channels != 4 || !source) return;
  if (w <= 0 || h <= 0 || x < 0 || y < 0 || x > width - w || y > height - h) return;
  if (!pixels) {
    // Zeroed, so the part never written shows as transparent, not as garbage.
    pixels = static_cast<unsigned char*>(std::calloc(static_cast<size_t>(width) * height, 4));
    if (!pixels) return;
  }
  for (int row = 0; row < h; ++row) {
    const int* in = source + static_cast<long long>(row) * pitch;
    unsigned char* out = pixels + (static_cast<size_t>(y + row) * width + x) * 4;
    for (int col = 0; col < w; ++col, out += 4) {
      const uint32_t p = static_cast<uint32_t>(in[col]);
      const uint32_t a = p >> 24;
      out[0] = static_cast<unsigned char>(((p >> 16) & 255) * a / 255);
      out[1] = static_cast<unsigned char>(((p >> 8) & 255) * a / 255);
      out[2] = static_cast<unsigned char>((p & 255) * a / 255);
      out[3] = static_cast<unsigned char>(a);
    }
  }
  if (!TextureIsCurrent(this)) return;  // reaches the texture when it is made
  glBindTexture(GL_TEXTURE_2D, textureName);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  if (w == width) {
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE,
                    pixels + static_cast<size_t>(y) * width * 4);
  } else {
    for (int row = 0; row < h; ++row)
      glTexSubImage2D(GL_TEXTURE_2D, 0, x, y + row, w, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                      pixels + (static_cast<size_t>(y + row) * width + x) * 4);
  }
}

// ---------------------------------------------------------------------------
// [SECTION] Loading

gxtkSurface* gxtkGraphics::LoadSurface(const String& path) {
  gxtkSurface* surface = new gxtkSurface();
  if (!LoadSurface__UNSAFE__(surface, path)) {
    delete surface;
    return nullptr;
  }
  surface->Bind();
  return surface;
}

// Sizes outside 1..8192 give no surface rather than an impossible texture.
gxtkSurface* gxtkGraphics::CreateSurface(int w, int h) {
  if (w < 1 || h < 1 || w > kMaxSurfaceSide || h > kMaxSurfaceSide) return nullptr;
  gxtkSurface* surface = new gxtkSurface();
  surface->width = w;
  surface->height = h;
  surface->channels = 4;
  surface->glFormat = GL_RGBA;
  surface->Bind();
  return surface;
}

bool gxtkGraphics::LoadSurface__UNSAFE__(gxtkSurface* surface, const String& path) {
  if (!surface || !VxGame::_game) return false;
  int w = 0, h = 0, channels = 0;
  unsigned char* data = VxGame::_game->LoadImageData(path, &w, &h, &channels);
  if (!data) return false;
  if (w < 1 || h < 1 || channels < 1 || channels > 4) {
    std::free(data);
    return false;
  }
  surface->Discard();  // a reloaded surface must not keep the old picture's texture
  surface->pixels = data;
  surface->width = w;
  surface->height = h;
  surface->channels = channels;
  surface->glFormat = FormatOf(channels);

  const size_t count = static_cast<size_t>(w) * h;
  if (channels == 4) {
    for (unsigned char* p = data; p != data + count * 4; p += 4) {
      p[0] = static_cast<unsigned char>(p[0] * p[3] / 255);
      p[1] = static_cast<unsigned char>(p[1] * p[3] / 255);
      p[2] = static_cast<unsigned char>(p[2] * p[3] / 255);
    }
  } else if (channels == 2) {
    for (unsigned char* p = data; p != data + count * 2; p += 2) p[0] = static_cast<unsigned char>(p[0] * p[1] / 255);
  }
  return true;
}
