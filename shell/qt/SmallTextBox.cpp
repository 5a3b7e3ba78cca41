#include "shell/qt/SmallTextBox.h"

#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

#include "shell/qt/BoxMime.h"
#include "shell/qt/BoxText.h"
#include "shell/qt/EscapeMark.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {

SmallTextBox::SmallTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setAcceptDrops(false);  // only the bound drop target takes drops
  setLineWrapMode(WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The selection is hidden while the box does not have the focus.
  QPalette colours = palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Base));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Active, QPalette::Text));
  setPalette(colours);
  connect(document(), &QTextDocument::contentsChange, this, [this] { cached_.reset(); });
}

GbkText SmallTextBox::Bytes() {
  if (!cached_) cached_ = ReadDocumentBytes();
  return *cached_;
}

GbkText SmallTextBox::ReadDocumentBytes() const {
  return GbkText::FromOwned(GbkFromBoxText(document()->toRawText()));
}

void SmallTextBox::SetBytes(const GbkText& text) {
  setPlainText(BoxTextFromGbk(text.Bytes()));
  cached_ = text;
}

void SmallTextBox::AppendBytes(std::span<const GbkText> texts) {
  GbkText joined = Concat(texts);
  if (joined.Empty()) return;

  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  // A lone CR at the end and an LF at the start of the new text make a line
  // break together; show it as one.
  if (joined.Bytes().front() == '\n' &&
      document()->characterAt(cursor.position() - 1) == QChar(kEscapedCarriageReturn)) {
    cursor.deletePreviousChar();
    joined = Concat("\r", joined);
  }
  setTextCursor(cursor);
  ensureCursorVisible();
  // Not recorded for undo: the document forgets its undo history instead of
  // keeping a step that would take the appended text away.
  document()->setUndoRedoEnabled(false);
  cursor.insertText(BoxTextFromGbk(joined.Bytes()));
  document()->setUndoRedoEnabled(true);
  setTextCursor(cursor);
  ensureCursorVisible();
}

QMimeData* SmallTextBox::createMimeDataFromSelection() const {
  return MimeDataFromGbk(GbkFromBoxText(textCursor().selectedText()));
}

bool SmallTextBox::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasFormat(kGbkMimeType) || source->hasText();
}

void SmallTextBox::insertFromMimeData(const QMimeData* source) {
  if (const std::optional<GbkText> bytes = GbkFromMimeData(*source)) {
    insertPlainText(BoxTextFromGbk(bytes->Bytes()));
  }
}

void SmallTextBox::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  PaintEscapeMarks();
}

// Only the visible blocks are looked at.
void SmallTextBox::PaintEscapeMarks() {
  QPainter painter(viewport());
  painter.setFont(font());
  const QPointF offset = contentOffset();
  const int bottom = viewport()->height();
  for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
    const QRectF blockRect = blockBoundingGeometry(block).translated(offset);
    if (blockRect.top() > bottom) break;
    const QString text = block.text();
    const QTextLayout* layout = block.layout();
    for (qsizetype i = 0; i < text.size(); ++i) {
      const char16_t c = text.at(i).unicode();
      if (!IsEscapedByte(c)) continue;
      const QTextLine line = layout->lineForTextPosition(static_cast<int>(i));
      if (!line.isValid()) continue;
      const qreal left = line.cursorToX(static_cast<int>(i));
      const qreal right = std::max(line.cursorToX(static_cast<int>(i + 1)), left + 8);
      PaintEscapeMark(painter, QRectF(blockRect.left() + left, blockRect.top() + line.y(), right - left, line.height()),
                      static_cast<unsigned char>(c - kEscapedByteBase));
    }
  }
}

}  // namespace yanqi
