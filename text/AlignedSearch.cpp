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

// Short needles (a line break, say) are found fastest by memchr on their first
// byte; their check costs a few bytes, so the scan stays linear. Longer ones
// go to memmem, whose two-way search is linear whatever the needle.
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
    if (std::memcmp(at + 1, needle.data() + 1, needle.size() - 1) == 0) return static_cast<std::size_t>(at - begin);
    ++at;
  }
  return AlignedSearch::npos;
}

}  // namespace

AlignedSearch::AlignedSearch(std::string_view haystack, std::string_view needle, bool foldCase)
    : haystack_(haystack), needle_(needle) {
  if (foldCase) {
    foldedHaystack_ = Folded(haystack);
    foldedNeedle_ = Folded(needle);
    searchedHaystack_ = foldedHaystack_;
    searchedNeedle_ = foldedNeedle_;
  } else {
    searchedHaystack_ = haystack;
    searchedNeedle_ = needle;
  }
}

std::size_t AlignedSearch::FindFrom(std::size_t boundary) {
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

}  // namespace yanqi
