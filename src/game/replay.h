// Runs the game without a window, renderer or audio device, for tests and
// benchmarks: a host whose clock the driver sets, the real input device fed
// with the keys a script holds, and the shell's per-update sequence for a
// run (start, game step, banner, hand-over of the sprite list).
#pragma once

#include <vector>

#include "host/game.h"
#include "shell/mygame.h"

class c_InputDevice;

// What a script can hold in one update.
enum { REPLAY_LEFT = 1, REPLAY_RIGHT = 2, REPLAY_JUMP = 4, REPLAY_QUIT = 8 };

// A host with no window whose clock reads what the driver sets.
class c_ReplayHost : public VxGame {
 public:
  int m_clock = 0;
  int Millisecs() override { return m_clock; }
};

// One run from a fresh program state. The clock reads `seed` on the update
// that starts the run, so the seed fixes the city, the stars and every
// random draw after; then it advances as at 60 updates per second. One at a
// time: a run owns the program's globals.
class c_Replay {
 public:
  c_Replay(int seed, int gameType);
  ~c_Replay();
  c_Replay(const c_Replay&) = delete;
  c_Replay& operator=(const c_Replay&) = delete;

  // One update with these REPLAY_ flags held. REPLAY_QUIT ends the run as
  // the pause overlay's Quit does: the game is paused on that update, so
  // the step does not run, and the banner starts with reason 2.
  void p_Update(int held);
  void p_Run(const std::vector<int>& script);

  int m_updates = 0;           // updates run, the one that started the run included
  bool m_recorded = false;     // the shell has taken the run's result
  float m_score = 0;           // the score it took
  float m_collected = 0;       // and the collected count

 private:
  c_ReplayHost m_host;  // first: vxInit takes the host that exists
  c_InputDevice* m_input = nullptr;
  c_MyGame m_game;
  int m_seed = 0;
  int m_held = 0;

  void Feed(int held);
  void Record();
};
