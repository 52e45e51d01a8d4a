// Benchmarks without a window: the game step of a busy run and of a scripted
// run, saving and loading the state record, and text layout. Every figure
// is a time per unit a reader can compare (per update, per save, per glyph).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/globals.h"
#include "game/replay.h"
#include "host/globals.h"
#include "host/init.h"
#include "shell/globals.h"
#include "shell/persist.h"
#include "toolkit/globals.h"
#include "toolkit/text.h"

namespace {

// [SECTION] Game step

// Deterministic spread for the fixtures, independent of the game's generator.
float Spread(int i, int salt, float low, float high) {
  const unsigned h = (static_cast<unsigned>(i) * 2654435761u) ^ (static_cast<unsigned>(salt) * 40503u);
  return low + (high - low) * static_cast<float>(h % 10007u) / 10006.0f;
}

// Everything the one timed update may change, so each iteration starts from
// the same busy moment.
struct WorldSnapshot {
  std::vector<float> grid, plr, obj, part, astar;
  int partto = 0, seed = 0, mode = 0, endOfGame = 0, endReason = 0;
  static constexpr size_t kGridUsed = 25 * 500;  // rows 0-24

  void Take() {
    grid.assign(vx_pell_grid.begin(), vx_pell_grid.begin() + kGridUsed);
    plr = vx_pell_plr;
    obj = vx_pell_obj;
    part = vx_pell_part;
    astar = vx_pell_astar;
    partto = vx_pell_PELL_Partto;
    seed = vx_random_Seed;
    mode = vx_pell_PELL_GameMode;
    endOfGame = vx_pell_PELL_EndofGame;
    endReason = vx_pell_PELL_EndReason;
  }
  void Restore() const {
    std::copy(grid.begin(), grid.end(), vx_pell_grid.begin());
    vx_pell_plr = plr;
    vx_pell_obj = obj;
    vx_pell_part = part;
    vx_pell_astar = astar;
    vx_pell_PELL_Partto = partto;
    vx_random_Seed = seed;
    vx_pell_PELL_GameMode = mode;
    vx_pell_PELL_EndofGame = endOfGame;
    vx_pell_PELL_EndReason = endReason;
  }
};

// A second into a Hard run (the city still whole), then every one of the
// 101 object slots falling somewhere above or over the city and all 250
// particle slots alive with each kind.
void MakeBusy() {
  for (int s = 0; s <= 100; ++s) {
    float* o = &vx_pell_obj[static_cast<size_t>(10 * s)];
    o[0] = 1;
    o[1] = Spread(s, 1, 8, 792);
    o[2] = Spread(s, 2, -60, 340);
    o[3] = Spread(s, 3, -1.5f, 1.5f);
    o[4] = Spread(s, 4, 0.5f, 3);
  }
  const float kinds[] = {1, 2, 10, 11};
  for (int s = 0; s < 250; ++s) {
    float* p = &vx_pell_part[static_cast<size_t>(10 * s)];
    p[0] = kinds[s % 4];
    p[1] = Spread(s, 5, 0, 800);
    p[2] = Spread(s, 6, 0, 600);
    p[3] = Spread(s, 7, -2, 2);
    p[4] = Spread(s, 8, -2, 2);
    p[5] = Spread(s, 9, 0, 360);
    p[6] = Spread(s, 10, -3, 3);
    p[7] = Spread(s, 11, 0.3f, 1);
    p[8] = static_cast<float>(s % 16);
    p[9] = static_cast<float>(1 + s % 9);
  }
  vx_pell_PELL_Partto = 249;
}

// One update (input, game step, banner, particles, hand-over) from the
// same busy moment each time; the restore is not timed.
void BM_GameStep_Busy(benchmark::State& state) {
  c_Replay replay(20240611, 3);
  for (int i = 0; i < 60; ++i) replay.p_Update(0);
  MakeBusy();
  WorldSnapshot snapshot;
  snapshot.Take();
  int sprites = 0, inUse = 0;
  for (auto _ : state) {
    snapshot.Restore();
    const auto start = std::chrono::steady_clock::now();
    replay.p_Update(REPLAY_RIGHT);
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    sprites = vx_pell_Bufferup;
  }
  for (int s = 0; s <= 100; ++s) inUse += vx_pell_obj[static_cast<size_t>(10 * s)] != 0;
  state.counters["sprites"] = sprites;
  state.counters["objects_after"] = inUse;
}
BENCHMARK(BM_GameStep_Busy)->UseManualTime()->Unit(benchmark::kMicrosecond);

// 30 seconds of an ordinary Normal run: walking both ways and jumping,
// from the start of the run; the figure is the time per update.
void BM_GameStep_ScriptedRun(benchmark::State& state) {
  std::vector<int> script;
  for (int i = 0; i < 1800; ++i) {
    const int phase = i % 240;
    int held = phase < 110 ? REPLAY_RIGHT : (phase >= 120 && phase < 230 ? REPLAY_LEFT : 0);
    if (i % 45 < 3) held |= REPLAY_JUMP;
    script.push_back(held);
  }
  for (auto _ : state) {
    state.PauseTiming();
    c_Replay replay(7, 2);
    state.ResumeTiming();
    replay.p_Run(script);
  }
  state.counters["per_update"] = benchmark::Counter(static_cast<double>(script.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}
BENCHMARK(BM_GameStep_ScriptedRun)->Unit(benchmark::kMillisecond);

// [SECTION] State record

// The saved state in memory, to time building and parsing the record
// apart from the file system.
class MemoryHost : public VxGame {
 public:
  String state;
  String LoadState() override { return state; }
  int SaveState(const String& s) override {
    state = s;
    return 0;
  }
};

// A record as after some play: settings, a name, three score tables.
void PlayedRecord() {
  vx_pell_PELL_GameNum = 507;
  vx_pell_SetDefaults();
  vx_pell_PELL_Set[5] = 40;
  vx_pell_PELL_Set[100] = 1;
  for (int t = 1; t <= 3; ++t)
    for (int k = 0; k < 15; ++k) vx_pell_PELL_Score[static_cast<size_t>(20 * t + k)] = 1200 * t - 60 * k;
}

void BM_State_SaveInMemory(benchmark::State& state) {
  MemoryHost host;
  vxInit();
  PlayedRecord();
  for (auto _ : state) vx_pell_Save();
  state.counters["bytes"] = static_cast<double>(host.state.ToUtf8().size());
}
BENCHMARK(BM_State_SaveInMemory)->Unit(benchmark::kMicrosecond);

void BM_State_LoadInMemory(benchmark::State& state) {
  MemoryHost host;
  vxInit();
  PlayedRecord();
  vx_pell_Save();
  for (auto _ : state) vx_pell_Load();
}
BENCHMARK(BM_State_LoadInMemory)->Unit(benchmark::kMicrosecond);

// The real host's state file in a scratch folder: the save includes its
// flush to disk and the rename into place.
class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/tmp/kitemoth-bench-XXXXXX";
    if (!mkdtemp(pattern) || !getcwd(old_, sizeof old_) || chdir(pattern) != 0) std::abort();
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::remove(".quibexstate");
    if (chdir(old_) != 0) std::abort();
    rmdir(path_.c_str());
  }

 private:
  std::string path_;
  char old_[4096] = {};
};

void BM_State_SaveToFile(benchmark::State& state) {
  ScratchFolder folder;
  VxGame host;
  vxInit();
  PlayedRecord();
  for (auto _ : state) vx_pell_Save();
}
BENCHMARK(BM_State_SaveToFile)->Unit(benchmark::kMicrosecond);

void BM_State_LoadFromFile(benchmark::State& state) {
  ScratchFolder folder;
  VxGame host;
  vxInit();
  PlayedRecord();
  vx_pell_Save();
  for (auto _ : state) vx_pell_Load();
}
BENCHMARK(BM_State_LoadFromFile)->Unit(benchmark::kMicrosecond);

// [SECTION] Text

// A menu-length line laid out glyph by glyph into the sprite list; the
// second case adds the rotation and the wave, which cost a sine each.
void BM_Text_PerGlyph(benchmark::State& state) {
  vxInit();
  vx_pell_PELL_Font = 99;
  vx_pell_PELL_ImgD[99] = 128;
  const bool fancy = state.range(0) != 0;
  vx_pell_PELL_DrawStyle[6] = fancy ? 15.0f : 0.0f;
  const String text = "Player One scored 12345 points on Hard\\nand collected 42 objects";
  int glyphs = 0;
  for (auto _ : state) {
    vx_pell_Sprtup = 0;
    benchmark::DoNotOptimize(vx_pell_Text(40, 300, text, 0, 1, fancy ? 30.0f : 0.0f, fancy ? 4.0f : 0.0f));
    glyphs = vx_pell_Sprtup;
  }
  state.counters["glyphs"] = glyphs;
  state.counters["per_glyph"] = benchmark::Counter(
      glyphs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Text_PerGlyph)->ArgName("rotated_wave")->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
