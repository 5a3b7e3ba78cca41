#include "text/Search.h"

#include <gtest/gtest.h>

#include "tests/TestBytes.h"

namespace yanqi {
namespace {

using test::Hex;

struct IndexOfCase {
  GbkText text;
  GbkText sub;
  std::optional<std::int32_t> start;
  bool ignoreCase;
  std::int32_t expected;
};

TEST(IndexOf, FollowsTheUnitRule) {
  const IndexOfCase cases[] = {
      // An empty subtext is found at 1 whatever the start, never in the empty text.
      {"", "", std::nullopt, false, -1},
      {"abc", "", 3, false, 1},
      {"abc", "", 4, false, -1},
      {"abc", "c", 0, false, 3},
      {"abc", "c", 1, false, 3},
      {"abc", "c", -5, false, 3},
      {"abc", "c", std::nullopt, false, 3},
      {"abcabc", "bc", 3, false, 5},
      {"abc", "abcd", std::nullopt, false, -1},
      // A trail byte that equals a letter is no match.
      {Hex("81 41"), "A", std::nullopt, false, -1},
      // The walk starts at the start position, even inside a character.
      {Hex("D6 D0 41"), "A", 1, false, 3},
      {Hex("D6 D0 41"), "A", 3, false, 3},
      {Hex("D6 D0 41"), "A", 2, false, -1},
      // Case folding applies to every byte, trail bytes included.
      {Hex("81 41"), Hex("81 61"), std::nullopt, true, 1},
      {Hex("81 41"), Hex("81 61"), std::nullopt, false, -1},
      {"ABC", "bc", std::nullopt, true, 2},
      {"ABC", "bc", std::nullopt, false, -1},
      // 0x80 and 0xFF start units too.
      {Hex("80 41 41"), "A", std::nullopt, false, 3},
      // A lone lead byte at the end is still compared.
      {Hex("61 D6"), Hex("D6"), std::nullopt, false, 2},
      {"a\r\n", "\r\n", 2, false, 2},
  };
  for (const IndexOfCase& c : cases) {
    SCOPED_TRACE(test::ShowBytes(c.text.Bytes()) + " / " + test::ShowBytes(c.sub.Bytes()));
    EXPECT_EQ(IndexOf(c.text, c.sub, c.start, c.ignoreCase), c.expected);
  }
}

TEST(IndexOf, SkipsMisalignedOccurrencesInLongTexts) {
  // Many occurrences of "AB" that all start on trail bytes, then one aligned.
  std::string bytes;
  for (int i = 0; i < 10000; ++i) bytes += "\x81" "AB";
  bytes += "AB";
  EXPECT_EQ(IndexOf(GbkText(bytes), "AB", std::nullopt, false), 30001);
  EXPECT_EQ(IndexOf(GbkText(bytes), "AB", 2, false), 2);
}

}  // namespace
}  // namespace yanqi
