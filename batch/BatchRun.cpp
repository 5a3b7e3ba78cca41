#include "batch/BatchRun.h"

#include <variant>

#include "shell/EventTable.h"
#include "shell/FileBytes.h"
#include "shell/HeadlessWindow.h"
#include "text/GbkCodec.h"
#include "text/Random.h"
#include "text/Slicing.h"
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
  auto bytes = file.path == "-" ? ReadStandardInput() : ReadWholeFile(file.path, FileAccess::MapWhenLarge);
  if (const auto* error = std::get_if<FileReadError>(&bytes)) {
    throw UsageError("cannot read '" + file.path + "': " + error->reason);
  }
  const ByteBlock& content = std::get<ByteBlock>(bytes);
  // Positions and lengths of texts are 32-bit.
  if (content.Size() > 0x7FFFFFFFu) throw UsageError("cannot read '" + file.path + "': larger than 2 GiB");
  if (options.encoding) return GbkText::FromOwned(ConvertToGbk(content.Bytes(), *options.encoding));
  return BytesToText(content);
}

void RunOperations(HeadlessWindow& window, const BatchOptions& options) {
  for (const std::string& name : options.operations) {
    const std::optional<EventBinding> binding = FindBatchOperation(name);
    // A click on a disabled button delivers nothing.
    if (binding->event == Event::Click && window.IsDisabled(binding->control)) continue;
    binding->run(window);
  }
}

ByteBlock JoinMessages(const HeadlessWindow& window) {
  std::string joined;
  for (const ShownMessage& message : window.Messages()) {
    joined.append(message.text.Bytes());
    joined.push_back('\n');
  }
  return ByteBlock::FromOwned(std::move(joined));
}

ByteBlock ButtonStates(const HeadlessWindow& window) {
  const auto state = [&](Control button) { return window.IsDisabled(button) ? "disabled" : "enabled"; };
  return ByteBlock(std::string("Scramble=") + state(Control::加密) + " Unscramble=" + state(Control::解密) + "\n");
}

// The printed control's bytes, shared with the window rather than copied.
ByteBlock PrintedBytes(HeadlessWindow& window, PrintTarget target) {
  switch (target) {
    case PrintTarget::Source: return TextToBytes(window.GetText(Control::编辑框1));
    case PrintTarget::Result: return TextToBytes(window.GetText(Control::编辑框2));
    case PrintTarget::Find: return TextToBytes(window.GetText(Control::编辑框3));
    case PrintTarget::Replacement: return TextToBytes(window.GetText(Control::编辑框4));
    case PrintTarget::Statistics: return TextToBytes(window.Caption(Control::标签统计字数反馈));
    case PrintTarget::Clock: return TextToBytes(window.Caption(Control::标签2));
    case PrintTarget::Messages: return JoinMessages(window);
    case PrintTarget::Buttons: return ButtonStates(window);
  }
  return {};
}

}  // namespace

ByteBlock ToOutputEncoding(const ByteBlock& gbk, const BatchOptions& options) {
  return options.encoding ? ByteBlock::FromOwned(ConvertFromGbk(gbk.Bytes(), *options.encoding)) : gbk;
}

ByteBlock RunBatch(const BatchOptions& options) {
  CheckEncodingIsKnown(options);
  FixClocks(options);
  HeadlessWindow window;
  for (const BoxFile& file : options.boxFiles) window.SetText(file.box, ReadBoxFile(file, options));
  RunOperations(window, options);
  return ToOutputEncoding(PrintedBytes(window, options.print), options);
}

}  // namespace yanqi::batch
