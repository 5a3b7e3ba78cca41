// Finds a needle in a haystack where it begins on a unit boundary of the walk
// that starts at the first boundary asked for. Searches from successive
// boundaries (each the end of the previous match) make one pass over the
// haystack, whatever the needle.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/BoundaryScan.h"

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

  // The number of matches FindFrom would give one after another from
  // `boundary`, each search going on from the end of the last match; the end
  // of the last match (or `boundary`) goes to lastMatchEnd.
  std::size_t CountFrom(std::size_t boundary, std::size_t* lastMatchEnd);

 private:
  std::size_t FindByWalking(std::size_t boundary);
  std::size_t FindByScanningBlocks(std::size_t boundary);
  template <typename OnMatch>
  void ScanBlocks(std::size_t boundary, OnMatch&& onMatch);
  void StartScan(std::size_t boundary);
  unit::BlockMasks LoadMasks(std::size_t blockStart) const;

  std::string_view haystack_;
  std::string_view needle_;
  // Folded copies, for a search that ignores case.
  std::string foldedHaystack_;
  std::string foldedNeedle_;
  std::string_view searchedHaystack_;
  std::string_view searchedNeedle_;

  // The block scan serves needles that start with a byte below 0x80. When the
  // needle also ends on a unit boundary of its own (every ASCII needle does),
  // the boundaries after a match are those of the plain walk, so the scan
  // carries on where it stopped instead of starting again.
  bool scansBlocks_ = false;
  bool scanCarriesOn_ = false;
  bool scanStarted_ = false;
  std::size_t blockStart_ = 0;
  std::uint64_t blockStarts_ = 0;  // places in the block where the needle's first byte starts a unit
  unit::OddRunEnds oddRunEnds_;
};

}  // namespace yanqi
