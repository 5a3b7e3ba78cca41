#include "text/Rewriting.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/TestBytes.h"

namespace yanqi {
namespace {

using test::Hex;

struct SubstituteCase {
  GbkText text, find, replacement;
  std::optional<std::int32_t> start, count;
  bool caseSensitive;
  GbkText expected;
};

TEST(Substitute, ReplacesLeftToRightWithoutOverlap) {
  const std::nullopt_t all = std::nullopt;
  const GbkText crlf3 = "\r\n\r\n\r\n";
  const SubstituteCase cases[] = {
      {"", "a", "b", all, all, true, ""},
      {"abc", "", "x", all, all, true, "abc"},
      {"aaa", "aa", "b", all, all, true, "ba"},
      {"ab", "a", "aa", all, all, true, "aab"},
      {crlf3, "\r\n\r\n", "\r\n", all, all, true, "\r\n\r\n"},
      {"\r\n\r\n", "\r\n\r\n", "\r\n", all, all, true, "\r\n"},
      {"ABC", "b", "x", all, all, false, "AxC"},
      {"ABC", "b", "x", all, all, true, "ABC"},
      {"aaa", "a", "b", 2, all, true, "abb"},
      {"aaa", "a", "b", all, 2, true, "bba"},
      {"aaa", "a", "b", all, 0, true, "aaa"},
      {"aaa", "a", "b", 4, all, true, "aaa"},
      {"aaa", "a", "b", -3, all, true, "bbb"},
      {"a,b,c", ",", GbkText(), all, all, true, "abc"},
      {Hex("81 41"), "A", "x", all, all, true, Hex("81 41")},
      // A lone lead byte is dropped only where a one-byte find lets the walk reach it.
      {Hex("61 D6"), "x", "y", all, all, true, "a"},
      {Hex("61 D6"), "xy", "z", all, all, true, Hex("61 D6")},
      {Hex("61 D6"), Hex("D6"), "z", all, all, true, "az"},
      {Hex("61 D6"), "a", "b", all, all, true, "b"},
      // When the count stops the walk, the rest is kept as it is.
      {Hex("61 61 D6"), "a", "b", all, 1, true, Hex("62 61 D6")},
      // The walk from start 2 pairs D0 with the A.
      {Hex("D6 D0 41 41"), "A", "x", 2, all, true, Hex("D6 D0 41 78")},
  };
  for (const SubstituteCase& c : cases) {
    SCOPED_TRACE(test::ShowBytes(c.text.Bytes()) + " / " + test::ShowBytes(c.find.Bytes()));
    EXPECT_EQ(Substitute(c.text, c.find, c.replacement, c.start, c.count, c.caseSensitive), c.expected);
  }
}

std::vector<GbkText> Elements(const TextList& list) { return list.Elements(); }

TEST(SplitOn, LinesOfTheCrLfTable) {
  struct Case {
    GbkText text;
    std::vector<GbkText> elements;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\r\na", {"", "a"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"a\rb\nc", {"a\rb\nc"}},
      // D6 pairs with the CR, so no break is seen; a lone lead byte stays in the last element.
      {Hex("61 D6 0D 0A 62"), {Hex("61 D6 0D 0A 62")}},
      {Hex("61 0D 0A D6"), {"a", Hex("D6")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::ShowBytes(c.text.Bytes()));
    EXPECT_EQ(Elements(SplitOn(c.text, "\r\n")), c.elements);
  }
  EXPECT_EQ(Elements(SplitOn("a,b", "")), std::vector<GbkText>{"a,b"});
  EXPECT_EQ(Elements(SplitOn("a--b----", "--")), (std::vector<GbkText>{"a", "b", ""}));
}

TEST(SplitOn, ElementsShareTheTextsStorage) {
  const GbkText text("one\r\ntwo\r\n");
  const TextList lines = SplitOn(text, "\r\n");
  ASSERT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines.At(2).Bytes().data(), text.Bytes().data() + 5);
}

TEST(Blanks, TrimBothAndStripAllSpaces) {
  struct Case {
    GbkText text, trimmed, stripped;
  };
  const Case cases[] = {
      {"  a b  ", "a b", "ab"},
      {"\ta\t", "\ta\t", "\ta\t"},
      {Hex("A1 A1 61 A1 A1"), "a", "a"},
      {Hex("61 20 D6"), "a ", "a"},
      {Hex("20 A1 A1 20"), "", ""},
      {"", "", ""},
      {Hex("61 20 A1 A1 62 09 0D 0A"), Hex("61 20 A1 A1 62 09 0D 0A"), Hex("61 62 09 0D 0A")},
      // 啊〔: the middle bytes A1 A1 straddle two units and are no blank.
      {Hex("B0 A1 A1 B2"), Hex("B0 A1 A1 B2"), Hex("B0 A1 A1 B2")},
      {Hex("20 D6"), "", ""},
      {Hex("A1"), "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::ShowBytes(c.text.Bytes()));
    EXPECT_EQ(TrimBoth(c.text), c.trimmed);
    EXPECT_EQ(StripAllSpaces(c.text), c.stripped);
  }
}

TEST(Upper, ChangesOneByteLettersOnly) {
  EXPECT_EQ(Upper(Hex("61 7A D6 61")), Hex("41 5A D6 61"));
  EXPECT_EQ(Upper("Mixed 1a!"), GbkText("MIXED 1A!"));
  EXPECT_EQ(Upper(Hex("A3 E1")), Hex("A3 E1")) << "full-width letters stay";
  EXPECT_EQ(Upper(Hex("61 D6")), Hex("41 D6")) << "a lone lead byte remains";
}

TEST(Narrow, FullWidthFormsBecomeOneByte) {
  struct Case {
    GbkText text, narrowed;
  };
  const Case cases[] = {
      {Hex("A3 B1 A3 B2"), "12"},
      {Hex("A3 A4"), "$"},
      {Hex("A3 FE"), "~"},
      {Hex("A3 A1"), "!"},
      {Hex("A3 C1 A3 FA"), "Az"},
      {Hex("A1 A1"), " "},
      {Hex("A1 AB A1 EE A1 EF"), "~**"},
      {Hex("A1 A3"), Hex("A1 A3")},
      {Hex("A1 A2"), Hex("A1 A2")},
      {Hex("A3 A0"), Hex("A3 A0")},
      {Hex("61 D6"), "a"},
      {"", ""},
      {Hex("D6 D0 A3 AC"), Hex("D6 D0 2C")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::ShowBytes(c.text.Bytes()));
    EXPECT_EQ(Narrow(c.text), c.narrowed);
  }
}

}  // namespace
}  // namespace yanqi
