// The buttons that work on the large boxes line by line. A line break is CR
// LF; a lone CR or LF is part of a line.
#pragma once

#include "shell/WindowModel.h"

namespace yanqi {

// 行数: shows "编辑框里一共：" N "行" for the lines of the source box.
void CountLines(WindowModel& window);

// 去尾部行: removes the CR LF pairs at the end of the result box, then of the source box.
void StripTrailingBreaks(WindowModel& window);

// 去空行: collapses runs of line breaks in the source box, then in the result
// box, and drops one break at each end while there is one at both.
void RemoveEmptyLines(WindowModel& window);

// 序号: puts each line's number, padded with spaces to the width of the
// largest, in front of the line in the source box.
void NumberLines(WindowModel& window);

// 1-1000: appends the lines 1 to 1000 to the source box.
void AppendSequence(WindowModel& window);

// 打乱段落: writes the source box's lines to the result box in a random order.
void ShuffleLines(WindowModel& window);

// 除重复文本: appends the first occurrence of each source line to the result box.
void RemoveDuplicateLines(WindowModel& window);

}  // namespace yanqi
