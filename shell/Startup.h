// What the window does when it is created and when files are dropped on the
// source box.
#pragma once

#include <span>

#include "shell/WindowModel.h"

namespace yanqi {

// Binds the drop target 拖放对象1 to the source box and sets the clock's period.
void InitialiseWindow(WindowModel& window);

// One dropped path as it is; two or more each followed by CR LF, in the order delivered.
GbkText JoinDroppedPaths(std::span<const GbkText> paths);

// Puts the dropped paths into the source box; the files are not opened.
void TakeDroppedPaths(WindowModel& window, const GbkText& paths);

}  // namespace yanqi
