// Name entry through the real input device: moving, clearing and copying
// with the one-shot lock, the two step tables, the auto-repeat of a held
// key or arrow, the ways out with their save, and what a hand-edited
// record can put into the cursor and the slots.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "overlay_fixture.h"
#include "shell/persist.h"

namespace {

const std::vector<int> kNewUser = {46, 65, 77, 69, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // "Name"

class NameEntry : public OverlayTest {
 protected:
  // The opener brings the cursor onto a slot; the first update releases.
  void OpenName(int cursor) {
    std::copy(kNewUser.begin(), kNewUser.end(), vx_pell_PELL_Username.begin());
    Open(3);
    Cursor() = cursor;
    Update();
  }
  static int& Cursor() { return vx_pell_PELL_MenuPos[47]; }
  static int& Slot(int i) { return vx_pell_PELL_Username[static_cast<size_t>(i)]; }
  static std::vector<int> Name() {
    return std::vector<int>(vx_pell_PELL_Username.begin(), vx_pell_PELL_Username.begin() + 13);
  }
  // Keys held together for one update, then let go for one.
  void Chord(const std::vector<int>& keys) {
    for (int k : keys) Key(k, true);
    Update();
    for (int k : keys) Key(k, false);
    Update();
  }
};

TEST_F(NameEntry, CursorClearAndConfirm) {
  const struct {
    const char* name;
    int cursor;
    std::vector<std::vector<int>> presses;
    int cursorAfter;
    std::vector<std::pair<int, int>> changed;  // slot, new value
  } cases[] = {
      {"confirm onto an empty slot copies the letter", 3, {{KEY_SPACE}}, 4, {{4, 69}}},
      {"and again", 3, {{KEY_SPACE}, {KEY_SPACE}}, 5, {{4, 69}, {5, 69}}},
      {"confirm onto a filled slot keeps it", 0, {{KEY_J}}, 1, {}},
      {"confirm on slot 12 stays and changes nothing", 12, {{KEY_Z}}, 12, {}},
      {"clear on slot 0 empties it and stays", 0, {{KEY_X}}, 0, {{0, 0}}},
      {"clear moves back a slot", 2, {{KEY_K}}, 1, {{2, 0}}},
      {"left on slot 0 goes to slot 12", 0, {{KEY_LEFT}}, 12, {}},
      {"right on slot 12 goes to slot 0", 12, {{KEY_D}}, 0, {}},
      {"left and confirm together: only left", 3, {{KEY_LEFT, KEY_SPACE}}, 2, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenName(c.cursor);
    const int mark = Mark();
    for (const auto& keys : c.presses) Chord(keys);
    EXPECT_EQ(Cursor(), c.cursorAfter);
    std::vector<int> expected = kNewUser;
    for (const auto& [slot, value] : c.changed) expected[static_cast<size_t>(slot)] = value;
    EXPECT_EQ(Name(), expected);
    EXPECT_EQ(SoundsSince(mark), std::vector<int>(c.presses.size(), 98));
    EXPECT_EQ(vx_pell_PELL_OptCred, 3);
  }
}

TEST_F(NameEntry, StepsFollowTheirTables) {
  const struct {
    const char* name;
    int start;
    std::vector<int> keys;
    std::vector<int> shown;  // after each press
  } cases[] = {
      {"up from a space: 9, 8, 7", 0, {KEY_UP}, {25, 24, 23}},
      {"down on a tilde: A", 94, {KEY_DOWN}, {33}},
      {"down on a space: A, B", 0, {KEY_S}, {33, 34}},
      {"up on A: @, then the space", 33, {KEY_W}, {32, 0}},
      {"up on !: tilde", 1, {KEY_UP}, {94}},
      {"down on >: the space", 30, {KEY_DOWN}, {0}},
      {"down on ?: @, A", 31, {KEY_DOWN}, {32, 33}},
      {"up and down together only step back", 0, {KEY_UP, KEY_DOWN}, {25, 24}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenName(5);
    Slot(5) = c.start;
    std::vector<int> shown;
    for (size_t k = 0; k < c.shown.size(); ++k) {
      Chord(c.keys);
      shown.push_back(Slot(5));
    }
    EXPECT_EQ(shown, c.shown);
  }
}

// Stepping back from a space visits every frame from 0 to 94 but colon to
// question mark (26-31) and returns; stepping forward never comes back.
TEST_F(NameEntry, TheTwoDirectionsVisitDifferentCharacters) {
  OpenName(0);
  Slot(0) = 0;
  std::set<int> back;
  for (int k = 0; k < 89; ++k) {
    Chord({KEY_UP});
    back.insert(Slot(0));
  }
  EXPECT_EQ(Slot(0), 0) << "round in 89 steps";
  EXPECT_EQ(back.size(), 89u);
  for (int v = 26; v <= 31; ++v) EXPECT_EQ(back.count(v), 0u) << v;

  std::set<int> forward;
  for (int k = 0; k < 63; ++k) {
    Chord({KEY_DOWN});
    forward.insert(Slot(0));
  }
  EXPECT_EQ(Slot(0), 33) << "A again after the tilde";
  EXPECT_EQ(forward.size(), 62u);
  EXPECT_EQ(*forward.begin(), 33);
  EXPECT_EQ(*forward.rbegin(), 94);
}

// A held input steps at once, 30 updates later, 15 after that, then every
// 2; the arrows repeat alike, but only while the one-shot lock is off.
TEST_F(NameEntry, HeldInputRepeatsAtOnceThenAfter30Then15ThenEvery2) {
  const std::vector<int> repeat = {1, 31, 46, 48, 50, 52, 54, 56, 58, 60};
  const struct {
    const char* name;
    bool arrow, locked;
    std::vector<int> steps;  // updates on which the slot changed
  } cases[] = {
      {"up key", false, false, repeat},
      {"upper arrow", true, false, repeat},
      {"upper arrow while the lock is on", true, true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenName(0);
    Slot(0) = 0;
    // The arrow above the cursor slot (x 208, raised to y 292).
    if (c.arrow) Pointer(200, 232, true);
    if (!c.arrow) Key(KEY_UP, true);
    if (c.locked) {
      vx_pell_kdis[0] = 1;
      Key(KEY_C, true);  // held, it keeps the lock from being released
    }
    const int mark = Mark();
    std::vector<int> steps;
    for (int u = 1; u <= 60; ++u) {
      const int before = Slot(0);
      Update();
      if (Slot(0) != before) steps.push_back(u);
    }
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(SoundsSince(mark), std::vector<int>(c.steps.size(), 98));
    Pointer(200, 232, false);
    Key(KEY_UP, false);
    Key(KEY_C, false);
    Update();
  }
}

// Every way out keeps the name and saves it; none erases a character, and
// Enter (which also drives confirm) leaves instead of moving on.
TEST_F(NameEntry, LeavingSavesTheNameAndErasesNothing) {
  const struct {
    const char* name;
    int key;
  } cases[] = {{"backspace", KEY_BACKSPACE}, {"delete", KEY_DELETE}, {"escape", KEY_ESCAPE},
               {"fourth button", KEY_V},     {"enter", KEY_ENTER}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenName(3);
    Slot(7) = 40;
    const std::vector<int> name = Name();
    const int mark = Mark();
    Key(c.key, true);
    Update();
    EXPECT_EQ(vx_pell_PELL_OptCred, 0);
    EXPECT_EQ(SoundsSince(mark), std::vector<int>{99});
    EXPECT_EQ(Name(), name);
    EXPECT_EQ(Cursor(), 3);
    Key(c.key, false);
    Update();

    Slot(7) = 0;
    vx_pell_Load();
    EXPECT_EQ(Slot(7), 40) << "read back from the state file";
  }
}

// A cursor left by the options screen and slot values from a hand-edited
// record: the cursor is brought onto a slot, values the font has no frame
// for are drawn as a space, and stepping them wraps like 32-bit ints.
TEST_F(NameEntry, ValuesFromOutsideAreHandledSafely) {
  for (const auto& [cursor, onto] : {std::pair<int, int>{128, 12}, {-5, 0}, {INT_MIN, 0}}) {
    SCOPED_TRACE(cursor);
    OpenName(cursor);
    EXPECT_EQ(Cursor(), onto);
  }

  OpenName(12);
  const int values[] = {128, 129, -7, 100, INT_MAX};
  const int frames[] = {0, 0, 0, 100, 0};
  for (int i = 0; i < 5; ++i) Slot(i) = values[i];
  Update();
  for (int i = 0; i < 5; ++i) {
    const float x = 400 - 192 + 32.0f * i + 8, y = 300 - 8;
    const std::vector<Sprite> glyph =
        Sprites([&](const Sprite& s) { return s.kind == 1 && s.slot == vx_pell_PELL_Font && s.x == x && s.y == y; });
    ASSERT_EQ(glyph.size(), 1u) << "slot " << i;
    EXPECT_EQ(glyph[0].frame, frames[i]) << "slot " << i;
  }

  Cursor() = 4;
  Chord({KEY_DOWN});
  EXPECT_EQ(Slot(4), INT_MIN);
  Chord({KEY_UP});
  EXPECT_EQ(Slot(4), INT_MAX);
}

}  // namespace
