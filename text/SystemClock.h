// The two readings of the system that the primitives depend on: the wall
// clock (seconds since 1970-01-01 UTC) and the millisecond tick count since
// the system started. Both can be replaced, so that the batch tool and the
// tests can fix them.
#pragma once

#include <cstdint>
#include <functional>

namespace yanqi {

using SecondsSource = std::function<std::int64_t()>;
using TickCountSource = std::function<std::uint32_t()>;

std::int64_t ReadSystemSeconds();
std::uint32_t ReadTickCount();

// An empty function restores the real reading.
void SetSystemSecondsSource(SecondsSource source);
void SetTickCountSource(TickCountSource source);

}  // namespace yanqi
