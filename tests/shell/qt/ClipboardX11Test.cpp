// Copy on the real window under a real X server (Xvfb): another program
// (xclip) reads the result box's text from the system clipboard as Unicode.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>

#include "tests/shell/qt/WindowFixture.h"
#include "text/GbkCodec.h"

namespace yanqi {
namespace {

using test::WindowTest;

// Runs a program to its end while this program serves the clipboard.
QByteArray OutputOf(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  QElapsedTimer waited;
  waited.start();
  while (process.state() != QProcess::NotRunning && waited.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    process.waitForFinished(10);
  }
  return process.readAllStandardOutput();
}

TEST_F(WindowTest, CopyPutsUnicodeTextOnTheSystemClipboard) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb");
  Window().SetText(Control::编辑框2, Gbk(u8"中文 text\r\n第二行 ₠"));
  WhenModalOpens([](QWidget*) {});
  QTest::mouseClick(Find<QPushButton>(Control::_复制), Qt::LeftButton);
  const QByteArray read = OutputOf("xclip", {"-o", "-selection", "clipboard"});
  EXPECT_EQ(read.toStdString(), std::string(reinterpret_cast<const char*>(u8"中文 text\r\n第二行 ?")));
}

}  // namespace
}  // namespace yanqi

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
