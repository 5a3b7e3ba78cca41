#include "shell/qt/CaptionButton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace yanqi {

CaptionButton::CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setDefault(false);
}

void CaptionButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();  // the frame from the style, the caption wrapped by hand
  style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
  const QRect captionRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(captionRect, Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace yanqi
