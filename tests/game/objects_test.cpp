// Objects: the dropper and its intervals, grabbing, the collection
// timeline, fuses, sinking and explosions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

#include "game/particles.h"
#include "game_fixture.h"

namespace {

using game_fixture::RoofTest;

class Objects : public RoofTest {
 protected:
  float GrabX() { return P()[1]; }
  float GrabY() { return P()[2] - f.C; }
  int State(int slot) { return static_cast<int>(Obj(slot)[0]); }
  int Count(int kind) {
    int n = 0;
    for (int s = 0; s < 251; ++s) n += vx_pell_part[static_cast<size_t>(10 * s)] == kind;
    return n;
  }
};

TEST_F(Objects, DropIntervalsShrinkPerDifficultyDownTo35) {
  struct Case {
    int type, dropsToFloor;
  } cases[] = {{1, 26}, {2, 13}, {3, 9}};
  for (const Case& c : cases) {
    vx_pell_PELL_GameType = c.type;
    P()[13] = 200;
    P()[14] = 240;
    std::vector<int> gaps;
    int since = 0, floorAt = 0;
    while (gaps.size() < 40) {
      vx_game_Dropper(f);
      ++since;
      if (State(0) == OBJ_FALLING) {
        const float* o = Obj(0);
        EXPECT_EQ(o[2], -64);
        EXPECT_GE(o[1], -64);
        EXPECT_LE(o[1], 864);
        const float target = o[1] + 120 * o[3];  // where it would be after 120 updates
        EXPECT_GE(target, 32 - 1e-3);
        EXPECT_LE(target, 768 + 1e-3);
        EXPECT_GE(o[4], 2);
        EXPECT_LT(o[4], 3);
        gaps.push_back(since);
        since = 0;
        Obj(0)[0] = OBJ_FREE;
        if (floorAt == 0 && P()[14] == 35) floorAt = static_cast<int>(gaps.size());
      }
    }
    EXPECT_EQ(floorAt, c.dropsToFloor) << "type " << c.type;
    EXPECT_EQ(gaps[0], 41);
    for (size_t n = 1; n < gaps.size(); ++n) {
      const int interval = std::max(35, 240 - 8 * c.type * static_cast<int>(n));
      EXPECT_EQ(gaps[n], interval + 1) << "type " << c.type << " drop " << n;
    }
  }
}

TEST(Dropper, TheFirstObjectOfARunDropsOnUpdate41) {
  c_Replay run(99, 2);
  for (int u = 1; u <= 40; ++u) {
    run.p_Update(0);
    ASSERT_EQ(vx_pell_obj[0], OBJ_FREE) << "update " << u;
  }
  run.p_Update(0);
  EXPECT_EQ(vx_pell_obj[0], OBJ_FALLING);
  EXPECT_EQ(vx_pell_obj[10], OBJ_FREE);
}

TEST_F(Objects, AFullTableDelaysTheDropToTheFirstFreeSlot) {
  for (int s = 0; s <= 100; ++s) Place(s, OBJ_ARMED, 0, 0, 1000);
  EXPECT_EQ(vx_pell_FreeObj(100, 10), -1);
  P()[13] = 0;
  P()[14] = 240;
  for (int i = 0; i < 300; ++i) vx_game_Dropper(f);
  EXPECT_EQ(P()[13], 300);  // the timer ran on
  Obj(7)[0] = OBJ_FREE;
  vx_game_Dropper(f);
  EXPECT_EQ(State(7), OBJ_FALLING);
  EXPECT_EQ(P()[13], 0);

  vx_pell_ResetObjs();
  for (int s = 0; s < 5; ++s) Obj(s)[0] = OBJ_FALLING;
  EXPECT_EQ(vx_pell_FreeObj(100, 10), 50);
  // A search past the array finds nothing instead of reading beyond it.
  for (int s = 0; s <= 100; ++s) Obj(s)[0] = OBJ_FALLING;
  EXPECT_EQ(vx_pell_FreeObj(10, 1 << 30), -1);
  EXPECT_EQ(vx_pell_FreeObj(10, -10), -1);
}

TEST_F(Objects, AnObjectWithinOneAndAHalfCellsIsGrabbedAndItsFuseStops) {
  struct Case {
    float dx, dy;
    bool grabbed;
  } cases[] = {
      {1.4f, 0, true}, {-1.4f, 1.4f, true}, {1.6f, 0, false}, {0, -1.6f, false}, {0, 1.5f, false},
  };
  Listen(5);
  for (const Case& c : cases) {
    Place(0, OBJ_ARMED, GrabX() + c.dx * f.C, GrabY() + c.dy * f.C, 100);
    Plays();
    Step();
    EXPECT_EQ(State(0), c.grabbed ? OBJ_GRABBED : OBJ_ARMED) << c.dx << "," << c.dy;
    EXPECT_EQ(Plays(), c.grabbed ? 1 : 0);
    EXPECT_EQ(Obj(0)[5], c.grabbed ? 100 : 99);
    if (c.grabbed) {
      EXPECT_EQ(CharacterSprite().frame, 19);
      Step(0, 300);  // long past its fuse: pulled in and collected, never exploded
      EXPECT_EQ(Strength(20, 16), 10);
    }
    vx_pell_ResetObjs();
    Step();
  }
}

TEST_F(Objects, ACollectedObjectIsScored19UpdatesAfterIntakeAndFreed11Later) {
  Place(0, OBJ_GRABBED, GrabX(), GrabY() - 10);
  Listen(3);
  int intake = -1;
  for (int u = 0; u < 40 && intake < 0; ++u) {
    Step();
    EXPECT_EQ(CharacterSprite().frame, 19);
    if (State(0) == OBJ_COLLECTED) intake = u;
  }
  ASSERT_GE(intake, 0);
  EXPECT_EQ(Plays(), 1);
  EXPECT_EQ(Obj(0)[5], 1);  // counts its first update at once

  for (int k = 1; k <= 31; ++k) {
    Step();
    EXPECT_EQ(P()[50], k >= 19 ? 10 : 0) << k;
    EXPECT_EQ(P()[52], k >= 19 ? 1 : 0) << k;
    EXPECT_EQ(Images(3).size(), 1u) << "only the character: a collected object is not drawn";
    const int busyFrame = k < 16 ? 19 : k <= 30 ? 20 : -1;
    if (busyFrame > 0) {
      EXPECT_EQ(CharacterSprite().frame, busyFrame) << k;
    }
    if (k == 19) {
      EXPECT_EQ(Count(PART_NUMBER), 1);
      EXPECT_EQ(Count(PART_SPARKLE), 4);
    }
    EXPECT_EQ(State(0), k < 30 ? OBJ_COLLECTED : OBJ_FREE) << k;
  }
  EXPECT_EQ(CharacterSprite().frame, 14);  // standing again
}

TEST_F(Objects, AnObjectHeldAtTheGrabPointInTheAirIsTakenInOnTheFirstUpdateAfterLanding) {
  P()[7] = -12;  // just arriving from a fall
  Place(0, OBJ_GRABBED, GrabX(), GrabY());
  Step();
  EXPECT_EQ(State(0), OBJ_GRABBED);
  EXPECT_EQ(P()[7], 3);  // landed in this update
  Step();
  EXPECT_EQ(State(0), OBJ_COLLECTED);
}

TEST_F(Objects, WhilePullingInTheCharacterNeitherSteersNorJumpsAndSlidesToAStop) {
  Step(REPLAY_RIGHT, 5);
  ASSERT_EQ(P()[3], 2);
  Place(0, OBJ_GRABBED, GrabX() + 20, GrabY() - 30);
  std::vector<float> speeds;
  for (int i = 0; i < 16; ++i) {
    Step(REPLAY_LEFT | REPLAY_JUMP);
    speeds.push_back(P()[3]);
    EXPECT_NE(P()[4], -14);
  }
  EXPECT_NEAR(speeds[0], 1.85f, 1e-5);  // 0.15 less per update on a roof
  EXPECT_NEAR(speeds[5], 1.1f, 1e-5);
  EXPECT_EQ(speeds[15], 0);
}

TEST_F(Objects, ArmedObjectsBurnFor240UpdatesThenExplode) {
  Listen(1);
  Place(0, OBJ_FALLING, CentreX(25), Top(20) - 1);
  Obj(0)[4] = 2;
  Step();  // lands
  ASSERT_EQ(State(0), OBJ_ARMED);
  EXPECT_EQ(Obj(0)[5], 239);
  std::set<int> frames;
  for (int u = 1; u < 240; ++u) {
    Step();
    ASSERT_EQ(State(0), OBJ_ARMED) << u;
    const int frame = Images(3).front().frame, timer = static_cast<int>(Obj(0)[5]);
    frames.insert(frame);
    if (timer == 31) {
      EXPECT_EQ(frame, 4);
    }
    if (timer == 29) {
      EXPECT_EQ(frame, 11);  // the warning frames in the last half second
    }
    if (timer == 0) {
      EXPECT_EQ(frame, 8);
    }
  }
  EXPECT_EQ(frames, (std::set<int>{1, 2, 3, 4, 8, 9, 10, 11}));
  EXPECT_EQ(Plays(), 0);
  Step();
  EXPECT_EQ(State(0), OBJ_FREE);
  EXPECT_EQ(Plays(), 1);
  EXPECT_EQ(Strength(20, 25), 1);
}

TEST_F(Objects, AnArmedObjectSinksIntoAGapThreePixelsPerUpdate) {
  Place(0, OBJ_ARMED, CentreX(25), CentreY(15), 200);
  for (int k = 1; k <= 50; ++k) {
    Step();
    const float expected = std::min(CentreY(15) + 3 * k, 514.0f);  // stops once its point lies in row 20
    ASSERT_EQ(Obj(0)[2], expected) << k;
    ASSERT_EQ(Obj(0)[5], 200 - k);
  }
}

TEST_F(Objects, ExplosionStrengthFallsOffWithDistance) {
  Floor(8, 0, 31);
  Stand(CentreX(31), 8);
  Listen(1);
  const int rr = 16, cc = 15;
  for (int blast = 1; blast <= 2; ++blast) {
    Place(0, OBJ_ARMED, CentreX(cc), CentreY(rr), 0);
    Plays();
    Step();
    ASSERT_EQ(State(0), OBJ_FREE);
    EXPECT_EQ(Plays(), 1);
    for (int r = rr - 5; r <= rr + 5; ++r) {
      for (int c = cc - 5; c <= cc + 5; ++c) {
        const int d = std::abs(r - rr) + std::abs(c - cc);
        const bool reached = std::abs(r - rr) <= 4 && std::abs(c - cc) <= 4 && d <= 6;
        // A new block keeps 1 + d; a second blast leaves 2d - 8, nothing at d <= 4.
        const float expected = !reached ? 10.0f : blast == 1 ? 1.0f + d : 2.0f * d - 8;
        EXPECT_EQ(Strength(r, c), expected) << "blast " << blast << " row " << r << " column " << c;
      }
    }
  }
}

TEST_F(Objects, EachBlastedBlockThrowsThreeDebrisAndAPuffAtItsCentre) {
  Clear();
  Floor(24, 30, 31);
  Stand(CentreX(31), 24);
  // In the bottom row nothing settles before the blast.
  Block(24, 15);
  Block(23, 15);
  Block(24, 18);
  Block(24, 20);  // five columns away: out of reach
  vx_pell_PELL_Partto = 240;  // the throws wrap round the ring's end
  vx_game_Explode(f, CentreX(15) + 3, CentreY(24) - 3);
  EXPECT_EQ(vx_pell_PELL_Partto, (240 + 12) % 250);
  EXPECT_EQ(Count(PART_DEBRIS), 9);
  EXPECT_EQ(Count(PART_PUFF), 3);
  EXPECT_EQ(Strength(24, 15), 1);
  EXPECT_EQ(Strength(23, 15), 2);
  EXPECT_EQ(Strength(24, 18), 4);
  EXPECT_EQ(Strength(24, 20), 10);
  // Columns outer, rows inner: each cell's three debris, then its puff.
  const int cells[3][2] = {{23, 15}, {24, 15}, {24, 18}};
  for (int k = 0; k < 12; ++k) {
    const float* p = &vx_pell_part[static_cast<size_t>(10 * ((241 + k) % 250))];
    EXPECT_EQ(p[0], k % 4 < 3 ? PART_DEBRIS : PART_PUFF) << k;
    EXPECT_EQ(p[1], CentreX(cells[k / 4][1])) << k;
    EXPECT_EQ(p[2], CentreY(cells[k / 4][0])) << k;
  }
}

}  // namespace
