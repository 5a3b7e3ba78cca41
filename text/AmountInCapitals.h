// A real number written as a money amount in Chinese numerals: yuan, jiao
// and fen, with 零 and 整 where the bookkeeping custom puts them.
#pragma once

#include "text/GbkText.h"

namespace yanqi {

// The capital numerals 零壹贰叁… when everyday is false, 零一二三… when true.
// Amounts of 10^13 yuan and more (and infinite ones) give 溢出.
GbkText AmountInCapitals(double value, bool everyday);

}  // namespace yanqi
