// The unit rule shared by every scanning primitive: a byte of 0x80 or above
// starts a two-byte unit together with the byte after it, whatever that byte
// is; every other byte is a unit by itself. Only the first byte is looked at.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace yanqi::unit {

inline bool StartsTwoByteUnit(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

inline std::size_t Width(char byte) { return StartsTwoByteUnit(byte) ? 2 : 1; }

// Walks from the unit boundary `from` until reaching or passing `target`;
// returns the boundary reached, which is target or target + 1.
//
// The walk is not done byte by byte: a unit always ends at a byte below 0x80
// (it is either a unit by itself or the second byte of a pair), so the last
// such byte before `target` is followed by a boundary, and from there on only
// bytes of 0x80 and above remain, which pair up two by two. The answer is the
// parity of that run, found by a backward scan that crosses eight high bytes
// at a time.
inline std::size_t WalkTo(std::string_view text, std::size_t from, std::size_t target) {
  if (target <= from) return from;
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t runStart = target;  // the high-byte run is [runStart, target)
  while (runStart > from) {
    if (runStart - from >= 8) {
      unsigned long long word;
      std::memcpy(&word, bytes + runStart - 8, sizeof word);
      if ((word & 0x8080808080808080ULL) == 0x8080808080808080ULL) {
        runStart -= 8;
        continue;
      }
    }
    if (bytes[runStart - 1] < 0x80) break;
    --runStart;
  }
  return (target - runStart) % 2 == 0 ? target : target + 1;
}

// Blanks are the space and the ideographic space A1 A1, as whole units.
inline bool IsBlankAt(std::string_view text, std::size_t at) {
  const unsigned char first = static_cast<unsigned char>(text[at]);
  if (first == 0x20) return true;
  return first == 0xA1 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) == 0xA1;
}

// The byte comparison's case folding: A-Z are raised by 0x20, nothing else changes.
inline char FoldCase(char byte) { return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte + 0x20) : byte; }

}  // namespace yanqi::unit
