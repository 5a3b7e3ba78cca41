// The main window as data: its settings and every control with its kind,
// name, place, size and caption. The Qt window is built from this table.
#pragma once

#include <array>
#include <string_view>

#include "shell/Controls.h"

namespace yanqi {

struct ControlDescription {
  Control control;
  ControlKind kind;
  std::u8string_view name;  // also the Qt object name
  int left, top, width, height;
  std::u8string_view caption;  // of buttons and labels; empty for the others
};

inline constexpr std::u8string_view kWindowTitle = u8"砚栖文本处理器1.0.0.8版本";
inline constexpr int kWindowOuterWidth = 1057;
inline constexpr int kWindowOuterHeight = 639;
inline constexpr int kClockPeriodMilliseconds = 1000;

const std::array<ControlDescription, kControlCount>& WindowControls();

const ControlDescription& Describe(Control control);

}  // namespace yanqi
