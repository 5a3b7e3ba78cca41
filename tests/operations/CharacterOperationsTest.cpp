#include "operations/CharacterOperations.h"

#include <gtest/gtest.h>

#include <functional>

#include "shell/BoxActions.h"
#include "tests/TestBytes.h"
#include "tests/operations/BoxCases.h"
#include "tests/shell/RecordingWindow.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

using test::Hex;
using test::RecordingWindow;
using test::ShowBytes;

GbkText Summary(int chinese, int english, int punctuation, int digits, int spaces, int total) {
  return Concat(Gbk(u8"共有中文:"), std::to_string(chinese), Gbk(u8"个,共有英文:"), std::to_string(english),
                Gbk(u8"个,总有标点符号:"), std::to_string(punctuation), Gbk(u8"个,总有数字:"), std::to_string(digits),
                Gbk(u8"个,共有空格数:"), std::to_string(spaces), Gbk(u8"个,共有字符数:"), std::to_string(total),
                Gbk(u8"个字符"));
}

GbkText Progress(const char* percent) { return Concat(Gbk(u8"正在处理...请稍后...完成进度:"), percent, "%"); }

TEST(CharacterStatistics, CountsEachClass) {
  struct Case {
    GbkText source;
    GbkText summary;
    GbkText narrowed;
  };
  const Case cases[] = {
      {Concat("Ab 1,", Gbk(u8"中文"), "\r\n"), Summary(2, 2, 1, 1, 1, 11), Concat("Ab 1,", Gbk(u8"中文"), "\r\n")},
      {"", Summary(0, 0, 0, 0, 0, 0), ""},
      {Hex("A3 C1 A3 AC A1 A3"), Summary(1, 1, 1, 0, 0, 4), Hex("41 2C A1 A3")},  // Ａ，。
      {Hex("09 D6 D0 09 61"), Summary(1, 1, 0, 0, 0, 5), Hex("09 D6 D0 09 61")},  // a tab is walked like any byte
      {Hex("D6 09 61"), Summary(1, 1, 0, 0, 0, 3), Hex("D6 09 61")},  // the tab is D6's second byte
      {Hex("61 80 41"), Summary(1, 1, 0, 0, 0, 3), Hex("61 80 41")},  // 0x80 starts a two-byte unit
      {Hex("61 D6"), Summary(0, 1, 0, 0, 0, 1), "a"},  // narrowing drops a lone lead byte
      {Hex("7F 01 7E"), Summary(0, 0, 1, 0, 0, 3), Hex("7F 01 7E")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ShowBytes(c.source.Bytes()));
    RecordingWindow window;
    window.SetText(Control::编辑框1, c.source);
    CharacterStatistics(window);
    EXPECT_EQ(window.Caption(Control::标签统计字数反馈), c.summary);
    EXPECT_EQ(window.GetText(Control::编辑框1), c.narrowed);
  }
}

TEST(CharacterStatistics, ShowsTheProgress) {
  RecordingWindow window;
  window.SetText(Control::编辑框1, "abcd");
  CharacterStatistics(window);
  EXPECT_EQ(window.captions, (std::vector<GbkText>{Progress("25"), Progress("50"), Progress("75"), Progress("100"),
                                                   Summary(0, 4, 0, 0, 0, 4)}));
  RecordingWindow longer;
  longer.SetText(Control::编辑框1, GbkText(std::string(200, 'x')));
  CharacterStatistics(longer);
  EXPECT_EQ(longer.captions.front(), Progress("00"));
  RecordingWindow empty;
  CharacterStatistics(empty);
  EXPECT_EQ(empty.captions, std::vector<GbkText>{Summary(0, 0, 0, 0, 0, 0)}) << "no progress for an empty box";
}

// A window whose pending events run a nested click the first time they run.
class NestedClickWindow : public RecordingWindow {
 public:
  explicit NestedClickWindow(std::function<void(WindowModel&)> click) : click_(std::move(click)) {}
  bool LetEventsRun() override {
    if (click_) std::exchange(click_, nullptr)(*this);
    return true;
  }

 private:
  std::function<void(WindowModel&)> click_;
};

TEST(CharacterStatistics, SeesTheBoxChangedByANestedClick) {
  NestedClickWindow cleared(ClearBoxes);
  cleared.SetText(Control::编辑框1, "abcd");
  CharacterStatistics(cleared);
  EXPECT_EQ(cleared.Caption(Control::标签统计字数反馈), Summary(0, 0, 0, 0, 0, 4)) << "the walk ends early";

  NestedClickWindow lengthened([](WindowModel& window) { window.SetText(Control::编辑框1, "abcdef"); });
  lengthened.SetText(Control::编辑框1, "abcd");
  CharacterStatistics(lengthened);
  EXPECT_EQ(lengthened.Caption(Control::标签统计字数反馈), Summary(0, 6, 0, 0, 0, 4));
  EXPECT_EQ(lengthened.captions[lengthened.captions.size() - 2], Progress("150"));
}

TEST(CharacterStatistics, AClosedWindowIsNotTouched) {
  class ClosingWindow : public RecordingWindow {
   public:
    bool LetEventsRun() override { return false; }
  } window;
  window.SetText(Control::编辑框1, "abc");
  CharacterStatistics(window);
  EXPECT_TRUE(window.captions.empty());
}

using test::ExpectBoxes;

TEST(CharacterOperations, RemoveSpaces) {
  ExpectBoxes(RemoveSpaces, {
      {Concat("a b", Gbk(u8"　"), "c"), " x y ", "abc", "xy"},
      {"a\tb\r\n", "", "a\tb\r\n", ""},
  });
}

TEST(CharacterOperations, SeparateByWidth) {
  ExpectBoxes(SeparateByWidth, {
      {Concat("ab", Gbk(u8"中"), "c\r\n", Gbk(u8"文"), "d"), "old", Concat(Gbk(u8"中"), "\r\n", Gbk(u8"文")), "abc\r\nd"},
      {"abc", "", "", "abc"},
      {"a\rb\nc", "", "", "a\rb\nc"},
      {Hex("80 FF 61"), "", "", Hex("80 FF 61")},
      {Hex("D6 0D 0A"), "", Hex("D6 0D"), "\n"},  // the CR is D6's trail byte: no line break
      {Hex("61 D6"), "", Hex("D6"), "a"},         // a lone lead byte at the end
      {"", "old", "", ""},
  });
}

TEST(CharacterOperations, SortDigits) {
  ExpectBoxes(SortDigits, {
      {"3142", "r", "1234", "r"},
      {"b3a1", "", "0013", ""},
      {"12\r\n", "", "0012", ""},
      {"-5", "", "05", ""},
      {Hex("A3 B1 A3 B2"), "", "12", ""},  // full-width digits
      {Concat(Gbk(u8"中"), "1"), "", "01", ""},
      {"", "", "", ""},
      {Hex("39 D6"), "", "09", ""},
  });
}

TEST(CharacterOperations, FindAndReplace) {
  struct Case {
    GbkText source, find, replacement, result;
  };
  const Case cases[] = {
      {"abcAB ab", "ab", "x", "xcAB x"},
      {"abcAB ab", "", "x", "abcAB ab"},
      {"aaa", "aa", "x", "xa"},
      {"a-b-c", "-", "", "abc"},
  };
  for (const Case& c : cases) {
    HeadlessWindow window;
    window.SetText(Control::编辑框1, c.source);
    window.SetText(Control::编辑框3, c.find);
    window.SetText(Control::编辑框4, c.replacement);
    FindAndReplace(window);
    EXPECT_EQ(window.GetText(Control::编辑框2), c.result);
    EXPECT_EQ(window.GetText(Control::编辑框1), c.source);
  }
}

TEST(CharacterOperations, ConversionsAndAmounts) {
  ExpectBoxes(ConvertToTraditional, {{Gbk(u8"国发"), "", Gbk(u8"国发"), Gbk(u8"國發")}});
  ExpectBoxes(ConvertToSimplified, {{Gbk(u8"國發"), "", Gbk(u8"國發"), Gbk(u8"国发")}});
  ExpectBoxes(AmountToCapitals, {
      {" 10.5 ", "", " 10.5 ", Gbk(u8"壹拾元零伍角整")},
      {"10.5", "", "10.5", Gbk(u8"壹拾元零伍角整")},
      {"abc", "", "abc", Gbk(u8"零")},
      {"", "", "", Gbk(u8"零")},
      {Concat(Gbk(u8"　"), "-3.5"), "", Concat(Gbk(u8"　"), "-3.5"), Gbk(u8"负叁元伍角整")},
  });
}

}  // namespace
}  // namespace yanqi
