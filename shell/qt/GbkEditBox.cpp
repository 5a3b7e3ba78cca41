#include "shell/qt/GbkEditBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QUrl>

#include "shell/qt/BoxText.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {

namespace {

// How many characters at the start of a document's raw text (paragraphs
// separated by U+2029) equal those of a box text (paragraphs separated by '\n').
qsizetype CommonBeginning(const QString& raw, const QString& box) {
  const qsizetype limit = std::min(raw.size(), box.size());
  const QChar* rawChars = raw.constData();
  const QChar* boxChars = box.constData();
  qsizetype common = 0;
  while (common < limit &&
         (rawChars[common] == boxChars[common] ||
          (boxChars[common] == u'\n' && rawChars[common] == QChar::ParagraphSeparator))) {
    ++common;
  }
  return common;
}

}  // namespace

GbkEditBox::GbkEditBox(Kind kind, QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setAcceptDrops(false);  // only the bound drop target takes drops
  if (kind == Kind::Large) {
    QFont font = this->font();
    font.setPixelSize(16);
    font.setWeight(QFont::Normal);
    setFont(font);
    setLineWrapMode(NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  } else {
    setLineWrapMode(WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  // The selection is hidden while the box does not have the focus.
  QPalette colours = palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Base));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Active, QPalette::Text));
  setPalette(colours);
  connect(document(), &QTextDocument::contentsChange, this, [this] { cached_.reset(); });
}

GbkText GbkEditBox::Bytes() {
  if (!cached_) cached_ = ReadDocumentBytes();
  return *cached_;
}

GbkText GbkEditBox::ReadDocumentBytes() const {
  return GbkText::FromOwned(GbkFromBoxText(document()->toRawText()));
}

void GbkEditBox::SetBytes(const GbkText& text) {
  const QString box = BoxTextFromGbk(text.Bytes());
  const qsizetype unchanged = CommonBeginning(document()->toRawText(), box);
  if (unchanged == 0) {
    setPlainText(box);
  } else {
    // Only what differs is replaced: filling a document costs far more per
    // line than comparing it, and operations often change just the end of a
    // long text. As with setPlainText, the undo history is gone afterwards.
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    cursor.setPosition(static_cast<int>(unchanged));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.insertText(box.mid(unchanged));  // replaces the selection
    document()->setUndoRedoEnabled(true);
  }
  moveCursor(QTextCursor::Start);
  ensureCursorVisible();
  cached_ = text;
}

void GbkEditBox::AppendBytes(std::span<const GbkText> texts) {
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

QMimeData* GbkEditBox::createMimeDataFromSelection() const {
  const std::string bytes = GbkFromBoxText(textCursor().selectedText());
  auto* data = new QMimeData;
  data->setData(kGbkMimeType, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  data->setText(ExternalTextFromGbk(bytes));
  return data;
}

bool GbkEditBox::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasFormat(kGbkMimeType) || source->hasText();
}

void GbkEditBox::insertFromMimeData(const QMimeData* source) {
  std::string bytes;
  if (source->hasFormat(kGbkMimeType)) {
    const QByteArray exact = source->data(kGbkMimeType);
    bytes.assign(exact.constData(), static_cast<std::size_t>(exact.size()));
  } else if (source->hasText()) {
    bytes = GbkFromExternalText(source->text());
  }
  // A box holds no 0x00: a pasted text ends there, as any text does.
  insertPlainText(BoxTextFromGbk(GbkText::FromOwned(std::move(bytes)).Bytes()));
}

void GbkEditBox::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  PaintEscapeMarks();
}

// Bytes that have no character of their own (lone CR, lone LF, bytes that are
// not code page 936) would otherwise be blank or a box: each gets a small
// framed mark with its byte in hexadecimal. Only the visible blocks are looked at.
void GbkEditBox::PaintEscapeMarks() {
  QPainter painter(viewport());
  QFont markFont = font();
  markFont.setPixelSize(std::max(8, fontMetrics().height() / 2));
  painter.setFont(markFont);
  painter.setPen(QColor(0x80, 0x40, 0x00));
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
      const qreal right = std::max(line.cursorToX(static_cast<int>(i + 1)), left + 12);
      const QRectF mark(blockRect.left() + left, blockRect.top() + line.y(), right - left, line.height());
      painter.fillRect(mark, QColor(0xFF, 0xF0, 0xC0));
      painter.drawRect(mark.adjusted(0, 1, -1, -1));
      painter.drawText(mark, Qt::AlignCenter, QString::number(c - 0xF700, 16).toUpper().rightJustified(2, u'0'));
    }
  }
}

void GbkEditBox::AcceptDroppedFiles(FilesDropped onFiles) {
  onFilesDropped_ = std::move(onFiles);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
}

bool GbkEditBox::AcceptsDrop(const QMimeData* data) const {
  return onFilesDropped_ && (data->hasUrls() || data->hasText());
}

void GbkEditBox::dragEnterEvent(QDragEnterEvent* event) {
  if (!AcceptsDrop(event->mimeData())) return event->ignore();
  // Copy, never move: the drag source must not delete what was dropped.
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void GbkEditBox::dragMoveEvent(QDragMoveEvent* event) {
  if (!AcceptsDrop(event->mimeData())) return event->ignore();
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void GbkEditBox::dropEvent(QDropEvent* event) {
  if (!AcceptsDrop(event->mimeData())) return event->ignore();
  event->setDropAction(Qt::CopyAction);
  event->accept();
  // Dropped text is taken and changes nothing; files give their paths.
  std::vector<GbkText> paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    paths.push_back(GbkFromUnicode(url.toLocalFile()));
  }
  if (!paths.empty()) onFilesDropped_(paths);
}

}  // namespace yanqi
