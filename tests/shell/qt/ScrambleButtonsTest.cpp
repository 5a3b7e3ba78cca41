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
