// Makes a box a drop target: dropped files are handed on as their paths,
// dropped text is taken and changes nothing. The drop is always a copy, so
// that the drag source never deletes what was dropped.
#pragma once

#include <QAbstractScrollArea>
#include <QObject>
#include <functional>
#include <vector>

#include "text/GbkText.h"

namespace yanqi {

class FileDropTarget : public QObject {
 public:
  using FilesDropped = std::function<void(const std::vector<GbkText>& paths)>;

  // Binds itself to the box's viewport, where drags arrive, and is owned by it.
  FileDropTarget(QAbstractScrollArea& box, FilesDropped onFiles);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FilesDropped onFiles_;
};

}  // namespace yanqi
