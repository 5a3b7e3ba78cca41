// Which bytes of a text start a unit, 64 bytes at a time.
//
// A unit always ends at a byte below 0x80, so every run of bytes of 0x80 and
// above starts on a unit boundary and pairs up from there; the byte after
// the run is a boundary when the run is even and a second byte when it is
// odd. The odd runs are found for 64 bytes at once with carries through an
// addition (the technique simdjson uses for runs of backslashes).
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace yanqi::unit {

// One bit per byte of a 64-byte block.
struct BlockMasks {
  std::uint64_t high;   // byte >= 0x80
  std::uint64_t equal;  // byte == the wanted byte
};

inline BlockMasks LoadBlockMasks(const char* block, char wanted) {
  BlockMasks masks{0, 0};
#if defined(__SSE2__)
  const __m128i wantedBytes = _mm_set1_epi8(wanted);
  for (int part = 0; part < 4; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
    masks.high |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(bytes))} << (16 * part);
    masks.equal |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wantedBytes)))}
                   << (16 * part);
  }
#else
  for (int i = 0; i < 64; ++i) {
    masks.high |= std::uint64_t{static_cast<unsigned char>(block[i]) >= 0x80} << i;
    masks.equal |= std::uint64_t{block[i] == wanted} << i;
  }
#endif
  return masks;
}

// Feeds blocks in order and tells, for each, which bytes follow a run of
// high bytes of odd length (counting the part of a run in earlier blocks).
// Those bytes are second bytes of a pair; every other byte below 0x80 starts
// a unit. The first block must start on a unit boundary.
class OddRunEnds {
 public:
  std::uint64_t Next(std::uint64_t high) {
    constexpr std::uint64_t kEvenBits = 0x5555555555555555ULL;
    constexpr std::uint64_t kOddBits = ~kEvenBits;
    const std::uint64_t startEdges = high & ~(high << 1);
    // A run that goes on from the last block with odd length so far counts as
    // starting on an odd bit.
    const std::uint64_t evenStartMask = kEvenBits ^ previousEndsOdd_;
    const std::uint64_t evenStarts = startEdges & evenStartMask;
    const std::uint64_t oddStarts = startEdges & ~evenStartMask;
    const std::uint64_t evenCarries = high + evenStarts;
    std::uint64_t oddCarries;
    const bool endsOdd = __builtin_add_overflow(high, oddStarts, &oddCarries);
    oddCarries |= previousEndsOdd_;  // an odd run that ended with the last block ends at bit 0
    previousEndsOdd_ = endsOdd ? 1 : 0;
    const std::uint64_t evenStartOddEnd = evenCarries & ~high & kOddBits;
    const std::uint64_t oddStartEvenEnd = oddCarries & ~high & kEvenBits;
    return evenStartOddEnd | oddStartEvenEnd;
  }

 private:
  std::uint64_t previousEndsOdd_ = 0;
};

}  // namespace yanqi::unit
