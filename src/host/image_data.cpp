// Image decoding behind the host's LoadImageData, and the one compile unit of
// stb_image: built here from the system header, static, PNG only and with a
// size bound, because image files are untrusted input. Never flip on load.
#include <cstdio>

#include "host/glfw_game.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS 8192
#include <stb/stb_image.h>

// The size is read from the header before anything is allocated, so a file
// that claims absurd dimensions is refused without decoding.
unsigned char* VxGlfwGame::LoadImageData(const String& path, int* width, int* height, int* depth) {
  FILE* file = OpenFile(path, "rb");
  if (!file) return nullptr;
  int w = 0, h = 0, channels = 0;
  unsigned char* pixels = nullptr;
  if (stbi_info_from_file(file, &w, &h, &channels) && w > 0 && h > 0 && w <= STBI_MAX_DIMENSIONS &&
      h <= STBI_MAX_DIMENSIONS)
    pixels = stbi_load_from_file(file, &w, &h, &channels, 0);
  std::fclose(file);
  if (!pixels) return nullptr;
  if (width) *width = w;
  if (height) *height = h;
  if (depth) *depth = channels;
  return pixels;
}
