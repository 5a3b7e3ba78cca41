#include "text/Search.h"

#include <algorithm>

#include "text/AlignedSearch.h"

namespace yanqi {

std::int32_t IndexOf(const GbkText& text, const GbkText& sub, std::optional<std::int32_t> start,
                     bool ignoreCase) {
  const std::size_t length = text.Size();
  const std::size_t from = WalkStartOffset(start);
  if (from >= length) return -1;
  if (sub.Empty()) return 1;
  const std::size_t found = AlignedSearch(text.Bytes(), sub.Bytes(), ignoreCase).FindFrom(from);
  return found == AlignedSearch::npos ? -1 : static_cast<std::int32_t>(found + 1);
}

}  // namespace yanqi
