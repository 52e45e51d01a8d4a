// The game-over banner: its timeline, its words, the hand-over to the shell
// and the scoring that goes on underneath it.
#include <gtest/gtest.h>

#include "game/gameover.h"
#include "game_fixture.h"

namespace {

using game_fixture::RoofTest;

class Banner : public RoofTest {
 protected:
  // x of the first point of the lower-left panel: its shift c minus 124.
  float PanelX() const {
    for (int k = 0; k < vx_pell_Sprtup; ++k)
      if (vx_pell_PELL_Draw[static_cast<size_t>(20 * k + 9)] == 4) return vx_pell_PELL_Draw[static_cast<size_t>(20 * k + 11)];
    return 1e9f;
  }
};

TEST_F(Banner, TimelineOfTheBanner) {
  Listen(96);
  ASSERT_EQ(vx_pell_PELL_MusicPlaying, 1);
  vx_pell_EndGame(0);  // counts 1; the first banner update is 2
  for (int k = 2; k <= 161; ++k) {
    Step();
    ASSERT_EQ(vx_pell_PELL_EndofGame, k <= 160 ? k : 0) << k;
    EXPECT_EQ(vx_pell_PELL_MusicPlaying, k < 60 ? 1 : 0) << k;
    EXPECT_EQ(Plays(), k == 70 ? 1 : 0) << k;
    EXPECT_EQ(vx_pell_PELL_GameMode, k < 90 ? 10 : k == 90 ? 1 : 0) << k;
    EXPECT_EQ(run->m_recorded, k >= 91) << k;  // the shell takes the run on the next update
    // The panels close from update 36 to 125.
    const float c = PanelX() + 124;
    if (k == 2) {
      EXPECT_EQ(c, -2176);
    }
    if (k == 35 || k == 126) {
      EXPECT_EQ(c, -64) << k;
    }
    if (k == 36 || k == 125) {
      EXPECT_EQ(c, 0) << k;
    }
  }
  EXPECT_EQ(vx_pell_PELL_EndReason, 0);
  Step();
  EXPECT_EQ(vx_pell_PELL_EndofGame, 0);
  EXPECT_EQ(Images(99).size(), 0u);
}

TEST_F(Banner, EachReasonHasItsTwoWords) {
  UseFont();
  struct Case {
    int reason;
    const char* words;  // as glyphs: spaces are not drawn
  } cases[] = {{0, "GameOver"}, {1, "LevelComplete"}, {2, "QuitGame"}, {3, "YouGotCuddled"}, {7, "GameOver"},
               {-1, "GameOver"}};
  for (const Case& c : cases) {
    vx_pell_PELL_EndofGame = 40;  // words in place
    vx_pell_PELL_EndReason = c.reason;
    vx_pell_Sprtup = 0;
    vx_pell_GameOver();
    EXPECT_EQ(Glyphs(), c.words) << c.reason;
    // Above and below the centre line once in place.
    const std::vector<game_fixture::Sprite> glyphs = Images(99);
    EXPECT_EQ(glyphs.front().y, vx_pell_jscrh / 2 - 36);
    EXPECT_EQ(glyphs.back().y, vx_pell_jscrh / 2 + 36);
  }
}

TEST_F(Banner, ASecondEndChangesNothingAndAFinishedBannerAllowsANewOne) {
  vx_pell_EndGame(0);
  vx_pell_EndGame(2);
  EXPECT_EQ(vx_pell_PELL_EndReason, 0);
  EXPECT_EQ(vx_pell_PELL_EndofGame, 1);
  Step(0, 161);
  ASSERT_EQ(vx_pell_PELL_EndofGame, 0);
  vx_pell_EndGame(2);
  EXPECT_EQ(vx_pell_PELL_EndofGame, 1);
  EXPECT_EQ(vx_pell_PELL_EndReason, 2);
}

TEST_F(Banner, AfterAQuitObjectsStillGrabbedAreScoredAndRecorded) {
  UseFont();
  Place(0, OBJ_FALLING, 600, 100);
  Obj(0)[4] = 2;
  Step(REPLAY_QUIT);
  EXPECT_EQ(Obj(0)[2], 100) << "paused on the update of the quit: nothing moves";
  EXPECT_EQ(vx_pell_PELL_EndReason, 2);

  // An object falling into reach under the banner: the character stands
  // still but still grabs, pulls in and collects it.
  Place(0, OBJ_FALLING, P()[1] + 10, P()[2] - 80);
  Obj(0)[4] = 2;
  const float x = P()[1];
  for (int k = 3; k <= 89; ++k) {
    Step(REPLAY_RIGHT | REPLAY_JUMP);
    if (k == 50) {
      EXPECT_NE(Glyphs().find("QuitGame"), std::string::npos) << Glyphs();
    }
  }
  EXPECT_EQ(P()[1], x);
  EXPECT_EQ(P()[50], 10);
  EXPECT_FALSE(run->m_recorded);
  Step(0, 2);
  ASSERT_TRUE(run->m_recorded);
  EXPECT_EQ(run->m_score, 10);
  EXPECT_EQ(run->m_collected, 1);
  EXPECT_EQ(vx_pell_PELL_GameMode, 0);
}

}  // namespace
