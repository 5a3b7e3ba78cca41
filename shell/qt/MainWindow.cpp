#include "shell/qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>

#include "shell/EventTable.h"
#include "shell/Startup.h"
#include "shell/WindowDescription.h"
#include "shell/qt/BoxText.h"
#include "shell/qt/CaptionButton.h"
#include "shell/qt/CaptionLabel.h"
#include "shell/qt/FileDropTarget.h"
#include "shell/qt/LargeTextBox.h"
#include "shell/qt/SmallTextBox.h"
#include "text/GbkCodec.h"

namespace yanqi {
namespace {

QString FromUtf8(std::u8string_view text) {
  return QString::fromUtf8(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()));
}

// Long operations call LetEventsRun all the time; events run at most this often.
constexpr qint64 kEventsInterval = 10;

// Handles are the control's place in the description plus one: Qt's widgets
// have no native window of their own, and making one would change how they draw.
std::int32_t HandleOf(Control control) { return static_cast<std::int32_t>(IndexOf(control)) + 1; }

}  // namespace

QString DisplayText(const GbkText& text) {
  QString display = ExternalTextFromGbk(text.Bytes());
  display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return display;
}

MainWindow::MainWindow() {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowTitle(FromUtf8(kWindowTitle));
  setObjectName("MainWindow");
  setFixedSize(kClientWidth, kClientHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  setPalette(colours);
  setAutoFillBackground(true);

  CreateControls();
  BindEvents();
  // Esc closes the window wherever the focus is.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  sinceEventsRan_.start();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls() {
  for (const ControlDescription& description : WindowControls()) {
    QWidget* widget = nullptr;
    switch (description.kind) {
      case ControlKind::EditBox: {
        const bool large = description.control == Control::编辑框1 || description.control == Control::编辑框2;
        widget = large ? static_cast<QWidget*>(new LargeTextBox(this)) : new SmallTextBox(this);
        break;
      }
      case ControlKind::Button:
        widget = new CaptionButton(FromUtf8(description.caption), this);
        break;
      case ControlKind::Label: {
        auto* label = new CaptionLabel(this);
        label->SetCaption(FromUtf8(description.caption));
        widget = label;
        break;
      }
      case ControlKind::Timer:
        clock_.setObjectName(FromUtf8(description.name));
        clock_.setTimerType(Qt::CoarseTimer);
        clock_.start(kClockPeriodMilliseconds);  // runs from the window's creation
        continue;
      case ControlKind::CommonDlg:
      case ControlKind::DropTarget:
        continue;  // no presence of their own on the screen
    }
    widget->setObjectName(FromUtf8(description.name));
    widget->setGeometry(description.left, description.top, description.width, description.height);
    widgets_[IndexOf(description.control)] = widget;
  }
}

void MainWindow::BindEvents() {
  for (const EventBinding& binding : EventTable()) {
    const Operation run = binding.run;
    switch (binding.event) {
      case Event::Click:
        connect(static_cast<QPushButton*>(widgets_[IndexOf(binding.control)]), &QPushButton::clicked, this,
                [this, run] { run(*this); });
        break;
      case Event::Periodic:
        connect(&clock_, &QTimer::timeout, this, [this, run] { run(*this); });
        break;
    }
  }
}

void MainWindow::ShowCentred() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.left() + (screen.width() - kWindowOuterWidth) / 2,
       screen.top() + (screen.height() - kWindowOuterHeight) / 2);
  show();
}

TextBox* MainWindow::Box(Control box) const { return dynamic_cast<TextBox*>(widgets_[IndexOf(box)]); }

GbkText MainWindow::GetText(Control box) { return Box(box)->Bytes(); }

void MainWindow::SetText(Control box, const GbkText& text) { Box(box)->SetBytes(text); }

void MainWindow::AppendText(Control box, std::span<const GbkText> texts) { Box(box)->AppendBytes(texts); }

void MainWindow::SetCaption(Control label, const GbkText& caption) {
  static_cast<CaptionLabel*>(widgets_[IndexOf(label)])->SetCaption(DisplayText(caption));
}

void MainWindow::SetDisabled(Control button, bool disabled) { widgets_[IndexOf(button)]->setDisabled(disabled); }

void MainWindow::SetMultiLine(Control, bool) {
  // Every box is multi-line from the start, and no operation makes one single-line.
}

void MainWindow::SetPeriod(Control, std::int32_t milliseconds) {
  milliseconds = std::max(milliseconds, 0);
  if (clock_.isActive() ? milliseconds == clock_.interval() : milliseconds == 0) return;
  clock_.stop();
  if (milliseconds > 0) clock_.start(milliseconds);
}

std::int32_t MainWindow::NativeHandle(Control control) { return widgets_[IndexOf(control)] ? HandleOf(control) : 0; }

bool MainWindow::BindDropTarget(Control, std::int32_t nativeHandle) {
  if (dropTargetBound_) return false;
  for (Control box : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::编辑框4}) {
    if (HandleOf(box) != nativeHandle) continue;
    new FileDropTarget(*static_cast<QAbstractScrollArea*>(widgets_[IndexOf(box)]),
                       [this](const std::vector<GbkText>& paths) { TakeDroppedPaths(*this, JoinDroppedPaths(paths)); });
    dropTargetBound_ = true;
    return true;
  }
  return false;
}

int MainWindow::ShowMessage(const GbkText& text, int style, std::optional<GbkText> title) {
  QMessageBox box(style == kMessageExclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  DisplayText(title ? *title : DefaultMessageTitle()), DisplayText(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);  // no owner; the whole program waits
  box.exec();
  return kMessageOk;
}

bool MainWindow::LetEventsRun() {
  if (sinceEventsRan_.elapsed() >= kEventsInterval) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sinceEventsRan_.restart();
  }
  return !closed_;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  closed_ = true;
  clock_.stop();
  event->accept();
}

}  // namespace yanqi
