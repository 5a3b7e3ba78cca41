#include "text/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "text/FatalError.h"
#include "text/GbkCodec.h"
#include "text/Rewriting.h"

namespace yanqi {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLeadingWhitespace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The decimal number at the start of `text`, as the characters from_chars
// reads: mantissa digits and point, then "e" and the exponent. The sign is
// returned apart, since from_chars takes no "+".
struct DecimalNumber {
  bool negative = false;
  std::string digits;        // mantissa and exponent, exponent letter as 'e'
  std::int64_t magnitudeDigits = 0;  // integer digits after leading zeros, for over/underflow
  bool mantissaIsZero = true;
};

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

bool ReadDecimalNumber(std::string_view text, DecimalNumber& number) {
  std::size_t at = 0;
  while (at < text.size() && IsLeadingWhitespace(text[at])) ++at;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) number.negative = text[at++] == '-';

  const std::size_t integerBegin = at;
  const std::size_t integerEnd = SkipDigits(text, at);
  std::size_t fractionBegin = integerEnd;
  std::size_t fractionEnd = integerEnd;
  if (integerEnd < text.size() && text[integerEnd] == '.') {
    fractionBegin = integerEnd + 1;
    fractionEnd = SkipDigits(text, fractionBegin);
  }
  if (integerEnd == integerBegin && fractionEnd == fractionBegin) return false;  // no mantissa digit
  number.digits.assign(text.substr(integerBegin, fractionEnd - integerBegin));

  const std::string_view integerDigits = text.substr(integerBegin, integerEnd - integerBegin);
  const std::string_view fractionDigits = text.substr(fractionBegin, fractionEnd - fractionBegin);
  const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
  number.magnitudeDigits = firstNonZero == std::string_view::npos
                               ? 0
                               : static_cast<std::int64_t>(integerDigits.size() - firstNonZero);
  number.mantissaIsZero = firstNonZero == std::string_view::npos &&
                          fractionDigits.find_first_not_of('0') == std::string_view::npos;

  std::size_t letterAt = fractionEnd;
  if (letterAt < text.size() && std::string_view("eEdD").find(text[letterAt]) != std::string_view::npos) {
    std::size_t exponentAt = letterAt + 1;
    if (exponentAt < text.size() && (text[exponentAt] == '+' || text[exponentAt] == '-')) ++exponentAt;
    const std::size_t exponentEnd = SkipDigits(text, exponentAt);
    if (exponentEnd > exponentAt) {  // otherwise the number ends before the letter
      number.digits += 'e';
      number.digits.append(text.substr(letterAt + 1, exponentEnd - letterAt - 1));
      // Only the sign of the exponent's reach matters for overflow; a saturated read is enough.
      std::int64_t exponent = 0;
      for (std::size_t i = exponentAt; i < exponentEnd && exponent < 1'000'000'000; ++i) {
        exponent = exponent * 10 + (text[i] - '0');
      }
      number.magnitudeDigits += text[letterAt + 1] == '-' ? -exponent : exponent;
    }
  }
  return true;
}

}  // namespace

double ParseNumber(const GbkText& text) {
  const GbkText narrowed = Narrow(text);
  DecimalNumber number;
  if (!ReadDecimalNumber(narrowed.Bytes(), number)) return 0;
  double value = 0;
  const char* first = number.digits.data();
  const auto [end, error] = std::from_chars(first, first + number.digits.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Beyond a double: infinite when the number is large, 0 when it is tiny.
    value = (!number.mantissaIsZero && number.magnitudeDigits > 0) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return number.negative ? -value : value;
}

GbkText FormatNumber(std::int32_t value) { return GbkText(std::to_string(value)); }

GbkText HexOf(std::int32_t value) {
  char digits[8];
  const auto result = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(value), 16);
  std::string text(digits, result.ptr);
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c >= 'a' ? char(c - 0x20) : c; });
  return GbkText(text);
}

double Remainder(double dividend, double divisor) {
  if (divisor == 0) RaiseFatalError({std::nullopt, Gbk(u8"不能求余数于零")});
  return std::fmod(dividend, divisor);  // exact, with the sign of the dividend
}

void SortAscending(std::vector<std::int32_t>& values, bool ascending) {
  if (ascending) {
    std::sort(values.begin(), values.end());
  } else {
    std::sort(values.begin(), values.end(), std::greater<>());
  }
}

}  // namespace yanqi
