#include "text/ChineseConversion.h"

#include <cstddef>
#include <cstring>

#include "text/ByteBuffer.h"

namespace yanqi {
namespace embedded {
extern const unsigned char kSimplifiedToTraditional[47880];
extern const unsigned char kTraditionalToSimplified[47880];
}  // namespace embedded

namespace {

constexpr int kColumns = 190;

// The table column of a trail byte, or -1 for a byte without one.
constexpr int ColumnOf(unsigned char trail) {
  if (trail >= 0x40 && trail <= 0x7E) return trail - 0x40;
  if (trail >= 0x80 && trail <= 0xFE) return trail - 0x41;
  return -1;
}

GbkText Convert(const GbkText& text, const unsigned char* table) {
  const std::string_view in = text.Bytes();
  if (in.empty()) return text;
  ByteBuffer buffer(in.size());
  unsigned char* out = reinterpret_cast<unsigned char*>(buffer.Data());
  std::memcpy(out, in.data(), in.size());
  const std::size_t size = in.size();
  std::size_t at = 0;
  while (at < size) {
    const unsigned char byte = out[at];
    if (byte < 0x80) {
      ++at;
    } else if (byte == 0x80 || byte == 0xFF) {
      at += 2;  // the byte after it is passed over unexamined
    } else if (at + 1 == size) {
      break;  // a lone lead byte stays
    } else {
      const int column = ColumnOf(out[at + 1]);
      if (column >= 0) {
        const unsigned char* entry = table + ((byte - 0x81) * kColumns + column) * 2;
        out[at] = entry[0];
        out[at + 1] = entry[1];
      }
      at += 2;
    }
  }
  buffer.SetSize(size);
  return GbkText::FromShared(std::move(buffer).Share());
}

}  // namespace

GbkText ToTraditional(const GbkText& text) { return Convert(text, embedded::kSimplifiedToTraditional); }

GbkText ToSimplified(const GbkText& text) { return Convert(text, embedded::kTraditionalToSimplified); }

}  // namespace yanqi
