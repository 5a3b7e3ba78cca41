#include "text/Random.h"

#include <algorithm>

#include "text/SystemClock.h"

namespace yanqi {

void RandomGenerator::Seed() {
  const std::uint32_t seed = ReadTickCount() + seedAccumulator_;
  seedAccumulator_ += (seed & 0xFF) + 100;
  state_ = seed;
}

void RandomGenerator::Seed(std::int32_t seed) { state_ = static_cast<std::uint32_t>(seed); }

std::int32_t RandomGenerator::Between(std::optional<std::int32_t> low, std::optional<std::int32_t> high) {
  const std::int32_t lo = std::max(low.value_or(0), 0);
  const std::int32_t hi = std::max(high.value_or(2147483647), 0);
  const std::int32_t smaller = std::min(lo, hi);
  const std::int32_t larger = std::max(lo, hi);
  if (smaller == larger) return smaller;
  const std::int32_t span = std::min(larger - smaller, 2147483646);
  state_ = state_ * 214013u + 2531011u;
  const std::int32_t draw = static_cast<std::int32_t>((state_ >> 16) & 0x7FFF);
  return smaller + draw % (span + 1);
}

RandomGenerator& ProgramRandom() {
  static RandomGenerator generator;
  return generator;
}

}  // namespace yanqi
