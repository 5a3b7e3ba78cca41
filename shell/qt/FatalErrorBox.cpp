#include "shell/qt/FatalErrorBox.h"

#include <QMessageBox>
#include <cstdlib>

#include "shell/qt/MainWindow.h"

namespace yanqi {

void ShowFatalErrorBox(const FatalError& error) {
  QMessageBox box(QMessageBox::Critical, DisplayText(FatalErrorCaption()), DisplayText(FatalErrorReport(error)),
                  QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  std::_Exit(kFatalExitCode);  // the window is not closed in order
}

}  // namespace yanqi
