// Conversion between code page 936 bytes and Unicode, and between code page
// 936 and any other encoding ICU knows.
//
// The code page 936 side is the Windows table (ICU's "windows-936-2000":
// 0x80 is the euro sign, 0xFF is U+F8F5, the user-defined areas map to
// U+E000-U+E864) made lossless: every byte of a sequence that is not a valid
// character decodes to U+F700 + the byte, and U+F701-U+F7FF encode back to
// their byte. Code page 936 never uses U+F700-U+F7FF, so decoding and then
// encoding any byte string without 0x00 gives the same bytes back. Unicode
// that code page 936 cannot represent encodes as "?", as the platform does.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "text/GbkText.h"

namespace yanqi {

// The first and last of the characters that stand for undecodable bytes.
inline constexpr char16_t kEscapedByteBase = 0xF700;

std::u16string DecodeGbk(std::string_view gbk);

// How many bytes the character starting `bytes` (not empty) takes: two for a
// lead byte 0x81-0xFE followed by a trail byte (0x40-0x7E or 0x80-0xFE), one
// for any other byte. Decoding a text piece by piece at these boundaries
// gives the same characters as decoding it whole, so a view can decode just
// the part of a long line it shows. A byte below 0x80 always ends a character.
inline std::size_t CharacterLength(std::string_view bytes) {
  const unsigned char lead = static_cast<unsigned char>(bytes[0]);
  if (lead < 0x81 || lead == 0xFF || bytes.size() < 2) return 1;
  const unsigned char trail = static_cast<unsigned char>(bytes[1]);
  return trail >= 0x40 && trail != 0x7F && trail != 0xFF ? 2 : 1;
}
std::string EncodeGbk(std::u16string_view text);

// A text written in the source as UTF-8 (u8"..."), as code page 936 bytes.
// The program's own captions and messages are spelled this way.
GbkText Gbk(std::u8string_view utf8);

class UnknownEncoding : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Bytes in the named encoding to code page 936 and back. Throws
// UnknownEncoding when ICU knows no encoding by that name.
std::string ConvertToGbk(std::string_view bytes, const std::string& encoding);
std::string ConvertFromGbk(std::string_view gbk, const std::string& encoding);

}  // namespace yanqi
