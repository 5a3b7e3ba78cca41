// Editing in the source box with keys, mouse and input method, on the real window.
#include <QClipboard>
#include <QInputMethodEvent>
#include <QScrollBar>

#include "tests/TestBytes.h"
#include "tests/shell/qt/WindowFixture.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

using test::Hex;

class LargeTextBoxTest : public test::WindowTest {
 protected:
  LargeTextBox* Source() { return Large(Control::编辑框1); }
  GbkText Text() { return Window().GetText(Control::编辑框1); }
  void Start(const GbkText& text) {
    Window().SetText(Control::编辑框1, text);
    Source()->setFocus();
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Source(), key, modifiers);
  }
  // Where a click lands on the given line and column of the grid.
  QPoint PointAt(int line, int column) {
    return QPoint(column * Source()->ColumnWidth() + 1, line * Source()->LineHeight() + Source()->LineHeight() / 2);
  }
};

TEST_F(LargeTextBoxTest, KeysMoveAndDeleteWholeCharactersAndBreaks) {
  // 中 is two bytes, CR LF one step, a lone LF a character of its own.
  Start(Concat(Gbk(u8"a中"), "\r\n", "b\nc"));
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  EXPECT_EQ(Source()->Caret(), 3u) << "over the two bytes of 中";
  Key(Qt::Key_Right);
  EXPECT_EQ(Source()->Caret(), 5u) << "over the line break";
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(), Concat(Gbk(u8"a中"), "b\nc")) << "the break goes whole";
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(), GbkText("ab\nc")) << "so does the character";
  Key(Qt::Key_Delete);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Text(), GbkText("ac"));
  Key(Qt::Key_Return);
  QTest::keyClicks(Source(), "x");
  EXPECT_EQ(Text(), GbkText("a\r\nxc"));
}

TEST_F(LargeTextBoxTest, UpAndDownKeepTheColumnAcrossShortLines) {
  Start("abcdef\r\nab\r\nabcdef");
  Key(Qt::Key_End);
  Key(Qt::Key_Down);
  EXPECT_EQ(Source()->Caret(), 10u) << "the end of the short line";
  Key(Qt::Key_Down);
  EXPECT_EQ(Source()->Caret(), 18u) << "back at column 6";
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(Source()->Caret(), 0u);
  Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(Source()->Caret(), Text().Size());
}

TEST_F(LargeTextBoxTest, ControlMovesAndDeletesByWords) {
  Start(Concat("one two", Gbk(u8"中文"), "  x\r\ny"));
  const std::size_t starts[] = {4, 7, 13, 14, 16};  // two, 中文 (after "two"), x, the next line, its end
  for (const std::size_t start : starts) {
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Source()->Caret(), start);
  }
  Key(Qt::Key_Left, Qt::ControlModifier);
  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(Source()->Caret(), 13u);
  Key(Qt::Key_Backspace, Qt::ControlModifier);
  EXPECT_EQ(Text(), GbkText("one twox\r\ny")) << "the blanks before the caret and the word before them";
}

TEST_F(LargeTextBoxTest, ShiftSelectsAndTypingReplacesTheSelection) {
  Start(Gbk(u8"一二三"));
  Key(Qt::Key_Right);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(Source()->SelectedBytes(), Gbk(u8"二"));
  QTest::keyClicks(Source(), "x");
  EXPECT_EQ(Text(), Concat(Gbk(u8"一"), "x", Gbk(u8"三")));
  Source()->SelectAll();
  Source()->Cut();
  EXPECT_EQ(Text(), GbkText());
  Source()->Paste();
  EXPECT_EQ(Text(), Concat(Gbk(u8"一"), "x", Gbk(u8"三")));
}

TEST_F(LargeTextBoxTest, UndoTakesBackTypingAsOneStep) {
  Start("ab");
  Key(Qt::Key_End);
  QTest::keyClicks(Source(), "cde");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(), GbkText("abcd"));
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(), GbkText("abcde"));
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(), GbkText("ab")) << "the typed run is one step";
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(), GbkText("ab")) << "a text set by the program is not undone";
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Text(), GbkText("abcde"));
}

TEST_F(LargeTextBoxTest, ClicksPlaceTheCaretOnTheGrid) {
  Start(Concat(Gbk(u8"中文"), "ab\r\nxyz"));
  QTest::mouseClick(Source()->viewport(), Qt::LeftButton, Qt::NoModifier, PointAt(0, 2));
  EXPECT_EQ(Source()->Caret(), 2u) << "between 中 and 文";
  QTest::mouseClick(Source()->viewport(), Qt::LeftButton, Qt::NoModifier, PointAt(1, 30));
  EXPECT_EQ(Source()->Caret(), 11u) << "past the end of a line, at its end";
  QTest::mouseClick(Source()->viewport(), Qt::LeftButton, Qt::ShiftModifier, PointAt(0, 4));
  EXPECT_EQ(Source()->SelectedBytes(), GbkText("ab\r\nxyz"));
  QTest::mouseDClick(Source()->viewport(), Qt::LeftButton, Qt::NoModifier, PointAt(0, 0));
  EXPECT_EQ(Source()->SelectedBytes(), Gbk(u8"中文")) << "a double click selects the word";
}

TEST_F(LargeTextBoxTest, InputMethodTextIsInsertedWhenCommitted) {
  Start("ab");
  Key(Qt::Key_End);
  QInputMethodEvent composing(QStringLiteral("zhong"), {});
  QApplication::sendEvent(Source(), &composing);
  EXPECT_EQ(Text(), GbkText("ab")) << "nothing is inserted while composing";
  QInputMethodEvent committed;
  committed.setCommitString(QString::fromUtf8(reinterpret_cast<const char*>(u8"中€")));
  QApplication::sendEvent(Source(), &committed);
  EXPECT_EQ(Text(), Concat("ab", Gbk(u8"中"), Hex("80")));
  EXPECT_TRUE(Source()->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(LargeTextBoxTest, TheCaretStaysInViewOnAVeryLongLine) {
  const std::string digits(8u << 20, '5');
  Start(GbkText(digits));
  Key(Qt::Key_End);
  QScrollBar* sideways = Source()->horizontalScrollBar();
  EXPECT_GT(sideways->value(), static_cast<int>(digits.size()) - 200);
  EXPECT_LE(sideways->value(), static_cast<int>(digits.size()));
  QTest::keyClicks(Source(), "x");
  EXPECT_EQ(Text().Size(), digits.size() + 1);
  Source()->viewport()->repaint();  // draws the visible end of the line only
  Key(Qt::Key_Home);
  EXPECT_EQ(sideways->value(), 0);
}

}  // namespace
}  // namespace yanqi
