#include "operations/HexScrambling.h"

#include <gtest/gtest.h>

#include <random>

#include "shell/BoxActions.h"
#include "shell/HeadlessWindow.h"
#include "tests/TestBytes.h"
#include "text/Numbers.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

using test::Hex;
using test::ShowBytes;

GbkText Scrambled(const GbkText& text) {
  HeadlessWindow window;
  window.SetText(Control::编辑框1, text);
  Scramble(window);
  return window.GetText(Control::编辑框1);
}

GbkText Unscrambled(const GbkText& text) {
  HeadlessWindow window;
  window.SetText(Control::编辑框1, text);
  Unscramble(window);
  return window.GetText(Control::编辑框1);
}

TEST(HexScrambling, ScramblesAndRestoresTheExamples) {
  const std::pair<GbkText, GbkText> cases[] = {
      {"A", "33133343"},
      {"abc", "333333633323336333133363"},
      {Hex("D6 D0"), "3303434333634343"},  // 中
      {"", ""},
  };
  for (const auto& [plain, scrambled] : cases) {
    EXPECT_EQ(Scrambled(plain), scrambled) << ShowBytes(plain.Bytes());
    EXPECT_EQ(Unscrambled(scrambled), plain) << ShowBytes(plain.Bytes());
  }
}

TEST(HexScrambling, UnscrambleReadsAnyText) {
  const std::pair<GbkText, GbkText> cases[] = {
      {"00", ""},          // a decoded 0x00 ends the text
      {"ZZ", Hex("FE")},   // invalid digits count as -2 in their place
      {"1", Hex("FE")},    // an odd length reads the last digit alone
      {"43133343", "J"},
      {"63133343", "J"},   // its middle pass reads "a4": lower-case digits count as upper-case ones
  };
  for (const auto& [text, plain] : cases) {
    EXPECT_EQ(Unscrambled(text), plain) << ShowBytes(text.Bytes());
  }
}

TEST(HexScrambling, PiecesOfThePasses) {
  const std::pair<std::int32_t, GbkText> pairs[] = {{0, "00"}, {10, "0A"}, {65, "41"}, {255, "FF"}};
  for (const auto& [value, pair] : pairs) EXPECT_EQ(HexPair(value), pair);
  EXPECT_EQ(ReverseBytes(Hex("61 D6 D0")), Hex("D0 D6 61"));
  const std::pair<GbkText, std::int32_t> values[] = {
      {"ZZ", -34}, {"Z1", -31}, {"1Z", 14}, {"Z", -2}, {"ff", 255}, {"0A", 10}, {"7", 7},
      {Hex("81 61"), -34},  // the second byte of a two-byte unit is not upper-cased
      {Hex("61 81"), 16 * 10 - 2},
  };
  for (const auto& [digits, value] : values) EXPECT_EQ(HexDigitsValue(digits), value) << ShowBytes(digits.Bytes());
}

TEST(HexScrambling, BlockConversionsReadEveryPairAsHexDigitsValue) {
  HeadlessWindow window;
  EventPump pump(window);
  for (int first = 1; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      const GbkText digits(second == 0 ? std::string(1, char(first)) : std::string{char(first), char(second)});
      ASSERT_EQ(HexTextToBytes(digits, pump), ByteToBytes(ByteOf(HexDigitsValue(digits)))) << ShowBytes(digits.Bytes());
    }
  }
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  std::string expected;
  for (int byte = 1; byte < 256; ++byte) expected += std::string(HexPair(byte).Bytes());
  EXPECT_EQ(BytesToHexText(ByteBlock(all), pump), GbkText(expected));
}

TEST(HexScrambling, OneLoopPassesEqualTheComposedSteps) {
  HeadlessWindow window;
  EventPump pump(window);
  std::mt19937 random(11);
  for (int i = 0; i < 2000; ++i) {
    std::string bytes(random() % 40, ' ');
    const bool digitsOnly = i % 2 == 0;
    for (char& c : bytes) c = digitsOnly ? "0123456789abcdefZ"[random() % 17] : static_cast<char>(1 + random() % 255);
    const GbkText text(bytes);

    std::string scrambled(2 * bytes.size(), '\0');
    WriteScramblePass(bytes, scrambled.data(), pump);
    ASSERT_EQ(GbkText(scrambled), ReverseBytes(BytesToHexText(TextToBytes(text), pump))) << ShowBytes(bytes);

    std::string restored((bytes.size() + 1) / 2, '\0');
    restored.resize(WriteUnscramblePass(bytes, restored.data(), pump));
    ASSERT_EQ(GbkText(restored), BytesToText(HexTextToBytes(ReverseBytes(text), pump))) << ShowBytes(bytes);
  }
}

TEST(HexScrambling, RoundTripsRandomTexts) {
  std::mt19937 random(5);
  for (int i = 0; i < 500; ++i) {
    std::string bytes(random() % 300, ' ');
    for (char& c : bytes) c = static_cast<char>(1 + random() % 255);
    const GbkText scrambled = Scrambled(GbkText(bytes));
    ASSERT_EQ(scrambled.Size(), 8 * bytes.size());
    ASSERT_EQ(Unscrambled(scrambled), GbkText(bytes)) << ShowBytes(bytes);
  }
}

TEST(HexScrambling, ButtonStatesSwap) {
  HeadlessWindow window;
  EXPECT_FALSE(window.IsDisabled(Control::加密) || window.IsDisabled(Control::解密)) << "both start enabled";
  Scramble(window);
  EXPECT_TRUE(window.IsDisabled(Control::加密));
  EXPECT_FALSE(window.IsDisabled(Control::解密));
  ClearBoxes(window);
  EXPECT_TRUE(window.IsDisabled(Control::加密)) << "clearing the boxes leaves the states";
  Unscramble(window);
  EXPECT_FALSE(window.IsDisabled(Control::加密));
  EXPECT_TRUE(window.IsDisabled(Control::解密));
}

// A window that goes away at the first chance events get to run.
class ClosingWindow : public HeadlessWindow {
 public:
  bool LetEventsRun() override { return false; }
};

TEST(HexScrambling, AClosedWindowIsNotTouched) {
  ClosingWindow window;
  window.SetText(Control::编辑框1, "text");
  Scramble(window);
  EXPECT_EQ(window.GetText(Control::编辑框1), GbkText("text"));
  EXPECT_FALSE(window.IsDisabled(Control::加密));
  Unscramble(window);
  EXPECT_EQ(window.GetText(Control::编辑框1), GbkText("text"));
  EXPECT_FALSE(window.IsDisabled(Control::解密));
}

}  // namespace
}  // namespace yanqi
