#include "shell/qt/LargeTextBox.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "shell/qt/BoxMime.h"
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
  history_.Clear();
  document_.SetText(text);
  ShowChangedText(0);
}

void LargeTextBox::AppendBytes(std::span<const GbkText> texts) {
  const GbkText joined = Concat(texts);
  if (joined.Empty()) return;
  // Not an undo step: the history is dropped rather than keeping a step that
  // would take the appended text away, as for a text set by an operation.
  history_.Clear();
  document_.Append(joined);
  ShowChangedText(document_.Text().Size());
}

// After any change of the text: the caret at `caret`, nothing selected, the
// scroll bars fitted to the text and the caret in view.
void LargeTextBox::ShowChangedText(std::size_t caret) {
  caret_ = anchor_ = caret;
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
  ShowChangedText(from + bytes.Size());
}

void LargeTextBox::GoBackTo(const std::optional<EditHistory::Step>& step) {
  if (!step) return;
  document_.SetText(step->text);
  ShowChangedText(std::min(step->caret, step->text.Size()));
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
  MoveCaret(document_.Text().Size(), true);
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

}  // namespace yanqi
