#include "text/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/TestBytes.h"

namespace yanqi {
namespace {

using test::Hex;

TEST(ParseNumber, ReadsTheNumberAtTheStart) {
  struct Case {
    GbkText text;
    double expected;
  };
  const Case cases[] = {
      {"12", 12},
      {"  -3.5", -3.5},
      {Hex("A3 B1 A3 B2 A3 AE A3 B5"), 12.5},  // １２．５
      {Hex("A1 A1 A3 B7"), 7},                 // ideographic space, ７
      {"1e3", 1000},
      {"1d3", 1000},
      {"1D3", 1000},
      {"2E-2", 0.02},
      {"12e", 12},
      {"12e+", 12},
      {".5", 0.5},
      {"5.", 5},
      {".", 0},
      {"+-5", 0},
      {"+5", 5},
      {"0x1A", 0},
      {"12abc", 12},
      {"1,234", 1},
      {Hex("D6 D0"), 0},  // 中
      {"", 0},
      {Hex("31 32 B9"), 12},  // a lone lead byte at the end
      {"\t\r\n\v\f 8", 8},
      {"- 5", 0},
      {"0.1", 0.1},
      {"1e400", std::numeric_limits<double>::infinity()},
      {"-1e400", -std::numeric_limits<double>::infinity()},
      {"1e-400", 0},
      {"0e999999", 0},
      {Hex("A3 AD A3 B2 A3 E5 A3 B2"), -200},  // －２ｅ２
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::ShowBytes(c.text.Bytes()));
    EXPECT_EQ(ParseNumber(c.text), c.expected);
  }
}

TEST(ParseNumber, GivesTheNearestReal) {
  // Hand accumulation of digits gets these wrong in the last bit.
  EXPECT_EQ(ParseNumber("0.3"), 0.3);
  EXPECT_EQ(ParseNumber("123456789012345678901234567890"), 123456789012345678901234567890.0);
  EXPECT_EQ(ParseNumber("9007199254740993"), 9007199254740992.0);
  EXPECT_EQ(ParseNumber("2.2250738585072011e-308"), 2.2250738585072011e-308);
}

TEST(FormatNumber, DecimalWithoutDecoration) {
  EXPECT_EQ(FormatNumber(0), GbkText("0"));
  EXPECT_EQ(FormatNumber(-5), GbkText("-5"));
  EXPECT_EQ(FormatNumber(1000), GbkText("1000"));
  EXPECT_EQ(FormatNumber(-2147483647 - 1), GbkText("-2147483648"));
}

TEST(HexOf, UnsignedUpperCaseHexadecimal) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "0"}, {9, "9"}, {10, "A"}, {255, "FF"}, {4096, "1000"}, {-1, "FFFFFFFF"}, {-256, "FFFFFF00"},
  };
  for (const auto& [value, hex] : cases) EXPECT_EQ(HexOf(value), GbkText(hex)) << value;
}

TEST(Remainder, HasTheSignOfTheDividend) {
  EXPECT_EQ(Remainder(7, 2), 1);
  EXPECT_EQ(Remainder(-7, 2), -1);
  EXPECT_EQ(Remainder(7, -2), 1);
  EXPECT_EQ(Remainder(5.5, 2), 1.5);
  EXPECT_EQ(Remainder(1e300, 3), std::fmod(1e300, 3));
}

TEST(ByteOf, LowEightBits) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {{65, 65}, {255, 255}, {256, 0}, {-1, 255}, {-2, 254}};
  for (const auto& [value, byte] : cases) EXPECT_EQ(ByteOf(value), byte) << value;
}

TEST(SortAscending, SortsInPlace) {
  std::vector<std::int32_t> values = {3, -1, 2, 2};
  SortAscending(values);
  EXPECT_EQ(values, (std::vector<std::int32_t>{-1, 2, 2, 3}));
  SortAscending(values, false);
  EXPECT_EQ(values, (std::vector<std::int32_t>{3, 2, 2, -1}));
  std::vector<std::int32_t> empty;
  SortAscending(empty);
  EXPECT_TRUE(empty.empty());
}

}  // namespace
}  // namespace yanqi
