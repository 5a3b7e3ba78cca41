#include "operations/LineOperations.h"
#include "operations/LineWriting.h"
#include "text/GbkCodec.h"
#include "text/Numbers.h"
#include "text/Rewriting.h"
#include "text/Slicing.h"

namespace yanqi {

void CountLines(WindowModel& window) {
  window.SetMultiLine(Control::编辑框1, true);
  const std::int32_t lines = CountSplitElements(window.GetText(Control::编辑框1), LineBreak());
  window.ShowMessage(Concat(Gbk(u8"编辑框里一共："), FormatNumber(lines), Gbk(u8"行")), kMessageExclamation);
}

}  // namespace yanqi
