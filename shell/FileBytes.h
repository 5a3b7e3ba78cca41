// Whole files as raw bytes, read in one piece, and written atomically. No
// conversion of any kind. Paths here are native (UTF-8) paths.
#pragma once

#include <span>
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

// The file's bytes.
std::variant<ByteBlock, FileReadError> ReadWholeFile(const std::string& path, FileAccess access = FileAccess::Copy);

// Standard input to its end.
std::variant<ByteBlock, FileReadError> ReadStandardInput();

// Writes all the bytes to the descriptor, however many calls that takes.
bool WriteAllBytes(int fd, std::string_view bytes);

// Replaces the file's content with the blocks, one after the other, or
// leaves the file exactly as it was: the bytes go to a temporary file beside
// it, which then takes its place with its permissions. Where no temporary
// file can be made beside a writable file, the file itself is written.
bool WriteWholeFile(const std::string& path, std::span<const ByteBlock> blocks);

}  // namespace yanqi
