#include "text/GbkCodec.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/TestBytes.h"

namespace yanqi {
namespace {

using test::HexBytes;

TEST(GbkCodec, WindowsTableMappings) {
  struct Case {
    std::string gbk;
    std::u16string unicode;
  };
  const Case cases[] = {
      {"A\r\n", u"A\r\n"},
      {HexBytes("D6 D0 CE C4"), u"中文"},
      {HexBytes("80"), u"\u20AC"},
      {HexBytes("FF"), u"\uF8F5"},
      {HexBytes("A1 A1"), u"\u3000"},
      {HexBytes("A3 BA"), u"\uFF1A"},
      {HexBytes("AA A1"), u"\uE000"},  // user-defined area
      {HexBytes("87 F8"), u"\u570B"},  // 國
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::ShowBytes(c.gbk));
    EXPECT_EQ(DecodeGbk(c.gbk), c.unicode);
    EXPECT_EQ(EncodeGbk(c.unicode), c.gbk);
  }
}

TEST(GbkCodec, UndecodableBytesBecomeEscapesAndComeBack) {
  const std::string loneLead = HexBytes("61 D6");
  EXPECT_EQ(DecodeGbk(loneLead), u"a\uF7D6");
  for (const char* hex : {"61 D6", "81 7F", "81 0D 0A", "FE FF", "D6", "81 30 A1", "A2 A0"}) {
    const std::string bytes = HexBytes(hex);
    EXPECT_EQ(EncodeGbk(DecodeGbk(bytes)), bytes) << hex;
  }
}

TEST(GbkCodec, UnrepresentableUnicodeBecomesQuestionMarks) {
  EXPECT_EQ(EncodeGbk(u"a\uAC00b"), "a?b");  // Hangul is not in code page 936
  EXPECT_EQ(EncodeGbk(u"\U0001F600"), "?");
  EXPECT_EQ(EncodeGbk(u"\uF700"), "?") << "U+F700 would stand for 0x00";
  EXPECT_EQ(EncodeGbk(std::u16string(1, char16_t(0xD800))), "?");
}

TEST(GbkCodec, EveryOneAndTwoByteSequenceRoundTrips) {
  for (unsigned lead = 1; lead < 256; ++lead) {
    std::string bytes(1, static_cast<char>(lead));
    ASSERT_EQ(EncodeGbk(DecodeGbk(bytes)), bytes) << lead;
    for (unsigned trail = 1; trail < 256; ++trail) {
      bytes = {static_cast<char>(lead), static_cast<char>(trail)};
      ASSERT_EQ(EncodeGbk(DecodeGbk(bytes)), bytes) << test::ShowBytes(bytes);
    }
  }
}

// Decodes `bytes` one character at a time, as a view of part of a line does.
std::u16string DecodeByCharacters(std::string_view bytes) {
  std::u16string text;
  while (!bytes.empty()) {
    const std::size_t length = CharacterLength(bytes);
    text += DecodeGbk(bytes.substr(0, length));
    bytes.remove_prefix(length);
  }
  return text;
}

TEST(GbkCodec, CharactersDecodeAloneAsInTheWholeText) {
  for (unsigned first = 1; first < 256; ++first) {
    for (unsigned second = 1; second < 256; ++second) {
      for (const char third : {'\x20', '\x81', '\xFF'}) {
        const std::string bytes = {static_cast<char>(first), static_cast<char>(second), third};
        ASSERT_EQ(DecodeByCharacters(bytes), DecodeGbk(bytes)) << test::ShowBytes(bytes);
      }
    }
  }
}

TEST(GbkCodec, RandomByteStringsRoundTrip) {
  std::mt19937 random(936);
  std::uniform_int_distribution<int> byte(1, 255);
  std::uniform_int_distribution<int> length(0, 64);
  for (int i = 0; i < 10000; ++i) {
    std::string bytes(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    ASSERT_EQ(EncodeGbk(DecodeGbk(bytes)), bytes) << test::ShowBytes(bytes);
  }
}

TEST(GbkCodec, OtherEncodings) {
  EXPECT_EQ(ConvertToGbk("\xE4\xB8\xAD", "utf-8"), HexBytes("D6 D0"));
  EXPECT_EQ(ConvertFromGbk(HexBytes("D6 D0"), "UTF-8"), "\xE4\xB8\xAD");
  // An undecodable byte survives a trip through UTF-8 as its escape.
  EXPECT_EQ(ConvertToGbk(ConvertFromGbk(HexBytes("61 D6"), "utf-8"), "utf-8"), HexBytes("61 D6"));
  EXPECT_THROW(ConvertToGbk("a", "no-such-encoding"), UnknownEncoding);
  EXPECT_EQ(Gbk(u8"现在时间："), GbkText(HexBytes("CF D6 D4 DA CA B1 BC E4 A3 BA")));
}

}  // namespace
}  // namespace yanqi
