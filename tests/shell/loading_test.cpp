// The loading screen of the started game on the generated data folder (and
// on an empty one): the steps on which each asset arrives, what the screen
// draws on its first, second and last updates, the falling tiles, the jingle.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>

#include "game_fixture.h"
#include "toolkit/globals.h"

namespace {

class Loading : public GameTest {};

// Frames of the glyphs a text draws; spaces draw none.
std::vector<int> GlyphFrames(const std::string& text) {
  std::vector<int> frames;
  for (char c : text)
    if (c != ' ') frames.push_back(c - 32);
  return frames;
}

// The caption's glyphs: font images on its baseline.
std::vector<int> Caption() {
  std::vector<int> frames;
  for (const Sprite& s : Images(99))
    if (std::fabs(s.y - (vx_pell_jscrh - 64)) < 0.01f) frames.push_back(s.frame);
  return frames;
}

void ExpectBackdropFirst() {
  const std::vector<Sprite> all = Sprites();
  ASSERT_FALSE(all.empty());
  const Sprite& b = all[0];
  EXPECT_EQ(b.kind, 2);
  EXPECT_EQ(b.x, -128);
  EXPECT_EQ(b.y, -128);
  EXPECT_EQ(b.w, vx_pell_jscrw + 256);
  EXPECT_EQ(b.h, vx_pell_jscrh + 256);
  EXPECT_EQ(b.r, 180);
  EXPECT_EQ(b.g, 160);
  EXPECT_EQ(b.b, 120);
  EXPECT_EQ(b.alpha, 1);
}

TEST_F(Loading, FirstSecondAndLastUpdates) {
  Start();
  Update();
  EXPECT_EQ(vx_pell_PELL_Loader, 2);
  EXPECT_EQ(vx_pell_PELL_Set[100], 1);
  EXPECT_EQ(vx_pell_PELL_Font, 99);
  ExpectBackdropFirst();
  EXPECT_EQ(Caption(), GlyphFrames("...Loading..."));
  EXPECT_TRUE(Images(95).empty()) << "no tiles before the tile sheet is loaded";

  Update();
  EXPECT_EQ(vx_pell_PELL_Loader, 3);
  ExpectBackdropFirst();
  EXPECT_EQ(Images(95).size(), 1024u);
  EXPECT_EQ(Caption(), GlyphFrames("....Loading...."));

  Updates(58);
  EXPECT_EQ(vx_pell_PELL_Loader, 61);
  EXPECT_EQ(vx_pell_PELL_MenuPos[10], -64) << "the menu's intro waits";

  Update();
  EXPECT_EQ(vx_pell_PELL_Loader, 0);
  ExpectBackdropFirst();
  EXPECT_TRUE(Images(95).empty());
  EXPECT_EQ(Caption(), GlyphFrames(".Loading."));
  // The main menu ran in the same update: its intro took its first step
  // and its panels are queued.
  EXPECT_EQ(vx_pell_PELL_MenuPos[10], -60);
  EXPECT_EQ(Images(68).size(), 3u);

  // Loading never comes back.
  Updates(3);
  EXPECT_EQ(vx_pell_PELL_Loader, 0);
  EXPECT_EQ(vx_pell_PELL_Set[100], 1);
}

// Each asset arrives on its own step and not before; afterwards every slot
// has its frame grid.
TEST_F(Loading, AssetsArriveOnTheirSteps) {
  struct Asset {
    int step, slot, width, height, frames;
  } images[] = {
      {2, 95, 32, 32, 1024},   {30, 96, 1024, 1024, 1}, {31, 70, 32, 32, 16},   {32, 71, 32, 32, 16},
      {33, 72, 32, 32, 16},    {34, 73, 32, 32, 16},    {35, 74, 32, 32, 16},   {36, 80, 64, 64, 16},
      {37, 90, 128, 128, 16},  {38, 91, 256, 256, 4},   {39, 69, 1024, 512, 1}, {40, 68, 1024, 1024, 4},
      {41, 81, 68, 68, 49},    {42, 82, 256, 256, 1},   {43, 1, 16, 16, 1024},  {44, 2, 16, 16, 1024},
      {45, 3, 36, 36, 49},
  };
  struct Sound {
    int step, slot;
  } sounds[] = {{1, 96}, {30, 98}, {31, 99}, {46, 1}, {47, 2}, {48, 3}, {49, 4}, {50, 5}, {51, 6}};

  Start();
  for (int step = 1; step <= 61; ++step) {
    Update();
    for (const Asset& a : images)
      EXPECT_EQ(vx_pell_PELL_Img[a.slot] != nullptr, step >= a.step) << "image " << a.slot << " after step " << step;
    for (const Sound& s : sounds)
      EXPECT_EQ(vx_pell_PELL_SFX[s.slot] != nullptr, step >= s.step) << "sound " << s.slot << " after step " << step;
    EXPECT_NE(vx_pell_PELL_Img[99], nullptr) << "the font, from step 1";
  }
  for (const Asset& a : images) {
    EXPECT_EQ(vx_pell_PELL_ImgW[a.slot], a.width) << a.slot;
    EXPECT_EQ(vx_pell_PELL_ImgH[a.slot], a.height) << a.slot;
    EXPECT_EQ(vx_pell_PELL_ImgD[a.slot], a.frames) << a.slot;
  }
  EXPECT_EQ(vx_pell_PELL_ImgD[99], 128);
}

// The bottom-left tile lands first, on step 23, the top-right one last, on
// step 33; until it lands a tile is above its place in the grid.
TEST_F(Loading, TilesFallIntoAGrid) {
  Start();
  Updates(2);
  const float x0 = 400 - 239.85f, y0 = 300 - 239.85f;
  int restingBefore = 0;
  for (int counter = 3; counter <= 34; ++counter) {
    const std::vector<Sprite> tiles = Images(95);
    ASSERT_EQ(tiles.size(), 1024u);
    int resting = 0;
    bool bottomLeft = false, topRight = false;
    for (const Sprite& t : tiles) {
      const int c = t.frame % 32, r = t.frame / 32;
      EXPECT_NEAR(t.x, x0 + 15.99f * c, 1e-3) << "tile " << c << "," << r;
      const float rest = y0 + 15.99f * r;
      if (std::fabs(t.y - rest) < 1e-3) {
        ++resting;
        bottomLeft |= c == 0 && r == 31;
        topRight |= c == 31 && r == 0;
      } else {
        EXPECT_LT(t.y, rest) << "tile " << c << "," << r << " at step " << counter;
      }
    }
    EXPECT_GE(resting, restingBefore) << "a tile took off again at step " << counter;
    restingBefore = resting;
    EXPECT_EQ(bottomLeft, counter >= 23) << counter;
    EXPECT_EQ(topRight, counter >= 33) << counter;
    EXPECT_EQ(resting == 1024, counter >= 33) << counter;
    if (counter == 22) {
      EXPECT_EQ(resting, 0);
    }
    Update();
  }
}

TEST_F(Loading, JinglePlaysOnceOnTheFifthStep) {
  Start();
  Updates(4);
  EXPECT_EQ(Plays(), 0);
  Update();
  EXPECT_EQ(Plays(), 1);
  EXPECT_TRUE(LastPlayWas(96));
  EXPECT_EQ(vx_audio_device->ChannelState(vx_pell_PELL_LChan), 1);
  FinishLoading();
  EXPECT_EQ(Plays(), 1);
}

// Nothing to load: the same 61 steps, empty slots, and a menu that still
// answers the keys.
TEST_F(Loading, EmptyDataFolderTakesTheSameSteps) {
  host->dataFolder = scratch.File("data");
  ASSERT_EQ(mkdir(host->dataFolder.c_str(), 0755), 0);
  Start();
  int updates = 0;
  while (vx_pell_PELL_Loader != 0 && updates < 100) {
    Update();
    ++updates;
  }
  EXPECT_EQ(updates, 61);
  for (int slot : {1, 2, 3, 68, 69, 70, 74, 82, 90, 95, 99}) EXPECT_EQ(vx_pell_PELL_Img[slot], nullptr) << slot;
  for (int sound : {1, 6, 96, 98, 99}) EXPECT_EQ(vx_pell_PELL_SFX[sound], nullptr) << sound;
  EXPECT_EQ(Plays(), 0);

  Updates(2);
  Press(KEY_ENTER);
  EXPECT_EQ(vx_pell_PELL_MenuPos[0], 2) << "Start Game opens the difficulty list";
}

}  // namespace
