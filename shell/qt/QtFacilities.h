// The facilities in the window: the system clipboard (Unicode here,
// converted with the lossless codec), Qt's file dialogs, the desktop's file
// manager and detached programs. Files are read and written as everywhere.
#pragma once

#include <array>

#include "shell/Facilities.h"

class QWidget;

namespace yanqi {

class QtFacilities : public Facilities {
 public:
  std::optional<ByteBlock> ReadFileBytes(const GbkText& path) override;
  bool WriteFileBytes(const GbkText& path, std::span<const ByteBlock> blocks) override;
  std::optional<GbkText> GetClipboardText() override;
  bool SetClipboardText(const GbkText& text) override;
  bool ShowFileDialog(Control dialog) override;
  GbkText DialogFileName(Control dialog) override;
  bool StartProgram(const GbkText& commandLine, bool wait) override;
  int ShellAction(int verb, const GbkText& target) override;

 private:
  std::array<GbkText, 2> fileNames_;  // 通用对话框1, 通用对话框2
};

}  // namespace yanqi
