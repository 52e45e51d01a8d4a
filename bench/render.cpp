// The replay of 5 000 sprite records through the game's renderer into Mesa,
// beside the same sprites through SDL2's renderer (batching on, OpenGL
// driver) and through a naive loop with one glBegin per quad. The SDL2 and
// naive code are benchmark peers, the only code outside src/graphics that
// talks to OpenGL. Ratios of the three are printed after the runs.
#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "host/app.h"
#include "host/glfw_game.h"
#include "host/init.h"
#include "shell/globals.h"
#include "toolkit/draw.h"
#include "toolkit/frame.h"
#include "toolkit/globals.h"

namespace {

constexpr int kSprites = 5000;
constexpr int kWidth = 800, kHeight = 600;  // a scale of 1: virtual units are pixels
constexpr int kRun = 250;                   // sprites per sheet before the next sheet

struct Sprite {
  int slot, frame;
  float x, y, rotation, sx, sy, alpha, r, g, b;
};

float Spread(int i, int salt, float low, float high) {
  const unsigned h = (static_cast<unsigned>(i) * 2654435761u) ^ (static_cast<unsigned>(salt) * 40503u);
  return low + (high - low) * static_cast<float>(h % 10007u) / 10006.0f;
}

// Minor page faults of the calling thread: Mesa's handling of client-side
// arrays allocates per draw, and the faults show it.
long Faults() {
  rusage u;
  getrusage(RUSAGE_THREAD, &u);
  return u.ru_minflt;
}

// Per-frame counters every replay reports.
void FrameCounters(benchmark::State& state, long faultsBefore) {
  state.counters["cpu_per_sprite"] =
      benchmark::Counter(kSprites, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["faults"] = benchmark::Counter(static_cast<double>(Faults() - faultsBefore),
                                                benchmark::Counter::kAvgIterations);
}

// [SECTION] Stage

// One hidden 800 x 600 window with the game's renderer and four of the
// game's sheets, and the 5 000 sprites: runs of 250 per sheet (blocks,
// stars, particles, game sprites, then again), so a frame changes texture
// 20 times as a game frame does; half of them rotated, all scaled, tinted
// and translucent.
struct Stage {
  VxQuibexGame* host = nullptr;
  gxtkGraphics* renderer = nullptr;
  std::vector<Sprite> sprites;
  std::vector<float> records;  // the sprite list the update would hand over

  static Stage& Get() {
    static Stage stage;
    return stage;
  }

  Stage() {
    if (!glfwInit()) std::abort();
    host = new VxQuibexGame();
    vxInit();
    vx_pell_PELL_GameNum = 507;
    host->SetDeviceWindow(kWidth, kHeight, DISPLAY_DECORATED);
    renderer = new gxtkGraphics();
    vx_graphics_SetGraphicsDevice(renderer);
    vx_app_ValidateDeviceWindow(false);
    vx_pell_LoadImg(1, "buildings", 16, 16, 1024);
    vx_pell_LoadImg(74, "parts_stars", 32, 32, 16);
    vx_pell_LoadImg(70, "part-shapefull", 32, 32, 16);
    vx_pell_LoadImg(3, "gfx", 36, 36, 49);
    const int slots[] = {1, 74, 70, 3};
    for (int slot : slots)
      if (!vx_pell_PELL_Img[slot]) {
        std::fprintf(stderr, "bench: image slot %d did not load; is the data folder built?\n", slot);
        std::exit(1);
      }

    vx_pell_Sprtup = 0;
    for (int i = 0; i < kSprites; ++i) {
      Sprite s;
      s.slot = slots[(i / kRun) % 4];
      s.frame = static_cast<int>(Spread(i, 1, 0, 15.99f));
      s.x = Spread(i, 2, 0, kWidth);
      s.y = Spread(i, 3, 0, kHeight);
      s.rotation = i % 2 ? Spread(i, 4, 0, 360) : 0;
      s.sx = s.sy = Spread(i, 5, 0.5f, 2);
      s.alpha = Spread(i, 6, 0.25f, 1);
      s.r = Spread(i, 7, 64, 255);
      s.g = Spread(i, 8, 64, 255);
      s.b = Spread(i, 9, 64, 255);
      sprites.push_back(s);
      vx_pell_ResetDraw();
      vx_pell_SetCol(s.r, s.g, s.b, s.alpha);
      vx_pell_SetRot(s.rotation);
      vx_pell_SetSize(s.sx, s.sy);
      vx_pell_DrawImg(s.slot, s.x, s.y, s.frame);
    }
    records.assign(vx_pell_PELL_Draw.begin(), vx_pell_PELL_Draw.begin() + 20 * kSprites);
  }

  c_Image* Image(int slot) const { return vx_pell_PELL_Img[static_cast<size_t>(slot)]; }
};

// [SECTION] The game's renderer

// As the host renders a frame: the renderer's and the context's begin, the
// replay, the end that submits the last batch. glFinish makes Mesa finish
// the frame inside the measured time, for all three alike.
void BM_Replay_GameRenderer(benchmark::State& state) {
  Stage& stage = Stage::Get();
  glfwMakeContextCurrent(stage.host->Window());
  const long faults = Faults();
  for (auto _ : state) {
    std::copy(stage.records.begin(), stage.records.end(), vx_pell_PELL_Buffer.begin());
    vx_pell_Bufferup = kSprites;
    stage.renderer->BeginRender();
    vx_graphics_BeginRender();
    vx_pell_RenderWorld();
    vx_graphics_EndRender();
    stage.renderer->EndRender();
    glFinish();
  }
  FrameCounters(state, faults);
  state.counters["draw_calls"] = stage.renderer->lastStats.drawCalls;
}

// [SECTION] Naive loop

// The same sprites with the transform done on the CPU as the renderer does,
// but each quad in a glBegin/glEnd pair of its own; the texture is bound
// only when it changes, so the difference is the submission alone.
void BM_Replay_NaiveGlBegin(benchmark::State& state) {
  Stage& stage = Stage::Get();
  glfwMakeContextCurrent(stage.host->Window());
  const long faults = Faults();
  for (auto _ : state) {
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kWidth, kHeight, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    int bound = -1;
    for (const Sprite& s : stage.sprites) {
      c_Image* image = stage.Image(s.slot);
      gxtkSurface* surface = image->m_surface;
      if (bound != s.slot) {
        surface->Bind();
        bound = s.slot;
      }
      const c_Frame& f = image->m_frames[static_cast<size_t>(s.frame % image->p_Frames())];
      const float w = static_cast<float>(image->m_width), h = static_cast<float>(image->m_height);
      const float rad = s.rotation * 0.0174532924f, cs = std::cos(rad), sn = std::sin(rad);
      const float a = cs * s.sx, b = -sn * s.sx, c = sn * s.sy, d = cs * s.sy;
      const float tx = s.x - (a * image->m_handleX + c * image->m_handleY);
      const float ty = s.y - (b * image->m_handleX + d * image->m_handleY);
      const float u0 = f.m_x * surface->texelScaleU, v0 = f.m_y * surface->texelScaleV;
      const float u1 = (f.m_x + w) * surface->texelScaleU, v1 = (f.m_y + h) * surface->texelScaleV;
      glColor4ub(static_cast<GLubyte>(s.r * s.alpha), static_cast<GLubyte>(s.g * s.alpha),
                 static_cast<GLubyte>(s.b * s.alpha), static_cast<GLubyte>(s.alpha * 255));
      glBegin(GL_QUADS);
      glTexCoord2f(u0, v0);
      glVertex2f(tx, ty);
      glTexCoord2f(u1, v0);
      glVertex2f(a * w + tx, b * w + ty);
      glTexCoord2f(u1, v1);
      glVertex2f(a * w + c * h + tx, b * w + d * h + ty);
      glTexCoord2f(u0, v1);
      glVertex2f(c * h + tx, d * h + ty);
      glEnd();
    }
    glDisable(GL_TEXTURE_2D);
    glFinish();
  }
  FrameCounters(state, faults);
  state.counters["draw_calls"] = kSprites;
}

// [SECTION] SDL2

// Its own hidden window and OpenGL context, made after the others are done
// with theirs; textures from the same premultiplied pixels, blended the same.
struct SdlStage {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  std::map<int, SDL_Texture*> textures;

  static SdlStage& Get() {
    static SdlStage stage;
    return stage;
  }

  SdlStage() {
    Stage& stage = Stage::Get();
    glfwMakeContextCurrent(nullptr);
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) Fail("SDL_Init");
    window = SDL_CreateWindow("bench", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) Fail("SDL_CreateWindow");
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer) Fail("SDL_CreateRenderer");
    SDL_RendererInfo info;
    SDL_GetRendererInfo(renderer, &info);
    if (std::string(info.name) != "opengl") Fail("the opengl render driver");
    const SDL_BlendMode premultiplied =
        SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD,
                                   SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
    for (const Sprite& s : stage.sprites) {
      if (textures.count(s.slot)) continue;
      const gxtkSurface* surface = stage.Image(s.slot)->m_surface;
      if (surface->channels != 4) Fail("an RGBA sheet");
      // In memory R, G, B, A: SDL's ABGR8888 on a little-endian machine.
      SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, surface->width,
                                         surface->height);
      if (!t || SDL_UpdateTexture(t, nullptr, surface->pixels, surface->width * 4) != 0 ||
          SDL_SetTextureBlendMode(t, premultiplied) != 0)
        Fail("an SDL texture");
      textures[s.slot] = t;
    }
  }

  [[noreturn]] static void Fail(const char* what) {
    std::fprintf(stderr, "bench: SDL2 peer failed at %s: %s\n", what, SDL_GetError());
    std::exit(1);
  }
};

void BM_Replay_Sdl2(benchmark::State& state) {
  Stage& stage = Stage::Get();
  SdlStage& sdl = SdlStage::Get();
  const long faults = Faults();
  for (auto _ : state) {
    SDL_SetRenderDrawColor(sdl.renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl.renderer);
    for (const Sprite& s : stage.sprites) {
      c_Image* image = stage.Image(s.slot);
      SDL_Texture* t = sdl.textures[s.slot];
      const c_Frame& f = image->m_frames[static_cast<size_t>(s.frame % image->p_Frames())];
      const SDL_Rect src = {f.m_x, f.m_y, image->m_width, image->m_height};
      const SDL_FRect dst = {s.x - image->m_handleX * s.sx, s.y - image->m_handleY * s.sy, image->m_width * s.sx,
                             image->m_height * s.sy};
      const SDL_FPoint centre = {image->m_handleX * s.sx, image->m_handleY * s.sy};
      SDL_SetTextureColorMod(t, static_cast<Uint8>(s.r * s.alpha), static_cast<Uint8>(s.g * s.alpha),
                             static_cast<Uint8>(s.b * s.alpha));
      SDL_SetTextureAlphaMod(t, static_cast<Uint8>(s.alpha * 255));
      // SDL turns clockwise, the game counter-clockwise.
      SDL_RenderCopyExF(sdl.renderer, t, &src, &dst, -s.rotation, &centre, SDL_FLIP_NONE);
    }
    SDL_RenderFlush(sdl.renderer);
    glFinish();
  }
  FrameCounters(state, faults);
}

// [SECTION] Report

// The console output as usual, and the three replays side by side at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, as the library's own reporter does.
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  struct Figure {
    double cpu = 0, real = 0;
  };
  std::map<std::string, Figure> figures;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration) figures[r.benchmark_name()] = {r.GetAdjustedCPUTime(), r.GetAdjustedRealTime()};
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    const auto game = figures.find("BM_Replay_GameRenderer");
    if (game == figures.end() || game->second.cpu <= 0) return;
    std::printf("\nReplay of %d sprites per frame (ms; CPU = the main thread's time):\n", kSprites);
    std::printf("  %-22s %10s %10s %14s %12s\n", "", "CPU/frame", "wall/frame", "CPU/sprite ns", "CPU ratio");
    for (const char* name : {"BM_Replay_GameRenderer", "BM_Replay_Sdl2", "BM_Replay_NaiveGlBegin"}) {
      const auto f = figures.find(name);
      if (f == figures.end()) continue;
      // The console unit of these runs is milliseconds.
      std::printf("  %-22s %10.3f %10.3f %14.1f %11.2fx\n", name + 10, f->second.cpu, f->second.real,
                  f->second.cpu * 1e6 / kSprites, f->second.cpu / game->second.cpu);
    }
  }
};

}  // namespace

BENCHMARK(BM_Replay_GameRenderer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Replay_NaiveGlBegin)->Unit(benchmark::kMillisecond);
// Last: it takes the OpenGL context over from the game's window.
BENCHMARK(BM_Replay_Sdl2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
