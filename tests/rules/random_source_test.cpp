// tests/rules/random_source_test.cpp
#include "rules/random_source.hpp"

#include <gtest/gtest.h>

using rules::TRandomSource;

TEST(RandomSource, StepsTheLinearCongruenceAndScalesByTheHighWord) {
  TRandomSource random(1);
  // seed 1 -> 134775814: (134775814 * 10) >> 32 = 0; next seed 134775814*134775813+1 mod 2^32.
  EXPECT_EQ(random.Random(10), 0);
  EXPECT_EQ(random.Seed, 134775814u);
  const uint32_t next = 134775814u * 134775813u + 1u;
  EXPECT_EQ(random.Random(1000), static_cast<int32_t>((uint64_t{next} * 1000) >> 32));
  const uint32_t third = next * 134775813u + 1u;
  EXPECT_DOUBLE_EQ(random.RandomReal(), third / 4294967296.0);
  // Random(0) still advances, so the sequence does not depend on the sizes asked for.
  TRandomSource a(5), b(5);
  a.Random(0);
  b.Random(7);
  EXPECT_EQ(a.Seed, b.Seed);
}

TEST(RandomSource, WeightedPickReturnsTheFirstIndexWhoseRunningSumReachesTheDraw) {
  rules::TIntegers weights{0, 3, 0, 1};
  int counts[4] = {0, 0, 0, 0};
  TRandomSource random(99);
  for (int i = 0; i < 4000; ++i) ++counts[random.WeightedPick(weights)];
  EXPECT_EQ(counts[0], 0);
  EXPECT_EQ(counts[2], 0);
  EXPECT_GT(counts[1], 2 * counts[3]);
  // The same seed reproduces the draw made by hand: r = Random(4), index by running sum.
  TRandomSource x(1234), y(1234);
  const int r = y.Random(4);
  EXPECT_EQ(x.WeightedPick(weights), r < 3 ? 1 : 3);
  EXPECT_EQ(TRandomSource(3).WeightedPick(rules::TIntegers{0, 0}), -1);
  EXPECT_EQ(TRandomSource(3).WeightedPick(rules::TIntegers{}), -1);
}
