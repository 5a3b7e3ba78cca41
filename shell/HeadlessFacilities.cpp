#include "shell/HeadlessFacilities.h"

#include "shell/NativePaths.h"

namespace yanqi {

bool HeadlessFacilities::SetClipboardText(const GbkText& text) {
  clipboard_ = text;
  return true;
}

bool HeadlessFacilities::ShowFileDialog(Control dialog) {
  ++dialogsShown_;
  lastOffered_ = FileName(dialog);
  if (dialogAnswers_.empty()) return false;
  const std::optional<GbkText> answer = dialogAnswers_.front();
  dialogAnswers_.pop_front();
  if (!answer) return false;
  FileName(dialog) = *answer;
  return true;
}

// Nothing here waits for a window to appear, so the launcher returns as soon
// as the program has started.
bool HeadlessFacilities::StartProgram(const GbkText& commandLine, bool) { return SpawnProgram(commandLine); }

int HeadlessFacilities::ShellAction(int, const GbkText& target) { return FolderStatus(target); }

}  // namespace yanqi
