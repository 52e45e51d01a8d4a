// Shared by the data-folder tests: a decoded PNG sheet and the frame
// geometry the game reads from it. The decoder lives in images_test.cpp.
#pragma once

#include <string>
#include <vector>

struct Sheet {
  int w = 0, h = 0;
  std::vector<unsigned char> rgba;  // straight alpha, rows top to bottom
  bool ok() const { return w > 0; }
  const unsigned char* at(int x, int y) const { return &rgba[(size_t(y) * size_t(w) + size_t(x)) * 4]; }
};

// A file of the generated data folder beside the test programs.
std::string DataFile(const std::string& relative);
Sheet LoadSheet(const std::string& path);

// Pixel box of frame i in a grid of fw x fh frames read row by row.
struct Box {
  int x0, y0, x1, y1;  // exclusive ends
};
inline Box FrameBox(const Sheet& s, int fw, int fh, int i) {
  int cols = s.w / fw;
  return {(i % cols) * fw, (i / cols) * fh, (i % cols) * fw + fw, (i / cols) * fh + fh};
}

// Pixels of the box whose alpha is at least minAlpha (0-255).
inline int CountInk(const Sheet& s, Box b, int minAlpha = 128) {
  int n = 0;
  for (int y = b.y0; y < b.y1; ++y)
    for (int x = b.x0; x < b.x1; ++x) n += s.at(x, y)[3] >= minAlpha;
  return n;
}
