#include <gtest/gtest.h>

#include <array>

#include "platform/Random.h"

TEST(Random, SeededSequenceRepeatsAndStaysInRange) {
  SeedRandom(42);
  std::array<int, 50> first{};
  for (int& v : first) v = Random(7);
  SeedRandom(42);
  for (int v : first) {
    EXPECT_EQ(v, Random(7));
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 7);
  }
  EXPECT_EQ(Random(1), 0);
  EXPECT_EQ(Random(0), 0);
}
