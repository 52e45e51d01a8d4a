// The play field's geometry and the point-to-cell mapping.
#include <gtest/gtest.h>

#include <climits>

#include "game/world.h"
#include "host/init.h"
#include "toolkit/globals.h"

namespace {

TEST(Field, GeometryFollowsTheVirtualScreen) {
  vxInit();
  struct Case {
    int w, h;
    float C, T, scale;
  } cases[] = {
      {800, 600, 25, 25, 1.5625f},
      {800, 450, 25, -125, 1.5625f},  // 16:9: the upper rows lie above the screen
      {600, 800, 18.75f, 368, 1.171875f},
  };
  for (const Case& c : cases) {
    vx_pell_jscrw = c.w;
    vx_pell_jscrh = c.h;
    const c_Field f = vx_game_Field();
    EXPECT_EQ(f.C, c.C) << c.w << "x" << c.h;
    EXPECT_EQ(f.half, c.C / 2);
    EXPECT_EQ(f.T, c.T) << c.w << "x" << c.h;
    EXPECT_EQ(f.scale, c.scale);
  }
}

TEST(Field, PointsMapToCellsTruncatingTowardZero) {
  vxInit();
  const c_Field f = vx_game_Field();  // 800 x 600: C 25, T 25
  struct Case {
    float x, y;
    int column, row;
    bool exists;
  } cases[] = {
      {-10, 25, 0, 0, true},     // up to a cell left of the grid still maps to 0
      {-25, 25, -1, 0, false},
      {799, 624, 31, 24, true},
      {800, 624, 32, 24, false},
      {400, 637.5f, 16, 25, false},  // below the bottom row
      {400, 0, 16, 0, true},         // up to a cell above it maps to row 0
      {400, -1e30f, 16, INT_MIN, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vx_game_Column(f, c.x), c.column) << c.x;
    EXPECT_EQ(vx_game_Row(f, c.y), c.row) << c.y;
    EXPECT_EQ(vx_game_Cell(c.row, c.column) >= 0, c.exists) << c.x << "," << c.y;
  }
  EXPECT_EQ(vx_game_Cell(3, 4), 1540);
}

}  // namespace
