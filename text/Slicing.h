// Measuring, cutting, joining, comparing and converting texts and blocks.
// Positions are 1-based byte positions; out-of-range arguments give the empty
// text, 0 or false, never an error. Head, Tail and Slice count bytes only and
// may cut a two-byte character in half.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <type_traits>

#include "text/GbkText.h"

namespace yanqi {

std::int32_t ByteLength(const GbkText& text);
std::int32_t BlockLength(const ByteBlock& block);

GbkText Head(const GbkText& text, std::int32_t count);
GbkText Tail(const GbkText& text, std::int32_t count);
// The `count` bytes from `start` on, shortened at the end of the text; empty
// when start <= 0, start > length or count <= 0.
GbkText Slice(const GbkText& text, std::int32_t start, std::int32_t count);

// The byte at `position` as a signed 8-bit value (negative for 0x80 and
// above); 0 out of range. Omitted: the first byte.
std::int32_t SignedByteAt(const GbkText& text, std::optional<std::int32_t> position = std::nullopt);

// The system's lead-byte test (0x81 to 0xFE) on the byte at 0-based `index`.
bool IsLeadByteAt(const GbkText& text, std::int32_t index);

GbkText Concat(std::span<const GbkText> parts);
inline GbkText Concat(std::initializer_list<GbkText> parts) { return Concat(std::span(parts.begin(), parts.size())); }
template <typename... Parts>
  requires(std::is_constructible_v<GbkText, const Parts&> && ...)
GbkText Concat(const Parts&... parts) {
  return Concat({GbkText(parts)...});
}

ByteBlock ConcatBlocks(std::initializer_list<ByteBlock> blocks);
template <typename... Blocks>
ByteBlock ConcatBlocks(const Blocks&... blocks) {
  return ConcatBlocks({blocks...});
}

// -1, 0 or 1 by unsigned byte order; a beginning of a text sorts before it.
std::int32_t CompareText(const GbkText& a, const GbkText& b);

ByteBlock TextToBytes(const GbkText& text);
ByteBlock ByteToBytes(std::int32_t byteValue);
// The block's bytes up to, not including, its first 0x00.
GbkText BytesToText(const ByteBlock& block);

}  // namespace yanqi
