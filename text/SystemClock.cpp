#include "text/SystemClock.h"

#include <time.h>

namespace yanqi {
namespace {

std::int64_t RealSystemSeconds() { return static_cast<std::int64_t>(::time(nullptr)); }

// Milliseconds since boot, suspended time included, wrapping at 2^32 like the
// platform's tick count.
std::uint32_t RealTickCount() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const std::uint64_t milliseconds =
      static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000u;
  return static_cast<std::uint32_t>(milliseconds);
}

SecondsSource& SecondsReader() {
  static SecondsSource reader = RealSystemSeconds;
  return reader;
}

TickCountSource& TickCountReader() {
  static TickCountSource reader = RealTickCount;
  return reader;
}

}  // namespace

std::int64_t ReadSystemSeconds() { return SecondsReader()(); }
std::uint32_t ReadTickCount() { return TickCountReader()(); }

void SetSystemSecondsSource(SecondsSource source) {
  SecondsReader() = source ? std::move(source) : RealSystemSeconds;
}

void SetTickCountSource(TickCountSource source) {
  TickCountReader() = source ? std::move(source) : RealTickCount;
}

}  // namespace yanqi
