#include "shell/BoxActions.h"

namespace yanqi {

void ClearBoxes(WindowModel& window) {
  window.SetText(Control::编辑框2, {});
  window.SetText(Control::编辑框1, {});
}

}  // namespace yanqi
