// The grid pass: settling one block per column per update, the cracked
// look, clearing what explosions left, and frames that stay with the cell.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace {

using game_fixture::GameTest;
using game_fixture::Sprite;

// The block sprite drawn at a cell, or frame -1 when none is.
Sprite BlockAt(const std::vector<Sprite>& blocks, float x, float y) {
  for (const Sprite& s : blocks)
    if (s.x == x && s.y == y) return s;
  return Sprite{0, -1, 0, 0, 0, 0};
}

class Grid : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Clear();
    Floor(24, 30, 31);  // something for the character to stand on, far away
    Stand(CentreX(31), 24);
    Step();
  }
  std::vector<Sprite> Blocks() {
    std::vector<Sprite> all = Images(1), cracked = Images(2);
    all.insert(all.end(), cracked.begin(), cracked.end());
    return all;
  }
};

TEST_F(Grid, AStackOverAGapSettlesOneBlockPerUpdateLowestFirst) {
  for (int r : {19, 20, 21, 23, 24}) Block(r, 3);  // the gap is row 22
  Listen(6);
  const float expected[][6] = {
      // rows 19..23 after each update, then the settling sounds
      {10, 10, 0, 10, 10, 1},
      {10, 0, 10, 10, 10, 1},
      {0, 10, 10, 10, 10, 1},
      {0, 10, 10, 10, 10, 0},
  };
  for (const auto& e : expected) {
    Step();
    for (int r = 19; r <= 23; ++r) EXPECT_EQ(Strength(r, 3), e[r - 19]) << "row " << r;
    EXPECT_EQ(Plays(), e[5]);
  }
}

TEST_F(Grid, WithTwoGapsTheBlockOverTheHigherOneMovesFirst) {
  for (int r : {17, 19, 20, 21, 22, 24}) Block(r, 7);  // gaps at 18 and 23
  Step();
  EXPECT_EQ(Strength(17, 7), 0);
  EXPECT_EQ(Strength(18, 7), 10);
  // The block over the lower gap waits: one move per column per update.
  EXPECT_EQ(Strength(22, 7), 10);
  EXPECT_EQ(Strength(23, 7), 0);
  Step();
  EXPECT_EQ(Strength(22, 7), 0);
  EXPECT_EQ(Strength(23, 7), 10);
}

TEST_F(Grid, StrengthChoosesTheLookAndBelowOneTheBlockIsCleared) {
  struct Case {
    float strength;
    bool gapBelow;
    int image;           // 0: not drawn
    int row;             // where the block is drawn or would be
    float left, leftBelow;  // strengths after the update
    int settles;
  } cases[] = {
      {10, false, 1, 20, 10, 10, 0},
      {7, false, 1, 20, 7, 10, 0},
      {6, false, 1, 20, 6, 10, 0},
      {5.99f, false, 2, 20, 5.99f, 10, 0},
      {4, false, 2, 20, 4, 10, 0},
      {1, false, 2, 20, 1, 10, 0},
      {0.5f, false, 0, 20, 0, 10, 0},
      {-3, false, 0, 20, 0, 10, 0},
      // Over a gap a weak block still drops, and is cleared in its new row.
      {0.5f, true, 0, 21, 0, 0, 1},
      // A negative one does not drop.
      {-3, true, 0, 21, 0, 0, 0},
  };
  Listen(6);
  for (const Case& c : cases) {
    const int col = 10;
    for (int r = 0; r <= 24; ++r) Strength(r, col) = 0;
    Block(20, col, c.strength, 333);
    Block(21, col, c.gapBelow ? 0 : 10, 444);
    for (int r = 22; r <= 24; ++r) Block(r, col);
    Plays();
    Step();
    EXPECT_EQ(Strength(20, col), c.left) << c.strength;
    EXPECT_EQ(Strength(21, col), c.leftBelow) << c.strength;
    EXPECT_EQ(Plays(), c.settles) << c.strength;
    const Sprite s = BlockAt(Blocks(), CentreX(col), CentreY(20));
    EXPECT_EQ(s.frame == -1 ? 0 : s.slot, c.image) << c.strength;
    if (c.image != 0) {
      EXPECT_EQ(s.frame, 333);
    }
    EXPECT_EQ(BlockAt(Blocks(), CentreX(col), CentreY(21)).frame, c.gapBelow ? -1 : 444) << c.strength;
  }
}

TEST_F(Grid, TheFrameStaysWithTheCell) {
  Block(22, 12, 10, 77);
  Block(23, 12, 0, 300);
  Block(24, 12);
  Step();
  EXPECT_EQ(Strength(22, 12), 0);
  EXPECT_EQ(Frame(22, 12), 77);
  EXPECT_EQ(Strength(23, 12), 10);
  EXPECT_EQ(Frame(23, 12), 300);
  // Drawn in its new row in the same update, with that cell's picture.
  EXPECT_EQ(BlockAt(Blocks(), CentreX(12), CentreY(23)).frame, 300);
  EXPECT_EQ(BlockAt(Blocks(), CentreX(12), CentreY(22)).frame, -1);
}

}  // namespace
