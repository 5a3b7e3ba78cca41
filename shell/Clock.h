// The clock label: refreshed by every tick of 时钟1.
#pragma once

#include "shell/WindowModel.h"

namespace yanqi {

// 标签2 shows "现在时间：" and the current date and time.
void RefreshClock(WindowModel& window);

}  // namespace yanqi
