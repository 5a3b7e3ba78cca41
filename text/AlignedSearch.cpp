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

std::size_t RawFind(std::string_view haystack, std::string_view needle, std::size_t from) {
  if (from >= haystack.size()) return AlignedSearch::npos;
  const void* found = memmem(haystack.data() + from, haystack.size() - from, needle.data(), needle.size());
  return found ? static_cast<std::size_t>(static_cast<const char*>(found) - haystack.data())
               : AlignedSearch::npos;
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
