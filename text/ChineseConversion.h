// Simplified and traditional Chinese characters, one two-byte code for
// another, by two fixed tables. No context is looked at and the length never
// changes.
#pragma once

#include "text/GbkText.h"

namespace yanqi {

GbkText ToTraditional(const GbkText& text);
GbkText ToSimplified(const GbkText& text);

}  // namespace yanqi
