// The programs' allocation functions turn exhaustion into the fatal error
// with the size that was asked for.
#include <gtest/gtest.h>

#include <limits>
#include <new>

#include "text/FatalError.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

struct Raised {
  FatalError error;
};

TEST(OutOfMemory, IsTheFatalErrorWithTheRequestedSize) {
  const FatalErrorHandler previous =
      SetFatalErrorHandler([](const FatalError& error) { throw Raised{error}; });
  const std::size_t huge = std::numeric_limits<std::size_t>::max() / 4;
  try {
    // Kept where the optimiser cannot see through it, so the request is really made.
    static char* volatile memory;
    memory = new char[huge];
    delete[] memory;
    ADD_FAILURE() << "the allocation succeeded";
  } catch (const Raised& raised) {
    EXPECT_EQ(raised.error.code, std::nullopt);
    EXPECT_EQ(raised.error.message, Concat(Gbk(u8"分配 "), std::to_string(huge), Gbk(u8" 字节内存失败!")));
  }
  SetFatalErrorHandler(previous);
}

}  // namespace
}  // namespace yanqi
