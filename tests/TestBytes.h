// Texts for tests written as their bytes in hexadecimal ("61 D6 0D 0A"),
// the way the cases are easiest to read against code page 936 tables.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "text/GbkText.h"

namespace yanqi::test {

inline std::string HexBytes(std::string_view hex) {
  std::string bytes;
  unsigned value = 0;
  int digits = 0;
  for (const char c : hex) {
    if (c == ' ') continue;
    value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    if (++digits == 2) {
      bytes.push_back(static_cast<char>(value));
      value = 0;
      digits = 0;
    }
  }
  return bytes;
}

inline GbkText Hex(std::string_view hex) { return GbkText(HexBytes(hex)); }

// Bytes as "61 D6" for failure messages.
inline std::string ShowBytes(std::string_view bytes) {
  std::string shown;
  char pair[4];
  for (const char c : bytes) {
    std::snprintf(pair, sizeof pair, shown.empty() ? "%02X" : " %02X", static_cast<unsigned char>(c));
    shown += pair;
  }
  return shown;
}

}  // namespace yanqi::test

namespace yanqi {
// Lets GoogleTest print texts as their bytes.
inline void PrintTo(const GbkText& text, std::ostream* out) { *out << "<" << test::ShowBytes(text.Bytes()) << ">"; }
}  // namespace yanqi
