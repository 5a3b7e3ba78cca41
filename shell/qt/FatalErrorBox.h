// The window program's fatal error report: a message box without an owner,
// captioned "错误" with the error icon; when it is closed the program ends at
// once with exit code -1.
#pragma once

#include "text/FatalError.h"

namespace yanqi {

[[noreturn]] void ShowFatalErrorBox(const FatalError& error);

}  // namespace yanqi
