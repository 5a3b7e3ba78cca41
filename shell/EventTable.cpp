#include "shell/EventTable.h"

#include <array>

#include "operations/LineOperations.h"
#include "shell/BoxActions.h"
#include "shell/Clock.h"

namespace yanqi {
namespace {

using C = Control;

// In the order of yanqi-batch's list of operations.
constexpr std::array kBindings = {
    EventBinding{C::_行数, Event::Click, "CountLines", CountLines},
    EventBinding{C::_去尾部行, Event::Click, "StripTrailingBreaks", StripTrailingBreaks},
    EventBinding{C::_去空行, Event::Click, "RemoveEmptyLines", RemoveEmptyLines},
    EventBinding{C::_序号, Event::Click, "NumberLines", NumberLines},
    EventBinding{C::_生成序号, Event::Click, "AppendSequence", AppendSequence},
    EventBinding{C::_打乱段落, Event::Click, "ShuffleLines", ShuffleLines},
    EventBinding{C::_除重复文本, Event::Click, "RemoveDuplicateLines", RemoveDuplicateLines},
    EventBinding{C::_清空, Event::Click, "ClearBoxes", ClearBoxes},
    EventBinding{C::时钟1, Event::Periodic, "RefreshClock", RefreshClock},
};

}  // namespace

std::span<const EventBinding> EventTable() { return kBindings; }

std::optional<EventBinding> FindOperation(std::string_view name) {
  for (const EventBinding& binding : kBindings) {
    if (binding.operation == name) return binding;
  }
  return std::nullopt;
}

}  // namespace yanqi
