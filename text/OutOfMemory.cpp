// Replaces the global allocation functions of a program, so that memory
// exhaustion anywhere ends in the fatal error report "分配 %d 字节内存失败!"
// with the size that was asked for, instead of an uncaught exception.
#include <cstdlib>
#include <new>

#include "text/FatalError.h"

void* operator new(std::size_t size) {
  const std::size_t asked = size == 0 ? 1 : size;
  for (;;) {
    if (void* memory = std::malloc(asked)) return memory;
    if (std::new_handler handler = std::get_new_handler()) {
      handler();
    } else {
      yanqi::RaiseOutOfMemory(size);
    }
  }
}

void* operator new[](std::size_t size) { return ::operator new(size); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size == 0 ? 1 : size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size == 0 ? 1 : size); }

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
