// Whole files as raw bytes, read in one piece. No conversion of any kind.
#pragma once

#include <string>
#include <variant>

namespace yanqi {

struct FileReadError {
  std::string reason;  // for the user: "no such file", "is a folder", ...
};

// The file's bytes; "-" reads standard input to its end.
std::variant<std::string, FileReadError> ReadFileBytes(const std::string& path);

}  // namespace yanqi
