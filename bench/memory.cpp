// Peak resident memory of the game as it runs: the real host loop (render,
// swap, wait, events, updates) on a clock that jumps instead of waiting,
// through the loading screen, then through a Normal run with keys held.
// Prints the peak after loading and after the run (VmHWM of the process).
#include <GLFW/glfw3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/glfw_game.h"
#include "host/init.h"
#include "input/keys.h"
#include "shell/globals.h"

namespace {

class FastHost : public VxQuibexGame {
 public:
  double now = 1;
  double GetTime() override { return now; }
  void Sleep(double seconds) override { now += seconds; }
};

// A field of /proc/self/status in MiB.
double StatusMiB(const char* field) {
  FILE* f = std::fopen("/proc/self/status", "r");
  if (!f) return -1;
  char line[256];
  double kib = -1;
  const size_t n = std::strlen(field);
  while (std::fgets(line, sizeof line, f))
    if (std::strncmp(line, field, n) == 0 && line[n] == ':') kib = std::atof(line + n + 1);
  std::fclose(f);
  return kib / 1024;
}

}  // namespace

int main() {
  // The run ends in the score table, which is saved in the working folder.
  char folder[] = "/tmp/kitemoth-memory-XXXXXX";
  if (!mkdtemp(folder) || chdir(folder) != 0) return 1;

  if (!glfwInit()) return 1;
  FastHost* host = new FastHost();
  vxInit();
  vxMain();
  host->SetDeviceWindow(640, 480, DISPLAY_RESIZABLE | DISPLAY_DECORATED);
  host->StartGame();
  for (int pass = 0; pass < 600 && vx_pell_PELL_Loader != 0; ++pass) host->RunPass();
  if (vx_pell_PELL_Loader != 0) {
    std::fprintf(stderr, "memory: the loading screen did not finish\n");
    return 1;
  }
  const double loaded = StatusMiB("VmHWM");

  // As the menu starts a run once a difficulty is chosen.
  vx_pell_PELL_GameType = 2;
  vx_pell_PELL_GameMode = 11;
  // Walking both ways and jumping; only changes are sent, as a keyboard does.
  bool held[3] = {false, false, false};
  const int keys[3] = {KEY_RIGHT, KEY_LEFT, KEY_SPACE};
  int passes = 0;
  for (; passes < 3600; ++passes) {
    const int phase = passes % 240;
    const bool want[3] = {phase < 110, phase >= 120 && phase < 230, passes % 45 < 3};
    for (int k = 0; k < 3; ++k)
      if (want[k] != held[k]) {
        host->KeyEvent(want[k] ? EVENT_KEY_DOWN : EVENT_KEY_UP, keys[k]);
        held[k] = want[k];
      }
    host->RunPass();
  }
  const double run = StatusMiB("VmHWM");
  std::printf("Peak resident memory of the game (VmHWM):\n");
  std::printf("  after the loading screen   %8.1f MiB\n", loaded);
  std::printf("  after %d loop passes of a run %5.1f MiB (now resident: %.1f MiB)\n", passes, run,
              StatusMiB("VmRSS"));
  std::remove(".quibexstate");
  std::remove(".quibexstate.tmp");
  if (chdir("/") == 0) rmdir(folder);
  return 0;
}
