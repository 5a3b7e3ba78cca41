// The main window on the real widgets, offscreen.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>
#include <cstdlib>
#include <ctime>
#include <random>

#include "shell/qt/CaptionButton.h"
#include "shell/qt/CaptionLabel.h"
#include "tests/TestBytes.h"
#include "tests/shell/qt/WindowFixture.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"
#include "text/SystemClock.h"

namespace yanqi {
namespace {

using test::Hex;
using test::WindowTest;

QString Utf8(std::u8string_view text) {
  return QString::fromUtf8(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()));
}

TEST_F(WindowTest, WindowSettings) {
  EXPECT_EQ(Window().windowTitle(), Utf8(kWindowTitle));
  EXPECT_EQ(Window().size(), QSize(MainWindow::kClientWidth, MainWindow::kClientHeight));
  EXPECT_EQ(Window().minimumSize(), Window().maximumSize()) << "not resizable";
  EXPECT_FALSE(Window().windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(Window().windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(Window().palette().color(QPalette::Window), Window().palette().color(QPalette::Button));
}

TEST_F(WindowTest, EveryControlHasItsPlaceAndCaption) {
  for (const ControlDescription& description : WindowControls()) {
    SCOPED_TRACE(test::ObjectName(description.control).toStdString());
    switch (description.kind) {
      case ControlKind::EditBox:
      case ControlKind::Button:
      case ControlKind::Label: {
        QWidget* widget = Find(description.control);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(description.left, description.top, description.width, description.height));
        if (auto* button = qobject_cast<CaptionButton*>(widget)) {
          EXPECT_EQ(button->text(), Utf8(description.caption));
          EXPECT_FALSE(button->autoDefault() || button->isDefault()) << "Enter presses no button";
          EXPECT_TRUE(button->isEnabled());
        } else if (auto* label = qobject_cast<CaptionLabel*>(widget)) {
          EXPECT_EQ(label->Caption(), Utf8(description.caption));
        } else {
          auto* box = dynamic_cast<TextBox*>(widget);
          ASSERT_NE(box, nullptr);
          EXPECT_TRUE(box->Bytes().Empty());
        }
        break;
      }
      case ControlKind::Timer:
        EXPECT_EQ(Window().findChild<QTimer*>(test::ObjectName(description.control))->interval(), 1000);
        break;
      case ControlKind::CommonDlg:
      case ControlKind::DropTarget:
        break;
    }
  }
}

TEST_F(WindowTest, BoxSettings) {
  for (Control large : {Control::编辑框1, Control::编辑框2}) {
    LargeTextBox* box = Large(large);
    EXPECT_EQ(box->font().pixelSize(), 16);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }
  for (Control small : {Control::编辑框3, Control::编辑框4}) {
    EXPECT_EQ(Small(small)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(Small(small)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(Small(small)->tabChangesFocus());
  }
}

TEST_F(WindowTest, TabMovesTheFocusOnFromEveryBox) {
  for (Control box : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::编辑框4}) {
    QWidget* widget = Find(box);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Tab);
    EXPECT_FALSE(widget->hasFocus()) << test::ObjectName(box).toStdString();
    EXPECT_EQ(Window().GetText(box), GbkText()) << "no tab was typed";
  }
}

TEST_F(WindowTest, SmallBoxesGiveBackEveryByteString) {
  std::mt19937 random(2026);
  // Bytes that stress the mapping: line breaks alone and in pairs, lead bytes
  // with and without partners, and characters Qt treats specially.
  const std::string special = std::string("\r\n \t") + test::HexBytes("80 81 A1 A3 D6 FE FF 40 7F A0");
  for (int i = 0; i < 5000; ++i) {
    std::string bytes(random() % 24, ' ');
    for (char& c : bytes) {
      c = (random() % 2) ? special[random() % special.size()] : static_cast<char>(1 + random() % 255);
    }
    const GbkText text(bytes);
    Window().SetText(Control::编辑框3, text);
    ASSERT_EQ(Small(Control::编辑框3)->ReadDocumentBytes(), text) << test::ShowBytes(bytes);
  }
}

TEST_F(WindowTest, GetTextFollowsTyping) {
  Window().SetText(Control::编辑框1, "abc");
  const GbkText first = Window().GetText(Control::编辑框1);
  EXPECT_EQ(Window().GetText(Control::编辑框1).Bytes().data(), first.Bytes().data()) << "read without a copy";
  Large(Control::编辑框1)->setFocus();
  QTest::keyClick(Large(Control::编辑框1), Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(Large(Control::编辑框1), "d");
  EXPECT_EQ(Window().GetText(Control::编辑框1), GbkText("abcd"));
  Window().SetText(Control::编辑框3, "x");
  Small(Control::编辑框3)->setFocus();
  Small(Control::编辑框3)->moveCursor(QTextCursor::End);
  QTest::keyClicks(Small(Control::编辑框3), "y");
  EXPECT_EQ(Window().GetText(Control::编辑框3), GbkText("xy"));
}

TEST_F(WindowTest, AppendTextContinuesTheLastLine) {
  struct Case {
    GbkText before;
    std::vector<GbkText> appended;
    GbkText after;
    int lines;
  };
  const Case cases[] = {
      {"", {"x"}, "x", 1},
      {"a", {"b", "c"}, "abc", 1},
      {"a\r\n", {"b\r\n"}, "a\r\nb\r\n", 3},
      {"a\r", {"\nb"}, "a\r\nb", 2},  // the pair is shown as a line break
      {"a", {"\r", "\n"}, "a\r\n", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::ShowBytes(c.before.Bytes()));
    Window().SetText(Control::编辑框2, c.before);
    Window().AppendText(Control::编辑框2, c.appended);
    EXPECT_EQ(Window().GetText(Control::编辑框2), c.after);
    EXPECT_EQ(Large(Control::编辑框2)->Document().LineCount(), static_cast<std::size_t>(c.lines));
    EXPECT_EQ(Large(Control::编辑框2)->Caret(), c.after.Size()) << "the caret ends after the inserted text";
  }
}

TEST_F(WindowTest, CopyAndPasteBetweenBoxesKeepTheBytes) {
  const GbkText odd = Hex("61 0D 62 0A 63 81 0D 0A D6 D0");
  Window().SetText(Control::编辑框1, odd);
  Large(Control::编辑框1)->SelectAll();
  Large(Control::编辑框1)->Copy();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf16(u"a\rb\nc\uF781\r\n中"))
      << "other programs see CR and LF themselves";
  Window().SetText(Control::编辑框2, "");
  Large(Control::编辑框2)->Paste();
  EXPECT_EQ(Window().GetText(Control::编辑框2), odd);
  Window().SetText(Control::编辑框3, "");
  Small(Control::编辑框3)->paste();
  EXPECT_EQ(Window().GetText(Control::编辑框3), odd) << "the small boxes take the same bytes";
}

TEST_F(WindowTest, EnterInABoxInsertsALineBreak) {
  for (Control box : {Control::编辑框1, Control::编辑框3}) {
    Find(box)->setFocus();
    QTest::keyClick(Find(box), Qt::Key_Return);
    EXPECT_EQ(Window().GetText(box), GbkText("\r\n"));
  }
  EXPECT_TRUE(Window().isVisible());
}

TEST_F(WindowTest, EscapeClosesTheWindowFromABox) {
  Large(Control::编辑框1)->setFocus();
  QTest::keyClick(Large(Control::编辑框1), Qt::Key_Escape);
  EXPECT_FALSE(Window().isVisible());
  EXPECT_TRUE(Window().IsClosed());
}

TEST_F(WindowTest, DisabledButtonIgnoresMouseAndSpace) {
  auto* clear = Find<QPushButton>(Control::_清空);
  Window().SetText(Control::编辑框1, "keep");
  Window().SetDisabled(Control::_清空, true);
  QTest::mouseClick(clear, Qt::LeftButton);
  clear->setFocus();
  QTest::keyClick(clear, Qt::Key_Space);
  EXPECT_EQ(Window().GetText(Control::编辑框1), GbkText("keep"));
  Window().SetDisabled(Control::_清空, false);
  clear->setFocus();
  QTest::keyClick(clear, Qt::Key_Space);
  EXPECT_EQ(Window().GetText(Control::编辑框1), GbkText());
}

// Sends a drag of `data` over a box and drops it there.
bool Drop(QAbstractScrollArea* box, const QMimeData& data) {
  const QPoint point = box->viewport()->rect().center();
  QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box->viewport(), &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(point), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box->viewport(), &drop);
  EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "the source must not delete what it dropped";
  return drop.isAccepted();
}

TEST_F(WindowTest, DroppedFilesPutTheirPathsInTheSourceBox) {
  QMimeData one;
  one.setUrls({QUrl::fromLocalFile("/tmp/one.txt")});
  EXPECT_TRUE(Drop(Find<QAbstractScrollArea>(Control::编辑框1), one));
  EXPECT_EQ(Window().GetText(Control::编辑框1), GbkText("/tmp/one.txt"));

  QMimeData three;
  three.setUrls({QUrl::fromLocalFile("/tmp/a"), QUrl::fromLocalFile(Utf8(u8"/tmp/文件夹")), QUrl::fromLocalFile("/c")});
  EXPECT_TRUE(Drop(Find<QAbstractScrollArea>(Control::编辑框1), three));
  EXPECT_EQ(Window().GetText(Control::编辑框1), Concat("/tmp/a\r\n/tmp/", Gbk(u8"文件夹"), "\r\n/c\r\n"));

  QMimeData text;
  text.setText("dropped words");
  EXPECT_TRUE(Drop(Find<QAbstractScrollArea>(Control::编辑框1), text)) << "text is taken";
  EXPECT_EQ(Window().GetText(Control::编辑框1), Concat("/tmp/a\r\n/tmp/", Gbk(u8"文件夹"), "\r\n/c\r\n"))
      << "but changes nothing";

  EXPECT_FALSE(Drop(Find<QAbstractScrollArea>(Control::编辑框2), one)) << "only the source box takes drops";
  EXPECT_EQ(Window().GetText(Control::编辑框2), GbkText());
}

TEST_F(WindowTest, TheClockShowsTheTimeAfterATick) {
  SetSystemSecondsSource([] { return std::int64_t{1714745109}; });
  setenv("TZ", "CST-8", 1);
  tzset();
  auto* clock = Find<CaptionLabel>(Control::标签2);
  EXPECT_TRUE(clock->Caption().isEmpty()) << "empty for the first second";
  QTRY_COMPARE_WITH_TIMEOUT(clock->Caption(), Utf8(u8"现在时间：2024年5月3日22时5分9秒"), 3000);
  SetSystemSecondsSource(nullptr);
  unsetenv("TZ");
  tzset();
}

TEST_F(WindowTest, MessageBoxTitleAndIcon) {
  struct Shown {
    QString title, text;
    QMessageBox::Icon icon;
  } shown[2];
  for (int i = 0; i < 2; ++i) {
    WhenModalOpens([&shown, i](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      shown[i] = {box->windowTitle(), box->text(), box->icon()};
      EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
      EXPECT_EQ(box->parentWidget(), nullptr) << "no owner window";
    });
    if (i == 0) {
      EXPECT_EQ(Window().ShowMessage(Gbk(u8"编辑框里一共：3行"), kMessageExclamation), kMessageOk);
    } else {
      Window().ShowMessage("plain\r\nsecond line", kMessagePlain, GbkText("T"));
    }
  }
  EXPECT_EQ(shown[0].title, Utf8(u8"信息："));
  EXPECT_EQ(shown[0].text, Utf8(u8"编辑框里一共：3行"));
  EXPECT_EQ(shown[0].icon, QMessageBox::Warning);
  EXPECT_EQ(shown[1].title, "T");
  EXPECT_EQ(shown[1].text, "plain\nsecond line");
  EXPECT_EQ(shown[1].icon, QMessageBox::NoIcon);
}

TEST_F(WindowTest, ClosingInsideLetEventsRunEndsTheOperation) {
  QTimer::singleShot(50, &Window(), [this] { Window().close(); });
  QElapsedTimer waited;
  waited.start();
  int rounds = 0;
  while (Window().LetEventsRun()) {
    ++rounds;
    ASSERT_LT(waited.elapsed(), 5000) << "the close was never seen";
  }
  EXPECT_GT(rounds, 0);
  EXPECT_FALSE(Window().isVisible());
}

TEST_F(WindowTest, FileDialogsRememberTheirOwnConfirmedFile) {
  const QString path = QDir::temp().filePath("yanqi-dialog-test.txt");
  QFile(path).open(QIODevice::WriteOnly);
  WhenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    dialog->selectFile(path);
    // The dialog reads its folder in the background; the choice holds once it has.
    (void)QTest::qWaitFor([&] { return dialog->selectedFiles().value(0) == path; }, 5000);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept checks the choice
  });
  EXPECT_TRUE(Window().Platform().ShowFileDialog(Control::通用对话框2));
  const GbkText chosen = Window().Platform().DialogFileName(Control::通用对话框2);
  EXPECT_EQ(chosen.Bytes(), path.toStdString());

  QString offered;
  WhenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    (void)QTest::qWaitFor([&] { return !dialog->selectedFiles().value(0).isEmpty(); }, 5000);
    offered = dialog->selectedFiles().value(0);
    dialog->reject();
  });
  EXPECT_FALSE(Window().Platform().ShowFileDialog(Control::通用对话框2));
  EXPECT_EQ(offered, path);
  EXPECT_EQ(Window().Platform().DialogFileName(Control::通用对话框2), chosen) << "a cancel keeps the name";
  EXPECT_EQ(Window().Platform().DialogFileName(Control::通用对话框1), GbkText()) << "the save dialog has its own";
  QFile::remove(path);
}

TEST_F(WindowTest, DropTargetIsBoundOnce) {
  EXPECT_FALSE(Window().BindDropTarget(Control::拖放对象1, Window().NativeHandle(Control::编辑框2)));
  QMimeData one;
  one.setUrls({QUrl::fromLocalFile("/x")});
  EXPECT_FALSE(Drop(Find<QAbstractScrollArea>(Control::编辑框2), one));
}

}  // namespace
}  // namespace yanqi
