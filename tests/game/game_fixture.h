// Gameplay tests drive the real per-update sequence through the headless
// replay driver, on worlds laid out by hand: an empty field, a few blocks,
// the character placed on a roof, the dropper held back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "game/globals.h"
#include "game/objects.h"
#include "game/replay.h"
#include "game/world.h"
#include "shell/globals.h"
#include "toolkit/globals.h"

namespace game_fixture {

constexpr int kSeed = 424242;

// One image record of the sprite list the last update wrote.
struct Sprite {
  int slot, frame;
  float x, y, sx, sy;
};

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run = std::make_unique<c_Replay>(kSeed, 2);
    f = vx_game_Field();
    // The frame counts the loading screen gives, so records keep their frames.
    vx_pell_PELL_ImgD[1] = vx_pell_PELL_ImgD[2] = 1024;
    vx_pell_PELL_ImgD[3] = 64;
    vx_pell_PELL_ImgD[70] = vx_pell_PELL_ImgD[72] = vx_pell_PELL_ImgD[74] = 16;
  }
  void TearDown() override {
    for (c_Sound*& s : vx_pell_PELL_SFX) {
      delete s;
      s = nullptr;
    }
    run.reset();
  }

  // Nothing on the field and no drops; the particle cursor stays.
  void Clear() {
    vx_pell_ResetGrid();
    vx_pell_ResetObjs();
    vx_pell_ResetParticles();
    vx_pell_plr[13] = -1e9f;
  }
  void Block(int row, int col, float strength = 10, float frame = 0) {
    vx_pell_grid[static_cast<size_t>(vx_game_Cell(row, col))] = strength;
    vx_pell_grid[static_cast<size_t>(vx_game_Cell(row, col)) + 1] = frame;
  }
  // Rows top..24 of the columns filled.
  void Floor(int top, int firstCol = 0, int lastCol = 31) {
    for (int c = firstCol; c <= lastCol; ++c)
      for (int r = top; r <= 24; ++r) Block(r, c);
  }
  float& Strength(int row, int col) { return vx_pell_grid[static_cast<size_t>(vx_game_Cell(row, col))]; }
  float Frame(int row, int col) { return vx_pell_grid[static_cast<size_t>(vx_game_Cell(row, col)) + 1]; }
  float Top(int row) const { return f.T + row * f.C - f.half; }  // upper edge of a row
  float CentreX(int col) const { return col * f.C + f.half; }
  float CentreY(int row) const { return f.T + row * f.C; }

  // The character standing on the roof of `row`, at rest, both jumps left.
  void Stand(float x, int row) {
    float* p = P();
    p[1] = x;
    p[2] = Top(row) - 2;
    p[3] = 0;
    p[4] = 0.75f;
    p[7] = 3;
    p[17] = 2;
  }
  float* P() { return vx_pell_plr.data(); }
  float* Obj(int slot) { return &vx_pell_obj[static_cast<size_t>(10 * slot)]; }
  void Place(int slot, int state, float x, float y, float timer = 0) {
    float* o = Obj(slot);
    o[0] = static_cast<float>(state);
    o[1] = x;
    o[2] = y;
    o[3] = o[4] = 0;
    o[5] = timer;
  }

  void Step(int held = 0, int times = 1) {
    for (int i = 0; i < times; ++i) run->p_Update(held);
  }

  // Plays of a sound slot are counted by the channel rotation, which only
  // moves for a slot that holds a sound; listen to one slot at a time.
  void Listen(int sound) {
    vx_pell_PELL_SFX[static_cast<size_t>(sound)] = new c_Sound();
    lastChannel = vx_pell_PELL_LChan;
  }
  int Plays() {
    const int n = (vx_pell_PELL_LChan - lastChannel + 32) % 32;
    lastChannel = vx_pell_PELL_LChan;
    return n;
  }

  std::vector<Sprite> Images(int slot) const {
    std::vector<Sprite> out;
    for (int k = 0; k < vx_pell_Sprtup; ++k) {
      const float* r = &vx_pell_PELL_Draw[static_cast<size_t>(20 * k)];
      if (r[9] == 1 && r[10] == slot)
        out.push_back({slot, static_cast<int>(r[13]), r[11], r[12], r[4], r[5]});
    }
    return out;
  }
  // The character is the last sprite the step draws from the sprite sheet.
  Sprite CharacterSprite() const {
    std::vector<Sprite> s = Images(3);
    return s.empty() ? Sprite{0, -1, 0, 0, 0, 0} : s.back();
  }
  // Text written with a font in slot 99 (no image needed: the glyph
  // records carry the character codes as frames).
  static void UseFont() {
    vx_pell_PELL_Font = 99;
    vx_pell_PELL_ImgD[99] = 128;
  }
  std::string Glyphs() const {
    std::string s;
    for (const Sprite& g : Images(99)) s += static_cast<char>(g.frame + 32);
    return s;
  }

  std::unique_ptr<c_Replay> run;
  c_Field f;
  int lastChannel = 0;
};

// An empty field on a floor of rows 20-24, the character at rest on it at
// x 400; one update has run, which also clears the jump lock the menu left.
class RoofTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Clear();
    Floor(20);
    Stand(400, 20);
    Step();
  }
};

}  // namespace game_fixture
