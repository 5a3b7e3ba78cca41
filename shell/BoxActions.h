// Actions on the two large boxes as a whole.
#pragma once

#include "shell/WindowModel.h"

namespace yanqi {

// Empties the result box, then the source box.
void ClearBoxes(WindowModel& window);

}  // namespace yanqi
