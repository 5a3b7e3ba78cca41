// Lines as the line operations read and write them: the pieces between CR LF
// pairs, written back each followed by CR LF.
#pragma once

#include <span>

#include "shell/WindowModel.h"
#include "text/GbkText.h"

namespace yanqi {

// "\r\n"
const GbkText& LineBreak();

// The lines of a box's text: SplitOn with CR LF.
TextList LinesOf(const GbkText& text);

// The lines, each followed by CR LF, as one text.
GbkText JoinLines(std::span<const GbkText> lines);

// Appends each line followed by CR LF. The lines are joined first and go to
// the box in one AppendText: the box ends with the same text as with one
// call per line, and a long list does not cost one insertion per line.
void AppendLines(WindowModel& window, Control box, std::span<const GbkText> lines);

}  // namespace yanqi
