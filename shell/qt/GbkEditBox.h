// An edit box that holds code page 936 bytes exactly: whatever bytes are set
// are the bytes read back, lone CR and LF and undecodable bytes included.
// Reading an unchanged box costs nothing after the first time.
#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "text/GbkText.h"

namespace yanqi {

class GbkEditBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  enum class Kind { Large, Small };
  GbkEditBox(Kind kind, QWidget* parent);

  GbkText Bytes();
  // Converts the document again, past the cache.
  GbkText ReadDocumentBytes() const;
  void SetBytes(const GbkText& text);
  void AppendBytes(std::span<const GbkText> texts);

  // Makes the box a drop target: dropped files go to `onFiles` as their
  // paths; dropped text is taken and ignored.
  using FilesDropped = std::function<void(const std::vector<GbkText>& paths)>;
  void AcceptDroppedFiles(FilesDropped onFiles);

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void paintEvent(QPaintEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void PaintEscapeMarks();
  bool AcceptsDrop(const QMimeData* data) const;

  std::optional<GbkText> cached_;
  FilesDropped onFilesDropped_;
};

// The MIME type that carries a selection's exact bytes between boxes.
inline constexpr char kGbkMimeType[] = "application/x-yanqi-gbk";

}  // namespace yanqi
