// yanqi-batch: the operations of the window, run on files without a screen.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "text/FatalError.h"

namespace {

constexpr int kUsageExitCode = 2;
constexpr int kOutputFailedExitCode = 1;

// One write loop instead of stdio, so that a 100 MB result leaves in large blocks.
bool WriteAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<std::size_t>(count);
  }
  return true;
}

int UsageFailure(const std::string& message) {
  const std::string line = "yanqi-batch: " + message + " (see yanqi-batch --help)\n";
  WriteAll(STDERR_FILENO, line);
  return kUsageExitCode;
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
  if (options.help) return WriteAll(STDOUT_FILENO, BatchUsage()) ? 0 : kOutputFailedExitCode;

  SetFatalErrorHandler([&options](const FatalError& error) {
    WriteAll(STDERR_FILENO, ToOutputEncoding(std::string(FatalErrorReport(error).Bytes()), options));
    std::_Exit(kFatalExitCode);
  });

  std::string output;
  try {
    output = RunBatch(options);
  } catch (const UsageError& error) {
    return UsageFailure(error.what());
  }
  if (!WriteAll(STDOUT_FILENO, output)) {
    const std::string line = std::string("yanqi-batch: cannot write standard output: ") + std::strerror(errno) + "\n";
    WriteAll(STDERR_FILENO, line);
    return kOutputFailedExitCode;
  }
  return 0;
}
