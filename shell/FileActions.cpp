#include "shell/FileActions.h"

#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

// Reads the file into the source box; a file that cannot be read leaves the
// box as it is and says so, since emptying it would lose the user's text.
void ReadIntoSourceBox(WindowModel& window, const GbkText& path) {
  const std::optional<ByteBlock> content = window.Platform().ReadFileBytes(path);
  if (!content) {
    window.ShowMessage(Concat(Gbk(u8"无法读取文件："), path), kMessageExclamation);
    return;
  }
  window.SetText(Control::编辑框1, BytesToText(*content));
}

}  // namespace

GbkText DocumentFolderPath() { return Gbk(u8"G:\\数据包\\5月\\标题"); }

GbkText SpeechProgramPath() { return Gbk(u8"G:\\苇岸听风工具集合\\砚栖工具\\灵犀诵读\\灵犀诵读.exe"); }

void ReadDocument(WindowModel& window) { ReadIntoSourceBox(window, window.GetText(Control::编辑框1)); }

void OpenDocument(WindowModel& window) {
  // A cancelled dialog changes nothing.
  if (!window.Platform().ShowFileDialog(Control::通用对话框2)) return;
  ReadIntoSourceBox(window, window.Platform().DialogFileName(Control::通用对话框2));
}

void SaveResult(WindowModel& window) {
  // A cancelled dialog writes nothing, whatever was chosen before.
  if (!window.Platform().ShowFileDialog(Control::通用对话框1)) return;
  const GbkText path = window.Platform().DialogFileName(Control::通用对话框1);
  const ByteBlock content = TextToBytes(window.GetText(Control::编辑框2));
  if (!window.Platform().WriteFileBytes(path, {&content, 1})) {
    window.ShowMessage(Concat(Gbk(u8"保存失败："), path), kMessageExclamation);
  }
}

void CopyResult(WindowModel& window) {
  (void)window.Platform().SetClipboardText(window.GetText(Control::编辑框2));
  window.ShowMessage(Gbk(u8"已将结果复制至剪切板"), kMessagePlain);
}

void PasteSource(WindowModel& window) {
  // No text on the clipboard leaves the box as it is.
  if (const std::optional<GbkText> text = window.Platform().GetClipboardText()) {
    window.SetText(Control::编辑框1, *text);
  }
}

void OpenDocumentFolder(WindowModel& window) { (void)window.Platform().ShellAction(kShellOpen, DocumentFolderPath()); }

void StartReader(WindowModel& window) { (void)window.Platform().StartProgram(SpeechProgramPath(), false); }

}  // namespace yanqi
