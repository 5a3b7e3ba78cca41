#include "text/Slicing.h"

#include <gtest/gtest.h>

#include "tests/TestBytes.h"

namespace yanqi {
namespace {

using test::Hex;

TEST(TextModel, EmptyTextIsOneValue) {
  EXPECT_EQ(GbkText(), GbkText(""));
  EXPECT_EQ(ByteLength(GbkText()), 0);
  // Construction from bytes stops at the first 0x00, as a text never holds one.
  EXPECT_EQ(GbkText(std::string_view("A\0B", 3)), GbkText("A"));
  EXPECT_EQ(GbkText::FromOwned(std::string("\0A", 2)), GbkText());
}

TEST(TextModel, CutsShareStorageAndLeaveTheOriginal) {
  const GbkText text("abcdef");
  const GbkText middle = Slice(text, 2, 3);
  EXPECT_EQ(middle, GbkText("bcd"));
  EXPECT_EQ(middle.Bytes().data(), text.Bytes().data() + 1);  // a view, not a copy
  EXPECT_EQ(text, GbkText("abcdef"));
}

struct CutCase {
  const char* name;
  GbkText (*cut)(const GbkText&);
  GbkText expected;
};

TEST(Slicing, HeadTailAndSliceCountBytes) {
  const GbkText abc("abc");
  const GbkText ab中 = Hex("61 62 D6 D0");
  const CutCase cases[] = {
      {"Slice from 0", [](const GbkText& t) { return Slice(t, 0, 1); }, ""},
      {"Slice past the end", [](const GbkText& t) { return Slice(t, 4, 1); }, ""},
      {"Slice of the last byte", [](const GbkText& t) { return Slice(t, 3, 5); }, "c"},
      {"Slice of no bytes", [](const GbkText& t) { return Slice(t, 2, 0); }, ""},
      {"Slice with a negative count", [](const GbkText& t) { return Slice(t, 1, -1); }, ""},
      {"Slice in the middle", [](const GbkText& t) { return Slice(t, 2, 1); }, "b"},
      {"Head -1", [](const GbkText& t) { return Head(t, -1); }, ""},
      {"Head 2", [](const GbkText& t) { return Head(t, 2); }, "ab"},
      {"Head 1000", [](const GbkText& t) { return Head(t, 1000); }, "abc"},
      {"Tail 0", [](const GbkText& t) { return Tail(t, 0); }, ""},
      {"Tail 2", [](const GbkText& t) { return Tail(t, 2); }, "bc"},
      {"Tail 1000", [](const GbkText& t) { return Tail(t, 1000); }, "abc"},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.cut(abc), c.expected);
  }
  EXPECT_EQ(Head(ab中, 3), Hex("61 62 D6")) << "half a character";
  EXPECT_EQ(Tail(ab中, 1), Hex("D0"));
  EXPECT_EQ(Slice(GbkText(), 1, 1), GbkText());
}

TEST(Slicing, SignedByteAt) {
  const GbkText 中 = Hex("D6 D0");
  EXPECT_EQ(SignedByteAt(中, 1), -42);
  EXPECT_EQ(SignedByteAt(中, 2), -48);
  EXPECT_EQ(SignedByteAt(中, 3), 0);
  EXPECT_EQ(SignedByteAt(中, 0), 0);
  EXPECT_EQ(SignedByteAt(中), -42);
  EXPECT_EQ(SignedByteAt(GbkText()), 0);
  EXPECT_EQ(SignedByteAt(Hex("7F FF"), 1), 127);
  EXPECT_EQ(SignedByteAt(Hex("7F FF"), 2), -1);
}

TEST(Slicing, IsLeadByteAtUsesTheCodePageRangeNotTheUnitRule) {
  const GbkText bytes = Hex("80 81 FE FF 41");
  const bool expected[] = {false, true, true, false, false};
  for (int index = 0; index < 5; ++index) EXPECT_EQ(IsLeadByteAt(bytes, index), expected[index]) << index;
  EXPECT_FALSE(IsLeadByteAt(bytes, -1));
  EXPECT_FALSE(IsLeadByteAt(bytes, 5));
}

TEST(Slicing, ConcatAndCompare) {
  EXPECT_EQ(Concat(GbkText(), GbkText(), GbkText()), GbkText());
  EXPECT_EQ(Concat("a", GbkText(), Hex("D6 D0"), "\r\n"), Hex("61 D6 D0 0D 0A"));
  EXPECT_EQ(CompareText(GbkText(), "\r\n"), -1);
  EXPECT_EQ(CompareText("\r\n", "\r\n"), 0);
  EXPECT_EQ(CompareText("ab", "a"), 1);
  EXPECT_EQ(CompareText(Hex("80"), "a"), 1) << "bytes compare as unsigned";
  EXPECT_EQ(CompareText("a", Hex("80")), -1);
}

TEST(Blocks, ConversionsBetweenTextsAndBlocks) {
  EXPECT_EQ(TextToBytes(GbkText()), ByteBlock());
  EXPECT_EQ(BlockLength(TextToBytes("abc")), 3);
  const ByteBlock zero = ByteToBytes(0);
  EXPECT_EQ(BlockLength(zero), 1);
  EXPECT_EQ(zero.Bytes(), std::string_view("\0", 1));
  EXPECT_EQ(BytesToText(zero), GbkText());
  EXPECT_EQ(ByteToBytes(-1).Bytes(), "\xFF");
  EXPECT_EQ(BytesToText(ConcatBlocks(ByteToBytes(0x41), ByteToBytes(0), ByteToBytes(0x42))), GbkText("A"));
  EXPECT_EQ(BytesToText(ConcatBlocks(ByteToBytes(0), ByteToBytes(0x41))), GbkText());
  EXPECT_EQ(ConcatBlocks(ByteBlock(), ByteBlock()), ByteBlock());
  const GbkText loneLead = Hex("61 D6");
  EXPECT_EQ(BytesToText(TextToBytes(loneLead)), loneLead);
}

}  // namespace
}  // namespace yanqi
