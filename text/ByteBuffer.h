// A writable buffer for building large texts and blocks: its bytes are not
// cleared before they are written, and when done it becomes the shared
// storage of a text or block without a copy.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>

#include "text/GbkText.h"

namespace yanqi {

class ByteBuffer {
 public:
  ByteBuffer() = default;
  explicit ByteBuffer(std::size_t capacity) { Reserve(capacity); }

  // Room for `capacity` bytes; the bytes written so far are kept.
  void Reserve(std::size_t capacity);
  // Asks the system for huge pages for this buffer: a large buffer then takes
  // a few hundred page faults instead of tens of thousands.
  void PreferHugePages();

  char* Data() { return data_.get(); }
  std::size_t Size() const { return size_; }
  std::size_t Capacity() const { return capacity_; }
  // The first `size` bytes (within the capacity) are the content.
  void SetSize(std::size_t size) { size_ = size; }

  // The content as shared storage; the buffer is empty afterwards.
  SharedBytes Share() &&;

 private:
  std::unique_ptr<char[]> data_;
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
};

}  // namespace yanqi
