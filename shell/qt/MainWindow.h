// The main window on Qt Widgets: every control of the window description,
// the window model over them, and the event table's bindings.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "shell/WindowModel.h"
#include "shell/qt/QtFacilities.h"

namespace yanqi {

class TextBox;
class CaptionButton;
class CaptionLabel;

// Without Q_OBJECT: it needs no signals of its own, and moc cannot read the
// Chinese control names of the window model.
class MainWindow : public QWidget, public WindowModel {
 public:
  // The client area: the outer size 1057 x 639 less a 30-pixel title bar,
  // the usual server-side decoration here; there is no side frame.
  static constexpr int kClientWidth = 1057;
  static constexpr int kClientHeight = 609;

  MainWindow();
  ~MainWindow() override;

  // Centres the window on the primary screen, by its outer size, and shows it.
  void ShowCentred();

  GbkText GetText(Control box) override;
  void SetText(Control box, const GbkText& text) override;
  void AppendText(Control box, std::span<const GbkText> texts) override;
  using WindowModel::AppendText;
  void SetCaption(Control label, const GbkText& caption) override;
  void SetDisabled(Control button, bool disabled) override;
  void SetMultiLine(Control box, bool multiLine) override;
  void SetPeriod(Control timer, std::int32_t milliseconds) override;
  std::int32_t NativeHandle(Control control) override;
  bool BindDropTarget(Control dropTarget, std::int32_t nativeHandle) override;
  int ShowMessage(const GbkText& text, int style, std::optional<GbkText> title = std::nullopt) override;
  bool LetEventsRun() override;
  Facilities& Platform() override { return facilities_; }

  bool IsClosed() const { return closed_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void BindEvents();
  TextBox* Box(Control box) const;

  std::array<QWidget*, kControlCount> widgets_{};
  QTimer clock_{this};  // a child, so that it is found by its name
  QElapsedTimer sinceEventsRan_;
  QtFacilities facilities_;
  bool dropTargetBound_ = false;
  bool closed_ = false;
};

// The user's text of a message box or caption: the bytes decoded, CR LF as a line break.
QString DisplayText(const GbkText& text);

}  // namespace yanqi
