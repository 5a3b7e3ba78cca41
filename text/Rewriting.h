// Rewritten copies of a text: substitution, splitting, blank removal,
// upper-casing and narrowing of full-width forms. All walk the text by the
// unit rule, so matches and blanks are seen only at the start of a unit.
#pragma once

#include <cstdint>
#include <optional>

#include "text/GbkText.h"

namespace yanqi {

// Replaces the occurrences of `find` from `start` on (omitted: 1), left to
// right and without overlap, at most `count` of them (omitted: all). A lone
// lead byte at the end that the walk reaches without a match is left out.
GbkText Substitute(const GbkText& text, const GbkText& find, const GbkText& replacement,
                   std::optional<std::int32_t> start, std::optional<std::int32_t> count,
                   bool caseSensitive);

// The pieces between the delimiters. The empty text gives no elements; a
// delimiter at the very end adds no empty last element. Elements share the
// text's storage.
TextList SplitOn(const GbkText& text, const GbkText& delimiter);

// SplitOn(text, delimiter).Count(), without making the elements.
std::int32_t CountSplitElements(const GbkText& text, const GbkText& delimiter);

// Without the blanks (space, A1 A1) at both ends; a lone lead byte at the end
// is removed, the blanks before it remain.
GbkText TrimBoth(const GbkText& text);

// Without any blank; a lone lead byte at the end is removed.
GbkText StripAllSpaces(const GbkText& text);

// a-z raised to A-Z in one-byte units only.
GbkText Upper(const GbkText& text);

// Full-width forms (A3 A1-A3 FE), the ideographic space, ～, ☆ and ★ as their
// one-byte counterparts; a lone lead byte at the end is removed.
GbkText Narrow(const GbkText& text);

}  // namespace yanqi
