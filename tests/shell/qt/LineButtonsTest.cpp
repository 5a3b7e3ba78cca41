// The line operations' buttons clicked on the real window.
#include <QMessageBox>

#include "tests/shell/qt/WindowFixture.h"
#include "text/GbkCodec.h"
#include "text/SystemClock.h"

namespace yanqi {
namespace {

using test::WindowTest;

class LineButtonsTest : public WindowTest {
 protected:
  void Click(Control button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
  void SetBoxes(const GbkText& source, const GbkText& result) {
    Window().SetText(Control::编辑框1, source);
    Window().SetText(Control::编辑框2, result);
  }
  GbkText Shown(Control box) { return Large(box)->Bytes(); }
};

TEST_F(LineButtonsTest, ButtonsChangeTheBoxes) {
  struct Case {
    Control button;
    GbkText source, result, sourceAfter, resultAfter;
  };
  const Case cases[] = {
      {Control::_去尾部行, "a\r\n\r\n", "b\r\n", "a", "b"},
      {Control::_去空行, "a\r\n\r\n\r\nb", "\r\nc\r\n", "a\r\nb", "c"},
      {Control::_序号, "x\r\ny", "r", "1x\r\n2y\r\n", "r"},
      {Control::_除重复文本, "b\r\na\r\nb", "r", "b\r\na\r\nb", "rb\r\na\r\n"},
      {Control::_打乱段落, "only", "old", "only", "only\r\n"},
      {Control::_清空, "s", "r", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::ObjectName(c.button).toStdString());
    SetBoxes(c.source, c.result);
    Click(c.button);
    EXPECT_EQ(Shown(Control::编辑框1), c.sourceAfter);
    EXPECT_EQ(Shown(Control::编辑框2), c.resultAfter);
  }
}

TEST_F(LineButtonsTest, SequenceFollowsTheSourceText) {
  SetBoxes("x", "");
  Click(Control::_生成序号);
  const GbkText source = Shown(Control::编辑框1);
  EXPECT_EQ(source.Bytes().substr(0, 7), "x1\r\n2\r\n");
  EXPECT_EQ(source.Bytes().substr(source.Size() - 6), "1000\r\n");
  EXPECT_EQ(Large(Control::编辑框1)->Document().LineCount(), 1001);
}

TEST_F(LineButtonsTest, ShuffleKeepsEveryLine) {
  SetTickCountSource([] { return std::uint32_t{12345}; });
  SetBoxes("1\r\n2\r\n3\r\n4\r\n5", "");
  Click(Control::_打乱段落);
  SetTickCountSource(nullptr);
  std::string shuffled(Shown(Control::编辑框2).Bytes());
  EXPECT_EQ(shuffled.size(), 15u);
  std::sort(shuffled.begin(), shuffled.end());
  EXPECT_EQ(shuffled, "\n\n\n\n\n\r\r\r\r\r12345");
}

TEST_F(LineButtonsTest, CountShowsAMessage) {
  SetBoxes("a\r\nb\r\n", "");
  QString text, title;
  WhenModalOpens([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    text = box->text();
    title = box->windowTitle();
  });
  Click(Control::_行数);
  EXPECT_EQ(text, QString::fromUtf8(reinterpret_cast<const char*>(u8"编辑框里一共：2行")));
  EXPECT_EQ(title, QString::fromUtf8(reinterpret_cast<const char*>(u8"信息：")));
}

}  // namespace
}  // namespace yanqi
