// Bytes that have no character of their own (a lone CR or LF, bytes that are
// not code page 936) would otherwise be blank or a box: each is drawn as a
// small framed mark with its byte in hexadecimal, one digit above the other,
// so that the mark fits a half-width column.
#pragma once

#include <QPainter>
#include <QRectF>

namespace yanqi {

void PaintEscapeMark(QPainter& painter, const QRectF& place, unsigned char byte);

}  // namespace yanqi
