// The generator's sequence from its start value and one step per draw.
#include <gtest/gtest.h>

#include <cstdint>

#include "host/random.h"

namespace {

TEST(Random, FirstDrawsFromTheStartSeed) {
  vx_random_Seed = 1234;
  EXPECT_NEAR(vx_random_Rnd(), 0.7143, 1e-4);
  EXPECT_NEAR(vx_random_Rnd(), 0.2070, 1e-4);
  EXPECT_NEAR(vx_random_Rnd(), 0.7495, 1e-4);
  // The value is exactly the top 24 bits of the seed.
  vx_random_Seed = 1234;
  float r = vx_random_Rnd();
  EXPECT_EQ(r, static_cast<float>(static_cast<uint32_t>(vx_random_Seed) >> 8) / 16777216.0f);
}

TEST(Random, EveryDrawStepsOnceWhateverItsArguments) {
  vx_random_Seed = 1234;
  vx_random_Rnd();
  const int afterOne = vx_random_Seed;
  vx_random_Rnd();
  const int afterTwo = vx_random_Seed;
  vx_random_Rnd();
  const int afterThree = vx_random_Seed;

  vx_random_Seed = 1234;
  EXPECT_EQ(vx_random_Rnd2(5, 5), 5.0f);
  EXPECT_EQ(vx_random_Seed, afterOne);
  EXPECT_EQ(vx_random_Rnd3(0), 0.0f);
  EXPECT_EQ(vx_random_Seed, afterTwo);
  float v = vx_random_Rnd2(10, -10);  // reversed range: (-10, 10]
  EXPECT_GT(v, -10.0f);
  EXPECT_LE(v, 10.0f);
  EXPECT_EQ(vx_random_Seed, afterThree);
}

TEST(Random, NeverReachesOne) {
  // The largest unit value comes from a seed whose top 24 bits are all set.
  // Find the predecessor of 0xFFFFFFFF under the step and draw from it.
  const uint32_t inverse = 4276115653u;  // 1664525^-1 mod 2^32
  vx_random_Seed = static_cast<int>((0xFFFFFFFFu - 1013904223u) * inverse);
  EXPECT_EQ(vx_random_Rnd(), 1.0f - 1.0f / 16777216.0f);
}

}  // namespace
