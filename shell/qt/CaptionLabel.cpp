#include "shell/qt/CaptionLabel.h"

#include <QPainter>

namespace yanqi {

void CaptionLabel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void CaptionLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  // TextSingleLine draws line breaks as spaces; without TextShowMnemonic "&" stays itself.
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

}  // namespace yanqi
