// The whole game in this process, driven through menus, overlays and runs by
// random keys for a long stretch: it must neither end nor report an error,
// and the heap must not grow once the first run is over. `make soak` runs it
// for 200 000 updates (KITEMOTH_SOAK_UPDATES); `make test` for 20 000.
#include <malloc.h>

#include <cstdlib>
#include <random>

#include "shell/game_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; GCC ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

long ResidentKb() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Keys a player might press; F4 and F11 are left out (the one ends the
// process, the other only flips the window).
const int kKeys[] = {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_Z, KEY_X,  KEY_C,
                     KEY_SPACE, KEY_ENTER, KEY_ESCAPE, KEY_A, KEY_D, KEY_F1, KEY_F2};
const int kConfirm[] = {KEY_Z, KEY_SPACE, KEY_ENTER};

class Soak : public GameTest {
 protected:
  bool held[512] = {};
  void Set(int key, bool down) {
    if (held[key] == down) return;
    held[key] = down;
    Key(key, down);
  }
  // The main list's "Quit" ends the program, so confirm is never held on
  // it, nor while a move down could reach it in the same update.
  static bool OnMainList() {
    return vx_pell_PELL_GameMode == 0 && vx_pell_PELL_OptCred == 0 && vx_pell_PELL_MenuPos[0] == 1;
  }
  void KeepOffQuit() {
    if (!OnMainList()) return;
    const int row = vx_pell_PELL_MenuPos[1];
    if (row >= 2 && held[KEY_DOWN])
      for (int k : kConfirm) Set(k, false);
    if (row == 3)
      for (int k : kConfirm) Set(k, false);
  }
};

TEST_F(Soak, RandomPlayThroughMenusAndRuns) {
  const char* asked = std::getenv("KITEMOTH_SOAK_UPDATES");
  const long updates = asked ? std::atol(asked) : 20000;
  Start();
  FinishLoading();
  std::mt19937 random(507);
  size_t heapAfterFirstRun = 0;
  long rssAfterFirstRun = 0;
  const int runsBefore = vx_pell_PELL_Set[5];
  long paused = 0, overlay[4] = {};  // updates seen in each, for the log
  for (long i = 0; i < updates; ++i) {
    if (random() % 6 == 0) {
      int key = kKeys[random() % (sizeof kKeys / sizeof kKeys[0])];
      // Random keys would nearly always choose "Start Game" first; half the
      // presses of confirm there become a move toward options and credits.
      if (OnMainList() && vx_pell_PELL_MenuPos[1] == 0 && !held[key] && random() % 2 == 0)
        for (int k : kConfirm)
          if (key == k) key = KEY_DOWN;
      Set(key, !held[key]);
    }
    KeepOffQuit();
    host->now += 1.0 / 60;
    Update();
    // Some frames drawn as the loop draws them; without the swap Mesa would
    // keep queueing them.
    if (i % 16 == 0) {
      host->RenderGame();
      glfwSwapBuffers(host->Window());
    }
    paused += vx_pell_PELL_Paused != 0;
    if (vx_pell_PELL_OptCred >= 1 && vx_pell_PELL_OptCred <= 3) ++overlay[vx_pell_PELL_OptCred];
    if (heapAfterFirstRun == 0 && vx_pell_PELL_Set[5] > runsBefore) {
      heapAfterFirstRun = HeapInUse();
      rssAfterFirstRun = ResidentKb();
    }
  }
  const int runs = vx_pell_PELL_Set[5] - runsBefore;
  const size_t heapAtEnd = HeapInUse();
  std::printf("%ld updates, %d runs; updates paused %ld, in options %ld, credits %ld, name entry %ld\n", updates,
              runs, paused, overlay[1], overlay[2], overlay[3]);
  std::printf("heap after the first run %zu, at the end %zu bytes; resident %ld -> %ld KB\n", heapAfterFirstRun,
              heapAtEnd, rssAfterFirstRun, ResidentKb());
  ASSERT_GE(runs, 2) << "random play gets through more than one run";
  // A little slack for what a first visit to an overlay may set up.
  EXPECT_LT(heapAtEnd, heapAfterFirstRun + 64 * 1024) << "the heap grows while playing";
}

}  // namespace
