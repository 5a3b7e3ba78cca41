// Finds a needle in a haystack where it begins on a unit boundary of the walk
// that starts at the first boundary asked for. The raw occurrences come from
// memmem (linear in the worst case), and the walk only advances, so a whole
// scan costs one pass over the haystack whatever the needle.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace yanqi {

// The 0-based offset a search or substitution starts at: start - 1, and the
// first byte when start is omitted or 1 or below.
inline std::size_t WalkStartOffset(std::optional<std::int32_t> start) {
  return static_cast<std::size_t>(std::max<std::int64_t>(std::int64_t{start.value_or(0)} - 1, 0));
}

class AlignedSearch {
 public:
  static constexpr std::size_t npos = std::string_view::npos;

  // With foldCase, A-Z match a-z (the byte comparison's folding, applied to every byte).
  AlignedSearch(std::string_view haystack, std::string_view needle, bool foldCase);

  // The first occurrence at or after `boundary` that starts on a unit boundary;
  // `boundary` must itself be one (the start of the walk, or a value this
  // search returned plus the needle's length). npos when there is none.
  std::size_t FindFrom(std::size_t boundary);

 private:
  std::string_view haystack_;
  std::string_view needle_;
  std::string foldedHaystack_;
  std::string foldedNeedle_;
  std::string_view searchedHaystack_;
  std::string_view searchedNeedle_;
};

}  // namespace yanqi
