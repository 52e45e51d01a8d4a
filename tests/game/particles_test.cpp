// The particle ring and its kinds, the score number, the star field.
#include <gtest/gtest.h>

#include <cmath>

#include "game/particles.h"
#include "game_fixture.h"

namespace {

using game_fixture::GameTest;

class Particles : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Clear();
  }
  float* Part(int slot) { return &vx_pell_part[static_cast<size_t>(10 * slot)]; }
  // One particle update alone, as the end of every update runs it.
  void Advance() {
    vx_pell_Sprtup = 0;
    vx_pell_DoParticles();
  }
};

TEST_F(Particles, TheRingsTwoHundredAndFiftyFirstParticleOverwritesTheFirst) {
  vx_pell_PELL_Partto = 17;
  for (int i = 0; i < 251; ++i) vx_pell_ThrowParticle(static_cast<float>(i), 0, PART_DEBRIS, 1, 0, 0);
  EXPECT_EQ(vx_pell_PELL_Partto, 18);
  EXPECT_EQ(Part(18)[1], 250);  // the first went here and is gone
  EXPECT_EQ(Part(19)[1], 1);
  EXPECT_EQ(Part(250)[0], 0);  // visited, never filled
}

TEST_F(Particles, AThrowSetsItsSpeedFromTheAngle) {
  struct Case {
    float angle, speed, dx, dy;
  } cases[] = {{0, 2, 0, -2}, {90, 3, 3, 0}, {180, 1, 0, 1}, {-90, 4, -4, 0}};
  for (const Case& c : cases) {
    vx_pell_ThrowParticle(10, 20, PART_PUFF, 9, c.angle, c.speed);
    const float* p = Part(vx_pell_PELL_Partto);
    EXPECT_NEAR(p[3], c.dx, 1e-5) << c.angle;
    EXPECT_NEAR(p[4], c.dy, 1e-5) << c.angle;
    EXPECT_EQ(p[7], 1);
    EXPECT_EQ(p[9], 9);
    EXPECT_GE(p[5], 0);
    EXPECT_LT(p[5], 360);
    EXPECT_GE(p[6], -3);
    EXPECT_LE(p[6], 3);
    EXPECT_EQ(p[8], std::floor(p[8]));
  }
}

TEST_F(Particles, AScoreNumberRisesFasterUpToItsLimitAndEndsOnItsFiftyFirstUpdate) {
  vx_pell_Gimme(10, 400, 250, 1);
  const int slot = vx_pell_PELL_Partto;
  EXPECT_EQ(Part(slot)[0], PART_NUMBER);
  EXPECT_EQ(Part(slot)[8], 10);
  EXPECT_EQ(Part(slot)[9], 3);  // yellow
  for (int u = 1; u <= 51; ++u) {
    Advance();
    if (u == 10) {
      EXPECT_NEAR(Part(slot)[4], -0.2f, 1e-6);
    }
    if (u >= 18 && u <= 50) {
      ASSERT_EQ(Part(slot)[4], -0.35f) << u;
    }
    if (u == 50) {
      EXPECT_EQ(Part(slot)[0], PART_NUMBER);
      EXPECT_GT(Part(slot)[7], 0);
    }
  }
  EXPECT_EQ(Part(slot)[0], 0);
  EXPECT_LT(Part(slot)[2], 250 - 14);
}

TEST_F(Particles, GimmeScoresForPlayersOneToSevenAndShowsANumberUnlessAsked) {
  struct Case {
    int amount;
    float x;
    int player;
    bool number;
    int scoreElement;  // -1: no player's record changes
  } cases[] = {
      {10, 400, 1, true, 50},
      {25, kGimmeNoNumber, 1, false, 50},
      {5, 100, 7, true, 650},
      {5, 100, 0, true, -1},
      {5, 100, 8, true, -1},
  };
  for (const Case& c : cases) {
    const std::vector<float> before = vx_pell_plr;
    const int cursor = vx_pell_PELL_Partto;
    vx_pell_Gimme(c.amount, c.x, 50, c.player);
    EXPECT_EQ(vx_pell_PELL_Partto, c.number ? (cursor + 1) % 250 : cursor) << c.amount;
    for (size_t e = 0; e < before.size(); ++e) {
      float expected = before[e];
      if (c.scoreElement >= 0 && static_cast<int>(e) == c.scoreElement) expected += c.amount;
      if (c.scoreElement >= 0 && static_cast<int>(e) == c.scoreElement + 2) expected += 1;
      ASSERT_EQ(vx_pell_plr[e], expected) << "element " << e << " amount " << c.amount;
    }
  }
}

TEST_F(Particles, SparklesGrowAndDebrisBelowTheScreenIsFreed) {
  vx_pell_ThrowParticle(300, 300, PART_SPARKLE, 9, 0, 0);
  const int sparkle = vx_pell_PELL_Partto;
  vx_pell_ThrowParticle(400, static_cast<float>(vx_pell_jscrh + 127), PART_DEBRIS, 2, 180, 2);
  const int debris = vx_pell_PELL_Partto;
  Advance();
  EXPECT_EQ(Images(72).front().sx, 1);
  EXPECT_EQ(Part(debris)[0], 0) << "below the screen with life left";
  EXPECT_GT(Part(debris)[7], 0.9f);
  float last = 0;
  int updates = 1;
  while (Part(sparkle)[0] != 0 && updates < 100) {
    Advance();
    last = Images(72).front().sx;
    ++updates;
  }
  EXPECT_EQ(updates, 51);
  EXPECT_GT(last, 4.9f);
}

TEST_F(Particles, WithoutTheWorldArraysThereIsNothingToAdvance) {
  vx_pell_part.clear();  // as for a toolkit set up without the game
  vx_pell_Sprtup = 0;
  EXPECT_EQ(vx_pell_DoParticles(), 0);
  EXPECT_EQ(vx_pell_Sprtup, 0);
}

TEST_F(Particles, StarsDriftWithTheirDepthAndWrapRoundTheScreen) {
  const std::vector<float> before = vx_pell_astar;
  vx_pell_DoStars(0.25f, 0, 1);
  for (int s = 0; s < 251; ++s) {
    const float* was = &before[static_cast<size_t>(10 * s)];
    const float* star = &vx_pell_astar[static_cast<size_t>(10 * s)];
    if (was[1] + 0.25f * was[3] > vx_pell_jscrw + 128) continue;  // wrapped
    EXPECT_NEAR(star[1], was[1] + 0.25f * was[3], 1e-4) << s;
    EXPECT_EQ(star[2], was[2]);
  }
  EXPECT_EQ(Images(74).size(), 251u);

  vx_pell_DoStars(-5000, 0, 0);  // every star pushed off the left side
  for (int s = 0; s < 251; ++s) {
    const float* star = &vx_pell_astar[static_cast<size_t>(10 * s)];
    EXPECT_EQ(star[1], vx_pell_jscrw + 128);
    EXPECT_GE(star[2], 0);
    EXPECT_LT(star[2], vx_pell_jscrh);
    EXPECT_GE(star[3], 0.25f);
    EXPECT_LT(star[3], 0.9f);
  }
  EXPECT_NE(vx_pell_astar[2], before[2]);
}

}  // namespace
