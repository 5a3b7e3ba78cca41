// A deterministic article-like GBK text for benchmarks: lines of common
// Chinese characters mixed with ASCII words, digits, full-width punctuation
// and ideographic spaces, some empty lines, about 30 % repeated lines.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace yanqi::bench {

inline std::string GenerateBenchText(std::size_t targetBytes, std::uint32_t seed = 20261211) {
  std::mt19937 random(seed);
  const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  // Common characters: rows B0-D7 of the GB2312 level-one block.
  const auto chinese = [&](std::string& line) {
    line.push_back(static_cast<char>(0xB0 + pick(0xD7 - 0xB0)));
    line.push_back(static_cast<char>(0xA1 + pick(0xFE - 0xA1)));
  };
  static const char* const kWords[] = {"the", "GBK", "text", "2026", "yanqi", "data", "OK", "v1.0"};
  static const char* const kMarks[] = {"\xA3\xAC", "\xA1\xA3", "\xA3\xBA", "\xA1\xA1", "\xA3\xA1"};
  std::vector<std::string> earlier;
  std::string text;
  text.reserve(targetBytes + 256);
  while (text.size() < targetBytes) {
    std::string line;
    if (!earlier.empty() && pick(100) < 30) {
      line = earlier[pick(earlier.size())];
    } else if (pick(100) >= 4) {
      const std::size_t pieces = 3 + pick(14);
      for (std::size_t i = 0; i < pieces; ++i) {
        const std::size_t kind = pick(10);
        if (kind < 7) {
          for (std::size_t n = 1 + pick(4); n > 0; --n) chinese(line);
        } else if (kind < 9) {
          line += kWords[pick(std::size(kWords))];
          line += ' ';
        } else {
          line += kMarks[pick(std::size(kMarks))];
        }
      }
      if (earlier.size() < 50000) earlier.push_back(line);
    }
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace yanqi::bench
