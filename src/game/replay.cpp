// The headless driver of a run. It repeats what the host and p_OnUpdate do
// for the run's screen modes; the main menu and the pause overlay are not
// run (a quit is fed directly), and the end-of-run step only takes the
// result instead of writing the score table and the state file.
#include "game/replay.h"

#include <cstdint>

#include "game/gameover.h"
#include "game/globals.h"
#include "game/objects.h"
#include "host/globals.h"
#include "host/init.h"
#include "input/input.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "toolkit/draw.h"
#include "toolkit/frame.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"

namespace {

struct Binding {
  int flag, key;
};
const Binding kKeys[] = {{REPLAY_LEFT, KEY_LEFT}, {REPLAY_RIGHT, KEY_RIGHT}, {REPLAY_JUMP, KEY_SPACE}};

}  // namespace

c_Replay::c_Replay(int seed, int gameType) : m_seed(seed) {
  vxInit();
  vx_pell_PELL_GameNum = 507;
  m_input = (new c_InputDevice())->m_new();
  vx_input_SetInputDevice(m_input);
  vx_pell_jscrw = 800;
  vx_pell_jscrh = 600;
  // As the menu leaves things when a difficulty is chosen: every input locked.
  vx_pell_LockKeys();
  vx_pell_PELL_GameType = gameType;
  vx_pell_PELL_GameMode = 11;
  p_Update(0);
}

c_Replay::~c_Replay() {
  vx_input_SetInputDevice(nullptr);
  delete m_input;
  if (vx_app__game == &m_host) vx_app__game = nullptr;
}

void c_Replay::Feed(int held) {
  for (const Binding& b : kKeys) {
    const bool now = (held & b.flag) != 0, before = (m_held & b.flag) != 0;
    if (now && !before) m_input->p_KeyEvent(EVENT_KEY_DOWN, b.key);
    if (!now && before) m_input->p_KeyEvent(EVENT_KEY_UP, b.key);
  }
  m_held = held;
}

void c_Replay::Record() {
  m_recorded = true;
  m_score = vx_pell_plr[50];
  m_collected = vx_pell_plr[52];
  vx_pell_PELL_GameMode = 0;
  vx_pell_StopTune();
  vx_pell_LockKeys();
}

void c_Replay::p_Update(int held) {
  // 1000 / 60 ms per update, wrapping like the host's int clock.
  m_host.m_clock = static_cast<int>(static_cast<uint32_t>(m_seed) + static_cast<uint32_t>(m_updates * 1000LL / 60));
  Feed(held);

  m_input->p_BeginUpdate();
  vx_pell_Sprtup = 0;
  vx_pell_ResetDraw();
  vx_pell_UpdateWorld();
  switch (vx_pell_PELL_GameMode) {
    case 11:
      m_game.p_GotoGame();
      break;
    case 10:
      if ((held & REPLAY_QUIT) && vx_pell_PELL_EndofGame == 0)
        vx_pell_EndGame(2);
      else
        m_game.p_Game();
      break;
    case 1:
      Record();
      break;
  }
  if (vx_pell_PELL_EndofGame > 0) vx_pell_GameOver();
  vx_pell_Buffer();
  m_input->p_EndUpdate();
  ++m_updates;
}

void c_Replay::p_Run(const std::vector<int>& script) {
  for (int held : script) p_Update(held);
}
