// Starting a run: the city, the start values, the seeding from the clock
// and the two random helpers.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "game/start.h"
#include "game_fixture.h"
#include "host/random.h"

namespace {

using game_fixture::GameTest;

int TopRow(int col) {
  for (int r = 0; r <= 24; ++r)
    if (vx_pell_grid[static_cast<size_t>(vx_game_Cell(r, col))] > 0) return r;
  return 25;
}

TEST(City, TowersStandFromRowTenAndTheOtherColumnsHaveFourToNineBlocks) {
  for (int seed : {0, 1, 424242, -5, 2000000000}) {
    c_Replay run(seed, 1);
    for (int c = 0; c < 32; ++c) {
      const int top = TopRow(c);
      if (c == 5 || c == 26) {
        EXPECT_EQ(top, 10) << "seed " << seed << " column " << c;
      } else {
        EXPECT_GE(top, 16) << "seed " << seed << " column " << c;
        EXPECT_LE(top, 21) << "seed " << seed << " column " << c;
      }
      // Solid from the top down, every block new, all of one sheet column.
      const int style = static_cast<int>(vx_pell_grid[static_cast<size_t>(vx_game_Cell(24, c)) + 1]) % 32;
      for (int r = top; r <= 24; ++r) {
        const size_t cell = static_cast<size_t>(vx_game_Cell(r, c));
        ASSERT_EQ(vx_pell_grid[cell], 10) << "row " << r << " column " << c;
        const int frame = static_cast<int>(vx_pell_grid[cell + 1]);
        EXPECT_EQ(frame % 32, style);
        EXPECT_LT(frame, 1024);
      }
    }
  }
}

TEST(City, StartValuesOfTheRun) {
  c_Replay run(77, 3);
  EXPECT_EQ(vx_pell_PELL_GameMode, 10);
  EXPECT_EQ(vx_pell_plr[1], 400);  // the middle of 800 x 600, in the air
  EXPECT_EQ(vx_pell_plr[2], 300);
  EXPECT_EQ(vx_pell_plr[13], 200);
  EXPECT_EQ(vx_pell_plr[14], 240);
  EXPECT_EQ(vx_pell_plr[15], 240);
  EXPECT_EQ(vx_pell_PELL_LastTune, String("Xcited"));
  EXPECT_EQ(vx_pell_PELL_MusicPlaying, 1);
  EXPECT_EQ(vx_pell_PELL_Seed, 77);  // the clock reading the run was seeded from
}

TEST(City, TheSeedFixesTheCityAndTheStars) {
  std::vector<float> grid, stars;
  {
    c_Replay run(31337, 2);
    grid = vx_pell_grid;
    stars = vx_pell_astar;
  }
  {
    c_Replay run(31337, 1);  // difficulty changes nothing of the layout
    EXPECT_TRUE(grid == vx_pell_grid);
    EXPECT_TRUE(stars == vx_pell_astar);
  }
  {
    c_Replay run(31338, 2);
    EXPECT_FALSE(grid == vx_pell_grid);
    EXPECT_FALSE(stars == vx_pell_astar);
  }
}

class Flush : public GameTest {};

TEST_F(Flush, ClearsTheRunButKeepsTheParticleCursor) {
  vx_pell_PELL_Partto = 123;
  vx_pell_plr[50] = 40;
  vx_pell_PELL_EndofGame = 12;
  vx_pell_PELL_EndReason = 2;
  vx_pell_FlushGame();
  EXPECT_EQ(vx_pell_PELL_Partto, 123);
  EXPECT_EQ(vx_pell_plr[50], 0);
  EXPECT_EQ(vx_pell_PELL_EndofGame, 0);
  EXPECT_EQ(vx_pell_PELL_EndReason, 0);
  EXPECT_EQ(TopRow(5), 25);
}

uint32_t Lcg(uint32_t s) { return s * 1664525u + 1013904223u; }

TEST(Seeding, TwentyOneStepsFromTheSeed) {
  vx_pell_SeedRnd(5);
  uint32_t s = 5;
  for (int i = 0; i < 21; ++i) s = Lcg(s);
  EXPECT_EQ(vx_pell_PELL_Seed, 5);
  EXPECT_EQ(static_cast<uint32_t>(vx_random_Seed), s);
}

// The state whose next step gives the wanted unit value's bits.
int StateBefore(uint32_t next) {
  uint32_t inverse = 1664525u;  // Newton's iteration for the inverse mod 2^32
  for (int i = 0; i < 5; ++i) inverse *= 2u - 1664525u * inverse;
  return static_cast<int>((next - 1013904223u) * inverse);
}

TEST(Seeding, RandCoversBothEndsAndNeverPassesTheTop) {
  struct Case {
    uint32_t next;
    float a, b;
    int expected;
  } cases[] = {
      {0x000000FFu, 32, 768, 32},   // r = 0
      {0xFFFFFFFFu, 32, 768, 768},  // r = 1 - 2^-24
      {0xFFFFFFFFu, -64, 864, 864},
      {0x000000FFu, -64, 864, -64},
      {0x80000000u, 0, 1, 0},  // r = 0.5 of 1.99: still 0
      {0xFFFFFFFFu, 3, 3, 3},
  };
  for (const Case& c : cases) {
    vx_random_Seed = StateBefore(c.next);
    EXPECT_EQ(vx_pell_Rand(c.a, c.b), c.expected) << c.a << ".." << c.b;
    EXPECT_EQ(static_cast<uint32_t>(vx_random_Seed), c.next);
  }
}

}  // namespace
