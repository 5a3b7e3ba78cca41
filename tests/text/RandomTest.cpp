#include "text/Random.h"

#include <gtest/gtest.h>

#include "text/SystemClock.h"

namespace yanqi {
namespace {

TEST(RandomGenerator, KnownSequenceFromStateOne) {
  RandomGenerator fresh;
  RandomGenerator reseeded;
  reseeded.Between(1, 100);
  reseeded.Seed(1);
  for (RandomGenerator* generator : {&fresh, &reseeded}) {
    std::vector<std::int32_t> draws;
    for (int i = 0; i < 5; ++i) draws.push_back(generator->Between(1, 100));
    EXPECT_EQ(draws, (std::vector<std::int32_t>{42, 68, 35, 1, 70}));
  }
}

TEST(RandomGenerator, BoundsAndDraws) {
  RandomGenerator generator;
  EXPECT_EQ(generator.Between(1, 1), 1);
  EXPECT_EQ(generator.Between(1, 100), 42) << "Between(1, 1) made no draw";
  EXPECT_EQ(generator.Between(-5, -9), 0) << "negatives count as 0";
  for (int i = 0; i < 1000; ++i) {
    const std::int32_t r = generator.Between(2, 1);  // either order
    ASSERT_TRUE(r == 1 || r == 2);
  }
  for (int i = 0; i < 1000; ++i) ASSERT_LE(generator.Between(1, 100000), 32768);
  RandomGenerator defaults;
  EXPECT_EQ(defaults.Between(std::nullopt, std::nullopt), 41) << "0 to 2147483647: r itself";
}

TEST(RandomGenerator, SeedReadsTheTickCountAndAnAccumulator) {
  SetTickCountSource([] { return std::uint32_t{1000}; });
  RandomGenerator seeded, expected;
  seeded.Seed();  // seed 1000; the accumulator becomes (1000 & 0xFF) + 100 = 332
  expected.Seed(1000);
  EXPECT_EQ(seeded.Between(1, 1000000), expected.Between(1, 1000000));
  seeded.Seed();  // seed 1000 + 332
  expected.Seed(1332);
  EXPECT_EQ(seeded.Between(1, 1000000), expected.Between(1, 1000000));
  SetTickCountSource([] { return std::uint32_t{0xFFFFFFFF}; });
  seeded.Seed();  // wraps: 0xFFFFFFFF + 332 + (1332 & 0xFF) + 100
  expected.Seed(static_cast<std::int32_t>(0xFFFFFFFFu + 332u + (1332u & 0xFF) + 100u));
  EXPECT_EQ(seeded.Between(1, 1000000), expected.Between(1, 1000000));
  SetTickCountSource(nullptr);
}

}  // namespace
}  // namespace yanqi
