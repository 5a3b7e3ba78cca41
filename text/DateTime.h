// Dates as OLE Automation day counts: days since 1899-12-30 00:00:00 local
// time, the fraction being the time of day.
#pragma once

#include "text/GbkText.h"

namespace yanqi {

using DateTime = double;

inline constexpr DateTime kEarliestDateTime = -657434;  // 0100-01-01
inline constexpr DateTime kLatestDateTime = 2958465;    // 9999-12-31

// "%d年%d月%d日", then the time down to its last non-zero part:
// "%d时%d分%d秒", "%d时%d分", "%d时", or nothing at midnight.
GbkText FormatDateTime(DateTime value);

// The system clock to the whole second, as local time by the TZ rules.
DateTime CurrentDateTime();

}  // namespace yanqi
