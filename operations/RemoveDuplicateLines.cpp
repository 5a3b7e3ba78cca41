#include "operations/LineOperations.h"
#include "operations/LineTable.h"
#include "operations/LineWriting.h"

namespace yanqi {

void RemoveDuplicateLines(WindowModel& window) {
  const TextList lines = LinesOf(window.GetText(Control::编辑框1));
  LineTable table(lines.Elements().size());
  table.AddAll(lines.Elements());
  AppendLines(window, Control::编辑框2, table.Keys());
}

}  // namespace yanqi
