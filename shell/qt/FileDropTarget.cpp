#include "shell/qt/FileDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "shell/qt/BoxText.h"

namespace yanqi {

FileDropTarget::FileDropTarget(QAbstractScrollArea& box, FilesDropped onFiles)
    : QObject(box.viewport()), onFiles_(std::move(onFiles)) {
  box.viewport()->setAcceptDrops(true);
  box.viewport()->installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject*, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const QMimeData* data = drop->mimeData();
  if (!data->hasUrls() && !data->hasText()) {
    drop->ignore();
    return true;
  }
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type != QEvent::Drop) return true;
  std::vector<GbkText> paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths.push_back(GbkFromUnicode(url.toLocalFile()));
  }
  if (!paths.empty()) onFiles_(paths);
  return true;
}

}  // namespace yanqi
