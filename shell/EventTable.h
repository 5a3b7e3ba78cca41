// The table that binds events of the window's controls to operations. The Qt
// window connects its buttons and timer from it; the batch tool looks the
// operations up in it by name. A new operation is one function and one row.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "shell/WindowModel.h"

namespace yanqi {

enum class Event { Click, Periodic };

using Operation = void (*)(WindowModel&);

struct EventBinding {
  Control control;
  Event event;
  std::string_view operation;  // the operation's name, as yanqi-batch takes it
  Operation run;
  bool inBatch;  // whether yanqi-batch offers it (not the dialogs, clipboard and launchers)
};

std::span<const EventBinding> EventTable();

// The binding of the named operation, or nothing when no event runs it.
std::optional<EventBinding> FindOperation(std::string_view name);

// The same for the operations yanqi-batch offers.
std::optional<EventBinding> FindBatchOperation(std::string_view name);

}  // namespace yanqi
