// Fatal errors: the program's only error report. The window program shows
// the report in a message box, the batch tool prints it to standard error;
// either way the program then ends at once with exit code -1 (255).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "text/GbkText.h"

namespace yanqi {

struct FatalError {
  std::optional<int> code;
  GbkText message;
};

inline constexpr int kFatalExitCode = 255;  // -1 as a process exit status

// "运行时出错!\r\n\r\n", then "错误代码：" code "\r\n\r\n" when there is a code,
// then "错误信息：" message "\r\n" when there is a message.
GbkText FatalErrorReport(const FatalError& error);

// The caption of the fatal error's message box, "错误".
GbkText FatalErrorCaption();

// Shows or prints the report. It must not return: it ends the program or
// (in tests) throws.
using FatalErrorHandler = std::function<void(const FatalError&)>;

// Installs the program's handler and returns the previous one. Without one,
// the report goes to standard error as code page 936 bytes.
FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler);

[[noreturn]] void RaiseFatalError(const FatalError& error);

// The fatal error for a failed request of `bytes` bytes: "分配 %d 字节内存失败!".
[[noreturn]] void RaiseOutOfMemory(std::size_t bytes);

}  // namespace yanqi
