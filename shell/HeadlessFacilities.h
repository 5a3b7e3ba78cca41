// The facilities without a screen: real files, a clipboard of its own, file
// dialogs answered from a script (cancelled when the script is empty), and
// launchers that start programs without waiting for them.
#pragma once

#include <deque>

#include "shell/NativeFacilities.h"

namespace yanqi {

class HeadlessFacilities : public NativeFacilities {
 public:
  std::optional<GbkText> GetClipboardText() override { return clipboard_; }
  bool SetClipboardText(const GbkText& text) override;
  bool ShowFileDialog(Control dialog) override;
  bool StartProgram(const GbkText& commandLine, bool wait) override;
  int ShellAction(int verb, const GbkText& target) override;

  // The next dialogs' answers, in order: a path confirms it, nothing cancels.
  void AnswerNextDialog(std::optional<GbkText> answer) { dialogAnswers_.push_back(std::move(answer)); }
  // What another program left on the clipboard; nothing for no text.
  void SetClipboard(std::optional<GbkText> text) { clipboard_ = std::move(text); }
  // How many dialogs were shown, and what the last one offered.
  int DialogsShown() const { return dialogsShown_; }
  const GbkText& LastOfferedName() const { return lastOffered_; }

 private:
  std::optional<GbkText> clipboard_;
  std::deque<std::optional<GbkText>> dialogAnswers_;
  int dialogsShown_ = 0;
  GbkText lastOffered_;
};

}  // namespace yanqi
