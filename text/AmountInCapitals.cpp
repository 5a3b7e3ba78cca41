#include "text/AmountInCapitals.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

constexpr std::uint64_t kLargestFen = 999'999'999'999'999;

struct Numerals {
  std::vector<GbkText> digits;  // 0 to 9
  std::vector<GbkText> units;   // of the yuan digits 10^1 to 10^12
};

std::vector<GbkText> Characters(std::u8string_view text) {
  // Every character here is one of code page 936's two-byte characters.
  const GbkText gbk = Gbk(text);
  std::vector<GbkText> characters;
  for (std::int32_t at = 1; at <= ByteLength(gbk); at += 2) characters.push_back(Slice(gbk, at, 2));
  return characters;
}

const Numerals& NumeralsFor(bool everyday) {
  static const Numerals kCapital{Characters(u8"零壹贰叁肆伍陆柒捌玖"), Characters(u8"拾佰仟万拾佰仟亿拾佰仟万")};
  static const Numerals kEveryday{Characters(u8"零一二三四五六七八九"), Characters(u8"十百千万十百千亿十百千万")};
  return everyday ? kEveryday : kCapital;
}

// The amount in fen: ×100, lifted by 10^-12 so that 1.005 and 2.675 reach
// the next fen, rounded half up. Nothing when it does not fit in 15 digits.
std::optional<std::uint64_t> FenCount(double magnitude) {
  const double lifted = magnitude * 100 + 0.000000000001;
  if (!(lifted < 1e15)) return std::nullopt;  // also infinity and NaN
  const double whole = std::floor(lifted);
  const std::uint64_t fen = static_cast<std::uint64_t>(whole) + (lifted - whole >= 0.5 ? 1 : 0);
  if (fen > kLargestFen) return std::nullopt;
  return fen;
}

}  // namespace

GbkText AmountInCapitals(double value, bool everyday) {
  static const GbkText kOverflow = Gbk(u8"溢出"), kZero = Gbk(u8"零"), kWhole = Gbk(u8"整"), kYuan = Gbk(u8"元"),
                       kJiao = Gbk(u8"角"), kFen = Gbk(u8"分"), kWan = Gbk(u8"万"), kYi = Gbk(u8"亿"),
                       kNegative = Gbk(u8"负");
  const std::optional<std::uint64_t> fenCount = FenCount(std::fabs(value));
  if (!fenCount) return kOverflow;
  if (*fenCount == 0) return kZero;

  const Numerals& numerals = NumeralsFor(everyday);
  // The pieces from the end of the text towards its beginning.
  std::vector<GbkText> backwards;
  if (*fenCount % 10 == 0) backwards.push_back(kWhole);
  enum class ZeroState { None, Digit, Zero } zeroState = ZeroState::None;
  bool yuanWritten = false;
  bool sectionWritten = false;
  int position = 0;
  for (std::uint64_t rest = *fenCount; rest > 0; rest /= 10, ++position) {
    const int digit = static_cast<int>(rest % 10);
    if (position == 6 || position == 10) sectionWritten = false;
    if (digit == 0) {
      if (zeroState == ZeroState::Digit) {
        backwards.push_back(kZero);
        zeroState = ZeroState::Zero;
      }
      continue;
    }
    zeroState = ZeroState::Digit;
    if (position == 0) {
      backwards.push_back(kFen);
    } else if (position == 1) {
      backwards.push_back(kJiao);
    } else {
      if (!yuanWritten) {
        backwards.push_back(kYuan);
        yuanWritten = true;
      }
      if (!sectionWritten && position >= 6) {
        // 万 and 亿 once for their section, even when its own units digit is 0.
        if (position >= 7 && position <= 9) backwards.push_back(kWan);
        if (position >= 11) backwards.push_back(kYi);
        sectionWritten = true;
      }
      if (position >= 3) backwards.push_back(numerals.units[static_cast<std::size_t>(position - 3)]);
    }
    backwards.push_back(numerals.digits[static_cast<std::size_t>(digit)]);
  }
  if (value < 0) backwards.push_back(kNegative);

  std::string text;
  for (auto piece = backwards.rbegin(); piece != backwards.rend(); ++piece) text.append(piece->Bytes());
  return GbkText::FromOwned(std::move(text));
}

}  // namespace yanqi
