// What the file, clipboard and launcher actions need of the platform: a
// second small interface beside the window model, on Qt in the window and
// headless (scriptable) in the batch tool and the tests.
#pragma once

#include <optional>
#include <span>

#include "shell/Controls.h"
#include "text/GbkText.h"

namespace yanqi {

// Verb codes of ShellAction.
inline constexpr int kShellOpen = 4;

class Facilities {
 public:
  virtual ~Facilities() = default;

  // The whole file named by a code page 936 path; nothing when it cannot be
  // read (missing, a folder, no access).
  virtual std::optional<ByteBlock> ReadFileBytes(const GbkText& path) = 0;
  // Replaces the file's content with the blocks, or leaves the file exactly as
  // it was and gives false.
  virtual bool WriteFileBytes(const GbkText& path, std::span<const ByteBlock> blocks) = 0;

  // The clipboard's text as code page 936; nothing when it holds no text.
  virtual std::optional<GbkText> GetClipboardText() = 0;
  virtual bool SetClipboardText(const GbkText& text) = 0;

  // Shows the save (通用对话框1) or open (通用对话框2) dialog; true when the
  // user confirmed a file, which then becomes the dialog's file name.
  virtual bool ShowFileDialog(Control dialog) = 0;
  // The dialog's file-name property: the last file confirmed in it.
  virtual GbkText DialogFileName(Control dialog) = 0;

  // Starts the program; false when it cannot be started.
  virtual bool StartProgram(const GbkText& commandLine, bool wait) = 0;
  // The shell's verb on the target; the status is above 32 on success.
  virtual int ShellAction(int verb, const GbkText& target) = 0;
};

}  // namespace yanqi
