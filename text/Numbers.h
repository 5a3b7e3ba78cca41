// Numbers as texts and the few numeric utilities the operations need.
// Integers are 32-bit signed, reals IEEE 754 doubles.
#pragma once

#include <cstdint>
#include <vector>

#include "text/GbkText.h"

namespace yanqi {

// The decimal number at the start of the narrowed text (blanks skipped, an
// optional sign, digits with an optional point, an optional exponent after
// e, E, d or D), as the nearest real; 0 where no number begins.
double ParseNumber(const GbkText& text);

// Decimal digits, with a minus sign when negative.
GbkText FormatNumber(std::int32_t value);

// The value as an unsigned 32-bit number in upper-case hexadecimal, no leading zeros.
GbkText HexOf(std::int32_t value);

// a - b * trunc(a / b), exact; a zero divisor is a fatal error.
double Remainder(double dividend, double divisor);

// The low 8 bits of the two's-complement form.
constexpr std::int32_t ByteOf(std::int32_t value) { return value & 0xFF; }

void SortAscending(std::vector<std::int32_t>& values, bool ascending = true);

}  // namespace yanqi
