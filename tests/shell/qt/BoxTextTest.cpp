#include "shell/qt/BoxText.h"

#include <gtest/gtest.h>

#include "tests/TestBytes.h"

namespace yanqi {
namespace {

using test::HexBytes;

TEST(BoxText, LineBreaksAndEscapes) {
  // CR LF is a paragraph break; lone CR, lone LF and undecodable bytes are escapes.
  EXPECT_EQ(BoxTextFromGbk("a\r\nb\rc\nd"), QString::fromUtf16(u"a\nb\uF70Dc\uF70Ad"));
  EXPECT_EQ(BoxTextFromGbk(HexBytes("D6 D0 81")), QString::fromUtf16(u"中\uF781"));
  EXPECT_EQ(GbkFromBoxText(u"a\u2029b\uF70Dc\uF70Ad\uF781"), "a\r\nb\rc\nd\x81");
}

TEST(BoxText, ExternalTextKeepsBytesAndTakesLineBreaksAsTyped) {
  EXPECT_EQ(ExternalTextFromGbk("a\r\nb\rc"), QString("a\r\nb\rc"));
  EXPECT_EQ(ExternalTextFromGbk(HexBytes("81")), QString::fromUtf16(u"\uF781"));
  EXPECT_EQ(GbkFromExternalText(u"a\nb\r\nc\rd\u2029e"), "a\r\nb\r\nc\r\nd\r\ne");
  EXPECT_EQ(GbkFromExternalText(u"中\uF781"), HexBytes("D6 D0 81"));
}

}  // namespace
}  // namespace yanqi
