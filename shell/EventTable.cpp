#include "shell/EventTable.h"

#include <array>

#include "shell/BoxActions.h"
#include "shell/Clock.h"

namespace yanqi {
namespace {

using C = Control;

constexpr std::array kBindings = {
    EventBinding{C::时钟1, Event::Periodic, "RefreshClock", RefreshClock},
    EventBinding{C::_清空, Event::Click, "ClearBoxes", ClearBoxes},
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
