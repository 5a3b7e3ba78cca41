// The command line of yanqi-batch.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/Controls.h"

namespace yanqi::batch {

// What to write to standard output after the last operation.
enum class PrintTarget { Source, Result, Find, Replacement, Statistics, Clock, Messages, Buttons };

struct BoxFile {
  Control box;
  std::string path;
};

struct BatchOptions {
  std::vector<BoxFile> boxFiles;  // in the order given
  std::optional<std::uint32_t> tickCount;
  std::optional<std::int64_t> clockTime;
  std::optional<std::string> encoding;
  PrintTarget print = PrintTarget::Result;
  std::vector<std::string> operations;
  bool help = false;
};

// A command line the tool cannot run; the message is one line for the user.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the arguments after the program name. Throws UsageError.
BatchOptions ParseBatchOptions(const std::vector<std::string>& arguments);

// The text of --help.
std::string BatchUsage();

}  // namespace yanqi::batch
