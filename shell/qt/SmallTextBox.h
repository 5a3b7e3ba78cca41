// The small edit boxes (find and replacement): a Qt plain-text edit whose
// lines wrap at the box's width, holding code page 936 bytes exactly. Lone CR
// and LF and undecodable bytes are kept as escape characters (BoxText.h) and
// shown as small marks with their byte. Reading an unchanged box costs
// nothing after the first time.
#pragma once

#include <QPlainTextEdit>
#include <optional>

#include "shell/qt/TextBox.h"

namespace yanqi {

class SmallTextBox : public QPlainTextEdit, public TextBox {
  Q_OBJECT

 public:
  explicit SmallTextBox(QWidget* parent);

  GbkText Bytes() override;
  void SetBytes(const GbkText& text) override;
  void AppendBytes(std::span<const GbkText> texts) override;
  // Converts the document again, past the cache.
  GbkText ReadDocumentBytes() const;

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintEscapeMarks();

  std::optional<GbkText> cached_;
};

}  // namespace yanqi
