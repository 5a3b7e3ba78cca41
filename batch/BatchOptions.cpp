#include "batch/BatchOptions.h"

#include <charconv>
#include <map>

#include "shell/EventTable.h"

namespace yanqi::batch {
namespace {

const std::map<std::string, Control, std::less<>> kBoxOptions = {
    {"--source", Control::编辑框1},
    {"--result", Control::编辑框2},
    {"--find", Control::编辑框3},
    {"--replacement", Control::编辑框4},
};

const std::map<std::string, PrintTarget, std::less<>> kPrintTargets = {
    {"source", PrintTarget::Source},         {"result", PrintTarget::Result},
    {"find", PrintTarget::Find},             {"replacement", PrintTarget::Replacement},
    {"statistics", PrintTarget::Statistics}, {"clock", PrintTarget::Clock},
    {"messages", PrintTarget::Messages},     {"buttons", PrintTarget::Buttons},
};

template <typename Integer>
Integer ParseInteger(const std::string& option, const std::string& value, const char* expected) {
  Integer number{};
  const char* end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, number);
  if (value.empty() || error != std::errc() || stop != end) {
    throw UsageError(option + " takes " + expected + ", not '" + value + "'");
  }
  return number;
}

}  // namespace

BatchOptions ParseBatchOptions(const std::vector<std::string>& arguments) {
  BatchOptions options;
  bool readsStandardInput = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (argument.size() < 2 || argument[0] != '-') {
      if (!FindBatchOperation(argument)) throw UsageError("unknown operation '" + argument + "'");
      options.operations.push_back(argument);
      continue;
    }
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= arguments.size()) throw UsageError("option " + argument + " needs an argument");
      return arguments[++i];
    };
    if (const auto box = kBoxOptions.find(argument); box != kBoxOptions.end()) {
      const std::string& path = value();
      if (path == "-") {
        if (readsStandardInput) throw UsageError("standard input ('-') can be given to one option only");
        readsStandardInput = true;
      }
      options.boxFiles.push_back({box->second, path});
    } else if (argument == "--tick-count") {
      options.tickCount = ParseInteger<std::uint32_t>(argument, value(), "an unsigned 32-bit number");
    } else if (argument == "--clock-time") {
      options.clockTime = ParseInteger<std::int64_t>(argument, value(), "a whole number of seconds");
    } else if (argument == "--encoding") {
      options.encoding = value();
    } else if (argument == "--print") {
      const std::string& what = value();
      const auto target = kPrintTargets.find(what);
      if (target == kPrintTargets.end()) {
        throw UsageError("--print takes source, result, find, replacement, statistics, clock, messages "
                         "or buttons, not '" + what + "'");
      }
      options.print = target->second;
    } else {
      throw UsageError("unknown option '" + argument + "'");
    }
  }
  if (!options.help && options.operations.empty()) throw UsageError("no operation given");
  return options;
}

std::string BatchUsage() {
  std::string operations;
  std::size_t lineLength = 0;
  for (const EventBinding& binding : EventTable()) {
    if (!binding.inBatch) continue;
    if (lineLength + binding.operation.size() > 90) {
      operations += "\n           ";
      lineLength = 0;
    }
    operations += ' ';
    operations += binding.operation;
    lineLength += binding.operation.size() + 1;
  }
  return "Usage: yanqi-batch [OPTIONS] OPERATION...\n"
         "Runs the named operations, in order, on one window without a screen, then writes one control's\n"
         "final bytes to standard output.\n"
         "\n"
         "  --source FILE        initial text of the source box 编辑框1 (the file's raw bytes, cut at the\n"
         "                       first 0x00); '-' reads standard input\n"
         "  --result FILE        initial text of the result box 编辑框2 (same rules)\n"
         "  --find FILE          initial text of the find box 编辑框3\n"
         "  --replacement FILE   initial text of the replacement box 编辑框4\n"
         "  --tick-count N       the millisecond tick count that RandomSeed reads (unsigned 32-bit);\n"
         "                       default: the real one\n"
         "  --clock-time SECONDS the system clock that CurrentDateTime reads, in seconds since\n"
         "                       1970-01-01 00:00:00 UTC, turned into local time by the TZ rules;\n"
         "                       default: the real clock\n"
         "  --encoding NAME      the encoding of the input files and of the output (any name ICU knows,\n"
         "                       e.g. utf-8); default: none, raw GBK bytes in and out\n"
         "  --print WHAT         what to write to standard output after the last operation:\n"
         "                         source | result | find | replacement  the box's bytes\n"
         "                         statistics   the caption of 标签统计字数反馈\n"
         "                         clock        the caption of 标签2\n"
         "                         messages     the text of every message box shown, each followed by LF\n"
         "                         buttons      \"Scramble=enabled Unscramble=disabled\" and a LF: the\n"
         "                                      states of 加密 and 解密\n"
         "                       default: result\n"
         "  --help               this text\n"
         "\n"
         "OPERATION:" + operations + "\n"
         "\n"
         "Each OPERATION is a click on its button; one whose button is disabled at that moment is\n"
         "skipped. Message boxes are answered at once with OK.\n"
         "Exit status: 0 on success, 2 on a usage error (nothing is written to standard output),\n"
         "255 on a fatal error (its report goes to standard error).\n";
}

}  // namespace yanqi::batch
