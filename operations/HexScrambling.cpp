#include "operations/HexScrambling.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>

#include "text/ByteBuffer.h"
#include "text/Numbers.h"
#include "text/Rewriting.h"
#include "text/Search.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// The digit value of a byte as HexDigitsValue reads it: its place in the
// alphabet, or -2 for a byte that is no upper-case digit.
constexpr std::array<std::int8_t, 256> DigitValues(bool upperCaseFirst) {
  std::array<std::int8_t, 256> values{};
  for (int byte = 0; byte < 256; ++byte) {
    int c = byte;
    if (upperCaseFirst && c >= 'a' && c <= 'z') c -= 0x20;
    values[byte] = -2;
    for (int digit = 0; digit < 16; ++digit) {
      if (kDigits[digit] == c) values[byte] = static_cast<std::int8_t>(digit);
    }
  }
  return values;
}
constexpr std::array<std::int8_t, 256> kUpperCasedValue = DigitValues(true);
constexpr std::array<std::int8_t, 256> kExactValue = DigitValues(false);

// The byte HexTextToBytes makes of one pair, the table form of HexDigitsValue:
// Upper changes the second byte only when the first is below 0x80, as the unit
// rule says; an odd length ends with the first digit alone.
char PairByte(unsigned char first, std::optional<unsigned char> second) {
  if (!second) return static_cast<char>(ByteOf(kUpperCasedValue[first]));
  const std::int32_t low = first >= 0x80 ? kExactValue[*second] : kUpperCasedValue[*second];
  return static_cast<char>(ByteOf(16 * kUpperCasedValue[first] + low));
}

void SetButtonsAfter(WindowModel& window, bool scrambled) {
  window.SetDisabled(Control::解密, !scrambled);
  window.SetDisabled(Control::加密, scrambled);
}

}  // namespace

GbkText HexPair(std::int32_t value) {
  const GbkText hex = HexOf(value);
  return ByteLength(hex) % 2 == 1 ? Concat("0", hex) : hex;
}

GbkText BytesToHexText(const ByteBlock& bytes, EventPump& pump) {
  const std::string_view in = bytes.Bytes();
  ByteBuffer buffer(in.size() * 2);
  char* const out = buffer.Data();
  pump.InChunks(in.size(), [&](std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
      const unsigned char byte = static_cast<unsigned char>(in[i]);
      out[2 * i] = kDigits[byte >> 4];
      out[2 * i + 1] = kDigits[byte & 0x0F];
    }
  });
  buffer.SetSize(in.size() * 2);
  return GbkText::FromShared(std::move(buffer).Share());
}

GbkText ReverseBytes(const GbkText& text) {
  const std::string_view in = text.Bytes();
  ByteBuffer buffer(in.size());
  std::reverse_copy(in.begin(), in.end(), buffer.Data());
  buffer.SetSize(in.size());
  return GbkText::FromShared(std::move(buffer).Share());
}

ByteBlock HexTextToBytes(const GbkText& text, EventPump& pump) {
  const std::string_view digits = text.Bytes();
  const std::size_t pairs = (digits.size() + 1) / 2;
  ByteBuffer buffer(pairs);
  char* const out = buffer.Data();
  buffer.SetSize(pairs);
  pump.InChunks(pairs, [&](std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
      out[i] = PairByte(static_cast<unsigned char>(digits[2 * i]),
                        2 * i + 1 < digits.size() ? std::optional(static_cast<unsigned char>(digits[2 * i + 1]))
                                                  : std::nullopt);
    }
  });
  return ByteBlock(std::move(buffer).Share());
}

std::int32_t HexDigitsValue(const GbkText& digits) {
  const GbkText upper = Upper(digits);
  std::int32_t value = 0;
  for (std::int32_t i = 1; i <= ByteLength(digits); ++i) {
    value = 16 * value + IndexOf(kDigits, Slice(upper, i, 1), std::nullopt, false) - 1;
  }
  return value;
}

void WriteScramblePass(std::string_view bytes, char* out, EventPump& pump) {
  const std::size_t count = bytes.size();
  pump.InChunks(count, [&](std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
      // Byte i's pair lands reversed at the mirror place of the hex text.
      const unsigned char byte = static_cast<unsigned char>(bytes[i]);
      char* pair = out + 2 * (count - 1 - i);
      pair[0] = kDigits[byte & 0x0F];
      pair[1] = kDigits[byte >> 4];
    }
  });
}

std::size_t WriteUnscramblePass(std::string_view digits, char* out, EventPump& pump) {
  const std::size_t length = digits.size();
  const std::size_t pairs = (length + 1) / 2;
  if (pairs == 0) return 0;
  pump.InChunks(pairs, [&](std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
      // Pair i of the reversed text is digits[length - 1 - 2i] then digits[length - 2 - 2i].
      out[i] = PairByte(static_cast<unsigned char>(digits[length - 1 - 2 * i]),
                        2 * i + 1 < length ? std::optional(static_cast<unsigned char>(digits[length - 2 - 2 * i]))
                                           : std::nullopt);
    }
  });
  const void* zero = std::memchr(out, 0, pairs);
  return zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - out) : pairs;
}

// The three passes run between two buffers, each pass reading one and writing
// the other, so that an 8-fold text costs no more memory than it must.
void Scramble(WindowModel& window) {
  EventPump pump(window);
  const GbkText source = window.GetText(Control::编辑框1);
  const std::size_t n = source.Size();
  ByteBuffer large(8 * n), middle(4 * n);
  large.PreferHugePages();
  middle.PreferHugePages();
  try {
    WriteScramblePass(source.Bytes(), large.Data(), pump);
    WriteScramblePass({large.Data(), 2 * n}, middle.Data(), pump);
    WriteScramblePass({middle.Data(), 4 * n}, large.Data(), pump);
  } catch (const WindowClosed&) {
    return;  // the window is gone: no control is touched any more
  }
  large.SetSize(8 * n);
  window.SetText(Control::编辑框1, GbkText::FromShared(std::move(large).Share()));
  SetButtonsAfter(window, true);
}

void Unscramble(WindowModel& window) {
  EventPump pump(window);
  const GbkText digits = window.GetText(Control::编辑框1);
  const std::size_t once = (digits.Size() + 1) / 2;
  ByteBuffer first(once), second((once + 1) / 2);
  first.PreferHugePages();
  second.PreferHugePages();
  std::size_t length = 0;
  try {
    length = WriteUnscramblePass(digits.Bytes(), first.Data(), pump);
    length = WriteUnscramblePass({first.Data(), length}, second.Data(), pump);
    length = WriteUnscramblePass({second.Data(), length}, first.Data(), pump);
  } catch (const WindowClosed&) {
    return;
  }
  first.SetSize(length);
  window.SetText(Control::编辑框1, GbkText::FromShared(std::move(first).Share()));
  SetButtonsAfter(window, false);
}

}  // namespace yanqi
