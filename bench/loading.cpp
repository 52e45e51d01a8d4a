// The whole loading screen of the started game: 61 updates that load every
// image, the font and the sounds onto the real renderer and audio device.
// The figures are the longest single update (the step a player could see
// stutter) and the total; the renders between updates are not timed.
#include <GLFW/glfw3.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "host/glfw_game.h"
#include "host/init.h"
#include "shell/globals.h"

namespace {

void BM_LoadingScreen(benchmark::State& state) {
  static VxQuibexGame* host = [] {
    if (!glfwInit()) std::abort();
    VxQuibexGame* h = new VxQuibexGame();
    vxInit();
    vxMain();
    h->SetDeviceWindow(640, 480, DISPLAY_RESIZABLE | DISPLAY_DECORATED);
    h->StartGame();
    return h;
  }();
  double longest = 0, total = 0;
  int updates = 0, longestStep = 0;
  for (auto _ : state) {
    // Each pass loads every slot again, as on a fresh start (the previous
    // assets stay allocated, as loaded assets always do).
    vx_pell_PELL_Loader = 1;
    double pass = 0;
    updates = 0;
    while (vx_pell_PELL_Loader != 0) {
      const int step = vx_pell_PELL_Loader;
      const auto start = std::chrono::steady_clock::now();
      host->UpdateGame();
      const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (took > longest) {
        longest = took;
        longestStep = step;
      }
      pass += took;
      ++updates;
      host->RenderGame();
    }
    total += pass;
    state.SetIterationTime(pass);
  }
  state.counters["updates"] = updates;
  state.counters["longest_update_ms"] = longest * 1e3;
  state.counters["longest_step"] = longestStep;
  state.counters["total_ms"] = total * 1e3 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_LoadingScreen)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
