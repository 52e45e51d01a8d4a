// The main menu driven through the real input device with key and pointer
// events, one full update at a time: the lock that makes a press act once,
// the cursors of both lists, choosing a difficulty, going back, and Quit
// (in a child process, since it ends the program).
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "support/child.h"

namespace {

class Menu : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Start();
    FinishLoading();
    Update();
    jingle = ::Plays();
  }
  // Sounds played by the menu, after the loading jingle.
  int Plays() const { return ::Plays() - jingle; }
  int jingle = 0;
  static int Page() { return vx_pell_PELL_MenuPos[0]; }
  static int MainCursor() { return vx_pell_PELL_MenuPos[1]; }
  static int ListCursor() { return vx_pell_PELL_MenuPos[2]; }
  static bool Locked() { return vx_pell_kdis[0] != 0; }

  // Rows of the main list on the 800 x 600 screen: x from 200, y = 408 +
  // 48 per row, each 40 high.
  static float MainRow(int k) { return 408.0f + 48 * k; }
  // Rows of the difficulty list: y = 456 + 48 per row.
  static float ListRow(int k) { return 456.0f + 48 * k; }
};

TEST_F(Menu, HoldingConfirmOpensTheDifficultyListWithoutChoosing) {
  ASSERT_EQ(Page(), 1);
  Key(KEY_ENTER, true);
  Updates(4);
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(ListCursor(), 1) << "on Normal";
  EXPECT_EQ(vx_pell_PELL_GameMode, 0) << "still held: nothing chosen";
  EXPECT_EQ(Plays(), 1);
  EXPECT_TRUE(LastPlayWas(99));

  Key(KEY_ENTER, false);
  Update();
  EXPECT_FALSE(Locked());
  Key(KEY_ENTER, true);
  Update();
  EXPECT_EQ(vx_pell_PELL_GameMode, 11);
  EXPECT_EQ(vx_pell_PELL_GameType, 2);
  EXPECT_EQ(Plays(), 2);
}

TEST_F(Menu, MainListCursorStopsAtBothEnds) {
  const struct {
    int key, cursor;
  } steps[] = {{KEY_DOWN, 1}, {KEY_DOWN, 2}, {KEY_DOWN, 3}, {KEY_DOWN, 3},
               {KEY_UP, 2},   {KEY_UP, 1},   {KEY_UP, 0},   {KEY_UP, 0}};
  int moves = 0, last = 0;
  for (const auto& s : steps) {
    Press(s.key);
    EXPECT_EQ(MainCursor(), s.cursor);
    if (s.cursor != last) ++moves;
    last = s.cursor;
    EXPECT_EQ(Plays(), moves) << "a move sounds, a stop at an end is silent";
  }
  EXPECT_TRUE(LastPlayWas(98));
  EXPECT_EQ(Page(), 1);
}

// The list wraps at both ends; the chosen row sets the difficulty, 1-3.
TEST_F(Menu, DifficultyListWrapsAndChoosesOneToThree) {
  const struct {
    const char* name;
    std::vector<int> keys;
    int type;
  } cases[] = {
      {"Normal as it opens", {}, 2},
      {"down to Hard", {KEY_DOWN}, 3},
      {"down on Hard wraps to Easy", {KEY_DOWN, KEY_DOWN}, 1},
      {"up to Easy", {KEY_UP}, 1},
      {"up on Easy wraps to Hard", {KEY_UP, KEY_UP}, 3},
      {"once round", {KEY_DOWN, KEY_DOWN, KEY_DOWN}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    vx_pell_PELL_GameMode = 0;
    vx_pell_PELL_GameType = 0;
    vx_pell_PELL_MenuPos[0] = 2;
    vx_pell_PELL_MenuPos[2] = 1;
    Update();
    for (int k : c.keys) Press(k);
    EXPECT_EQ(ListCursor(), c.type - 1);
    Key(KEY_SPACE, true);
    Update();
    EXPECT_EQ(vx_pell_PELL_GameMode, 11);
    EXPECT_EQ(vx_pell_PELL_GameType, c.type);
    EXPECT_TRUE(LastPlayWas(99));
    Key(KEY_SPACE, false);
    vx_pell_PELL_GameMode = 0;  // before the run would start
    Update();
  }
}

// A click on another row only moves the cursor; the next click chooses.
TEST_F(Menu, FirstClickMovesTheCursorSecondChooses) {
  Click(220, MainRow(1));
  EXPECT_EQ(MainCursor(), 1);
  EXPECT_TRUE(LastPlayWas(98));
  EXPECT_EQ(vx_pell_PELL_MenuPos[47], 0) << "Options not opened yet";

  Click(220, MainRow(1));
  EXPECT_EQ(vx_pell_PELL_MenuPos[47], 128) << "Options opened, its scroll at the top";
  EXPECT_TRUE(LastPlayWas(99));

  vx_pell_PELL_OptCred = 0;
  Update();
  vx_pell_PELL_MenuPos[0] = 2;
  Update();
  Click(220, ListRow(2));
  EXPECT_EQ(ListCursor(), 2);
  EXPECT_EQ(vx_pell_PELL_GameMode, 0);
  Pointer(220, ListRow(2), true);
  Update();
  EXPECT_EQ(vx_pell_PELL_GameMode, 11);
  EXPECT_EQ(vx_pell_PELL_GameType, 3);
  Pointer(220, ListRow(2), false);

  // Beside the text is not on the button.
  vx_pell_PELL_GameMode = 0;
  vx_pell_PELL_MenuPos[0] = 1;
  Update();
  Click(190, MainRow(0));
  Click(220, MainRow(0) + 22);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(MainCursor(), 1);
}

TEST_F(Menu, HeldPointerKeepsTheLockWithEveryKeyUp) {
  Pointer(220, MainRow(0), true);
  Update();
  EXPECT_EQ(Page(), 2);
  EXPECT_TRUE(Locked());
  Updates(5);
  EXPECT_TRUE(Locked());
  Pointer(220, MainRow(0), false);
  Update();
  EXPECT_FALSE(Locked());
}

// Back to the main list from the difficulty list, by key or by the icon.
TEST_F(Menu, BackLeavesTheDifficultyList) {
  const struct {
    const char* name;
    int key;  // 0: a click on the back icon
  } cases[] = {{"escape", KEY_ESCAPE}, {"second button", KEY_X}, {"third button", KEY_C}, {"back icon", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    vx_pell_PELL_MenuPos[0] = 2;
    Update();
    const int plays = Plays();
    if (c.key)
      Press(c.key);
    else
      Click(20, 110);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Plays(), plays + 1);
    EXPECT_TRUE(LastPlayWas(99));
    EXPECT_EQ(vx_pell_PELL_GameMode, 0);
  }
}

// The backdrop parts while the difficulty list opens and the scoreboard
// slides in, settling at the screen's right edge; back on the main list
// the backdrop closes again.
TEST_F(Menu, BackdropPartsAndClosesWithThePages) {
  EXPECT_EQ(vx_pell_PELL_MenuPos[5], 800 - 32 - 32 * 2) << "closing since the menu appeared";
  Updates(30);
  EXPECT_EQ(vx_pell_PELL_MenuPos[5], 0);
  Press(KEY_ENTER);
  Updates(30);
  EXPECT_EQ(vx_pell_PELL_MenuPos[5], 800);
  const std::vector<Sprite> panel = Images(82);
  ASSERT_EQ(panel.size(), 1u);
  EXPECT_EQ(panel[0].x, 800);
  EXPECT_EQ(panel[0].y, 600 - 190);

  Press(KEY_ESCAPE);
  Updates(30);
  EXPECT_EQ(vx_pell_PELL_MenuPos[5], 0);
}

TEST(MenuQuit, QuitEndsTheProgramWithStatusZero) {
  ScratchDir scratch;
  const ChildResult r = RunChild({BuiltProgram("shell_probe"), "quit"});
  ASSERT_TRUE(r.exited) << r.err;
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("on Quit"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("still running"), std::string::npos) << r.out;
}

}  // namespace
