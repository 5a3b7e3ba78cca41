// yanqi: the window program.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <memory>

#include "shell/Startup.h"
#include "shell/qt/FatalErrorBox.h"
#include "shell/qt/MainWindow.h"
#include "text/GbkCodec.h"

int main(int argc, char** argv) {
  using namespace yanqi;
  QApplication application(argc, argv);
  QApplication::setDesktopFileName("yanqi");
  // The drawing itself where Qt can draw SVG, and its renderings at the usual sizes.
  QIcon icon(QStringLiteral(":/icons/yanqi.svg"));
  for (const int size : {16, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/yanqi-%1.png").arg(size));
  QApplication::setWindowIcon(icon);
  SetFatalErrorHandler(ShowFatalErrorBox);
  // Relative paths in the source box are read from the program's own folder.
  QDir::setCurrent(QCoreApplication::applicationDirPath());

  std::unique_ptr<MainWindow> window;
  try {
    window = std::make_unique<MainWindow>();
  } catch (const std::exception&) {
    RaiseFatalError({std::nullopt, Gbk(u8"载入启动窗口失败")});
  }
  InitialiseWindow(*window);
  window->ShowCentred();
  return QApplication::exec();
}
