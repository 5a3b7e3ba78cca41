#include "operations/LineOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "operations/LineTable.h"
#include "shell/HeadlessWindow.h"
#include "tests/TestBytes.h"
#include "tests/operations/BoxCases.h"
#include "tests/shell/RecordingWindow.h"
#include "text/GbkCodec.h"
#include "text/Random.h"
#include "text/Rewriting.h"
#include "text/Search.h"
#include "text/Slicing.h"
#include "text/SystemClock.h"

namespace yanqi {
namespace {

using test::Hex;
using test::ShowBytes;

using test::ExpectBoxes;

TEST(CountLines, ShowsTheCountInAMessage) {
  const std::pair<GbkText, int> cases[] = {
      {"", 0}, {"a\r\n", 1}, {"a", 1}, {"a\r\n\r\n", 2}, {"\r\n", 1}, {"a\rb", 1}, {"a\nb", 1},
      {Hex("61 D6 0D 0A 62"), 1}, {"\r\na\r\n\r\nb", 4},
  };
  for (const auto& [text, lines] : cases) {
    HeadlessWindow window;
    window.SetText(Control::编辑框1, text);
    CountLines(window);
    ASSERT_EQ(window.Messages().size(), 1u);
    EXPECT_EQ(window.Messages()[0].text, Concat(Gbk(u8"编辑框里一共："), std::to_string(lines), Gbk(u8"行")))
        << ShowBytes(text.Bytes());
    EXPECT_EQ(window.Messages()[0].style, kMessageExclamation);
    EXPECT_EQ(window.Messages()[0].title, DefaultMessageTitle());
    EXPECT_EQ(window.GetText(Control::编辑框1), text);
  }
}

TEST(StripTrailingBreaks, RemovesOnlyTrailingPairsResultBoxFirst) {
  ExpectBoxes(StripTrailingBreaks, {
      {"abc\r\n\r\n", "", "abc", ""},
      {"\r\n\r\n", "x\r\n", "", "x"},
      {"abc\r\n ", "abc\n", "abc\r\n ", "abc\n"},
      {"\r\nabc", "a\r\nb", "\r\nabc", "a\r\nb"},
      {"abc\r\r\n", "", "abc\r", ""},
      {Hex("D6 0D 0A"), "", Hex("D6"), ""},  // pairs are counted in bytes
  });
  EXPECT_EQ(test::BoxesReplacedBy(StripTrailingBreaks, "a\r\n", "b\r\n"),
            (std::vector<Control>{Control::编辑框2, Control::编辑框1}));
}

TEST(RemoveEmptyLines, CollapsesAndTrimsSourceBoxFirst) {
  ExpectBoxes(RemoveEmptyLines, {
      {"a\r\n\r\n\r\n\r\nb", "", "a\r\nb", ""},
      {"\r\n\r\na\r\n\r\n", "", "a", ""},
      {"\r\na", "a\r\n", "\r\na", "a\r\n"},
      {"\r\n", "\r\n\r\n\r\n", "", ""},
      {"a\r\n \r\nb", "", "a\r\n \r\nb", ""},  // blanks make a line that is not empty
      {"\r\na\r\n\r\nb\r\n", "", "a\r\nb", ""},
      {Hex("D6 0D 0A 0D 0A 0D 0A"), "", Hex("D6 0D 0A 0D 0A"), ""},  // D6 takes the first CR
  });
  EXPECT_EQ(test::BoxesReplacedBy(RemoveEmptyLines, "a\r\n\r\nb", "c\r\n\r\nd"),
            (std::vector<Control>{Control::编辑框1, Control::编辑框2}));
}

// The removal step by step as the button's procedure states it.
GbkText RemoveEmptyLinesStepByStep(GbkText t) {
  while (IndexOf(t, "\r\n\r\n", 1, true) != -1) t = Substitute(t, "\r\n\r\n", "\r\n", std::nullopt, std::nullopt, true);
  while (Head(t, 2) == GbkText("\r\n") && Tail(t, 2) == GbkText("\r\n")) {
    t = Tail(t, ByteLength(t) - 2);
    t = Head(t, ByteLength(t) - 2);
  }
  return t;
}

TEST(RemoveEmptyLines, OnePassEndsWhereTheStepsEnd) {
  std::mt19937 random(7);
  const std::string alphabet = "\r\n\r\n\r\na \xD6\x81";
  for (int i = 0; i < 20000; ++i) {
    std::string bytes(random() % 30, ' ');
    for (char& c : bytes) c = alphabet[random() % alphabet.size()];
    HeadlessWindow window;
    window.SetText(Control::编辑框1, GbkText(bytes));
    RemoveEmptyLines(window);
    ASSERT_EQ(window.GetText(Control::编辑框1), RemoveEmptyLinesStepByStep(GbkText(bytes))) << ShowBytes(bytes);
  }
}

std::string Lines(int count, const std::string& prefix = "line") {
  std::string text;
  for (int i = 1; i <= count; ++i) text += prefix + std::to_string(i) + "\r\n";
  return text;
}

TEST(NumberLines, PadsToTheWidthOfTheLargestNumber) {
  ExpectBoxes(NumberLines, {
      {"a\r\nb", "r", "1a\r\n2b\r\n", "r"},
      {"", "", "", ""},
      {"\r\n\r\n", "", "1\r\n2\r\n", ""},
      {"a\r\n", "", "1a\r\n", ""},
  });
  HeadlessWindow ten;
  ten.SetText(Control::编辑框1, GbkText(Lines(9) + "\r\n"));
  NumberLines(ten);
  const TextList tenLines = SplitOn(ten.GetText(Control::编辑框1), "\r\n");
  EXPECT_EQ(tenLines.At(1), GbkText("1 line1"));
  EXPECT_EQ(tenLines.At(10), GbkText("10")) << "an empty line becomes its number";
  HeadlessWindow hundred;
  hundred.SetText(Control::编辑框1, GbkText(Lines(100)));
  NumberLines(hundred);
  const TextList hundredLines = SplitOn(hundred.GetText(Control::编辑框1), "\r\n");
  EXPECT_EQ(hundredLines.At(5), GbkText("5  line5"));
  EXPECT_EQ(hundredLines.At(42), GbkText("42 line42"));
  EXPECT_EQ(hundredLines.At(100), GbkText("100line100"));
}

TEST(AppendSequence, AppendsOneToThousand) {
  const GbkText sequence(Lines(1000, ""));
  ExpectBoxes(AppendSequence, {
      {"", "r", sequence, "r"},
      {"x", "", Concat("x", sequence), ""},
  });
}

TEST(RemoveDuplicateLines, AppendsFirstOccurrencesInOrder) {
  ExpectBoxes(RemoveDuplicateLines, {
      {"b\r\na\r\nb\r\nA", "", "b\r\na\r\nb\r\nA", "b\r\na\r\nA\r\n"},
      {"x\r\n\r\n\r\nx", "old", "x\r\n\r\n\r\nx", "oldx\r\n\r\n"},
      {"", "old", "", "old"},
      {"a \r\na\r\n a", "", "a \r\na\r\n a", "a \r\na\r\n a\r\n"},
  });
  HeadlessWindow twice;
  twice.SetText(Control::编辑框1, "q\r\nq");
  RemoveDuplicateLines(twice);
  RemoveDuplicateLines(twice);
  EXPECT_EQ(twice.GetText(Control::编辑框2), GbkText("q\r\nq\r\n"));
}

TEST(LineTable, KeepsFirstOccurrencesThroughGrowth) {
  LineTable table;
  std::vector<GbkText> expected;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 50000; ++i) {
      const GbkText line(std::to_string(i * 7919 % 100003));
      const bool added = table.Add(line);
      EXPECT_EQ(added, round == 0);
      if (added) expected.push_back(line);
    }
  }
  EXPECT_TRUE(table.Add(GbkText()));
  EXPECT_FALSE(table.Add(GbkText()));
  expected.push_back(GbkText());
  EXPECT_EQ(table.Keys(), expected);
}

class ShuffleLinesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTickCountSource([] { return std::uint32_t{12345}; });
  }
  void TearDown() override { SetTickCountSource(nullptr); }

  static std::vector<GbkText> Sorted(const GbkText& text) {
    std::vector<GbkText> lines = SplitOn(text, "\r\n").Elements();
    std::sort(lines.begin(), lines.end(), [](const GbkText& a, const GbkText& b) { return a.Bytes() < b.Bytes(); });
    return lines;
  }
};

TEST_F(ShuffleLinesTest, KeepsTheLinesAndReplacesTheResult) {
  ExpectBoxes(ShuffleLines, {
      {"", "old", "", ""},
      {"only", "old", "only", "only\r\n"},
      {"\r\n", "", "\r\n", "\r\n"},
  });
  HeadlessWindow window;
  const GbkText source(Lines(500) + "\r\nlast");
  window.SetText(Control::编辑框1, source);
  ShuffleLines(window);
  EXPECT_EQ(Sorted(window.GetText(Control::编辑框2)), Sorted(source));
  EXPECT_NE(window.GetText(Control::编辑框2), Concat(source, "\r\n"));
}

TEST_F(ShuffleLinesTest, ExchangesEachPlaceWithADrawFromTheWholeRange) {
  // The procedure on plain numbers, with a copy of the program's generator:
  // place i, in order, is exchanged with RandomBetween(1, n). With more lines
  // than the 32768 values a draw can take, places beyond that are only ever
  // exchanged with the first 32768.
  const int count = 40000;
  RandomGenerator generator = ProgramRandom();
  generator.Seed();
  std::vector<int> order(count);
  for (int i = 0; i < count; ++i) order[i] = i + 1;
  for (int i = 1; i <= count; ++i) std::swap(order[i - 1], order[generator.Between(1, count) - 1]);
  std::string expected;
  for (const int line : order) expected += "line" + std::to_string(line) + "\r\n";

  HeadlessWindow window;
  window.SetText(Control::编辑框1, GbkText(Lines(count)));
  ShuffleLines(window);
  EXPECT_EQ(window.GetText(Control::编辑框2).Bytes(), expected);
}

}  // namespace
}  // namespace yanqi
