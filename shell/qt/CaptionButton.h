// A plain push button whose caption is centred and wraps onto several lines
// when it does not fit on one. Never a default button.
#pragma once

#include <QPushButton>

namespace yanqi {

class CaptionButton : public QPushButton {
  Q_OBJECT

 public:
  CaptionButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace yanqi
