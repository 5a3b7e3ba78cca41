// yanqi-batch: the operations of the window, run on files without a screen.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "shell/FileBytes.h"
#include "text/FatalError.h"
#include "text/Slicing.h"

namespace {

constexpr int kUsageExitCode = 2;
constexpr int kOutputFailedExitCode = 1;

int UsageFailure(const std::string& message) {
  const std::string line = "yanqi-batch: " + message + " (see yanqi-batch --help)\n";
  yanqi::WriteAllBytes(STDERR_FILENO, line);
  return kUsageExitCode;
}

// Large input files are mapped rather than copied; one that another program
// cuts short meanwhile makes its missing pages raise SIGBUS.
void ReportInputChanged(int) {
  static const char kMessage[] = "yanqi-batch: an input file was cut short while it was being read\n";
  [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
  ::_exit(kUsageExitCode);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace yanqi;
  using namespace yanqi::batch;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  BatchOptions options;
  try {
    options = ParseBatchOptions(arguments);
  } catch (const UsageError& error) {
    return UsageFailure(error.what());
  }
  if (options.help) return WriteAllBytes(STDOUT_FILENO, BatchUsage()) ? 0 : kOutputFailedExitCode;

  struct sigaction inputChanged {};
  inputChanged.sa_handler = ReportInputChanged;
  ::sigaction(SIGBUS, &inputChanged, nullptr);

  SetFatalErrorHandler([&options](const FatalError& error) {
    WriteAllBytes(STDERR_FILENO, ToOutputEncoding(TextToBytes(FatalErrorReport(error)), options).Bytes());
    std::_Exit(kFatalExitCode);
  });

  ByteBlock output;
  try {
    output = RunBatch(options);
  } catch (const UsageError& error) {
    return UsageFailure(error.what());
  }
  // One write loop instead of stdio: a 100 MB result leaves in large blocks.
  if (!WriteAllBytes(STDOUT_FILENO, output.Bytes())) {
    const std::string line = std::string("yanqi-batch: cannot write standard output: ") + std::strerror(errno) + "\n";
    yanqi::WriteAllBytes(STDERR_FILENO, line);
    return kOutputFailedExitCode;
  }
  return 0;
}
