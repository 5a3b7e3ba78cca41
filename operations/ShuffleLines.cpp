#include "operations/LineOperations.h"
#include "operations/LineWriting.h"
#include "text/Random.h"

namespace yanqi {

void ShuffleLines(WindowModel& window) {
  window.SetText(Control::编辑框2, {});
  TextList lines = LinesOf(window.GetText(Control::编辑框1));
  RandomSeed();
  // Every position, in order, is exchanged with one drawn from the whole
  // range; draws never exceed 32768, so longer texts only mix with their start.
  const std::int32_t count = lines.Count();
  for (std::int32_t i = 1; i <= count; ++i) lines.Exchange(i, RandomBetween(1, count));
  AppendLines(window, Control::编辑框2, lines.Elements());
}

}  // namespace yanqi
