// What every platform's facilities share: files opened by their native names,
// and the file-name property each of the two file dialogs keeps.
#pragma once

#include <array>

#include "shell/Facilities.h"
#include "shell/NativePaths.h"

namespace yanqi {

class NativeFacilities : public Facilities {
 public:
  std::optional<ByteBlock> ReadFileBytes(const GbkText& path) override { return ReadFileAtPath(path); }
  bool WriteFileBytes(const GbkText& path, std::span<const ByteBlock> blocks) override {
    return WriteFileAtPath(path, blocks);
  }
  GbkText DialogFileName(Control dialog) override { return FileName(dialog); }

 protected:
  // The property of 通用对话框1 (save) or 通用对话框2 (open).
  GbkText& FileName(Control dialog) { return fileNames_[dialog == Control::通用对话框1 ? 0 : 1]; }

 private:
  std::array<GbkText, 2> fileNames_;
};

}  // namespace yanqi
