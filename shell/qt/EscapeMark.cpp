#include "shell/qt/EscapeMark.h"

namespace yanqi {

void PaintEscapeMark(QPainter& painter, const QRectF& place, unsigned char byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  painter.save();
  QFont digitFont = painter.font();
  digitFont.setPixelSize(std::max(6, static_cast<int>(place.height() / 2) - 1));
  painter.setFont(digitFont);
  painter.setPen(QColor(0x80, 0x40, 0x00));
  painter.fillRect(place, QColor(0xFF, 0xF0, 0xC0));
  painter.drawRect(place.adjusted(0, 0, -1, -1));
  const QRectF upper(place.left(), place.top(), place.width(), place.height() / 2);
  painter.drawText(upper, Qt::AlignCenter, QString(QChar(kDigits[byte >> 4])));
  painter.drawText(upper.translated(0, place.height() / 2), Qt::AlignCenter, QString(QChar(kDigits[byte & 0xF])));
  painter.restore();
}

}  // namespace yanqi
