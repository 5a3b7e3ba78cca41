#include "shell/qt/QtFacilities.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include "shell/NativePaths.h"
#include "shell/qt/BoxText.h"
#include "text/GbkCodec.h"

namespace yanqi {
namespace {

QString ToQString(const GbkText& text) { return ExternalTextFromGbk(text.Bytes()); }

// The save dialog asks before it creates a file, as it asks before it
// overwrites one; declining keeps the dialog open.
bool ConfirmCreation(QWidget* parent, const QString& path) {
  if (QFileInfo::exists(path)) return true;
  return QMessageBox::question(parent, QString(), QFileDialog::tr("%1 does not exist.\nCreate it?").arg(path)) ==
         QMessageBox::Yes;
}

}  // namespace

std::optional<GbkText> QtFacilities::GetClipboardText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasText()) return std::nullopt;
  return GbkFromUnicode(data->text());
}

bool QtFacilities::SetClipboardText(const GbkText& text) {
  QGuiApplication::clipboard()->setText(ExternalTextFromGbk(text.Bytes()));
  return true;
}

bool QtFacilities::ShowFileDialog(Control dialog) {
  const bool save = dialog == Control::通用对话框1;
  QFileDialog fileDialog(nullptr);
  fileDialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  fileDialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  fileDialog.setWindowModality(Qt::ApplicationModal);
  fileDialog.setOption(QFileDialog::DontUseNativeDialog);  // the same dialog on every desktop
  const GbkText& current = FileName(dialog);
  if (!current.Empty()) fileDialog.selectFile(ToQString(current));
  for (;;) {
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty()) return false;
    const QString chosen = fileDialog.selectedFiles().constFirst();
    if (save && !ConfirmCreation(&fileDialog, chosen)) continue;
    FileName(dialog) = GbkFromUnicode(chosen);
    return true;
  }
}

bool QtFacilities::StartProgram(const GbkText& commandLine, bool wait) {
  QStringList words = ToQString(commandLine).split(u' ', Qt::SkipEmptyParts);
  if (words.isEmpty()) return false;
  const QString program = words.takeFirst();
  if (wait) return QProcess::execute(program, words) >= 0;
  if (!QProcess::startDetached(program, words)) return false;
  // The desktop cannot tell when a new program is ready for input; give it the
  // full second, with the window's events running meanwhile.
  QEventLoop settle;
  QTimer::singleShot(1000, &settle, &QEventLoop::quit);
  settle.exec();
  return true;
}

int QtFacilities::ShellAction(int verb, const GbkText& target) {
  const int status = FolderStatus(target);
  if (verb == kShellOpen && status > 32) QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(NativePath(target))));
  return status;
}

}  // namespace yanqi
