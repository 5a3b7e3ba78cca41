#include "shell/Startup.h"

#include "operations/LineWriting.h"
#include "shell/WindowDescription.h"

namespace yanqi {

void InitialiseWindow(WindowModel& window) {
  const std::int32_t sourceBox = window.NativeHandle(Control::编辑框1);
  (void)window.BindDropTarget(Control::拖放对象1, sourceBox);  // a refusal only means no drops
  window.SetPeriod(Control::时钟1, kClockPeriodMilliseconds);
}

GbkText JoinDroppedPaths(std::span<const GbkText> paths) {
  return paths.size() == 1 ? paths.front() : JoinLines(paths);
}

void TakeDroppedPaths(WindowModel& window, const GbkText& paths) { window.SetText(Control::编辑框1, paths); }

}  // namespace yanqi
