// The generated image sheets: each holds the frame grid the loading screen
// asks for, the frames the game draws carry art, art the game tints is white,
// and frames that are scaled up or laid edge to edge keep a clear border.
#include <gtest/gtest.h>

#include <algorithm>

#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "sheets.h"

std::string DataFile(const std::string& relative) { return std::string(KITEMOTH_BINARY_DIR) + "/data/" + relative; }

Sheet LoadSheet(const std::string& path) {
  Sheet s;
  int channels = 0;
  unsigned char* px = stbi_load(path.c_str(), &s.w, &s.h, &channels, 4);
  if (!px) return Sheet();
  s.rgba.assign(px, px + size_t(s.w) * size_t(s.h) * 4);
  stbi_image_free(px);
  return s;
}

namespace {

// The image loader's rule: frames fill rows left to right, and a sheet whose
// grid runs out of rows is a fatal error at load.
bool GridFits(int w, int h, int fw, int fh, int count) {
  int fx = 0, fy = 0;
  for (int i = 0; i < count; ++i) {
    if (fx + fw > w) {
      if (fw > w) return false;
      fx = 0, fy += fh;
    }
    if (fy + fh > h) return false;
    fx += fw;
  }
  return true;
}

TEST(DataImages, EverySheetHoldsTheFrameGridItIsLoadedWith) {
  struct Case {
    const char* path;
    int fw, fh, count;
    int columns;  // where the art relies on the row length (frame = column + 32 x row); 0 = any
  } cases[] = {
      {"common/bandwidth.png", 64, 64, 128, 0},     {"common/PELLLogo.png", 32, 32, 1024, 32},
      {"common/PELLLogo.png", 1024, 1024, 1, 0},    {"common/part-shapefull.png", 32, 32, 16, 0},
      {"common/parts_shape.png", 32, 32, 16, 0},    {"common/parts_smoke.png", 32, 32, 16, 0},
      {"common/parts_cluster.png", 32, 32, 16, 0},  {"common/parts_stars.png", 32, 32, 16, 0},
      {"common/Buttons.png", 64, 64, 16, 0},        {"common/icons.png", 128, 128, 16, 0},
      {"common/circle.png", 256, 256, 4, 0},        {"507/logo.png", 1024, 512, 1, 0},
      {"507/menu.png", 1024, 1024, 4, 0},           {"common/options.png", 68, 68, 49, 0},
      {"common/scoreboard.png", 256, 256, 1, 0},    {"507/buildings.png", 16, 16, 1024, 32},
      {"507/buildingsb.png", 16, 16, 1024, 32},     {"507/gfx.png", 36, 36, 49, 0},
  };
  for (const Case& c : cases) {
    Sheet s = LoadSheet(DataFile(c.path));
    ASSERT_TRUE(s.ok()) << c.path << " does not load";
    EXPECT_TRUE(GridFits(s.w, s.h, c.fw, c.fh, c.count))
        << c.path << " (" << s.w << " x " << s.h << ") cannot hold " << c.count << " frames of " << c.fw << " x " << c.fh;
    if (c.columns) {
      EXPECT_EQ(s.w / c.fw, c.columns) << c.path;
    }
  }
  // The framework font: 96 frames side by side, each with a one-pixel pad.
  Sheet tova = LoadSheet(DataFile("tova_font.png"));
  ASSERT_TRUE(tova.ok());
  EXPECT_EQ(tova.w % 96, 0);
  EXPECT_GE(tova.w / 96, 3);
}

TEST(DataImages, FramesTheGameDrawsCarryArt) {
  struct Case {
    const char* path;
    int fw, fh;
    std::vector<int> frames;
  } cases[] = {
      {"507/gfx.png", 36, 36, {0, 1, 2, 3, 4, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21}},
      {"common/icons.png", 128, 128, {0, 1, 3, 6, 8, 9, 10, 11, 12, 13, 14}},
      {"common/options.png", 68, 68, {0, 1, 2, 3, 4, 5, 47, 48}},
      {"common/circle.png", 256, 256, {0, 1, 2, 3}},
      {"507/menu.png", 1024, 1024, {0, 1, 2}},
      {"507/logo.png", 1024, 512, {0}},
      {"common/scoreboard.png", 256, 256, {0}},
      {"common/PELLLogo.png", 1024, 1024, {0}},
  };
  for (const Case& c : cases) {
    Sheet s = LoadSheet(DataFile(c.path));
    ASSERT_TRUE(s.ok()) << c.path;
    for (int f : c.frames) EXPECT_GT(CountInk(s, FrameBox(s, c.fw, c.fh, f)), 20) << c.path << " frame " << f;
  }
  // Particles and stars are drawn by slot number modulo 16, blocks by any frame.
  for (const char* path : {"common/part-shapefull.png", "common/parts_smoke.png", "common/parts_stars.png",
                           "507/buildings.png", "507/buildingsb.png"}) {
    Sheet s = LoadSheet(DataFile(path));
    ASSERT_TRUE(s.ok()) << path;
    int size = std::string(path).find("buildings") != std::string::npos ? 16 : 32;
    int count = size == 16 ? 1024 : 16;
    for (int f = 0; f < count; ++f) EXPECT_GT(CountInk(s, FrameBox(s, size, size, f), 64), 4) << path << " frame " << f;
  }
}

TEST(DataImages, ArtTheGameTintsIsWhite) {
  // The game multiplies these by a colour; any colour of their own would
  // shift every tint.
  for (const char* path : {"common/part-shapefull.png", "common/parts_shape.png", "common/parts_smoke.png",
                           "common/parts_cluster.png", "common/parts_stars.png", "common/circle.png"}) {
    Sheet s = LoadSheet(DataFile(path));
    ASSERT_TRUE(s.ok()) << path;
    int dark = 0;
    for (int y = 0; y < s.h; ++y)
      for (int x = 0; x < s.w; ++x) {
        const unsigned char* p = s.at(x, y);
        if (p[3] >= 26 && std::min({p[0], p[1], p[2]}) < 190) ++dark;
      }
    EXPECT_EQ(dark, 0) << path;
  }
}

TEST(DataImages, ScaledAndTiledFramesKeepAClearBorder) {
  // Particles grow to five times their size and the options backdrop tile
  // is laid 64 pixels apart although its frames are 68 wide: ink on the
  // border would show as cut edges or doubled seams.
  struct Case {
    const char* path;
    int fw, fh, first, last, border;
  } cases[] = {
      {"common/part-shapefull.png", 32, 32, 0, 15, 1}, {"common/parts_smoke.png", 32, 32, 0, 15, 1},
      {"common/parts_stars.png", 32, 32, 0, 15, 1},    {"common/parts_cluster.png", 32, 32, 0, 15, 1},
      {"common/options.png", 68, 68, 48, 48, 2},       {"507/gfx.png", 36, 36, 0, 48, 1},
  };
  for (const Case& c : cases) {
    Sheet s = LoadSheet(DataFile(c.path));
    ASSERT_TRUE(s.ok()) << c.path;
    for (int f = c.first; f <= c.last; ++f) {
      Box b = FrameBox(s, c.fw, c.fh, f);
      int inner = CountInk(s, {b.x0 + c.border, b.y0 + c.border, b.x1 - c.border, b.y1 - c.border}, 1);
      EXPECT_EQ(CountInk(s, b, 1), inner) << c.path << " frame " << f;
    }
  }
}

TEST(DataImages, TheBackdropTileJoinsItselfEvery64Pixels) {
  // Inside its border the tile's 64 columns and rows wrap: the last joins
  // the first as smoothly as any two neighbours inside.
  Sheet s = LoadSheet(DataFile("common/options.png"));
  ASSERT_TRUE(s.ok());
  Box b = FrameBox(s, 68, 68, 48);
  auto alpha = [&](int x, int y) { return int(s.at(b.x0 + 2 + (x & 63), b.y0 + 2 + (y & 63))[3]); };
  long seam = 0, inside = 0;
  for (int i = 0; i < 64; ++i) {
    seam += std::abs(alpha(63, i) - alpha(64, i)) + std::abs(alpha(i, 63) - alpha(i, 64));
    inside += std::abs(alpha(31, i) - alpha(32, i)) + std::abs(alpha(i, 31) - alpha(i, 32));
  }
  EXPECT_LE(seam, inside * 2 + 64 * 8);
}

TEST(DataImages, CrackedBlocksAreTheIntactBlocksVisiblyDamaged) {
  Sheet intact = LoadSheet(DataFile("507/buildings.png")), cracked = LoadSheet(DataFile("507/buildingsb.png"));
  ASSERT_TRUE(intact.ok() && cracked.ok());
  ASSERT_EQ(intact.w, cracked.w);
  ASSERT_EQ(intact.h, cracked.h);
  for (int f = 0; f < 1024; ++f) {
    Box b = FrameBox(intact, 16, 16, f);
    int changed = 0, darker = 0;
    for (int y = b.y0; y < b.y1; ++y)
      for (int x = b.x0; x < b.x1; ++x) {
        const unsigned char *p = intact.at(x, y), *q = cracked.at(x, y);
        changed += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) + std::abs(p[3] - q[3]) > 24;
        darker += q[3] == 255 && q[0] + q[1] + q[2] < p[0] + p[1] + p[2];
      }
    EXPECT_GE(changed, 16) << "frame " << f;
    EXPECT_GE(darker, 32) << "frame " << f;
  }
}

}  // namespace
