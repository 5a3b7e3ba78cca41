#include "shell/BoxDocument.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/TestBytes.h"
#include "text/GbkCodec.h"

namespace yanqi {
namespace {

using test::ShowBytes;

// The layout worked out the slow way: lines split at every CR LF, characters
// walked one by one from the start of their line.
struct NaiveLayout {
  struct Character {
    std::size_t offset, length, column, width;
  };
  struct Line {
    std::size_t start, end;
    std::vector<Character> characters;
    std::size_t columns;
  };
  std::vector<Line> lines;

  explicit NaiveLayout(std::string_view text) {
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = std::min(text.find("\r\n", start), text.size());
      Line line{start, end, {}, 0};
      for (std::size_t at = start; at < end;) {
        const std::size_t length = CharacterLength(text.substr(at, end - at));
        const std::size_t width = text[at] == '\t' ? 8 - line.columns % 8 : length;
        line.characters.push_back({at, length, line.columns, width});
        line.columns += width;
        at += length;
      }
      lines.push_back(line);
      if (end == text.size()) break;
      start = end + 2;
    }
  }

  std::size_t PositionAtColumn(std::size_t line, std::size_t column) const {
    for (const Character& c : lines[line].characters) {
      if (column <= c.column) return c.offset;
      if (column < c.column + c.width) return (column - c.column) * 2 < c.width ? c.offset : c.offset + c.length;
    }
    return lines[line].end;
  }
};

std::string RandomText(std::mt19937& random, std::size_t maxLength) {
  static const std::string alphabet = std::string("\r\n\t a1") + test::HexBytes("81 A1 D6 D0 FF 80 7F 40 0D");
  std::string text(random() % (maxLength + 1), ' ');
  for (char& c : text) c = alphabet[random() % alphabet.size()];
  return text;
}

void ExpectLayout(const BoxDocument& document, std::string_view text) {
  const NaiveLayout naive(text);
  ASSERT_EQ(document.LineCount(), naive.lines.size());
  std::size_t widest = 0;
  std::vector<std::size_t> positions;  // every caret position, in order
  for (std::size_t i = 0; i < naive.lines.size(); ++i) {
    const NaiveLayout::Line& line = naive.lines[i];
    ASSERT_EQ(document.LineStart(i), line.start) << i;
    ASSERT_EQ(document.LineEnd(i), line.end) << i;
    widest = std::max(widest, line.columns);
    for (const auto& c : line.characters) {
      positions.push_back(c.offset);
      ASSERT_EQ(document.ColumnOf(c.offset), c.column);
      ASSERT_EQ(document.LineOf(c.offset), i);
      for (std::size_t inside = c.offset; inside < c.offset + c.length; ++inside) {
        ASSERT_EQ(document.BoundaryAtOrBefore(i, inside), c.offset);
      }
    }
    positions.push_back(line.end);
    ASSERT_EQ(document.ColumnOf(line.end), line.columns);
    for (std::size_t column = 0; column <= line.columns + 2; ++column) {
      ASSERT_EQ(document.PositionAtColumn(i, column), naive.PositionAtColumn(i, column)) << "line " << i << " column " << column;
    }
  }
  ASSERT_EQ(document.WidestLine(), widest);
  for (std::size_t k = 0; k < positions.size(); ++k) {
    ASSERT_EQ(document.NextPosition(positions[k]), positions[std::min(k + 1, positions.size() - 1)]);
    ASSERT_EQ(document.PreviousPosition(positions[k]), positions[k == 0 ? 0 : k - 1]);
  }
}

TEST(BoxDocument, LinesColumnsAndPositions) {
  struct Case {
    std::string text;
    std::size_t lines;
    std::size_t widest;
  };
  const Case cases[] = {
      {"", 1, 0},
      {"ab\r\n", 2, 2},
      {"\r\n\r\n", 3, 0},
      {"a\rb\nc", 1, 5},  // lone CR and LF are characters of the line
      {test::HexBytes("D6 D0 CE C4 0D 0A"), 2, 4},
      {test::HexBytes("81 0D 0A 41"), 2, 1},  // a lead byte before CR LF stands alone
      {"a\tb\t\tc", 1, 25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ShowBytes(c.text));
    BoxDocument document;
    document.SetText(GbkText(c.text));
    EXPECT_EQ(document.LineCount(), c.lines);
    EXPECT_EQ(document.WidestLine(), c.widest);
    ExpectLayout(document, c.text);
  }
}

TEST(BoxDocument, RandomTextsLayOutAsWalkedOneByOne) {
  std::mt19937 random(936);
  for (int i = 0; i < 3000; ++i) {
    // Long enough now and then for the 64-byte scan of line breaks.
    const std::string text = RandomText(random, i % 10 == 0 ? 400 : 40);
    SCOPED_TRACE(ShowBytes(text));
    BoxDocument document;
    document.SetText(GbkText(text));
    ExpectLayout(document, text);
  }
}

TEST(BoxDocument, EditsKeepTheIndexAsIfSetAfresh) {
  std::mt19937 random(2026);
  for (int i = 0; i < 2000; ++i) {
    const GbkText text(RandomText(random, 150));
    BoxDocument document;
    document.SetText(text);
    GbkText expected;
    switch (i % 3) {
      case 0: {  // the beginning of the same text, as a cut-off end leaves it
        const std::size_t kept = random() % (text.Size() + 1);
        expected = text.Sub(0, kept);
        document.SetText(expected);
        break;
      }
      case 1: {  // an append, which may complete a CR LF across the join
        const std::string more = RandomText(random, 20);
        expected = GbkText(std::string(text.Bytes()) + more);
        document.Append(GbkText(more));
        break;
      }
      default: {
        const std::size_t from = random() % (text.Size() + 1);
        const std::size_t to = from + random() % (text.Size() - from + 1);
        const std::string inserted = RandomText(random, 6);
        expected = GbkText(std::string(text.Bytes().substr(0, from)) + inserted + std::string(text.Bytes().substr(to)));
        document.Replace(from, to, GbkText(inserted));
        break;
      }
    }
    SCOPED_TRACE(ShowBytes(text.Bytes()) + " -> " + ShowBytes(expected.Bytes()));
    ASSERT_EQ(document.Text(), expected);
    ExpectLayout(document, expected.Bytes());
  }
}

TEST(BoxDocument, ALineOfManyMegabytesIsOneLine) {
  const std::string digits((64u << 20) + 3, '7');
  BoxDocument document;
  document.SetText(GbkText(digits + "\r\nend"));
  EXPECT_EQ(document.LineCount(), 2u);
  EXPECT_EQ(document.WidestLine(), digits.size());
  EXPECT_EQ(document.PositionAtColumn(0, 50'000'000), 50'000'000u);
  EXPECT_EQ(document.PositionAtColumn(1, 2), digits.size() + 4);
}

}  // namespace
}  // namespace yanqi
