// The game application: recording a finished run in its difficulty's table
// (and in the state file), and the per-update dispatch between the screen
// modes, the overlays and the game-over banner.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/globals.h"
#include "game_fixture.h"
#include "shell/persist.h"

namespace {

class Dispatch : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Start();
  }
  static int* Table(int t) { return &vx_pell_PELL_Score[static_cast<size_t>(20 * t)]; }
  static std::vector<int> Part(int t, int from) { return std::vector<int>(Table(t) + from, Table(t) + from + 5); }
};

struct RankCase {
  const char* name;
  std::vector<int> best, tally;
  float score, eaten;
  int rank;
  std::vector<int> bestAfter, tallyAfter;
  int stored;  // the score as it enters the recent list
};

TEST_F(Dispatch, GotoMenuRanksTheRunAndSavesIt) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const RankCase cases[] = {
      {"equal to the fifth does not enter", {50, 40, 30, 20, 10}, {5, 4, 3, 2, 1}, 10, 9, -1,
       {50, 40, 30, 20, 10}, {5, 4, 3, 2, 1}, 10},
      {"a new best shifts all five", {50, 40, 30, 20, 10}, {5, 4, 3, 2, 1}, 99, 9, 0,
       {99, 50, 40, 30, 20}, {9, 5, 4, 3, 2}, 99},
      {"between places", {50, 40, 30, 20, 10}, {5, 4, 3, 2, 1}, 35, 9, 2,
       {50, 40, 35, 30, 20}, {5, 4, 9, 3, 2}, 35},
      {"a fraction is stored truncated", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 12.9f, 3.7f, 0,
       {12, 0, 0, 0, 0}, {3, 0, 0, 0, 0}, 12},
      {"but compared untruncated", {12, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, 12.5f, 2, 0,
       {12, 12, 0, 0, 0}, {2, 1, 0, 0, 0}, 12},
      {"negative scores truncate toward zero", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, -2.7f, 0, -1,
       {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, -2},
      {"a score past the int range is kept at its bound", {50, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 3e9f, 1, 0,
       {2147483647, 50, 0, 0, 0}, {1, 0, 0, 0, 0}, 2147483647},
      {"no number", {50, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, nan, nan, -1, {50, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 0},
  };
  for (const RankCase& c : cases) {
    SCOPED_TRACE(c.name);
    vx_pell_PELL_Score.assign(10000, 0);
    std::copy(c.best.begin(), c.best.end(), Table(2));
    std::copy(c.tally.begin(), c.tally.end(), Table(2) + 10);
    const int recent[5] = {5, 4, 3, 2, 1};
    std::copy(recent, recent + 5, Table(2) + 5);
    vx_pell_PELL_Set[5] = 7;
    vx_pell_PELL_GameType = 2;
    vx_pell_PELL_GameMode = 1;
    vx_pell_plr[50] = c.score;
    vx_pell_plr[52] = c.eaten;
    std::fill(vx_pell_kdis.begin(), vx_pell_kdis.end(), 0);

    game->p_GotoMenu();
    EXPECT_EQ(vx_pell_PELL_GameMode, 0);
    EXPECT_EQ(vx_pell_PELL_LastPlay, 2);
    EXPECT_EQ(vx_pell_PELL_LastRank, c.rank);
    EXPECT_EQ(Part(2, 0), c.bestAfter);
    EXPECT_EQ(Part(2, 10), c.tallyAfter);
    EXPECT_EQ(Part(2, 5), (std::vector<int>{c.stored, 5, 4, 3, 2}));
    EXPECT_EQ(vx_pell_PELL_Set[5], 8) << "the play count";
    EXPECT_EQ(std::count(vx_pell_kdis.begin(), vx_pell_kdis.end(), 1), 50) << "every input locked";
    for (int other : {1, 3}) {
      EXPECT_EQ(Part(other, 0), std::vector<int>(5, 0)) << "difficulty " << other;
      EXPECT_EQ(Part(other, 5), std::vector<int>(5, 0)) << "difficulty " << other;
    }

    // What was saved is what a fresh start reads back.
    const std::vector<int> scores = vx_pell_PELL_Score;
    vx_pell_PELL_Score.assign(10000, 0);
    vx_pell_PELL_Set[5] = 0;
    vx_pell_Load();
    EXPECT_EQ(vx_pell_PELL_Score, scores);
    EXPECT_EQ(vx_pell_PELL_Set[5], 8);
  }
}

TEST_F(Dispatch, FinishedRunIsRecordedOnceThenTheMenuRuns) {
  FinishLoading();
  vx_pell_PELL_GameType = 1;
  vx_pell_plr[50] = 30;
  vx_pell_PELL_GameMode = 1;
  vx_pell_PELL_MenuPos[10] = 140;
  Update();
  EXPECT_EQ(vx_pell_PELL_GameMode, 0);
  EXPECT_EQ(vx_pell_PELL_Set[5], 1);
  EXPECT_EQ(Table(1)[0], 30);
  EXPECT_EQ(vx_pell_PELL_MenuPos[10], -64) << "the intro starts over after a run";
  EXPECT_FALSE(scratch.Read(".quibexstate").empty());

  Update();
  EXPECT_EQ(vx_pell_PELL_Set[5], 1);
  EXPECT_EQ(vx_pell_PELL_MenuPos[10], -60) << "the menu runs again";
}

// An open overlay stops the screen mode and the banner; the run's intro
// reset still happens on every update of a run.
TEST_F(Dispatch, OverlayFreezesTheRunAndItsBanner) {
  FinishLoading();
  vx_pell_PELL_GameType = 2;
  vx_pell_PELL_GameMode = 11;
  Update();
  ASSERT_EQ(vx_pell_PELL_GameMode, 10) << "the run started";

  vx_pell_PELL_EndofGame = 5;
  vx_pell_PELL_OptCred = 1;
  vx_pell_PELL_MenuPos[10] = 140;
  Update();
  EXPECT_EQ(vx_pell_PELL_EndofGame, 5);
  EXPECT_EQ(vx_pell_PELL_MenuPos[10], -64);

  vx_pell_PELL_OptCred = 0;
  vx_pell_PELL_Paused = 1;
  Update();
  EXPECT_EQ(vx_pell_PELL_EndofGame, 6) << "the banner counts again";
  EXPECT_EQ(vx_pell_PELL_Paused, 0) << "an ending run is never paused";
}

}  // namespace
