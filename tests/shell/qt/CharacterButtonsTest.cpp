// The character operations' buttons on the real window.
#include <algorithm>
#include <string>

#include "shell/qt/CaptionLabel.h"
#include "tests/shell/qt/WindowFixture.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

using test::WindowTest;

QString Utf8(std::u8string_view text) {
  return QString::fromUtf8(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()));
}

TEST_F(WindowTest, StatisticsShowProgressThenSummaryAndServeANestedClick) {
  const std::string line = "abcdefghij klmnopqrstuvwxyz 0123456789, ABCDEFGHIJ KLMNOPQRSTUVWXYZ\r\n";
  std::string lines;
  while (lines.size() < (8u << 20)) lines += line;
  Window().SetText(Control::编辑框1, GbkText(lines));
  Window().SetText(Control::编辑框3, "xyz");
  Window().SetText(Control::编辑框4, "!");
  auto* label = Find<CaptionLabel>(Control::标签统计字数反馈);

  // While the walk lets events run: the label is looked at, and 替换 is clicked once.
  QStringList seen;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] { seen.append(label->Caption()); });
  watcher.start(0);
  QTimer::singleShot(0, &Window(), [this] { QTest::mouseClick(Find<QPushButton>(Control::替换), Qt::LeftButton); });
  QTest::mouseClick(Find<QPushButton>(Control::_按钮字数统计), Qt::LeftButton);
  watcher.stop();

  EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](const QString& caption) {
    return caption.startsWith(Utf8(u8"正在处理...请稍后...完成进度:"));
  })) << "the progress was shown";
  EXPECT_TRUE(label->Caption().startsWith(Utf8(u8"共有中文:0个,共有英文:")));
  EXPECT_TRUE(label->Caption().endsWith(Utf8(u8"共有字符数:") + QString::number(lines.size()) + Utf8(u8"个字符")));
  // The nested click replaced in the source text into the result box.
  const GbkText result = Large(Control::编辑框2)->Bytes();
  EXPECT_EQ(result.Size(), lines.size() - 2 * (lines.size() / line.size()));
  EXPECT_EQ(result.Bytes().substr(0, 28), "abcdefghij klmnopqrstuvw! 01");
}

TEST_F(WindowTest, CharacterButtonsChangeTheBoxes) {
  struct Case {
    Control button;
    GbkText source, sourceAfter, resultAfter;
  };
  const Case cases[] = {
      {Control::_去空格, "a b c", "abc", ""},
      {Control::_过滤字符, Concat("ab", Gbk(u8"中"), "c"), Gbk(u8"中"), "abc"},
      {Control::_小到大, "3142", "1234", ""},
      {Control::_简转繁, Gbk(u8"国"), Gbk(u8"国"), Gbk(u8"國")},
      {Control::_繁转简, Gbk(u8"國"), Gbk(u8"國"), Gbk(u8"国")},
      {Control::_金额大写, " 10.5 ", " 10.5 ", Gbk(u8"壹拾元零伍角整")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::ObjectName(c.button).toStdString());
    Window().SetText(Control::编辑框1, c.source);
    Window().SetText(Control::编辑框2, "");
    QTest::mouseClick(Find<QPushButton>(c.button), Qt::LeftButton);
    EXPECT_EQ(Large(Control::编辑框1)->Bytes(), c.sourceAfter);
    EXPECT_EQ(Large(Control::编辑框2)->Bytes(), c.resultAfter);
  }
}

}  // namespace
}  // namespace yanqi
