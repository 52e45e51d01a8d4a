// The credits through the real per-update path: the pace of the rows and
// its speed-up, the wrap past the end marker with the upcoming list, the
// leave lock held over from the menu, the play count, and a table that
// has no room left or no rows at all.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "overlay_fixture.h"
#include "shell/overlays.h"

namespace {

class Credits : public OverlayTest {
 protected:
  static int& A() { return vx_pell_PELL_CredTickA; }
  static int& B() { return vx_pell_PELL_CredTickB; }
  // Line j of the upcoming list, down the left edge.
  static std::string Upcoming(int j) { return TextOn(600.0f - 192 + 12 * j, 0, 400); }
  // Updates until the current row changes (at most 1000).
  int UntilNextRow() {
    const int row = B();
    int n = 0;
    while (B() == row && n < 1000) {
      Update();
      ++n;
    }
    return n;
  }
};

TEST_F(Credits, TheFirstRowShowsAtOnceAndHeadsTheUpcomingList) {
  ASSERT_EQ(vx_pell_PELL_Creds, 70) << "13 rows and the end marker";
  Open(2);
  Update();
  EXPECT_EQ(TextOn(300 - 64), "Kitemoth") << "the first field, at full size";
  EXPECT_EQ(Upcoming(0), "Kitemoth");
  EXPECT_EQ(Upcoming(1), "DesignandCode");
}

TEST_F(Credits, EachRowLasts360UpdatesOr72WithADirectionKey) {
  const struct {
    const char* name;
    int key;  // 0: none
    int first, then;
  } cases[] = {
      {"no key", 0, 271, 360}, {"left", KEY_LEFT, 55, 72}, {"right", KEY_D, 55, 72},
      {"up", KEY_UP, 55, 72},  {"down", KEY_S, 55, 72},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    A() = B() = 0;
    Open(2);
    if (c.key) Key(c.key, true);
    EXPECT_EQ(UntilNextRow(), c.first) << "from the middle of the first row";
    EXPECT_EQ(B(), 5);
    EXPECT_EQ(UntilNextRow(), c.then);
    EXPECT_EQ(B(), 10);
    EXPECT_EQ(vx_pell_PELL_OptCred, 2);
    if (c.key) Key(c.key, false);
  }
}

// The 13 rows are shown in turn, B wrapping from 60 to 0; the end marker is
// never the current row, but the list shows its empty first field.
TEST_F(Credits, TheShowWrapsPastTheEndMarker) {
  Open(2);
  A() = 0;
  B() = 60;
  Update();
  EXPECT_EQ(Upcoming(0), "ThankYou");
  EXPECT_EQ(Upcoming(1), "") << "the end marker";
  EXPECT_EQ(Upcoming(2), "Kitemoth");
  A() = 270;
  Update();
  EXPECT_EQ(B(), 0);
  EXPECT_EQ(A(), -89);

  std::set<int> shown;
  Key(KEY_LEFT, true);
  for (int u = 0; u < 2 * 13 * 72; ++u) {
    Update();
    shown.insert(B());
  }
  EXPECT_EQ(shown.size(), 13u);
  EXPECT_EQ(*shown.rbegin(), 60);
}

// Opened from the menu with confirm held, the screen waits for every leave
// input and the pointer to be let go; then any of them leaves.
TEST_F(Credits, HeldConfirmAtOpeningDoesNothingUntilReleased) {
  Press(KEY_DOWN);
  Press(KEY_DOWN);
  ASSERT_EQ(vx_pell_PELL_MenuPos[1], 2) << "on Credits";
  Key(KEY_SPACE, true);
  Update();
  ASSERT_EQ(vx_pell_PELL_OptCred, 2);
  Updates(5);
  EXPECT_EQ(vx_pell_PELL_OptCred, 2);
  Pointer(400, 300, true);
  Key(KEY_SPACE, false);
  Updates(3);
  EXPECT_EQ(vx_pell_PELL_OptCred, 2) << "a held pointer keeps the lock too";
  Pointer(400, 300, false);
  Update();
  EXPECT_EQ(vx_pell_PELL_OptCred, 2);

  const struct {
    const char* name;
    int key;  // 0: a press of the pointer
  } cases[] = {{"confirm", KEY_SPACE}, {"second button", KEY_X}, {"third button", KEY_C},
               {"escape", KEY_ESCAPE}, {"a press", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Open(2);
    Update();
    const int mark = Mark();
    if (c.key)
      Press(c.key);
    else
      Click(400, 300);
    EXPECT_EQ(vx_pell_PELL_OptCred, 0);
    EXPECT_EQ(SoundsSince(mark), std::vector<int>{99});
  }
}

TEST_F(Credits, PlaysShowsThePlayCount) {
  Open(2);
  for (int plays : {0, 7, 1234}) {
    vx_pell_PELL_Set[5] = plays;
    Update();
    // Right-aligned at the top right; its glyphs sit 11 below y = 4.
    EXPECT_EQ(TextOn(15, 400), "Plays:" + std::to_string(plays));
  }
}

// A row that would not fit is dropped whole; a table without rows shows
// nothing and does not fault.
TEST_F(Credits, RowsStayWithinTheTable) {
  vx_pell_PELL_Creds = 1015;
  vx_pell_AddCredit("a", "b", "c", "d", "e");
  EXPECT_EQ(vx_pell_PELL_Creds, 1020);
  EXPECT_EQ(vx_pell_PELL_Cred[1015], String("a"));
  EXPECT_EQ(vx_pell_PELL_Cred[1019], String("e"));
  vx_pell_AddCredit("f", "g", "h", "i", "j");
  EXPECT_EQ(vx_pell_PELL_Creds, 1020);

  vx_pell_PELL_Creds = 0;
  Open(2);
  Updates(3);
  EXPECT_EQ(B(), 0);
  EXPECT_EQ(Upcoming(0), "");
  EXPECT_EQ(vx_pell_PELL_OptCred, 2);
}

}  // namespace
