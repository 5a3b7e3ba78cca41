#include "shell/Clock.h"

#include "text/DateTime.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {

void RefreshClock(WindowModel& window) {
  static const GbkText kPrefix = Gbk(u8"现在时间：");
  window.SetCaption(Control::标签2, Concat(kPrefix, FormatDateTime(CurrentDateTime())));
}

}  // namespace yanqi
