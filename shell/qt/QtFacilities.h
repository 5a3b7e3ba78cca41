// The facilities in the window: the system clipboard (Unicode here,
// converted with the lossless codec), Qt's file dialogs, the desktop's file
// manager and detached programs. Files are read and written as everywhere.
#pragma once

#include "shell/NativeFacilities.h"

class QWidget;

namespace yanqi {

class QtFacilities : public NativeFacilities {
 public:
  std::optional<GbkText> GetClipboardText() override;
  bool SetClipboardText(const GbkText& text) override;
  bool ShowFileDialog(Control dialog) override;
  bool StartProgram(const GbkText& commandLine, bool wait) override;
  int ShellAction(int verb, const GbkText& target) override;
};

}  // namespace yanqi
