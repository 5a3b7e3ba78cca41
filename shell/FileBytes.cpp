#include "shell/FileBytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <memory>

#include "text/ByteBuffer.h"

namespace yanqi {
namespace {

// Closes the descriptor it was given, if one was opened.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

FileReadError ErrorFromErrno() { return {std::strerror(errno)}; }

// Files from this size on are mapped when the caller allows it.
constexpr std::size_t kMapFrom = std::size_t{1} << 20;

// The file's pages as they are in the page cache, without a copy.
std::variant<ByteBlock, FileReadError> MapFile(int fd, std::size_t size) {
  void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  if (mapped == MAP_FAILED) return ErrorFromErrno();
  std::shared_ptr<const void> owner(mapped, [size](const void* region) { ::munmap(const_cast<void*>(region), size); });
  return ByteBlock(SharedBytes(std::move(owner), std::string_view(static_cast<const char*>(mapped), size)));
}

// Reads the descriptor to its end: regular files into a buffer of their size
// (plus one byte, to see that they did not grow meanwhile), pipes into a
// buffer that grows as they go.
std::variant<ByteBlock, FileReadError> ReadAll(int fd, const struct stat& status) {
  // Huge pages turn the 25,000 page faults of a 100 MB file into 50.
  ByteBuffer buffer(S_ISREG(status.st_mode) ? static_cast<std::size_t>(status.st_size) + 1 : std::size_t{1} << 16);
  buffer.PreferHugePages();
  for (;;) {
    if (buffer.Size() == buffer.Capacity()) {
      buffer.Reserve(buffer.Capacity() * 2);
      buffer.PreferHugePages();
    }
    const ssize_t got = ::read(fd, buffer.Data() + buffer.Size(), buffer.Capacity() - buffer.Size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return ErrorFromErrno();
    }
    if (got == 0) break;
    buffer.SetSize(buffer.Size() + static_cast<std::size_t>(got));
  }
  return ByteBlock(std::move(buffer).Share());
}

}  // namespace

std::variant<ByteBlock, FileReadError> ReadWholeFile(const std::string& path, FileAccess access) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) return ErrorFromErrno();
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) return ErrorFromErrno();
  if (S_ISDIR(status.st_mode)) return FileReadError{"is a folder"};
  if (access == FileAccess::MapWhenLarge && S_ISREG(status.st_mode) &&
      static_cast<std::size_t>(status.st_size) >= kMapFrom) {
    return MapFile(file.Get(), static_cast<std::size_t>(status.st_size));
  }
  return ReadAll(file.Get(), status);
}

std::variant<ByteBlock, FileReadError> ReadStandardInput() {
  struct stat status {};
  if (::fstat(STDIN_FILENO, &status) != 0) return ErrorFromErrno();
  if (S_ISDIR(status.st_mode)) return FileReadError{"is a folder"};
  return ReadAll(STDIN_FILENO, status);
}

bool WriteAllBytes(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

namespace {

bool WriteBlocks(int fd, std::span<const ByteBlock> blocks) {
  for (const ByteBlock& block : blocks) {
    if (!WriteAllBytes(fd, block.Bytes())) return false;
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Where a write really goes: through a symbolic link to the file it names.
std::string ResolvedTarget(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved) return path;  // a new file: written where it is named
  std::string target(resolved);
  std::free(resolved);
  return target;
}

bool WriteInPlace(const std::string& path, std::span<const ByteBlock> blocks) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  return file.Get() >= 0 && WriteBlocks(file.Get(), blocks);
}

}  // namespace

bool WriteWholeFile(const std::string& path, std::span<const ByteBlock> blocks) {
  if (path.empty()) return false;
  const std::string target = ResolvedTarget(path);
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return false;

  std::string temporary = FolderOf(target) + "/.yanqi-save-XXXXXX";
  FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.Get() < 0) {
    const bool writable = exists && ::access(target.c_str(), W_OK) == 0;
    return writable && WriteInPlace(target, blocks);
  }
  // The new file gets the old one's permissions, or those a new file would get.
  mode_t mode = existing.st_mode & 07777;
  if (!exists) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  const bool written = WriteBlocks(file.Get(), blocks) && ::fchmod(file.Get(), mode) == 0 &&
                       ::fdatasync(file.Get()) == 0 && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!written) ::unlink(temporary.c_str());
  return written;
}

}  // namespace yanqi
