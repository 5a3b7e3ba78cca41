#include "text/ChineseConversion.h"

#include <gtest/gtest.h>

#include "tests/TestBytes.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

using test::Hex;

TEST(ChineseConversion, TellingRows) {
  struct Row {
    const char8_t* character;
    const char8_t* traditional;
    const char8_t* simplified;
  };
  const Row rows[] = {
      {u8"国", u8"國", u8"国"}, {u8"國", u8"國", u8"国"}, {u8"发", u8"發", u8"发"}, {u8"發", u8"發", u8"发"},
      {u8"髮", u8"髮", u8"发"}, {u8"后", u8"後", u8"后"}, {u8"後", u8"後", u8"后"}, {u8"干", u8"乾", u8"干"},
      {u8"乾", u8"乾", u8"干"}, {u8"幹", u8"幹", u8"干"}, {u8"里", u8"裡", u8"里"}, {u8"裏", u8"裏", u8"里"},
      {u8"台", u8"臺", u8"台"}, {u8"颱", u8"颱", u8"台"}, {u8"才", u8"纔", u8"才"}, {u8"并", u8"並", u8"并"},
      {u8"于", u8"於", u8"于"}, {u8"着", u8"著", u8"着"}, {u8"著", u8"著", u8"着"}, {u8"麵", u8"麵", u8"面"},
      {u8"隻", u8"隻", u8"只"}, {u8"面", u8"面", u8"面"}, {u8"只", u8"只", u8"只"}, {u8"繁", u8"繁", u8"繁"},
      {u8"“", u8"『", u8"“"}, {u8"”", u8"』", u8"”"}, {u8"‘", u8"「", u8"‘"}, {u8"’", u8"」", u8"’"},
      {u8"『", u8"『", u8"“"}, {u8"「", u8"「", u8"‘"}, {u8"〔", u8"〔", u8"［"}, {u8"〕", u8"〕", u8"］"},
      {u8"﹐", u8"﹐", u8"，"}, {u8"﹒", u8"﹒", u8"。"}, {u8"﹑", u8"﹑", u8"、"}, {u8"﹔", u8"﹔", u8"；"},
      {u8"﹕", u8"﹕", u8"："}, {u8"﹖", u8"﹖", u8"？"}, {u8"﹗", u8"﹗", u8"！"},
  };
  for (const Row& row : rows) {
    const GbkText character = Gbk(row.character);
    EXPECT_EQ(ToTraditional(character), Gbk(row.traditional)) << test::ShowBytes(character.Bytes());
    EXPECT_EQ(ToSimplified(character), Gbk(row.simplified)) << test::ShowBytes(character.Bytes());
  }
}

TEST(ChineseConversion, WalksTheTextByItsBytes) {
  EXPECT_EQ(ToTraditional(Gbk(u8"国发后干")), Gbk(u8"國發後乾"));
  EXPECT_EQ(ToSimplified(Gbk(u8"國發髮後乾幹")), Gbk(u8"国发发后干干"));
  EXPECT_EQ(ToTraditional(Gbk(u8"“你好”")), Gbk(u8"『你好』"));
  EXPECT_EQ(ToSimplified(Gbk(u8"『你好』")), Gbk(u8"“你好”"));
  EXPECT_EQ(ToTraditional(Gbk(u8"abc国123\r\n")), Gbk(u8"abc國123\r\n"));
  EXPECT_EQ(ToTraditional(Hex("B9 FA B9")), Hex("87 F8 B9")) << "a lone lead byte stays";
  // 0x80 passes its next byte over, so FA then leads with whatever follows.
  EXPECT_EQ(ToTraditional(Hex("80 B9 FA")), Hex("80 B9 FA"));
  EXPECT_EQ(ToTraditional(Hex("FF B9 B9 FA")), Hex("FF B9 87 F8"));
  EXPECT_EQ(ToTraditional(Hex("B9 0D B9 FA")), Hex("B9 0D 87 F8")) << "a trail byte without a column keeps the pair";
  EXPECT_EQ(ToTraditional(GbkText()), GbkText());
}

TEST(ChineseConversion, ThereAndBackIsNotAlwaysTheSame) {
  for (const char8_t* same : {u8"国", u8"于", u8"才"}) {
    EXPECT_EQ(ToSimplified(ToTraditional(Gbk(same))), Gbk(same));
  }
  EXPECT_EQ(ToSimplified(ToTraditional(Gbk(u8"著"))), Gbk(u8"着"));
  EXPECT_EQ(ToSimplified(ToTraditional(Gbk(u8"乾"))), Gbk(u8"干"));
}

TEST(ChineseConversion, KeepsTheLengthOfEveryByteString) {
  std::string every;
  for (int lead = 1; lead < 256; ++lead) {
    for (int trail = 1; trail < 256; ++trail) every += {static_cast<char>(lead), static_cast<char>(trail)};
  }
  EXPECT_EQ(ByteLength(ToTraditional(GbkText(every))), ByteLength(GbkText(every)));
  EXPECT_EQ(ByteLength(ToSimplified(GbkText(every))), ByteLength(GbkText(every)));
}

}  // namespace
}  // namespace yanqi
