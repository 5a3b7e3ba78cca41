#include "shell/Startup.h"

#include <string>

#include "shell/WindowDescription.h"

namespace yanqi {

void InitialiseWindow(WindowModel& window) {
  const std::int32_t sourceBox = window.NativeHandle(Control::编辑框1);
  (void)window.BindDropTarget(Control::拖放对象1, sourceBox);  // a refusal only means no drops
  window.SetPeriod(Control::时钟1, kClockPeriodMilliseconds);
}

GbkText JoinDroppedPaths(std::span<const GbkText> paths) {
  if (paths.size() == 1) return paths.front();
  std::string joined;
  for (const GbkText& path : paths) {
    joined.append(path.Bytes());
    joined.append("\r\n");
  }
  return GbkText::FromOwned(std::move(joined));
}

void TakeDroppedPaths(WindowModel& window, const GbkText& paths) { window.SetText(Control::编辑框1, paths); }

}  // namespace yanqi
