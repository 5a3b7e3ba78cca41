#include "shell/HeadlessFacilities.h"

#include "shell/NativePaths.h"

namespace yanqi {
namespace {

std::size_t DialogIndex(Control dialog) { return dialog == Control::通用对话框1 ? 0 : 1; }

}  // namespace

std::optional<ByteBlock> HeadlessFacilities::ReadFileBytes(const GbkText& path) { return ReadFileAtPath(path); }

bool HeadlessFacilities::WriteFileBytes(const GbkText& path, std::span<const ByteBlock> blocks) {
  return WriteFileAtPath(path, blocks);
}

bool HeadlessFacilities::SetClipboardText(const GbkText& text) {
  clipboard_ = text;
  return true;
}

bool HeadlessFacilities::ShowFileDialog(Control dialog) {
  ++dialogsShown_;
  lastOffered_ = fileNames_[DialogIndex(dialog)];
  if (dialogAnswers_.empty()) return false;
  const std::optional<GbkText> answer = dialogAnswers_.front();
  dialogAnswers_.pop_front();
  if (!answer) return false;
  fileNames_[DialogIndex(dialog)] = *answer;
  return true;
}

GbkText HeadlessFacilities::DialogFileName(Control dialog) { return fileNames_[DialogIndex(dialog)]; }

// Nothing here waits for a window to appear, so the launcher returns as soon
// as the program has started.
bool HeadlessFacilities::StartProgram(const GbkText& commandLine, bool) { return SpawnProgram(commandLine); }

int HeadlessFacilities::ShellAction(int, const GbkText& target) { return FolderStatus(target); }

}  // namespace yanqi
