// Keys and clicks typed into the real game window through the X server's
// test extension, read back by the game's update as key codes, hit counts
// and the pointer position; and held keys across a re-created window.
#include <X11/keysym.h>

#include <chrono>
#include <functional>
#include <memory>

#include "started_game.h"
#include "support/x11.h"
#include "support/xtest.h"

namespace {

class TypedInput : public StartedGame {
 protected:
  void SetUp() override {
    StartedGame::SetUp();
    if (HasFatalFailure()) return;
    xtest = std::make_unique<XTestInput>();
    ASSERT_TRUE(xtest->ok()) << "needs the X test extension";
    ASSERT_TRUE(FindWindow());
  }

  void TearDown() override {
    xtest.reset();
    StartedGame::TearDown();
  }

  bool FindWindow() {
    X11Session x;
    if (!x.FindWindow("Kitemoth", &window)) return false;
    // Keys go to the window under the pointer, or to the focused one.
    xtest->MoveTo(window.x + 100, window.y + 50);
    glfwFocusWindow(host->Window());
    return PumpUntil([&] { return dev->p_MouseX() == 100 && dev->p_MouseY() == 50; });
  }

  // Runs the event pump until the condition holds, giving up after a while
  // so that a lost event fails the test instead of hanging it.
  bool PumpUntil(const std::function<bool()>& done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      glfwWaitEventsTimeout(0.02);
    }
    return true;
  }

  std::unique_ptr<XTestInput> xtest;
  X11Window window;
};

TEST_F(TypedInput, KeysAndAClickReachTheNextUpdate) {
  xtest->Tap(XK_a);
  xtest->Key(XK_Left, true);
  xtest->Key(XK_Shift_R, true);
  xtest->Key(XK_Shift_R, false);
  xtest->MoveTo(window.x + 321, window.y + 123);
  xtest->Button(1, true);
  xtest->Button(1, false);
  xtest->Button(3, true);
  ASSERT_TRUE(PumpUntil([&] { return dev->p_KeyDown(KEY_MOUSE_RIGHT); }));

  host->UpdateGame();
  ASSERT_EQ(app->updates, 1);
  c_InputDevice& seen = app->seen;
  struct {
    int key;
    bool down;
    int hits;
  } keys[] = {
      {KEY_A, false, 1},           {KEY_LEFT, true, 1},       {KEY_SHIFT, false, 1},
      {KEY_MOUSE_LEFT, false, 1},  {KEY_TOUCH_BASE, false, 1}, {KEY_MOUSE_RIGHT, true, 1},
      {KEY_MOUSE_MIDDLE, false, 0}, {KEY_B, false, 0},
  };
  for (const auto& k : keys) {
    EXPECT_EQ(seen.p_KeyDown(k.key), k.down) << "key " << k.key;
    EXPECT_EQ(seen.p_KeyHit(k.key), k.hits) << "key " << k.key;
  }
  EXPECT_EQ(seen.m_keyHitPut, 6);
  EXPECT_EQ(seen.p_MouseX(), 321);
  EXPECT_EQ(seen.p_MouseY(), 123);
  EXPECT_EQ(seen.p_TouchX(0), 321);
  // The letter's text from the character callback, then the cursor key's.
  ASSERT_GE(seen.m_charPut, 2);
  EXPECT_EQ(seen.m_charQueue[0], 'a');
  EXPECT_EQ(seen.m_charQueue[1], 65536 + KEY_LEFT);

  // The update's hits are gone afterwards; held keys stay down.
  EXPECT_EQ(dev->p_KeyHit(KEY_A), 0);
  EXPECT_EQ(dev->m_charPut, 0);
  EXPECT_TRUE(dev->p_KeyDown(KEY_LEFT));

  xtest->Key(XK_Left, false);
  xtest->Button(3, false);
  ASSERT_TRUE(PumpUntil([&] { return !dev->p_KeyDown(KEY_LEFT) && !dev->p_KeyDown(KEY_MOUSE_RIGHT); }));
}

TEST_F(TypedInput, KeysHeldWhenTheWindowIsRemadeAreReleased) {
  xtest->Key(XK_Left, true);
  xtest->Key(XK_Control_L, true);
  ASSERT_TRUE(PumpUntil([&] { return dev->p_KeyDown(KEY_LEFT) && dev->p_KeyDown(KEY_CONTROL); }));

  // The old window's key-ups arrive before the switch returns, as they do
  // when the game goes full screen from inside its update.
  host->SetDeviceWindow(1280, 1024, DISPLAY_FULLSCREEN);
  EXPECT_FALSE(dev->p_KeyDown(KEY_LEFT));
  EXPECT_FALSE(dev->p_KeyDown(KEY_CONTROL));
  xtest->Key(XK_Left, false);
  xtest->Key(XK_Control_L, false);

  // The new window has the callbacks too.
  xtest->MoveTo(40, 30);
  glfwFocusWindow(host->Window());
  ASSERT_TRUE(PumpUntil([&] { return dev->p_MouseX() == 40 && dev->p_MouseY() == 30; }));
  xtest->Tap(XK_b);
  xtest->Button(1, true);
  ASSERT_TRUE(PumpUntil([&] { return dev->p_KeyHit(KEY_B) == 1 && dev->p_KeyDown(KEY_MOUSE_LEFT); }));
  xtest->Button(1, false);
}

}  // namespace
