// The large boxes' keys, input method and mouse.
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <cctype>

#include "shell/qt/BoxText.h"
#include "shell/qt/LargeTextBox.h"

namespace yanqi {
namespace {

// Typed text is taken only when it is printable: control keys also carry text.
bool IsTypedText(const QString& text) {
  if (text.isEmpty()) return false;
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() != 0x7F; });
}

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
    MoveCaret(move.target(), select, move.keepsGoalColumn);
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

void LargeTextBox::MoveCaret(std::size_t position, bool extendSelection, bool keepGoalColumn) {
  if (!keepGoalColumn) goalColumn_.reset();
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
  MoveCaret(PositionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void LargeTextBox::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
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

std::size_t LargeTextBox::RunStart(std::size_t position, int wordClass) const {
  const std::size_t lineStart = document_.LineStart(document_.LineOf(position));
  while (position > lineStart) {
    const std::size_t previous = document_.PreviousPosition(position);
    if (WordClass(CharacterAt(previous)) != wordClass) break;
    position = previous;
  }
  return position;
}

std::size_t LargeTextBox::RunEnd(std::size_t position, int wordClass) const {
  const std::size_t lineEnd = document_.LineEnd(document_.LineOf(position));
  while (position < lineEnd && WordClass(CharacterAt(position)) == wordClass) position = document_.NextPosition(position);
  return position;
}

std::pair<std::size_t, std::size_t> LargeTextBox::WordAround(std::size_t position) const {
  const std::size_t line = document_.LineOf(position);
  if (position == document_.LineEnd(line)) {
    if (position == document_.LineStart(line)) return {position, position};
    position = document_.PreviousPosition(position);
  }
  const int wordClass = WordClass(CharacterAt(position));
  return {RunStart(position, wordClass), RunEnd(position, wordClass)};
}

// Ctrl+Right: past the rest of this word and the blanks after it; from the
// end of a line, over the break.
std::size_t LargeTextBox::NextWordStart(std::size_t position) const {
  if (position == document_.LineEnd(document_.LineOf(position))) return document_.NextPosition(position);
  return RunEnd(RunEnd(position, WordClass(CharacterAt(position))), kBlanks);
}

// Ctrl+Left: back over blanks, then to the start of the word before them.
std::size_t LargeTextBox::PreviousWordStart(std::size_t position) const {
  const std::size_t lineStart = document_.LineStart(document_.LineOf(position));
  if (position == lineStart) return document_.PreviousPosition(position);
  position = RunStart(position, kBlanks);
  if (position == lineStart) return position;
  return RunStart(position, WordClass(CharacterAt(document_.PreviousPosition(position))));
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
}  // namespace yanqi
