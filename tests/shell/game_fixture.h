// The whole game in the test process: the desktop host with its window,
// renderer, audio and input devices, and c_MyGame started on them, run one
// update at a time the way the host loop brackets it. Keys and the pointer
// go into the real input device. Each test works in a scratch folder, so
// the state file it writes is its own.
#pragma once

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "host/app.h"
#include "host/glfw_game.h"
#include "host/init.h"
#include "input/input.h"
#include "shell/globals.h"
#include "shell/mygame.h"
#include "support/scratch.h"
#include "toolkit/globals.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// A host whose clock the test sets, and that can be pointed at another data
// folder (the only way to show the game a folder with nothing in it).
class TestHost : public VxQuibexGame {
 public:
  double now = 1;           // seconds
  std::string dataFolder;   // "" = the real one beside the executable
  double GetTime() override { return now; }
  String PathToFilePath(const String& path) override {
    if (!dataFolder.empty() && path.StartsWith("quibex://data/"))
      return String(dataFolder.c_str()) + "/" + path.Slice(14);
    return VxQuibexGame::PathToFilePath(path);
  }
};

// One record of the sprite list, as the update left it.
struct Sprite {
  int kind, slot, frame;  // slot and frame -1 unless an image
  float x, y, w, h;       // w and h of a rectangle, else 0
  float alpha, r, g, b;
};

// The sprite list of the last update.
inline std::vector<Sprite> Sprites(const std::function<bool(const Sprite&)>& keep = nullptr) {
  std::vector<Sprite> out;
  for (int k = 0; k < vx_pell_Sprtup; ++k) {
    const float* r = &vx_pell_PELL_Draw[static_cast<size_t>(20 * k)];
    Sprite s{static_cast<int>(r[9]), -1, -1, r[11], r[12], 0, 0, r[0], r[1], r[2], r[3]};
    if (s.kind == 1) {
      s.slot = static_cast<int>(r[10]);
      s.frame = static_cast<int>(r[13]);
    } else if (s.kind == 2) {
      s.w = r[13];
      s.h = r[14];
    }
    if (!keep || keep(s)) out.push_back(s);
  }
  return out;
}
inline std::vector<Sprite> Images(int slot) {
  return Sprites([slot](const Sprite& s) { return s.kind == 1 && s.slot == slot; });
}

// Each sound that plays takes the next of the 32 channels, so the channel
// number counts the plays (no test here plays 32).
inline int Plays() { return vx_pell_PELL_LChan; }
inline bool LastPlayWas(int sound) {
  const gxtkChannel& c = vx_audio_device->channels[vx_pell_PELL_LChan];
  return vx_pell_PELL_SFX[sound] && c.sample == vx_pell_PELL_SFX[sound]->m_sample;
}

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(glfwInit());
    host = new TestHost();
  }

  // Separate from SetUp so that a test can change the host first.
  void Start() {
    vxInit();
    game = new c_MyGame();
    game->m_new();
    host->SetDeviceWindow(640, 480, DISPLAY_RESIZABLE | DISPLAY_DECORATED);
    host->StartGame();
    ASSERT_NE(vx_input_device, nullptr);
  }

  // The host, the game, its devices and the loaded assets live until the
  // process (one per test) ends, as in the game. The game ends without
  // running destructors; a test returns from main, and the globals' own
  // destructors would drop the last references to the assets first. So
  // leaks are looked for here, while the game still holds what it holds.
  // GLFW is not terminated: unloading the GL driver after drawing leaves
  // two small allocations of Mesa's that the leak check cannot attribute.
  void TearDown() override {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();
#endif
  }

  void Update() { host->UpdateGame(); }
  void Updates(int n) {
    for (int i = 0; i < n; ++i) Update();
  }
  void FinishLoading() {
    for (int i = 0; i < 61 && vx_pell_PELL_Loader != 0; ++i) Update();
    ASSERT_EQ(vx_pell_PELL_Loader, 0);
  }

  void Key(int key, bool down) { vx_input_device->p_KeyEvent(down ? EVENT_KEY_DOWN : EVENT_KEY_UP, key); }
  // Held for one update, released for the next.
  void Press(int key) {
    Key(key, true);
    Update();
    Key(key, false);
    Update();
  }
  // Before the first render the pointer is read in virtual units as given.
  void Pointer(float x, float y, bool down) {
    vx_input_device->p_MouseEvent(EVENT_MOUSE_MOVE, 0, x, y);
    vx_input_device->p_MouseEvent(down ? EVENT_MOUSE_DOWN : EVENT_MOUSE_UP, 0, x, y);  // button 0: left
  }
  void Click(float x, float y) {
    Pointer(x, y, true);
    Update();
    Pointer(x, y, false);
    Update();
  }

  ScratchDir scratch;
  TestHost* host = nullptr;
  c_MyGame* game = nullptr;
};
