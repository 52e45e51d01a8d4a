// The scoreboard panel drawn from the score table with the generated font:
// the best five as text, the recent five as stars against the best, and the
// wobble that marks the run recorded last.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game_fixture.h"
#include "shell/scoreboard.h"

namespace {

class Scoreboard : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    host->now = 0.1;  // the wobble follows the clock
    Start();
    FinishLoading();
    vx_pell_PELL_MenuPos[12] = 3;
  }
  static void Draw(int row) {
    vx_pell_PELL_MenuPos[2] = row;
    vx_pell_Sprtup = 0;
    vx_pell_Draw_Scoreboard(kX, kY);
  }
  static void SetTable(int t, const std::vector<int>& best, const std::vector<int>& recent) {
    for (int k = 0; k < 5; ++k) {
      vx_pell_PELL_Score[static_cast<size_t>(20 * t + k)] = best[static_cast<size_t>(k)];
      vx_pell_PELL_Score[static_cast<size_t>(20 * t + 5 + k)] = recent[static_cast<size_t>(k)];
    }
  }
  // The glyphs of score row k, left to right.
  static std::vector<Sprite> Row(int k) {
    const float y = kY - 96 + 40 + 28 * k;
    return Sprites([y](const Sprite& s) { return s.kind == 1 && s.slot == 99 && std::fabs(s.y - y) < 2; });
  }
  static std::string Digits(const std::vector<Sprite>& glyphs) {
    std::string out;
    for (const Sprite& s : glyphs) out += static_cast<char>(s.frame + 32);
    return out;
  }
  static constexpr float kX = 800, kY = 410;
};

TEST_F(Scoreboard, BestScoresShowAsTextOfTheListedDifficulty) {
  SetTable(1, {9, 8, 7, 6, 5}, {0, 0, 0, 0, 0});
  SetTable(3, {123456789, 4242, 7, 0, -5}, {0, 0, 0, 0, 0});
  const struct {
    int row;
    const char* digits[5];
  } cases[] = {
      {0, {"9", "8", "7", "6", "5"}},
      {1, {"0", "0", "0", "0", "0"}},  // nothing recorded: seven spaces and a 0
      {2, {"23456789", "4242", "7", "0", "-5"}},  // more than 8 characters keep their last 8
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    Draw(c.row);
    ASSERT_EQ(Images(82).size(), 1u);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(Digits(Row(k)), c.digits[k]) << "row " << k;
  }
}

TEST_F(Scoreboard, CursorOutsideTheListShowsOnlyThePanelAndTitle) {
  for (int row : {-1, 3}) {
    SCOPED_TRACE(row);
    Draw(row);
    EXPECT_EQ(Images(82).size(), 1u);
    EXPECT_EQ(Images(74).size(), 0u) << "no chart";
    EXPECT_EQ(Images(99).size(), 4u) << "only \"Top 5\"";
  }
}

// Stars stand 40 above the base line for a recent score equal to the best,
// in proportion below it, and higher still for one above it (possible only
// in a loaded record); a table without a best charts the raw scores.
TEST_F(Scoreboard, StarsChartRecentScoresAgainstTheBest) {
  const struct {
    int best;
    std::vector<int> recent;
    std::vector<float> above;
  } cases[] = {
      {100, {100, 50, 0, 250, 10}, {40, 20, 0, 100, 4}},
      {0, {0, 1, 2, 0, 0}, {0, 40, 80, 0, 0}},
  };
  const float colours[5][3] = {{255, 25.5f, 25.5f}, {255, 127.5f, 25.5f}, {255, 255, 25.5f}, {25.5f, 255, 25.5f},
                               {25.5f, 255, 255}};
  for (const auto& c : cases) {
    SetTable(2, {c.best, 0, 0, 0, 0}, c.recent);
    Draw(1);
    const std::vector<Sprite> stars = Images(74);
    ASSERT_EQ(stars.size(), 5u);
    for (int i = 0; i < 5; ++i) {
      EXPECT_FLOAT_EQ(stars[i].x, kX - 100 + 22 * i);
      EXPECT_NEAR(stars[i].y, 600 - 78 - c.above[i], 1e-3) << "star " << i;
      EXPECT_NEAR(stars[i].r, colours[i][0], 0.01f);
      EXPECT_NEAR(stars[i].g, colours[i][1], 0.01f);
      EXPECT_NEAR(stars[i].b, colours[i][2], 0.01f);
    }
  }
}

// Only the entry of the last recorded run, on its own difficulty, moves.
TEST_F(Scoreboard, OnlyTheLastRecordedRunWobbles) {
  SetTable(2, {50, 40, 30, 20, 10}, {0, 0, 0, 0, 0});
  vx_pell_PELL_LastPlay = 0;
  vx_pell_PELL_LastRank = 0;
  Draw(1);
  std::vector<Sprite> still[5];
  for (int k = 0; k < 5; ++k) still[k] = Row(k);

  const float dx = static_cast<float>(3 * std::sin(100 / 3.0 * M_PI / 180));
  const float dy = static_cast<float>(-std::cos(100 / 4.5 * M_PI / 180));
  const struct {
    const char* name;
    int lastPlay, lastRank, moved;
  } cases[] = {
      {"no run recorded yet", 0, 0, -1},
      {"a run that did not enter", 2, -1, -1},
      {"a run on another difficulty", 1, 3, -1},
      {"the fourth best of this one", 2, 3, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    vx_pell_PELL_LastPlay = c.lastPlay;
    vx_pell_PELL_LastRank = c.lastRank;
    Draw(1);
    for (int k = 0; k < 5; ++k) {
      const std::vector<Sprite> row = Row(k);
      ASSERT_EQ(row.size(), still[k].size());
      for (size_t g = 0; g < row.size(); ++g) {
        EXPECT_NEAR(row[g].x - still[k][g].x, k == c.moved ? dx : 0, 1e-3) << "row " << k;
        EXPECT_NEAR(row[g].y - still[k][g].y, k == c.moved ? dy : 0, 1e-3) << "row " << k;
      }
    }
  }
}

}  // namespace
