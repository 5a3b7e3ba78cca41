// 加密 and 解密 on the real window.
#include <string>

#include "tests/shell/qt/WindowFixture.h"

namespace yanqi {
namespace {

using test::WindowTest;

TEST_F(WindowTest, ScrambleAndRestoreSwapTheButtons) {
  auto* scramble = Find<QPushButton>(Control::加密);
  auto* unscramble = Find<QPushButton>(Control::解密);
  Window().SetText(Control::编辑框1, "abc");
  QTest::mouseClick(scramble, Qt::LeftButton);
  EXPECT_EQ(Large(Control::编辑框1)->Bytes(), GbkText("333333633323336333133363"));
  EXPECT_FALSE(scramble->isEnabled());
  EXPECT_TRUE(unscramble->isEnabled());
  QTest::mouseClick(scramble, Qt::LeftButton);  // disabled: nothing happens
  QTest::mouseClick(Find<QPushButton>(Control::_清空), Qt::LeftButton);
  EXPECT_FALSE(scramble->isEnabled()) << "clearing the boxes leaves the states";
  Window().SetText(Control::编辑框1, "333333633323336333133363");
  QTest::mouseClick(unscramble, Qt::LeftButton);
  EXPECT_EQ(Large(Control::编辑框1)->Bytes(), GbkText("abc"));
  EXPECT_TRUE(scramble->isEnabled());
  EXPECT_FALSE(unscramble->isEnabled());
}

TEST_F(WindowTest, ATenMegabyteScrambleServesANestedClickAndShowsItsResult) {
  std::string lines;
  while (lines.size() < (10u << 20)) lines += "ten megabytes of text, line after line\r\n";
  const GbkText source(lines);
  Window().SetText(Control::编辑框1, source);
  // 繁转简 runs while the scramble lets events run: it still reads the source.
  QTimer::singleShot(0, &Window(), [this] { QTest::mouseClick(Find<QPushButton>(Control::_繁转简), Qt::LeftButton); });
  QTest::mouseClick(Find<QPushButton>(Control::加密), Qt::LeftButton);
  EXPECT_EQ(Window().GetText(Control::编辑框2), source) << "the nested click was served";
  LargeTextBox* box = Large(Control::编辑框1);
  EXPECT_EQ(box->Bytes().Size(), 8 * source.Size());
  EXPECT_EQ(box->Document().LineCount(), 1u) << "one line of digits";
  box->viewport()->repaint();
  QTest::mouseClick(Find<QPushButton>(Control::解密), Qt::LeftButton);
  EXPECT_EQ(box->Bytes(), source);
}

TEST_F(WindowTest, ClosingTheWindowDuringAScrambleEndsIt) {
  std::string lines;
  while (lines.size() < (4u << 20)) lines += "a line of some length to scramble, over and over again\r\n";
  const GbkText source(lines);
  Window().SetText(Control::编辑框1, source);
  // The close arrives while the scramble lets events run.
  QTimer::singleShot(0, &Window(), [this] { Window().close(); });
  QTest::mouseClick(Find<QPushButton>(Control::加密), Qt::LeftButton);
  EXPECT_TRUE(Window().IsClosed());
  EXPECT_EQ(Large(Control::编辑框1)->Bytes(), source) << "the box was not touched";
  EXPECT_TRUE(Find<QPushButton>(Control::加密)->isEnabled());
}

}  // namespace
}  // namespace yanqi
