// The options screen driven through the real input device, one full update
// at a time: the ways out and their save, rows chosen by press and by key,
// toggles and sliders, the clamps, the back lock held over from the screen
// that opened it, and the list's scroll by drag, pull and creep.
#include <gtest/gtest.h>

#include "overlay_fixture.h"
#include "shell/persist.h"

namespace {

class Options : public OverlayTest {
 protected:
  // As the main menu opens it, then left alone until the list has slid in
  // and every lock is released.
  void OpenOptions() {
    Open(1);
    vx_pell_PELL_MenuPos[47] = 128;
    Updates(60);
  }
  static int& Row() { return vx_pell_PELL_MenuPos[49]; }
  static float RowY(int row) { return static_cast<float>(vx_pell_PELL_MenuPos[48] + 116 * row); }
};

TEST_F(Options, EveryWayOutSavesTheSettings) {
  const struct {
    const char* name;
    int key;  // 0: a click on the highlighted "Back" row
    std::vector<int> sounds;
  } cases[] = {
      {"confirm on Back: the row's choice and the screen's", KEY_SPACE, {99, 99}},
      {"a click on the highlighted Back", 0, {99}},
      {"escape", KEY_ESCAPE, {99}},
      {"third button", KEY_C, {99}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenOptions();
    ASSERT_EQ(Row(), 0);
    vx_pell_PELL_Set[1] = 3;
    const int mark = Mark();
    if (c.key)
      Key(c.key, true);
    else
      Pointer(300, RowY(0), true);
    Update();
    EXPECT_EQ(vx_pell_PELL_OptCred, 0);
    EXPECT_EQ(SoundsSince(mark), c.sounds);
    if (c.key)
      Key(c.key, false);
    else
      Pointer(300, RowY(0), false);
    Update();

    vx_pell_PELL_Set[1] = 9;
    vx_pell_Load();
    EXPECT_EQ(vx_pell_PELL_Set[1], 3) << "read back from the state file";
  }
}

// A press on another row only highlights it; a toggle flips on a later
// press on its value box, while a slider takes the pressed mark at once.
TEST_F(Options, PressOnARowHighlightsItFirst) {
  const struct {
    const char* name;
    int row, setting;
    float x;
    int afterFirst, afterSecond;
    std::vector<int> firstSounds, secondSounds;
  } cases[] = {
      {"toggle", 4, 11, 472, 1, 0, {98}, {98}},
      {"slider, mark 3", 2, 1, 372, 3, 3, {98, 98}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenOptions();
    Row() = 0;
    Updates(60);
    ASSERT_EQ(vx_pell_PELL_Set[c.setting], c.setting == 1 ? 7 : 1) << "the defaults";

    int mark = Mark();
    Click(c.x, RowY(c.row));
    EXPECT_EQ(Row(), c.row);
    EXPECT_EQ(vx_pell_PELL_Set[c.setting], c.afterFirst);
    EXPECT_EQ(SoundsSince(mark), c.firstSounds);

    Updates(60);  // a row low on the screen pulls the list up first
    mark = Mark();
    Click(c.x, RowY(c.row));
    EXPECT_EQ(vx_pell_PELL_Set[c.setting], c.afterSecond);
    EXPECT_EQ(SoundsSince(mark), c.secondSounds);
    EXPECT_EQ(vx_pell_PELL_OptCred, 1);
  }
}

// Rows are reached with the down key; left, right and confirm then act on
// the highlighted row's setting within its range.
TEST_F(Options, KeysStepAndClampTheHighlightedRow) {
  const struct {
    const char* name;
    int row, setting, before, key, after, sound;
  } cases[] = {
      {"left on a slider at 0 stays 0", 2, 1, 0, KEY_LEFT, 0, 98},
      {"right on a toggle at 1 stays 1", 4, 11, 1, KEY_RIGHT, 1, 98},
      {"right raises the music", 3, 0, 5, KEY_RIGHT, 6, 98},
      {"left lowers the effects", 2, 1, 5, KEY_A, 4, 98},
      {"confirm on a silent slider jumps to 10", 2, 1, 0, KEY_SPACE, 10, 99},
      {"confirm on a slider elsewhere silences it", 3, 0, 4, KEY_Z, 0, 99},
      {"confirm flips a toggle", 5, 12, 1, KEY_SPACE, 0, 99},
      {"the second button confirms too", 7, 22, 0, KEY_X, 1, 99},
  };
  OpenOptions();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Row() = 0;
    for (int k = 1; k <= c.row; ++k) {
      const int mark = Mark();
      Press(KEY_DOWN);
      EXPECT_EQ(Row(), k);
      EXPECT_EQ(SoundsSince(mark), std::vector<int>{98});
    }
    Updates(60);  // keys reach a row only once it is pulled into view
    vx_pell_PELL_Set[c.setting] = c.before;
    const int mark = Mark();
    Press(c.key);
    EXPECT_EQ(vx_pell_PELL_Set[c.setting], c.after);
    EXPECT_EQ(SoundsSince(mark), std::vector<int>{c.sound});
    EXPECT_EQ(vx_pell_PELL_OptCred, 1);
  }
  EXPECT_EQ(vx_pell_PELL_DebugMode, 1) << "the frame-rate row sets the display it names";
}

// The menu opens the screen with every input locked: an escape held over
// from before leaves only after it has been let go once.
TEST_F(Options, EscapeHeldAsTheScreenOpensWaitsForItsRelease) {
  Press(KEY_DOWN);
  ASSERT_EQ(vx_pell_PELL_MenuPos[1], 1) << "on Options";
  Key(KEY_ESCAPE, true);
  Key(KEY_SPACE, true);
  Update();
  ASSERT_EQ(vx_pell_PELL_OptCred, 1);
  Key(KEY_SPACE, false);
  Updates(5);
  EXPECT_EQ(vx_pell_PELL_OptCred, 1);

  Key(KEY_ESCAPE, false);
  Update();
  EXPECT_EQ(vx_pell_PELL_OptCred, 1);
  Key(KEY_ESCAPE, true);
  Update();
  EXPECT_EQ(vx_pell_PELL_OptCred, 0);
}

// The target of a list scrolled far up creeps down by 8 while its last row
// ends above mid-screen; unless flung, the highlighted row pulls 16 more.
TEST_F(Options, ScrollCreepsBackWhenTheListEndsAboveMidScreen) {
  const struct {
    const char* name;
    int scroll, fling, step;
  } cases[] = {
      {"flung: only the creep", -700, 1, 8},
      {"not flung: the highlighted row pulls as well", -700, 0, 24},
      {"last row below mid-screen: no creep", -600, 1, 0},
  };
  OpenOptions();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    vx_pell_PELL_MenuPos[46] = 0;
    vx_pell_PELL_MenuPos[47] = vx_pell_PELL_MenuPos[48] = c.scroll;
    vx_pell_kdis[47] = c.fling;
    Update();
    EXPECT_EQ(vx_pell_PELL_MenuPos[47], c.scroll + c.step);
    Update();
    EXPECT_EQ(vx_pell_PELL_MenuPos[47], c.scroll + 2 * c.step);
  }
}

// A fast drag flings the list and stops the highlighted row from pulling it
// back until a row is chosen by key.
TEST_F(Options, FastDragFlingsTheList) {
  OpenOptions();
  const float top = RowY(0);
  float y = RowY(1);
  Pointer(100, y, true);  // beside the panels
  Update();
  for (int k = 0; k < 3; ++k) {
    y -= 30;
    Pointer(100, y, true);
    Update();
  }
  EXPECT_EQ(vx_pell_kdis[47], 1) << "flung";
  Pointer(100, y, false);
  Updates(60);
  const float flung = RowY(0);
  EXPECT_LT(flung, 64) << "the highlighted row left the top of the screen";
  EXPECT_LT(flung, top - 100);
  Updates(30);
  EXPECT_EQ(RowY(0), flung) << "and is not pulled back";

  Press(KEY_DOWN);
  Press(KEY_UP);
  Updates(60);
  EXPECT_EQ(Row(), 0);
  EXPECT_GT(RowY(0), 63) << "chosen by key, the row pulls itself into view";
  EXPECT_EQ(vx_pell_PELL_OptCred, 1);
}

}  // namespace
