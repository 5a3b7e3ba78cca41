#include "text/Slicing.h"

#include <string>

namespace yanqi {
namespace {

std::size_t Length(const GbkText& text) { return text.Size(); }

template <typename Value>
std::string JoinBytes(std::span<const Value> parts) {
  std::size_t total = 0;
  for (const Value& part : parts) total += part.Size();
  std::string joined;
  joined.reserve(total);
  for (const Value& part : parts) joined.append(part.Bytes());
  return joined;
}

}  // namespace

std::int32_t ByteLength(const GbkText& text) { return static_cast<std::int32_t>(Length(text)); }

std::int32_t BlockLength(const ByteBlock& block) { return static_cast<std::int32_t>(block.Size()); }

GbkText Head(const GbkText& text, std::int32_t count) {
  if (count <= 0) return {};
  return text.Sub(0, std::min<std::size_t>(static_cast<std::size_t>(count), Length(text)));
}

GbkText Tail(const GbkText& text, std::int32_t count) {
  if (count <= 0) return {};
  const std::size_t kept = std::min<std::size_t>(static_cast<std::size_t>(count), Length(text));
  return text.Sub(Length(text) - kept, kept);
}

GbkText Slice(const GbkText& text, std::int32_t start, std::int32_t count) {
  if (start <= 0 || count <= 0 || static_cast<std::size_t>(start) > Length(text)) return {};
  const std::size_t offset = static_cast<std::size_t>(start) - 1;
  return text.Sub(offset, std::min<std::size_t>(static_cast<std::size_t>(count), Length(text) - offset));
}

std::int32_t SignedByteAt(const GbkText& text, std::optional<std::int32_t> position) {
  const std::int32_t at = position.value_or(1);
  if (at <= 0 || static_cast<std::size_t>(at) > Length(text)) return 0;
  return static_cast<signed char>(text.Bytes()[static_cast<std::size_t>(at) - 1]);
}

bool IsLeadByteAt(const GbkText& text, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= Length(text)) return false;
  const unsigned char byte = static_cast<unsigned char>(text.Bytes()[static_cast<std::size_t>(index)]);
  return byte >= 0x81 && byte <= 0xFE;
}

GbkText Concat(std::span<const GbkText> parts) {
  // A single part with bytes is already the result: it is shared, not copied.
  const GbkText* only = nullptr;
  for (const GbkText& part : parts) {
    if (part.Empty()) continue;
    if (only) return GbkText::FromOwned(JoinBytes(parts));
    only = &part;
  }
  return only ? *only : GbkText();
}

ByteBlock ConcatBlocks(std::initializer_list<ByteBlock> blocks) {
  return ByteBlock::FromOwned(JoinBytes(std::span(blocks.begin(), blocks.size())));
}

std::int32_t CompareText(const GbkText& a, const GbkText& b) {
  // string_view compares through char_traits<char>, which orders bytes as unsigned.
  const int order = a.Bytes().compare(b.Bytes());
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

ByteBlock TextToBytes(const GbkText& text) { return ByteBlock(text.Shared()); }

ByteBlock ByteToBytes(std::int32_t byteValue) {
  return ByteBlock(std::string(1, static_cast<char>(byteValue & 0xFF)));
}

GbkText BytesToText(const ByteBlock& block) { return GbkText::FromShared(block.Shared()); }

}  // namespace yanqi
