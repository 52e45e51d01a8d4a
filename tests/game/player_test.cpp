// The player character: walking from the merged x axis, jumps and the
// double jump with its lock, walls, falling out of the city.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "game_fixture.h"

namespace {

using game_fixture::RoofTest;

class Character : public RoofTest {
 protected:
  bool Jumped() { return P()[4] == -14; }
  // How far each update moves the character with these keys held.
  std::vector<float> Moves(const std::vector<int>& keys) {
    std::vector<float> out;
    for (int held : keys) {
      const float x = P()[1];
      Step(held);
      out.push_back(P()[1] - x);
    }
    return out;
  }
};

TEST_F(Character, WalkingSpeedsFromTheHeldKeyAndTheRunOnAfterRelease) {
  std::vector<int> keys(6, REPLAY_RIGHT);
  keys.resize(14, 0);
  const float expected[] = {1.6f, 3.8f, 4, 4, 4, 4, 4, 4, 4, 3, 2, 1, 0, 0};
  const std::vector<float> moves = Moves(keys);
  for (size_t i = 0; i < moves.size(); ++i) EXPECT_NEAR(moves[i], expected[i], 1e-4) << "update " << i;
  EXPECT_EQ(P()[5], 1);  // facing right
  const std::vector<float> back = Moves({REPLAY_LEFT});
  EXPECT_NEAR(back[0], -1.6f, 1e-4);
  EXPECT_EQ(P()[5], -1);
  EXPECT_LT(CharacterSprite().sx, 0);  // mirrored sprite
  EXPECT_EQ(P()[2], Top(20) - 2);  // walking on the roof does not change the height
}

TEST_F(Character, AJumpRisesAbout138PixelsAndTwoAreAvailableAfterLanding) {
  const float ground = P()[2];
  Step(REPLAY_JUMP);
  EXPECT_TRUE(Jumped());
  EXPECT_EQ(P()[17], 1);
  float highest = ground;
  int update = 0;
  do {
    Step();
    highest = std::min(highest, P()[2]);
  } while (P()[7] != 3 && ++update < 100);
  EXPECT_NEAR(ground - highest, 137.75f, 0.01f);
  // Back on the roof: feet less than 4 pixels above its top edge.
  EXPECT_LT(P()[2], Top(20));
  EXPECT_GE(P()[2], Top(20) - 4);
  EXPECT_EQ(P()[17], 2);

  // Up, and again in the air; a third press is refused.
  Step(REPLAY_JUMP);
  Step();
  Step(REPLAY_JUMP);
  EXPECT_TRUE(Jumped());
  EXPECT_EQ(P()[17], 0);
  Step();
  Step(REPLAY_JUMP);
  EXPECT_FALSE(Jumped());
  // A refused press stays unlocked: held on, it jumps on landing.
  int jumps = 0;
  for (int i = 0; i < 80 && jumps == 0; ++i) {
    Step(REPLAY_JUMP);
    if (Jumped()) jumps = 1;
  }
  EXPECT_EQ(jumps, 1);
  EXPECT_GE(P()[2], ground - 14);  // it jumped from the roof
}

TEST_F(Character, AHeldJumpButtonDoesNotJumpAgainAfterLanding) {
  int jumps = 0;
  for (int i = 0; i < 90; ++i) {
    Step(REPLAY_JUMP);
    jumps += Jumped();
  }
  EXPECT_EQ(jumps, 1);
  EXPECT_EQ(P()[7], 3);  // on the roof, button still held
  Step();
  Step(REPLAY_JUMP);
  EXPECT_TRUE(Jumped());
}

TEST_F(Character, WalkingOffARoofKeepsTwoJumpsAndJumpingOffKeepsOne) {
  // A high roof on the left half, a low street on the right.
  Clear();
  Floor(16, 0, 15);
  Floor(23, 16, 31);
  struct Case {
    bool jumpOff;
    int airJumps;
  } cases[] = {{false, 2}, {true, 1}};
  for (const Case& c : cases) {
    Stand(360, 16);
    Step();
    Step();
    if (c.jumpOff) {
      Step(REPLAY_RIGHT | REPLAY_JUMP);
      ASSERT_TRUE(Jumped());
    }
    // Right, until the character is past the edge and in the air.
    for (int i = 0; i < 40 && !(P()[1] > 16 * f.C + 8 && P()[7] < 1); ++i) Step(REPLAY_RIGHT);
    ASSERT_LT(P()[7], 1) << "still on the roof";
    int jumps = 0;
    for (int press = 0; press < 3; ++press) {
      Step(REPLAY_RIGHT | REPLAY_JUMP);
      jumps += Jumped();
      Step(REPLAY_RIGHT);
    }
    EXPECT_EQ(jumps, c.airJumps) << (c.jumpOff ? "jumped off" : "walked off");
  }
}

TEST_F(Character, WallsStopTheCharacterTwoToSixPixelsFromATower) {
  for (int r = 10; r <= 19; ++r) Block(r, 10);  // a tower on the roof, x 250 to 275
  struct Case {
    float start;
    int key;
  } cases[] = {{150, REPLAY_RIGHT}, {350, REPLAY_LEFT}};
  for (const Case& c : cases) {
    Stand(c.start, 20);
    Step(c.key, 60);
    const float gap = c.key == REPLAY_RIGHT ? 10 * f.C - P()[1] : P()[1] - 11 * f.C;
    EXPECT_GE(gap, 2) << c.start;
    EXPECT_LE(gap, 6) << c.start;
    EXPECT_EQ(P()[3], 0);
  }
}

TEST_F(Character, FallingBelowTheScreenStartsTheBannerAndTheFallGoesOn) {
  Clear();
  P()[1] = 400;
  P()[2] = 300;
  P()[4] = 0;
  P()[7] = -1;
  const float limit = static_cast<float>(vx_pell_jscrh + 64);
  float before = P()[2];
  for (int i = 0; i < 200 && vx_pell_PELL_EndofGame == 0; ++i) {
    before = P()[2];
    Step();
    if (vx_pell_PELL_EndofGame == 0) {
      ASSERT_LE(before, limit);
    }
  }
  ASSERT_GT(vx_pell_PELL_EndofGame, 0);
  EXPECT_GT(before, limit);
  EXPECT_EQ(vx_pell_PELL_EndReason, 0);
  // No control any more: keys neither steer nor jump; it keeps falling.
  const float x = P()[1];
  for (int i = 0; i < 20; ++i) {
    const float y = P()[2];
    Step(REPLAY_LEFT | (i % 2 ? REPLAY_JUMP : 0));
    EXPECT_GT(P()[2], y);
  }
  EXPECT_EQ(P()[1], x);
  EXPECT_EQ(vx_pell_PELL_EndReason, 0);
}

}  // namespace
