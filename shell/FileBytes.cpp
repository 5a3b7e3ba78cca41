#include "shell/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace yanqi {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd, bool owned) : fd_(fd), owned_(owned) {}
  ~FileDescriptor() {
    if (owned_ && fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
  bool owned_;
};

FileReadError ErrorFromErrno() { return {std::strerror(errno)}; }

}  // namespace

std::variant<std::string, FileReadError> ReadFileBytes(const std::string& path) {
  const bool standardInput = path == "-";
  FileDescriptor file(standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC), !standardInput);
  if (file.Get() < 0) return ErrorFromErrno();

  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) return ErrorFromErrno();
  if (S_ISDIR(status.st_mode)) return FileReadError{"is a folder"};

  // A regular file is read into a buffer of its size; pipes grow the buffer as they go.
  std::string bytes;
  std::size_t filled = 0;
  bytes.resize(S_ISREG(status.st_mode) && status.st_size > 0 ? static_cast<std::size_t>(status.st_size) + 1
                                                              : 1 << 16);
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t got = ::read(file.Get(), bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      return ErrorFromErrno();
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace yanqi
