#include "operations/LineOperations.h"
#include "operations/LineWriting.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

// The box ends as the pair-by-pair removal would leave it, written once.
void StripTrailingBreaksOf(WindowModel& window, Control box) {
  const GbkText original = window.GetText(box);
  GbkText text = original;
  while (CompareText(Tail(text, 2), LineBreak()) == 0) text = Head(text, ByteLength(text) - 2);
  if (text.Size() != original.Size()) window.SetText(box, text);
}

}  // namespace

void StripTrailingBreaks(WindowModel& window) {
  StripTrailingBreaksOf(window, Control::编辑框2);
  StripTrailingBreaksOf(window, Control::编辑框1);
}

}  // namespace yanqi
