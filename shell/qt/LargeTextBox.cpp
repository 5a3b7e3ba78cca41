#include "shell/qt/LargeTextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <algorithm>
#include <cmath>

#include "shell/qt/BoxMime.h"
#include "shell/qt/BoxText.h"
#include "shell/qt/EscapeMark.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

// A face whose half-width and full-width characters fill one and two columns
// of the grid; the platform's monospaced face when it is not installed.
QFont GridFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setFamilies({QStringLiteral("WenQuanYi Micro Hei Mono"), font.family()});
  font.setPixelSize(16);
  font.setWeight(QFont::Normal);
  return font;
}

QString Decoded(std::string_view bytes) {
  const std::u16string text = DecodeGbk(bytes);
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// Typed text is taken only when it is printable: control keys also carry text.
bool IsTypedText(const QString& text) {
  if (text.isEmpty()) return false;
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() != 0x7F; });
}

// Bytes that draw nothing of their own: those the code page has no character
// for, and control characters such as a lone CR or LF (a tab draws as blank).
bool IsShownAsMark(char16_t c) { return IsEscapedByte(c) || c < 0x20 || c == 0x7F; }

// Words for a double click: runs of letters and digits, of other two-byte
// characters, of blanks, or one sign.
constexpr int kBlanks = 2;
int WordClass(std::string_view character) {
  const unsigned char first = static_cast<unsigned char>(character[0]);
  if (character.size() == 2) return 1;
  if (first == ' ' || first == '\t') return kBlanks;
  if (std::isalnum(first) || first == '_' || first >= 0x80) return 3;
  return 4;
}

}  // namespace

LargeTextBox::LargeTextBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setFont(GridFont());
  const QFontMetricsF metrics(font());
  // A column is half a full-width character. Half-width characters are
  // usually wider than that in a monospaced face: they are drawn condensed
  // to fit, as terminals that mix the two do.
  columnWidth_ = static_cast<int>(std::ceil(metrics.horizontalAdvance(QChar(0x4E2D)) / 2));
  halfWidthFont_ = font();
  const qreal halfWidth = metrics.horizontalAdvance(QLatin1Char('M'));
  if (halfWidth > columnWidth_) halfWidthFont_.setStretch(static_cast<int>(100 * columnWidth_ / halfWidth));
  lineHeight_ = static_cast<int>(std::ceil(metrics.height()));
  ascent_ = static_cast<int>(std::round(metrics.ascent()));

  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  setAcceptDrops(false);  // only the bound drop target takes drops
  viewport()->setCursor(Qt::IBeamCursor);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);
  UpdateScrollBars();
}

// ---------------------------------------------------------------------------
// The window model's side.

void LargeTextBox::SetBytes(const GbkText& text) {
  document_.SetText(text);
  caret_ = anchor_ = 0;
  goalColumn_.reset();
  history_.Clear();
  UpdateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

void LargeTextBox::AppendBytes(std::span<const GbkText> texts) {
  const GbkText joined = Concat(texts);
  if (joined.Empty()) return;
  // Not an undo step: the history is dropped rather than keeping a step that
  // would take the appended text away, as for a text set by an operation.
  history_.Clear();
  document_.Append(joined);
  caret_ = anchor_ = document_.Text().Size();
  goalColumn_.reset();
  UpdateScrollBars();
  EnsureCaretVisible();
  viewport()->update();
}

// ---------------------------------------------------------------------------
// Editing.

std::pair<std::size_t, std::size_t> LargeTextBox::Selection() const { return std::minmax(caret_, anchor_); }

GbkText LargeTextBox::SelectedBytes() const {
  const auto [from, to] = Selection();
  return document_.Text().Sub(from, to - from);
}

void LargeTextBox::Insert(const GbkText& bytes) {
  const auto [from, to] = Selection();
  Edit(from, to, bytes, from == to && bytes.Size() <= 2 ? EditKind::Typing : EditKind::Other);
}

void LargeTextBox::Edit(std::size_t from, std::size_t to, const GbkText& bytes, EditKind kind) {
  if (from == to && bytes.Empty()) return;
  history_.Record({document_.Text(), caret_}, from + bytes.Size(), kind == EditKind::Typing && caret_ == anchor_);
  document_.Replace(from, to, bytes);
  caret_ = anchor_ = from + bytes.Size();
  goalColumn_.reset();
  UpdateScrollBars();
  EnsureCaretVisible();
  viewport()->update();
}

void LargeTextBox::GoBackTo(const std::optional<EditHistory::Step>& step) {
  if (!step) return;
  document_.SetText(step->text);
  caret_ = anchor_ = std::min(step->caret, step->text.Size());
  goalColumn_.reset();
  UpdateScrollBars();
  EnsureCaretVisible();
  viewport()->update();
}

void LargeTextBox::Undo() { GoBackTo(history_.Undo({document_.Text(), caret_})); }
void LargeTextBox::Redo() { GoBackTo(history_.Redo({document_.Text(), caret_})); }

void LargeTextBox::DeleteSelectionOr(std::size_t otherEnd) {
  const auto [from, to] = Selection();
  if (from != to) return Edit(from, to, GbkText(), EditKind::Other);
  Edit(std::min(caret_, otherEnd), std::max(caret_, otherEnd), GbkText(), EditKind::Other);
}

void LargeTextBox::SelectAll() {
  anchor_ = 0;
  caret_ = document_.Text().Size();
  EnsureCaretVisible();
  viewport()->update();
}

void LargeTextBox::Copy() {
  const GbkText selected = SelectedBytes();
  if (selected.Empty()) return;
  QGuiApplication::clipboard()->setMimeData(MimeDataFromGbk(selected.Bytes()));
}

void LargeTextBox::Cut() {
  Copy();
  const auto [from, to] = Selection();
  Edit(from, to, GbkText(), EditKind::Other);
}

void LargeTextBox::Paste() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr) return;
  if (const std::optional<GbkText> bytes = GbkFromMimeData(*data)) {
    const auto [from, to] = Selection();
    Edit(from, to, *bytes, EditKind::Other);
  }
}

// ---------------------------------------------------------------------------
// Keys and the input method.

void LargeTextBox::keyPressEvent(QKeyEvent* event) {
  RestartBlinking();
  if (MoveByKey(event)) return;
  if (event->matches(QKeySequence::SelectAll)) return SelectAll();
  if (event->matches(QKeySequence::Copy)) return Copy();
  if (event->matches(QKeySequence::Cut)) return Cut();
  if (event->matches(QKeySequence::Paste)) return Paste();
  if (event->matches(QKeySequence::Undo)) return Undo();
  if (event->matches(QKeySequence::Redo)) return Redo();
  if (event->matches(QKeySequence::DeleteStartOfWord)) return DeleteSelectionOr(PreviousWordStart(caret_));
  if (event->matches(QKeySequence::DeleteEndOfWord)) return DeleteSelectionOr(NextWordStart(caret_));
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Insert(GbkText("\r\n"));
    case Qt::Key_Backspace:
      return DeleteSelectionOr(document_.PreviousPosition(caret_));
    case Qt::Key_Delete:
      return DeleteSelectionOr(document_.NextPosition(caret_));
    default:
      break;
  }
  if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && IsTypedText(event->text())) {
    return Insert(GbkFromUnicode(event->text()));
  }
  event->ignore();  // Esc and the rest belong to the window
}

bool LargeTextBox::MoveByKey(QKeyEvent* event) {
  struct Move {
    QKeySequence::StandardKey move, select;
    std::function<std::size_t()> target;
    bool keepsGoalColumn = false;
  };
  const std::string_view text = document_.Text().Bytes();
  const std::size_t line = document_.LineOf(caret_);
  const Move moves[] = {
      {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, [&] { return document_.NextPosition(caret_); }},
      {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar,
       [&] { return document_.PreviousPosition(caret_); }},
      {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, [&] { return NextWordStart(caret_); }},
      {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, [&] { return PreviousWordStart(caret_); }},
      {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, [&] { return LineMoved(1); }, true},
      {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, [&] { return LineMoved(-1); }, true},
      {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, [&] { return LineMoved(VisibleLines()); }, true},
      {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage,
       [&] { return LineMoved(-VisibleLines()); }, true},
      {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, [&] { return document_.LineStart(line); }},
      {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, [&] { return document_.LineEnd(line); }},
      {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, [] { return std::size_t{0}; }},
      {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, [&] { return text.size(); }},
  };
  for (const Move& move : moves) {
    const bool select = event->matches(move.select);
    if (!select && !event->matches(move.move)) continue;
    const std::size_t target = move.target();
    if (!move.keepsGoalColumn) goalColumn_.reset();
    MoveCaret(target, select);
    return true;
  }
  return false;
}

void LargeTextBox::inputMethodEvent(QInputMethodEvent* event) {
  preedit_ = event->preeditString();
  if (!event->commitString().isEmpty()) Insert(GbkFromUnicode(event->commitString()));
  viewport()->update();
  event->accept();
}

QVariant LargeTextBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImEnabled:
      return true;
    case Qt::ImCursorRectangle:
      return CaretRect().translated(viewport()->pos());
    case Qt::ImFont:
      return font();
    case Qt::ImHints:
      return static_cast<int>(Qt::ImhMultiLine);
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
      return 0;
    case Qt::ImSurroundingText:
    case Qt::ImCurrentSelection:
      return QString();
    default:
      return QAbstractScrollArea::inputMethodQuery(query);
  }
}

// ---------------------------------------------------------------------------
// The caret and the mouse.

void LargeTextBox::MoveCaret(std::size_t position, bool extendSelection) {
  caret_ = position;
  if (!extendSelection) anchor_ = position;
  history_.BreakTyping();
  EnsureCaretVisible();
  RestartBlinking();
  viewport()->update();
}

std::size_t LargeTextBox::LineMoved(std::ptrdiff_t lines) {
  const std::size_t line = document_.LineOf(caret_);
  if (!goalColumn_) goalColumn_ = document_.ColumnOf(caret_);
  const std::ptrdiff_t last = static_cast<std::ptrdiff_t>(document_.LineCount()) - 1;
  const std::ptrdiff_t target = std::clamp(static_cast<std::ptrdiff_t>(line) + lines, std::ptrdiff_t{0}, last);
  return document_.PositionAtColumn(static_cast<std::size_t>(target), *goalColumn_);
}

std::size_t LargeTextBox::PositionAt(QPoint point) const {
  const std::ptrdiff_t row = point.y() < 0 ? -1 : point.y() / lineHeight_;
  const std::ptrdiff_t last = static_cast<std::ptrdiff_t>(document_.LineCount()) - 1;
  const std::size_t line = static_cast<std::size_t>(
      std::clamp(static_cast<std::ptrdiff_t>(verticalScrollBar()->value()) + row, std::ptrdiff_t{0}, last));
  const int x = std::max(0, point.x());
  const std::size_t column = static_cast<std::size_t>(horizontalScrollBar()->value()) +
                             static_cast<std::size_t>((x + columnWidth_ / 2) / columnWidth_);
  return document_.PositionAtColumn(line, column);
}

void LargeTextBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  goalColumn_.reset();
  MoveCaret(PositionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void LargeTextBox::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  goalColumn_.reset();
  MoveCaret(PositionAt(event->position().toPoint()), true);
}

void LargeTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const auto [from, to] = WordAround(PositionAt(event->position().toPoint()));
  anchor_ = from;
  MoveCaret(to, true);
}

std::string_view LargeTextBox::CharacterAt(std::size_t position) const {
  return document_.Text().Bytes().substr(position, document_.NextPosition(position) - position);
}

std::pair<std::size_t, std::size_t> LargeTextBox::WordAround(std::size_t position) const {
  const std::size_t line = document_.LineOf(position);
  const std::size_t lineEnd = document_.LineEnd(line);
  if (position == lineEnd) {
    if (position == document_.LineStart(line)) return {position, position};
    position = document_.PreviousPosition(position);
  }
  const int wordClass = WordClass(CharacterAt(position));
  std::size_t from = position;
  while (from > document_.LineStart(line)) {
    const std::size_t previous = document_.PreviousPosition(from);
    if (WordClass(CharacterAt(previous)) != wordClass) break;
    from = previous;
  }
  std::size_t to = document_.NextPosition(position);
  while (to < lineEnd && WordClass(CharacterAt(to)) == wordClass) to = document_.NextPosition(to);
  return {from, std::min(to, lineEnd)};
}

// Ctrl+Right: past the rest of this word and the blanks after it; from the
// end of a line, over the break.
std::size_t LargeTextBox::NextWordStart(std::size_t position) const {
  const std::size_t lineEnd = document_.LineEnd(document_.LineOf(position));
  if (position == lineEnd) return document_.NextPosition(position);
  const int wordClass = WordClass(CharacterAt(position));
  while (position < lineEnd && WordClass(CharacterAt(position)) == wordClass) position = document_.NextPosition(position);
  while (position < lineEnd && WordClass(CharacterAt(position)) == kBlanks) position = document_.NextPosition(position);
  return position;
}

// Ctrl+Left: back over blanks, then to the start of the word before them.
std::size_t LargeTextBox::PreviousWordStart(std::size_t position) const {
  const std::size_t lineStart = document_.LineStart(document_.LineOf(position));
  if (position == lineStart) return document_.PreviousPosition(position);
  const auto classBefore = [&](std::size_t at) { return WordClass(CharacterAt(document_.PreviousPosition(at))); };
  while (position > lineStart && classBefore(position) == kBlanks) position = document_.PreviousPosition(position);
  if (position == lineStart) return position;
  const int wordClass = classBefore(position);
  while (position > lineStart && classBefore(position) == wordClass) position = document_.PreviousPosition(position);
  return position;
}

void LargeTextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  const bool hasSelection = caret_ != anchor_;
  menu.addAction(QStringLiteral("撤销(&U)"), QKeySequence::Undo, this, [this] { Undo(); })->setEnabled(history_.CanUndo());
  menu.addAction(QStringLiteral("重做(&R)"), QKeySequence::Redo, this, [this] { Redo(); })->setEnabled(history_.CanRedo());
  menu.addSeparator();
  menu.addAction(QStringLiteral("剪切(&T)"), QKeySequence::Cut, this, [this] { Cut(); })->setEnabled(hasSelection);
  menu.addAction(QStringLiteral("复制(&C)"), QKeySequence::Copy, this, [this] { Copy(); })->setEnabled(hasSelection);
  menu.addAction(QStringLiteral("粘贴(&P)"), QKeySequence::Paste, this, [this] { Paste(); });
  menu.addAction(QStringLiteral("删除(&D)"), this, [this] { DeleteSelectionOr(caret_); })->setEnabled(hasSelection);
  menu.addSeparator();
  menu.addAction(QStringLiteral("全选(&A)"), QKeySequence::SelectAll, this, [this] { SelectAll(); });
  menu.exec(event->globalPos());
}

void LargeTextBox::EnsureCaretVisible() {
  const int line = static_cast<int>(document_.LineOf(caret_));
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
    horizontal->setValue(static_cast<int>(column - std::min(column, width / 4)));
  } else if (column + 1 >= first + width) {
    horizontal->setValue(static_cast<int>(column + width / 4 - width + 1));
  }
}

QRect LargeTextBox::CaretRect() const {
  const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(document_.LineOf(caret_)) - verticalScrollBar()->value();
  const std::ptrdiff_t column =
      static_cast<std::ptrdiff_t>(document_.ColumnOf(caret_)) - horizontalScrollBar()->value();
  return QRect(static_cast<int>(column) * columnWidth_, static_cast<int>(row) * lineHeight_, 2, lineHeight_);
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
// Drawing.

int LargeTextBox::VisibleLines() const { return std::max(1, viewport()->height() / lineHeight_); }
int LargeTextBox::VisibleColumns() const { return std::max(1, viewport()->width() / columnWidth_); }

void LargeTextBox::UpdateScrollBars() {
  const auto clampToInt = [](std::size_t value) { return static_cast<int>(std::min<std::size_t>(value, INT_MAX)); };
  verticalScrollBar()->setRange(0, clampToInt(document_.LineCount() - std::min<std::size_t>(
                                                                          document_.LineCount(), VisibleLines())));
  verticalScrollBar()->setPageStep(VisibleLines());
  verticalScrollBar()->setSingleStep(1);
  // One column to spare, for the caret after the widest line's end.
  const std::size_t columns = document_.WidestLine() + 1;
  horizontalScrollBar()->setRange(
      0, clampToInt(columns - std::min<std::size_t>(columns, static_cast<std::size_t>(VisibleColumns()))));
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
  std::size_t position = document_.PositionAtColumn(line, firstColumn);
  if (position > document_.LineStart(line) && document_.ColumnOf(position) > firstColumn) {
    position = document_.PreviousPosition(position);
  }
  std::size_t column = document_.ColumnOf(position);
  while (position < lineEnd && column < endColumn) {
    const std::string_view character = text.substr(position, CharacterLength(text.substr(position, lineEnd - position)));
    const std::size_t width =
        character[0] == '\t' ? (column / BoxDocument::kTabColumns + 1) * BoxDocument::kTabColumns - column
                             : character.size();
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
  const QString decoded = Decoded(character);
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
