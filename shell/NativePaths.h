// The file facilities shared by every platform: code page 936 paths opened by
// their native (UTF-8) names, contents as raw bytes.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "text/GbkText.h"

namespace yanqi {

// The UTF-8 name of a code page 936 path.
std::string NativePath(const GbkText& path);

std::optional<ByteBlock> ReadFileAtPath(const GbkText& path);
bool WriteFileAtPath(const GbkText& path, std::span<const ByteBlock> blocks);

// Starts the program named by the command line (its first word, split at
// blanks; the name is not searched for in PATH when it holds a slash) and
// returns at once; false when it cannot be started.
bool SpawnProgram(const GbkText& commandLine);

// Whether the shell could open the target as a folder: 42 for a folder that
// exists, 2 (file not found) otherwise, as the platform's shell reports.
int FolderStatus(const GbkText& target);

}  // namespace yanqi
