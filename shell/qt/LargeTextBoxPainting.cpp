// How the large boxes draw: the caret, the scroll bars and the visible part
// of the text, decoded character by character onto the grid.
#include <QGuiApplication>
#include <QInputMethod>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <algorithm>
#include <climits>

#include "shell/qt/BoxText.h"
#include "shell/qt/EscapeMark.h"
#include "shell/qt/LargeTextBox.h"
#include "text/GbkCodec.h"

namespace yanqi {
namespace {

// Bytes that draw nothing of their own: those the code page has no character
// for, and control characters such as a lone CR or LF (a tab draws as blank).
bool IsShownAsMark(char16_t c) { return IsEscapedByte(c) || c < 0x20 || c == 0x7F; }

// Scroll bars count in int; a line or a text may be longer than that.
int ClampToInt(std::size_t value) { return static_cast<int>(std::min<std::size_t>(value, INT_MAX)); }

// A distance in pixels from the view, kept within what a QRect can hold
// however far off-screen it lies.
int PixelsFrom(std::ptrdiff_t units, int unitSize) {
  constexpr std::ptrdiff_t kFar = 1 << 20;
  return static_cast<int>(std::clamp(units, -kFar, kFar)) * unitSize;
}

}  // namespace

// ---------------------------------------------------------------------------
// The caret.

void LargeTextBox::EnsureCaretVisible() {
  const int line = ClampToInt(document_.LineOf(caret_));
  QScrollBar* vertical = verticalScrollBar();
  if (line < vertical->value()) vertical->setValue(line);
  if (line >= vertical->value() + VisibleLines()) vertical->setValue(line - VisibleLines() + 1);

  const std::size_t column = document_.ColumnOf(caret_);
  QScrollBar* horizontal = horizontalScrollBar();
  const std::size_t first = static_cast<std::size_t>(horizontal->value());
  const std::size_t width = static_cast<std::size_t>(VisibleColumns());
  // Sideways the view jumps by a quarter of its width, so that typing at the
  // right edge does not scroll at every character.
  if (column < first) {
    horizontal->setValue(ClampToInt(column - std::min(column, width / 4)));
  } else if (column + 1 >= first + width) {
    horizontal->setValue(ClampToInt(column + width / 4 - width + 1));
  }
  // An input method places its window of candidates by the caret.
  if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

QRect LargeTextBox::CaretRect() const {
  const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(document_.LineOf(caret_)) - verticalScrollBar()->value();
  const std::ptrdiff_t column =
      static_cast<std::ptrdiff_t>(document_.ColumnOf(caret_)) - horizontalScrollBar()->value();
  return QRect(PixelsFrom(column, columnWidth_), PixelsFrom(row, lineHeight_), 2, lineHeight_);
}

void LargeTextBox::RestartBlinking() {
  caretShown_ = true;
  const int period = QGuiApplication::styleHints()->cursorFlashTime() / 2;
  if (period > 0 && hasFocus()) blink_.start(period, this);
}

void LargeTextBox::timerEvent(QTimerEvent* event) {
  if (event->timerId() != blink_.timerId()) return QAbstractScrollArea::timerEvent(event);
  caretShown_ = !caretShown_;
  viewport()->update(CaretRect());
}

void LargeTextBox::focusInEvent(QFocusEvent* event) {
  RestartBlinking();
  viewport()->update();
  QAbstractScrollArea::focusInEvent(event);
}

void LargeTextBox::focusOutEvent(QFocusEvent* event) {
  blink_.stop();
  viewport()->update();  // the selection is hidden without the focus
  QAbstractScrollArea::focusOutEvent(event);
}

// ---------------------------------------------------------------------------
// The text.

int LargeTextBox::VisibleLines() const { return std::max(1, viewport()->height() / lineHeight_); }
int LargeTextBox::VisibleColumns() const { return std::max(1, viewport()->width() / columnWidth_); }

void LargeTextBox::UpdateScrollBars() {
  verticalScrollBar()->setRange(0, ClampToInt(document_.LineCount() - std::min<std::size_t>(
                                                                          document_.LineCount(), VisibleLines())));
  verticalScrollBar()->setPageStep(VisibleLines());
  verticalScrollBar()->setSingleStep(1);
  // One column to spare, for the caret after the widest line's end.
  const std::size_t columns = document_.WidestLine() + 1;
  horizontalScrollBar()->setRange(
      0, ClampToInt(columns - std::min<std::size_t>(columns, static_cast<std::size_t>(VisibleColumns()))));
  horizontalScrollBar()->setPageStep(VisibleColumns());
  horizontalScrollBar()->setSingleStep(1);
}

void LargeTextBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void LargeTextBox::scrollContentsBy(int, int) { viewport()->update(); }

void LargeTextBox::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
  painter.setFont(font());
  const std::size_t first = static_cast<std::size_t>(verticalScrollBar()->value());
  for (int row = 0; row * lineHeight_ < viewport()->height(); ++row) {
    if (first + static_cast<std::size_t>(row) >= document_.LineCount()) break;
    PaintLine(painter, first + static_cast<std::size_t>(row), row * lineHeight_);
  }
  if (!hasFocus()) return;
  const QRect caret = CaretRect();
  if (!preedit_.isEmpty()) {
    // The input method's text waits at the caret, underlined, until committed.
    const QRect place(caret.left(), caret.top(), QFontMetrics(font()).horizontalAdvance(preedit_), lineHeight_);
    painter.fillRect(place, palette().color(QPalette::Base));
    painter.drawText(place.left(), place.top() + ascent_, preedit_);
    painter.drawLine(place.bottomLeft(), place.bottomRight());
  } else if (caretShown_) {
    painter.fillRect(caret.adjusted(0, 0, -1, 0), palette().color(QPalette::Text));
  }
}

// Only the characters within the view are decoded and drawn, however long the line.
void LargeTextBox::PaintLine(QPainter& painter, std::size_t line, int top) {
  const std::string_view text = document_.Text().Bytes();
  const std::size_t firstColumn = static_cast<std::size_t>(horizontalScrollBar()->value());
  const std::size_t endColumn = firstColumn + static_cast<std::size_t>(VisibleColumns()) + 2;
  const std::size_t lineEnd = document_.LineEnd(line);
  const auto [selectedFrom, selectedTo] = hasFocus() ? Selection() : std::pair<std::size_t, std::size_t>{0, 0};

  // Start with the character that covers the first column, even in part.
  auto [position, column] = document_.CharacterAtColumn(line, firstColumn);
  while (position < lineEnd && column < endColumn) {
    const std::string_view character = text.substr(position, CharacterLength(text.substr(position, lineEnd - position)));
    const std::size_t width = BoxDocument::ColumnsOfCharacter(character, column);
    const QRectF place((static_cast<double>(column) - static_cast<double>(firstColumn)) * columnWidth_, top,
                       static_cast<double>(width * columnWidth_), lineHeight_);
    PaintCharacter(painter, character, place, position >= selectedFrom && position < selectedTo);
    position += character.size();
    column += width;
  }
  // A selected line break shows as one selected column after the line.
  if (lineEnd >= selectedFrom && lineEnd < selectedTo && column < endColumn && position == lineEnd) {
    const double left = (static_cast<double>(column) - static_cast<double>(firstColumn)) * columnWidth_;
    painter.fillRect(QRectF(left, top, columnWidth_, lineHeight_), palette().color(QPalette::Highlight));
  }
}

void LargeTextBox::PaintCharacter(QPainter& painter, std::string_view character, QRectF place, bool selected) {
  if (selected) painter.fillRect(place, palette().color(QPalette::Highlight));
  if (character[0] == '\t') return;
  const QString decoded = ExternalTextFromGbk(character);
  if (!IsShownAsMark(decoded[0].unicode())) {
    painter.setFont(character.size() == 1 ? halfWidthFont_ : font());
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(QPointF(place.left(), place.top() + ascent_), decoded);
    return;
  }
  // An undecodable pair is two marks, one per byte.
  const QRectF oneColumn(place.topLeft(), QSizeF(columnWidth_, lineHeight_));
  for (std::size_t i = 0; i < character.size(); ++i) {
    PaintEscapeMark(painter, oneColumn.translated(static_cast<double>(i) * columnWidth_, 0),
                    static_cast<unsigned char>(character[i]));
  }
}

}  // namespace yanqi
