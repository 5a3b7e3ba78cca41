#include "batch/BatchRun.h"

#include <variant>

#include "shell/EventTable.h"
#include "shell/FileBytes.h"
#include "shell/HeadlessWindow.h"
#include "text/GbkCodec.h"
#include "text/Random.h"
#include "text/SystemClock.h"

namespace yanqi::batch {
namespace {

void CheckEncodingIsKnown(const BatchOptions& options) {
  if (!options.encoding) return;
  try {
    ConvertToGbk({}, *options.encoding);
  } catch (const UnknownEncoding&) {
    throw UsageError("unknown encoding '" + *options.encoding + "'");
  }
}

void FixClocks(const BatchOptions& options) {
  if (options.tickCount) {
    SetTickCountSource([tick = *options.tickCount] { return tick; });
  }
  if (options.clockTime) {
    SetSystemSecondsSource([seconds = *options.clockTime] { return seconds; });
  }
}

GbkText ReadBoxFile(const BoxFile& file, const BatchOptions& options) {
  auto bytes = ReadFileBytes(file.path);
  if (const auto* error = std::get_if<FileReadError>(&bytes)) {
    throw UsageError("cannot read '" + file.path + "': " + error->reason);
  }
  std::string& content = std::get<std::string>(bytes);
  // Positions and lengths of texts are 32-bit.
  if (content.size() > 0x7FFFFFFFu) throw UsageError("cannot read '" + file.path + "': larger than 2 GiB");
  if (options.encoding) content = ConvertToGbk(content, *options.encoding);
  return GbkText::FromOwned(std::move(content));
}

void RunOperations(HeadlessWindow& window, const BatchOptions& options) {
  for (const std::string& name : options.operations) {
    const std::optional<EventBinding> binding = FindOperation(name);
    // A click on a disabled button delivers nothing.
    if (binding->event == Event::Click && window.IsDisabled(binding->control)) continue;
    binding->run(window);
  }
}

std::string JoinMessages(const HeadlessWindow& window) {
  std::string joined;
  for (const ShownMessage& message : window.Messages()) {
    joined.append(message.text.Bytes());
    joined.push_back('\n');
  }
  return joined;
}

std::string ButtonStates(const HeadlessWindow& window) {
  const auto state = [&](Control button) { return window.IsDisabled(button) ? "disabled" : "enabled"; };
  return std::string("Scramble=") + state(Control::加密) + " Unscramble=" + state(Control::解密) + "\n";
}

std::string PrintedBytes(HeadlessWindow& window, PrintTarget target) {
  const auto box = [&](Control control) { return std::string(window.GetText(control).Bytes()); };
  switch (target) {
    case PrintTarget::Source: return box(Control::编辑框1);
    case PrintTarget::Result: return box(Control::编辑框2);
    case PrintTarget::Find: return box(Control::编辑框3);
    case PrintTarget::Replacement: return box(Control::编辑框4);
    case PrintTarget::Statistics: return std::string(window.Caption(Control::标签统计字数反馈).Bytes());
    case PrintTarget::Clock: return std::string(window.Caption(Control::标签2).Bytes());
    case PrintTarget::Messages: return JoinMessages(window);
    case PrintTarget::Buttons: return ButtonStates(window);
  }
  return {};
}

}  // namespace

std::string ToOutputEncoding(std::string gbk, const BatchOptions& options) {
  return options.encoding ? ConvertFromGbk(gbk, *options.encoding) : gbk;
}

std::string RunBatch(const BatchOptions& options) {
  CheckEncodingIsKnown(options);
  FixClocks(options);
  HeadlessWindow window;
  for (const BoxFile& file : options.boxFiles) window.SetText(file.box, ReadBoxFile(file, options));
  RunOperations(window, options);
  return ToOutputEncoding(PrintedBytes(window, options.print), options);
}

}  // namespace yanqi::batch
