// A shown main window for tests on the real widgets, found by object name.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "shell/Startup.h"
#include "shell/WindowDescription.h"
#include "shell/qt/LargeTextBox.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/SmallTextBox.h"

namespace yanqi::test {

inline QString ObjectName(Control control) {
  const std::u8string_view name = Describe(control).name;
  return QString::fromUtf8(reinterpret_cast<const char*>(name.data()), static_cast<qsizetype>(name.size()));
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>();
    InitialiseWindow(*window_);
    window_->ShowCentred();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override { window_.reset(); }

  MainWindow& Window() { return *window_; }

  template <typename Widget = QWidget>
  Widget* Find(Control control) {
    Widget* widget = window_->findChild<Widget*>(ObjectName(control));
    EXPECT_NE(widget, nullptr) << ObjectName(control).toStdString();
    return widget;
  }
  // The source and result boxes, and the find and replacement boxes.
  LargeTextBox* Large(Control control) { return Find<LargeTextBox>(control); }
  SmallTextBox* Small(Control control) { return Find<SmallTextBox>(control); }

  // Runs `inspect` on the next modal box that opens, then closes it.
  static void WhenModalOpens(std::function<void(QWidget*)> inspect) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, inspect] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        poll->stop();
        poll->deleteLater();
        inspect(modal);
        modal->close();
      }
    });
    poll->start(10);
  }

 private:
  std::unique_ptr<MainWindow> window_;
};

}  // namespace yanqi::test
