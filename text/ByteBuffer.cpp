#include "text/ByteBuffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace yanqi {

void ByteBuffer::Reserve(std::size_t capacity) {
  if (capacity <= capacity_) return;
  std::unique_ptr<char[]> larger(new char[capacity]);
  if (size_ > 0) std::memcpy(larger.get(), data_.get(), size_);
  data_ = std::move(larger);
  capacity_ = capacity;
}

void ByteBuffer::PreferHugePages() {
  constexpr std::uintptr_t kHugePage = 2u << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(data_.get());
  const std::uintptr_t begin = (start + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t end = (start + capacity_) & ~(kHugePage - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

SharedBytes ByteBuffer::Share() && {
  const std::string_view bytes(data_.get(), size_);
  SharedBytes shared(std::shared_ptr<const char[]>(data_.release()), bytes);
  capacity_ = size_ = 0;
  return shared;
}

}  // namespace yanqi
