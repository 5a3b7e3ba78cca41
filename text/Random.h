// The program's random generator: a linear congruential generator over one
// 32-bit state, seeded from the tick count.
#pragma once

#include <cstdint>
#include <optional>

namespace yanqi {

class RandomGenerator {
 public:
  // Seeds from the tick count plus an accumulator, so that two seeds in the
  // same millisecond still differ.
  void Seed();
  void Seed(std::int32_t seed);
  // low and high default to 0 and 2147483647, negatives count as 0, the two
  // may come in either order; results never exceed low + 32767.
  std::int32_t Between(std::optional<std::int32_t> low, std::optional<std::int32_t> high);

 private:
  std::uint32_t state_ = 1;
  std::uint32_t seedAccumulator_ = 0;
};

// The one generator of the program, alive for the whole run.
RandomGenerator& ProgramRandom();

inline void RandomSeed() { ProgramRandom().Seed(); }
inline void RandomSeed(std::int32_t seed) { ProgramRandom().Seed(seed); }
inline std::int32_t RandomBetween(std::optional<std::int32_t> low = std::nullopt,
                                  std::optional<std::int32_t> high = std::nullopt) {
  return ProgramRandom().Between(low, high);
}

}  // namespace yanqi
