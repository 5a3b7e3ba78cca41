#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "operations/CharacterOperations.h"
#include "text/Numbers.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

// What ParseNumber, truncated, gives for every one-byte and two-byte
// character, worked out once with ParseNumber itself: 0 to 9 for the digits
// and full-width digits, 0 for everything else.
struct CharacterValues {
  std::array<std::int8_t, 256> single{};
  std::vector<std::int8_t> pair = std::vector<std::int8_t>(65536);

  CharacterValues() {
    for (int first = 1; first < 256; ++first) {
      const std::string one(1, static_cast<char>(first));
      single[first] = static_cast<std::int8_t>(std::trunc(ParseNumber(GbkText(one))));
      for (int second = 1; second < 256 && first >= 0x80; ++second) {
        const std::string two{static_cast<char>(first), static_cast<char>(second)};
        pair[first << 8 | second] = static_cast<std::int8_t>(std::trunc(ParseNumber(GbkText(two))));
      }
    }
  }
};

}  // namespace

void SortDigits(WindowModel& window) {
  static const CharacterValues kValues;
  const GbkText text = window.GetText(Control::编辑框1);
  const std::string_view bytes = text.Bytes();
  // The values are 0 to 9: counting them sorts them (SortAscending's order).
  std::array<std::size_t, 10> counts{};
  for (std::size_t at = 0; at < bytes.size();) {
    const unsigned char first = static_cast<unsigned char>(bytes[at]);
    if (first >= 0x80 && at + 1 < bytes.size()) {
      ++counts[kValues.pair[first << 8 | static_cast<unsigned char>(bytes[at + 1])]];
      at += 2;
    } else {
      ++counts[kValues.single[first]];  // a lone lead byte at the end is read alone
      at += first >= 0x80 ? 2 : 1;
    }
  }
  std::string sorted;
  for (int digit = 0; digit < 10; ++digit) sorted.append(counts[digit], static_cast<char>('0' + digit));
  window.SetText(Control::编辑框1, {});
  window.AppendText(Control::编辑框1, {GbkText::FromOwned(std::move(sorted))});
}

}  // namespace yanqi
