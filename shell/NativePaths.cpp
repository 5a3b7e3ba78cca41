#include "shell/NativePaths.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <variant>
#include <vector>

#include "shell/FileBytes.h"
#include "text/GbkCodec.h"

extern char** environ;

namespace yanqi {

std::string NativePath(const GbkText& path) { return ConvertFromGbk(path.Bytes(), "UTF-8"); }

std::optional<ByteBlock> ReadFileAtPath(const GbkText& path) {
  if (path.Empty()) return std::nullopt;
  auto bytes = ReadWholeFile(NativePath(path));
  if (std::holds_alternative<FileReadError>(bytes)) return std::nullopt;
  return std::get<ByteBlock>(std::move(bytes));
}

bool WriteFileAtPath(const GbkText& path, std::span<const ByteBlock> blocks) {
  return !path.Empty() && WriteWholeFile(NativePath(path), blocks);
}

bool SpawnProgram(const GbkText& commandLine) {
  const std::string line = NativePath(commandLine);
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t begin = line.find_first_not_of(' ', at);
    if (begin == std::string::npos) break;
    const std::size_t end = std::min(line.find(' ', begin), line.size());
    words.push_back(line.substr(begin, end - begin));
    at = end;
  }
  if (words.empty()) return false;
  std::vector<char*> arguments;
  for (std::string& word : words) arguments.push_back(word.data());
  arguments.push_back(nullptr);
  pid_t child = 0;
  if (::posix_spawnp(&child, arguments[0], nullptr, nullptr, arguments.data(), environ) != 0) return false;
  return true;
}

int FolderStatus(const GbkText& target) {
  struct stat status {};
  const bool isFolder = ::stat(NativePath(target).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
  return isFolder ? 42 : 2;
}

}  // namespace yanqi
