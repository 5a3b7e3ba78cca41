// Whole files as raw bytes, read in one piece. No conversion of any kind.
#pragma once

#include <string>
#include <variant>

#include "text/GbkText.h"

namespace yanqi {

struct FileReadError {
  std::string reason;  // for the user: "No such file or directory", "is a folder", ...
};

enum class FileAccess {
  Copy,          // read into memory of the program's own
  MapWhenLarge,  // large regular files are mapped, not copied: much faster, but a
                 // file cut short while in use raises SIGBUS, which the caller handles
};

// The file's bytes; "-" reads standard input to its end.
std::variant<ByteBlock, FileReadError> ReadFileBytes(const std::string& path, FileAccess access = FileAccess::Copy);

}  // namespace yanqi
