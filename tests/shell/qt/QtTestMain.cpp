// Runs the window tests inside a QApplication on the offscreen platform
// unless another one is asked for.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // each test closes its own window
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
