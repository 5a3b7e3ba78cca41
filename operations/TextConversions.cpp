#include "operations/CharacterOperations.h"
#include "text/AmountInCapitals.h"
#include "text/ChineseConversion.h"
#include "text/Numbers.h"
#include "text/Rewriting.h"

namespace yanqi {

void FindAndReplace(WindowModel& window) {
  const GbkText text = window.GetText(Control::编辑框1);
  const GbkText find = window.GetText(Control::编辑框3);
  const GbkText replacement = window.GetText(Control::编辑框4);
  window.SetText(Control::编辑框2, Substitute(text, find, replacement, 1, std::nullopt, true));
}

void ConvertToTraditional(WindowModel& window) {
  window.SetText(Control::编辑框2, ToTraditional(window.GetText(Control::编辑框1)));
}

void ConvertToSimplified(WindowModel& window) {
  window.SetText(Control::编辑框2, ToSimplified(window.GetText(Control::编辑框1)));
}

void AmountToCapitals(WindowModel& window) {
  const double amount = ParseNumber(TrimBoth(window.GetText(Control::编辑框1)));
  window.SetText(Control::编辑框2, AmountInCapitals(amount, false));
}

}  // namespace yanqi
