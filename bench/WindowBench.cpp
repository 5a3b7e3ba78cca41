// How long each line button takes on the real window with a 10 MB source
// text, from the click until the window has painted what changed, next to
// the same operation on the headless window that yanqi-batch uses.
//   yanqi_window_bench FILE   (QT_QPA_PLATFORM=offscreen works)
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "operations/LineOperations.h"
#include "shell/EventTable.h"
#include "shell/HeadlessWindow.h"
#include "shell/Startup.h"
#include "shell/WindowDescription.h"
#include "shell/qt/CaptionLabel.h"
#include "shell/qt/MainWindow.h"

namespace {

using namespace yanqi;

QString ObjectName(Control control) {
  const std::u8string_view name = Describe(control).name;
  return QString::fromUtf8(reinterpret_cast<const char*>(name.data()), static_cast<qsizetype>(name.size()));
}

double Seconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e9; }

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: yanqi_window_bench FILE\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  const GbkText source(bytes.str());

  MainWindow window;
  InitialiseWindow(window);
  window.ShowCentred();
  (void)QTest::qWaitForWindowExposed(&window);

  // What every click costs besides its operation: repainting the window.
  window.SetText(Control::编辑框1, source);
  window.SetText(Control::编辑框2, source);
  QElapsedTimer repaintTimer;
  repaintTimer.start();
  window.repaint();
  QCoreApplication::processEvents();
  std::printf("repainting the window alone: %.3fs\n", Seconds(repaintTimer));

  std::printf("%-22s %12s %12s %8s\n", "operation", "window", "headless", "ratio");
  for (const char* name : {"CountLines", "StripTrailingBreaks", "RemoveEmptyLines", "NumberLines", "AppendSequence",
                           "ShuffleLines", "RemoveDuplicateLines"}) {
    const EventBinding binding = *FindOperation(name);

    HeadlessWindow headless;
    headless.SetText(Control::编辑框1, source);
    headless.SetText(Control::编辑框2, source);
    QElapsedTimer headlessTimer;
    headlessTimer.start();
    binding.run(headless);
    headless.GetText(Control::编辑框1);
    headless.GetText(Control::编辑框2);
    const double headlessSeconds = Seconds(headlessTimer);

    window.SetText(Control::编辑框1, source);
    window.SetText(Control::编辑框2, source);
    QCoreApplication::processEvents();
    // CountLines waits for its message box: close it as soon as it shows.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(0);
    QElapsedTimer windowTimer;
    windowTimer.start();
    QTest::mouseClick(window.findChild<QPushButton*>(ObjectName(binding.control)), Qt::LeftButton);
    // Paints what the click changed, as the event loop does after it.
    QCoreApplication::processEvents();
    const double windowSeconds = Seconds(windowTimer);
    closer.stop();
    std::printf("%-22s %11.3fs %11.3fs %8.2f\n", name, windowSeconds, headlessSeconds, windowSeconds / headlessSeconds);
    std::fflush(stdout);
  }

  // Scrambling the text and restoring it: how long, how often the clock
  // label changed meanwhile, and the longest time no event was served.
  window.SetText(Control::编辑框1, source);
  QCoreApplication::processEvents();
  auto* clockLabel = window.findChild<CaptionLabel*>(ObjectName(Control::标签2));
  for (Control button : {Control::加密, Control::解密}) {
    QString lastCaption = clockLabel->Caption();
    int clockChanges = 0;
    QElapsedTimer sinceServed;
    qint64 longestGap = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      longestGap = std::max(longestGap, sinceServed.restart());
      if (clockLabel->Caption() != lastCaption) {
        lastCaption = clockLabel->Caption();
        ++clockChanges;
      }
    });
    watcher.start(5);
    sinceServed.start();
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(window.findChild<QPushButton*>(ObjectName(button)), Qt::LeftButton);
    QCoreApplication::processEvents();
    std::printf("%-22s %11.3fs  clock changed %d times, events waited at most %lld ms\n",
                button == Control::加密 ? "Scramble" : "Unscramble", Seconds(timer), clockChanges,
                static_cast<long long>(longestGap));
  }
  std::printf("round trip gives the source back: %s\n", window.GetText(Control::编辑框1) == source ? "yes" : "NO");
  return 0;
}
