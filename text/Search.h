// Searching a text for a subtext by the unit rule.
#pragma once

#include <cstdint>
#include <optional>

#include "text/GbkText.h"

namespace yanqi {

// The 1-based position of the first occurrence of `sub` at or after `start`
// (omitted, 0 or below: from the first byte) that begins on a unit boundary
// of the walk from `start`; -1 when there is none. An empty `sub` is found at
// position 1 whenever the searched part is not empty.
std::int32_t IndexOf(const GbkText& text, const GbkText& sub, std::optional<std::int32_t> start,
                     bool ignoreCase);

}  // namespace yanqi
