// A label that draws its caption on one line, left-aligned and vertically
// centred, clipped at its edges; line breaks do not start new lines and "&"
// is drawn as itself. Transparent over the window's background.
#pragma once

#include <QWidget>

namespace yanqi {

class CaptionLabel : public QWidget {
  Q_OBJECT

 public:
  explicit CaptionLabel(QWidget* parent) : QWidget(parent) {}

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

}  // namespace yanqi
