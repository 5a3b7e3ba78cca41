// The source and result boxes: an editor of code page 936 bytes that draws
// only what is on the screen, so that a text of millions of lines, or a
// single line of hundreds of megabytes, is set and scrolled at once.
//
// The box holds the bytes themselves (BoxDocument), never a converted copy:
// what is set is what is read back, and reading costs nothing. Characters
// sit on a grid of half-width columns, one per byte, so a two-byte character
// takes two; lines run on to the right without wrapping. Bytes without a
// character of their own are drawn as escape marks.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "shell/BoxDocument.h"
#include "shell/EditHistory.h"
#include "shell/qt/TextBox.h"

namespace yanqi {

class LargeTextBox : public QAbstractScrollArea, public TextBox {
  Q_OBJECT

 public:
  explicit LargeTextBox(QWidget* parent);

  GbkText Bytes() override { return document_.Text(); }
  void SetBytes(const GbkText& text) override;
  void AppendBytes(std::span<const GbkText> texts) override;

  // What the keys and the context menu do.
  void SelectAll();
  void Copy();
  void Cut();
  void Paste();
  void Undo();
  void Redo();
  // Replaces the selection with `bytes`, as typing does.
  void Insert(const GbkText& bytes);

  std::size_t Caret() const { return caret_; }
  GbkText SelectedBytes() const;
  const BoxDocument& Document() const { return document_; }
  int ColumnWidth() const { return columnWidth_; }
  int LineHeight() const { return lineHeight_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  enum class EditKind { Typing, Other };

  // Editing.
  void ShowChangedText(std::size_t caret);
  void Edit(std::size_t from, std::size_t to, const GbkText& bytes, EditKind kind);
  void GoBackTo(const std::optional<EditHistory::Step>& step);
  void DeleteSelectionOr(std::size_t otherEnd);
  std::pair<std::size_t, std::size_t> Selection() const;

  // The caret.
  bool MoveByKey(QKeyEvent* event);
  // Moves the caret, extending the selection or not; up and down keep the
  // column they aim for, every other move forgets it.
  void MoveCaret(std::size_t position, bool extendSelection, bool keepGoalColumn = false);
  std::size_t LineMoved(std::ptrdiff_t lines);
  std::size_t PositionAt(QPoint point) const;
  std::string_view CharacterAt(std::size_t position) const;
  // Where a run of characters of the word class `wordClass` around
  // `position` starts and ends, within its line.
  std::size_t RunStart(std::size_t position, int wordClass) const;
  std::size_t RunEnd(std::size_t position, int wordClass) const;
  std::pair<std::size_t, std::size_t> WordAround(std::size_t position) const;
  std::size_t NextWordStart(std::size_t position) const;
  std::size_t PreviousWordStart(std::size_t position) const;
  void EnsureCaretVisible();
  QRect CaretRect() const;
  void RestartBlinking();

  // Drawing.
  int VisibleLines() const;
  int VisibleColumns() const;
  void UpdateScrollBars();
  void PaintLine(QPainter& painter, std::size_t line, int top);
  void PaintCharacter(QPainter& painter, std::string_view character, QRectF place, bool selected);

  BoxDocument document_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
  // The column up and down keys aim for, kept across lines shorter than it.
  std::optional<std::size_t> goalColumn_;
  EditHistory history_;
  QString preedit_;  // an input method's text not yet committed
  QFont halfWidthFont_;  // half-width characters, condensed to one column
  int columnWidth_ = 8;
  int lineHeight_ = 16;
  int ascent_ = 12;
  QBasicTimer blink_;
  bool caretShown_ = true;
};

}  // namespace yanqi
