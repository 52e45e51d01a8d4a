// The desktop host's translation of GLFW keys, characters and mouse input:
// both tables in full, and the callbacks' events as the input device of a
// started game records them.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "started_game.h"

namespace {

std::map<int, int> ExpectedTransKey() {
  std::map<int, int> m = {
      {32, 32},   {39, 222},  {44, 188},  {45, 189},  {46, 190},  {47, 191},  {59, 186},  {61, 187},
      {91, 219},  {92, 220},  {93, 221},  {96, 192},  {256, 27},  {257, 13},  {258, 9},   {259, 8},
      {260, 45},  {261, 46},  {262, 39},  {263, 37},  {264, 40},  {265, 38},  {266, 33},  {267, 34},
      {268, 36},  {269, 35},  {330, 110}, {331, 111}, {332, 106}, {333, 109}, {334, 107}, {340, 16},
      {341, 17},  {344, 16},  {345, 17},
  };
  for (int k = 48; k <= 57; ++k) m[k] = k;
  for (int k = 65; k <= 90; ++k) m[k] = k;
  for (int i = 0; i < 12; ++i) m[290 + i] = 112 + i;
  for (int i = 0; i < 10; ++i) m[320 + i] = 96 + i;
  return m;
}

TEST(TransKey, EveryListedKeyHasItsCodeAndNoOtherKeyHasOne) {
  const std::map<int, int> want = ExpectedTransKey();
  for (int key = -1; key <= 400; ++key) {
    auto it = want.find(key);
    EXPECT_EQ(VxGlfwGame::TransKey(key), it == want.end() ? 0 : it->second) << "GLFW key " << key;
  }
  // By name, the keys players reach for that must stay silent.
  const int silent[] = {GLFW_KEY_RIGHT_ALT,   GLFW_KEY_LEFT_ALT,  GLFW_KEY_KP_ENTER, GLFW_KEY_KP_EQUAL,
                        GLFW_KEY_CAPS_LOCK,   GLFW_KEY_NUM_LOCK,  GLFW_KEY_LEFT_SUPER, GLFW_KEY_MENU,
                        GLFW_KEY_PRINT_SCREEN, GLFW_KEY_F13,      GLFW_KEY_WORLD_1,  GLFW_KEY_UNKNOWN};
  for (int key : silent) EXPECT_EQ(VxGlfwGame::TransKey(key), 0) << "GLFW key " << key;
}

TEST(KeyToChar, SpecialKeysGiveTheirCharactersAndOthersNone) {
  std::map<int, int> want = {{8, 8}, {9, 9}, {13, 13}, {27, 27}, {45, 65536 + 45}, {46, 127}};
  for (int k = 33; k <= 40; ++k) want[k] = 65536 + k;
  for (int key = -1; key <= 512; ++key) {
    auto it = want.find(key);
    EXPECT_EQ(VxGlfwGame::KeyToChar(key), it == want.end() ? 0 : it->second) << "key " << key;
  }
}

struct KeyStroke {
  int glfwKey, action;
};
const int P = GLFW_PRESS, R = GLFW_RELEASE, T = GLFW_REPEAT;

struct StrokeCase {
  const char* name;
  std::vector<KeyStroke> strokes;
  int key;  // 0: nothing at all may arrive
  bool down;
  int hits;
  std::vector<int> chars;
};

using Callbacks = StartedGame;

TEST_F(Callbacks, KeyStrokesArriveAsKeysAndCharacters) {
  const StrokeCase cases[] = {
      {"held cursor key", {{GLFW_KEY_LEFT, P}, {GLFW_KEY_LEFT, T}, {GLFW_KEY_LEFT, T}}, 37, true, 1,
       {65573, 65573, 65573}},
      {"tapped cursor key", {{GLFW_KEY_LEFT, P}, {GLFW_KEY_LEFT, R}}, 37, false, 1, {65573}},
      {"delete", {{GLFW_KEY_DELETE, P}}, 46, true, 1, {127}},
      {"enter", {{GLFW_KEY_ENTER, P}, {GLFW_KEY_ENTER, R}}, 13, false, 1, {13}},
      // Its text comes from the character callback, not from here.
      {"letter", {{GLFW_KEY_A, P}}, 65, true, 1, {}},
      {"shifts are one key", {{GLFW_KEY_LEFT_SHIFT, P}, {GLFW_KEY_RIGHT_SHIFT, P}, {GLFW_KEY_RIGHT_SHIFT, R}}, 16,
       false, 1, {}},
      {"unknown action", {{GLFW_KEY_A, 7}}, 0, false, 0, {}},
      {"right alt", {{GLFW_KEY_RIGHT_ALT, P}, {GLFW_KEY_RIGHT_ALT, R}}, 0, false, 0, {}},
      {"keypad enter", {{GLFW_KEY_KP_ENTER, P}}, 0, false, 0, {}},
      {"caps lock", {{GLFW_KEY_CAPS_LOCK, P}}, 0, false, 0, {}},
      {"unnamed key", {{GLFW_KEY_UNKNOWN, P}}, 0, false, 0, {}},
  };
  for (const StrokeCase& c : cases) {
    SCOPED_TRACE(c.name);
    *dev = c_InputDevice();
    dev->m_new();
    for (const KeyStroke& s : c.strokes) VxGlfwGame::OnKey(host->Window(), s.glfwKey, 0, s.action, 0);
    if (c.key == 0) {
      EXPECT_EQ(dev->m_keyHitPut, 0);
      for (int key = 0; key < 512; ++key) ASSERT_FALSE(dev->m_keyDown[key]) << "key " << key;
    } else {
      EXPECT_EQ(dev->p_KeyDown(c.key), c.down);
      EXPECT_EQ(dev->p_KeyHit(c.key), c.hits);
      EXPECT_EQ(dev->m_keyHitPut, c.hits);
    }
    EXPECT_EQ(std::vector<int>(dev->m_charQueue, dev->m_charQueue + dev->m_charPut), c.chars);
  }
}

TEST_F(Callbacks, TypedCharactersArriveUnchanged) {
  for (unsigned chr : {0x61u, 0xE9u, 0x20ACu, 0x1F600u}) VxGlfwGame::OnChar(host->Window(), chr);
  EXPECT_EQ(std::vector<int>(dev->m_charQueue, dev->m_charQueue + dev->m_charPut),
            (std::vector<int>{0x61, 0xE9, 0x20AC, 0x1F600}));
  EXPECT_EQ(dev->m_keyHitPut, 0);
}

TEST_F(Callbacks, MouseButtonsAndCursorMoves) {
  VxGlfwGame::OnCursorPos(host->Window(), 10.75, 20.5);
  EXPECT_EQ(dev->p_MouseX(), 10.75f);
  EXPECT_EQ(dev->p_MouseY(), 20.5f);

  // Only left, right and middle have key codes; a fourth button is nothing.
  VxGlfwGame::OnMouseButton(host->Window(), GLFW_MOUSE_BUTTON_4, GLFW_PRESS, 0);
  VxGlfwGame::OnMouseButton(host->Window(), GLFW_MOUSE_BUTTON_LAST, GLFW_PRESS, 0);
  EXPECT_EQ(dev->m_keyHitPut, 0);
  EXPECT_EQ(dev->p_MouseX(), 10.75f);

  VxGlfwGame::OnMouseButton(host->Window(), GLFW_MOUSE_BUTTON_RIGHT, GLFW_PRESS, 0);
  VxGlfwGame::OnMouseButton(host->Window(), GLFW_MOUSE_BUTTON_MIDDLE, GLFW_PRESS, 0);
  EXPECT_TRUE(dev->p_KeyDown(KEY_MOUSE_RIGHT));
  EXPECT_TRUE(dev->p_KeyDown(KEY_MOUSE_MIDDLE));
  VxGlfwGame::OnMouseButton(host->Window(), GLFW_MOUSE_BUTTON_RIGHT, GLFW_RELEASE, 0);
  EXPECT_FALSE(dev->p_KeyDown(KEY_MOUSE_RIGHT));
  EXPECT_EQ(dev->p_KeyHit(KEY_MOUSE_RIGHT), 1);

  // The press takes its position from the window system, in window pixels.
  double x = 0, y = 0;
  glfwGetCursorPos(host->Window(), &x, &y);
  VxGlfwGame::OnMouseButton(host->Window(), GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS, 0);
  EXPECT_TRUE(dev->p_KeyDown(KEY_MOUSE_LEFT));
  EXPECT_TRUE(dev->p_KeyDown(KEY_TOUCH_BASE));
  EXPECT_EQ(dev->p_MouseX(), static_cast<float>(x));
  EXPECT_EQ(dev->p_TouchY(0), static_cast<float>(y));
}

}  // namespace
