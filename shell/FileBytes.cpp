#include "shell/FileBytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

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

// A buffer that is not cleared before it is filled. Large ones ask for huge
// pages, which turns the 25,000 page faults of a 100 MB file into 50.
class ReadBuffer {
 public:
  void Reserve(std::size_t capacity) {
    if (capacity <= capacity_) return;
    std::unique_ptr<char[]> larger(new char[capacity]);
    PreferHugePages(larger.get(), capacity);
    if (filled_ > 0) std::memcpy(larger.get(), data_.get(), filled_);
    data_ = std::move(larger);
    capacity_ = capacity;
  }
  char* End() { return data_.get() + filled_; }
  std::size_t Room() const { return capacity_ - filled_; }
  std::size_t Capacity() const { return capacity_; }
  void Filled(std::size_t count) { filled_ += count; }

  ByteBlock Finish() && {
    const std::string_view bytes(data_.get(), filled_);
    return ByteBlock(SharedBytes(std::shared_ptr<const char[]>(data_.release()), bytes));
  }

 private:
  static void PreferHugePages(char* data, std::size_t size) {
    constexpr std::uintptr_t kHugePage = 2u << 20;
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kHugePage - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
  }

  std::unique_ptr<char[]> data_;
  std::size_t capacity_ = 0;
  std::size_t filled_ = 0;
};

constexpr std::size_t kMapFrom = std::size_t{1} << 20;

// The file's pages as they are in the page cache, without a copy.
std::variant<ByteBlock, FileReadError> MapFile(int fd, std::size_t size) {
  void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  if (mapped == MAP_FAILED) return ErrorFromErrno();
  std::shared_ptr<const void> owner(mapped, [size](const void* region) { ::munmap(const_cast<void*>(region), size); });
  return ByteBlock(SharedBytes(std::move(owner), std::string_view(static_cast<const char*>(mapped), size)));
}

}  // namespace

std::variant<ByteBlock, FileReadError> ReadFileBytes(const std::string& path, FileAccess access) {
  const bool standardInput = path == "-";
  FileDescriptor file(standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC), !standardInput);
  if (file.Get() < 0) return ErrorFromErrno();

  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) return ErrorFromErrno();
  if (S_ISDIR(status.st_mode)) return FileReadError{"is a folder"};
  if (access == FileAccess::MapWhenLarge && S_ISREG(status.st_mode) &&
      static_cast<std::size_t>(status.st_size) >= kMapFrom) {
    return MapFile(file.Get(), static_cast<std::size_t>(status.st_size));
  }

  // A regular file is read into a buffer of its size (plus one byte, to see
  // that it did not grow meanwhile); pipes grow the buffer as they go.
  ReadBuffer buffer;
  buffer.Reserve(S_ISREG(status.st_mode) ? static_cast<std::size_t>(status.st_size) + 1 : std::size_t{1} << 16);
  for (;;) {
    if (buffer.Room() == 0) buffer.Reserve(buffer.Capacity() * 2);
    const ssize_t got = ::read(file.Get(), buffer.End(), buffer.Room());
    if (got < 0) {
      if (errno == EINTR) continue;
      return ErrorFromErrno();
    }
    if (got == 0) break;
    buffer.Filled(static_cast<std::size_t>(got));
  }
  return std::move(buffer).Finish();
}

}  // namespace yanqi
