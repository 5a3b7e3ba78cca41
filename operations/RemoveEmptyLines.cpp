#include <string>

#include "operations/LineOperations.h"
#include "operations/LineWriting.h"
#include "text/AlignedSearch.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

// What substituting "\r\n\r\n" by "\r\n" until none is left gives, in one
// pass: each run of adjacent line breaks that the unit walk sees becomes one.
// (Every substitution pass halves such runs and never joins two of them.)
GbkText CollapseBreakRuns(const GbkText& text) {
  const std::string_view bytes = text.Bytes();
  AlignedSearch search(bytes, LineBreak().Bytes(), false);
  std::string result;
  bool leftOutAny = false;
  std::size_t copiedUpTo = 0;
  std::size_t previousBreakEnd = AlignedSearch::npos;
  for (std::size_t found, walk = 0; (found = search.FindFrom(walk)) != AlignedSearch::npos; walk = found + 2) {
    if (found == previousBreakEnd) {  // directly after the previous break: left out
      if (!leftOutAny) result.reserve(bytes.size());
      result.append(bytes, copiedUpTo, found - copiedUpTo);
      copiedUpTo = found + 2;
      leftOutAny = true;
    }
    previousBreakEnd = found + 2;
  }
  if (!leftOutAny) return text;
  result.append(bytes, copiedUpTo);
  return GbkText::FromOwned(std::move(result));
}

void RemoveEmptyLinesOf(WindowModel& window, Control box) {
  const GbkText original = window.GetText(box);
  GbkText text = CollapseBreakRuns(original);
  // A break at both ends: drop the first two bytes, then the last two.
  while (CompareText(Head(text, 2), LineBreak()) == 0 && CompareText(Tail(text, 2), LineBreak()) == 0) {
    text = Tail(text, ByteLength(text) - 2);
    text = Head(text, ByteLength(text) - 2);
  }
  // Both steps only shorten the text, so an equal length means nothing changed.
  if (text.Size() != original.Size()) window.SetText(box, text);
}

}  // namespace

void RemoveEmptyLines(WindowModel& window) {
  RemoveEmptyLinesOf(window, Control::编辑框1);
  RemoveEmptyLinesOf(window, Control::编辑框2);
}

}  // namespace yanqi
