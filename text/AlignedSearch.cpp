#include "text/AlignedSearch.h"

#include <cstring>

#include "text/UnitRule.h"

namespace yanqi {
namespace {

std::string Folded(std::string_view bytes) {
  std::string folded(bytes);
  for (char& byte : folded) byte = unit::FoldCase(byte);
  return folded;
}

bool MatchesAt(std::string_view haystack, std::size_t at, std::string_view needle) {
  if (needle.size() > haystack.size() - at) return false;
  // The second byte first: a line break is settled without a call.
  if (needle.size() == 1) return true;
  if (haystack[at + 1] != needle[1]) return false;
  return needle.size() == 2 || std::memcmp(haystack.data() + at + 2, needle.data() + 2, needle.size() - 2) == 0;
}

// Short needles are found fastest by memchr on their first byte; their check
// costs a few bytes, so the scan stays linear. Longer ones go to memmem, whose
// two-way search is linear whatever the needle.
constexpr std::size_t kShortNeedle = 8;

std::size_t RawFind(std::string_view haystack, std::string_view needle, std::size_t from) {
  if (from >= haystack.size() || needle.size() > haystack.size() - from) return AlignedSearch::npos;
  const char* const begin = haystack.data();
  const char* const lastStart = begin + haystack.size() - needle.size();
  if (needle.size() > kShortNeedle) {
    const void* found = memmem(begin + from, haystack.size() - from, needle.data(), needle.size());
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - begin) : AlignedSearch::npos;
  }
  const char* at = begin + from;
  while (at <= lastStart) {
    at = static_cast<const char*>(std::memchr(at, needle[0], static_cast<std::size_t>(lastStart - at) + 1));
    if (!at) break;
    if (MatchesAt(haystack, static_cast<std::size_t>(at - begin), needle)) return static_cast<std::size_t>(at - begin);
    ++at;
  }
  return AlignedSearch::npos;
}

}  // namespace

AlignedSearch::AlignedSearch(std::string_view haystack, std::string_view needle, bool foldCase)
    : haystack_(haystack), needle_(needle), searchedHaystack_(haystack), searchedNeedle_(needle) {
  if (foldCase) {
    foldedHaystack_ = Folded(haystack);
    foldedNeedle_ = Folded(needle);
    searchedHaystack_ = foldedHaystack_;
    searchedNeedle_ = foldedNeedle_;
    return;
  }
  scansBlocks_ = !needle.empty() && !unit::StartsTwoByteUnit(needle[0]);
  scanCarriesOn_ = scansBlocks_ && unit::WalkTo(needle, 0, needle.size()) == needle.size();
}

std::size_t AlignedSearch::FindFrom(std::size_t boundary) {
  return scansBlocks_ ? FindByScanningBlocks(boundary) : FindByWalking(boundary);
}

// Raw occurrences, each checked against the walk from the last boundary.
std::size_t AlignedSearch::FindByWalking(std::size_t boundary) {
  std::size_t walk = boundary;
  for (;;) {
    const std::size_t candidate = RawFind(searchedHaystack_, searchedNeedle_, walk);
    if (candidate == npos) return npos;
    walk = unit::WalkTo(haystack_, walk, candidate);
    if (walk == candidate) return candidate;
    // The occurrence starts on the second byte of a unit; the walk now stands
    // on the boundary right after it.
  }
}

// The needle's first byte where it starts a unit, 64 bytes at a time; only
// those places are compared, and no walk is needed. Each match goes to
// onMatch, which gives the boundary to go on from, or npos to stop there.
// The scan's state lives in locals while it runs, so that the loop keeps it
// in registers.
template <typename OnMatch>
void AlignedSearch::ScanBlocks(std::size_t boundary, OnMatch&& onMatch) {
  const std::size_t size = haystack_.size();
  if (boundary >= size) return;
  if (!scanStarted_ || !scanCarriesOn_ || boundary < blockStart_) StartScan(boundary);
  std::size_t blockStart = blockStart_;
  std::uint64_t starts = blockStarts_;
  unit::OddRunEnds oddRunEnds = oddRunEnds_;
  for (;;) {
    if (boundary > blockStart) {  // places before the boundary were passed over already
      const std::size_t skipped = boundary - blockStart;
      starts &= skipped >= 64 ? 0 : ~std::uint64_t{0} << skipped;
    }
    for (; starts != 0; starts &= starts - 1) {
      const std::size_t candidate = blockStart + static_cast<std::size_t>(__builtin_ctzll(starts));
      if (candidate < boundary || !MatchesAt(haystack_, candidate, needle_)) continue;
      boundary = onMatch(candidate);
      if (boundary == npos) {
        starts &= starts - 1;
        break;
      }
    }
    if (boundary == npos) break;
    blockStart += 64;
    if (blockStart >= size) break;
    const unit::BlockMasks masks = LoadMasks(blockStart);
    starts = masks.equal & ~oddRunEnds.Next(masks.high);
  }
  blockStart_ = blockStart;
  blockStarts_ = starts;
  oddRunEnds_ = oddRunEnds;
}

std::size_t AlignedSearch::FindByScanningBlocks(std::size_t boundary) {
  std::size_t found = npos;
  ScanBlocks(boundary, [&found](std::size_t match) {
    found = match;
    return npos;
  });
  return found;
}

std::size_t AlignedSearch::CountFrom(std::size_t boundary, std::size_t* lastMatchEnd) {
  std::size_t count = 0;
  std::size_t end = boundary;
  const auto countMatch = [&](std::size_t match) {
    ++count;
    return end = match + needle_.size();
  };
  if (scansBlocks_ && scanCarriesOn_) {
    ScanBlocks(boundary, countMatch);
  } else {
    for (std::size_t match; (match = FindFrom(end)) != npos;) countMatch(match);
  }
  if (lastMatchEnd) *lastMatchEnd = end;
  return count;
}

void AlignedSearch::StartScan(std::size_t boundary) {
  scanStarted_ = true;
  oddRunEnds_ = unit::OddRunEnds();
  blockStart_ = boundary;
  const unit::BlockMasks masks = LoadMasks(boundary);
  blockStarts_ = masks.equal & ~oddRunEnds_.Next(masks.high);
}

// The masks of the 64 bytes from blockStart; the last, short block is padded
// with bytes that match nothing.
unit::BlockMasks AlignedSearch::LoadMasks(std::size_t blockStart) const {
  if (haystack_.size() - blockStart >= 64) return unit::LoadBlockMasks(haystack_.data() + blockStart, needle_[0]);
  char padded[64] = {};
  std::memcpy(padded, haystack_.data() + blockStart, haystack_.size() - blockStart);
  return unit::LoadBlockMasks(padded, needle_[0]);
}

}  // namespace yanqi
