#include "text/Rewriting.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "text/AlignedSearch.h"
#include "text/ByteBuffer.h"
#include "text/UnitRule.h"

namespace yanqi {
namespace {

// True when the walk from `from` lands on the last byte and that byte starts a
// two-byte unit, i.e. the text ends in a lone lead byte as the walk sees it.
bool WalkEndsOnLoneLeadByte(std::string_view bytes, std::size_t from) {
  if (bytes.empty() || !unit::StartsTwoByteUnit(bytes.back())) return false;
  return unit::WalkTo(bytes, from, bytes.size() - 1) == bytes.size() - 1;
}

}  // namespace

GbkText Substitute(const GbkText& text, const GbkText& find, const GbkText& replacement,
                   std::optional<std::int32_t> start, std::optional<std::int32_t> count,
                   bool caseSensitive) {
  const std::string_view bytes = text.Bytes();
  const std::size_t findLength = find.Size();
  const std::size_t from = WalkStartOffset(start);
  if (bytes.empty() || findLength == 0 || from >= bytes.size() || count == 0) return text;

  std::int64_t remaining = count ? std::int64_t{*count} : -1;  // negative: no limit
  AlignedSearch search(bytes, find.Bytes(), !caseSensitive);
  std::string result;
  std::size_t copiedUpTo = 0;  // every byte before this is in the result
  std::size_t walk = from;
  while (remaining != 0) {
    const std::size_t match = search.FindFrom(walk);
    if (match == AlignedSearch::npos) break;
    if (result.empty()) result.reserve(bytes.size());
    result.append(bytes, copiedUpTo, match - copiedUpTo);
    result.append(replacement.Bytes());
    copiedUpTo = walk = match + findLength;
    if (remaining > 0) --remaining;
  }
  std::size_t end = bytes.size();
  // Only a one-byte find lets the walk reach the last byte; a lead byte there has
  // no partner and is dropped instead of copied.
  if (remaining != 0 && findLength == 1 && walk < bytes.size() && WalkEndsOnLoneLeadByte(bytes, walk)) {
    end = bytes.size() - 1;
  }
  if (copiedUpTo == 0 && end == bytes.size()) return text;  // nothing replaced or left out
  result.append(bytes, copiedUpTo, end - copiedUpTo);
  return GbkText::FromOwned(std::move(result));
}

namespace {

// Calls element(offset, length) for each element SplitOn makes, in order.
template <typename Element>
void ForEachSplitElement(const GbkText& text, const GbkText& delimiter, Element&& element) {
  if (text.Empty()) return;
  if (delimiter.Empty()) return element(0, text.Size());
  AlignedSearch search(text.Bytes(), delimiter.Bytes(), false);
  std::size_t elementStart = 0;
  for (;;) {
    const std::size_t found = search.FindFrom(elementStart);
    if (found == AlignedSearch::npos) break;
    element(elementStart, found - elementStart);
    elementStart = found + delimiter.Size();
  }
  // A delimiter at the very end adds no empty last element.
  if (elementStart < text.Size()) element(elementStart, text.Size() - elementStart);
}

}  // namespace

TextList SplitOn(const GbkText& text, const GbkText& delimiter) {
  std::vector<GbkText> elements;
  ForEachSplitElement(text, delimiter, [&](std::size_t offset, std::size_t length) {
    elements.push_back(text.Sub(offset, length));
  });
  return TextList(std::move(elements));
}

std::int32_t CountSplitElements(const GbkText& text, const GbkText& delimiter) {
  if (text.Empty()) return 0;
  if (delimiter.Empty()) return 1;
  // One element before each delimiter, and the rest when it is not empty.
  std::size_t restStart = 0;
  const std::size_t delimiters = AlignedSearch(text.Bytes(), delimiter.Bytes(), false).CountFrom(0, &restStart);
  return static_cast<std::int32_t>(delimiters + (restStart < text.Size() ? 1 : 0));
}

GbkText TrimBoth(const GbkText& text) {
  const std::string_view bytes = text.Bytes();
  std::size_t at = 0;
  while (at < bytes.size() && unit::IsBlankAt(bytes, at)) at += unit::Width(bytes[at]);
  const std::size_t begin = at;
  std::size_t end = bytes.size();
  std::size_t blankRunStart = std::string_view::npos;
  while (at < bytes.size()) {
    const std::size_t width = unit::Width(bytes[at]);
    if (at + width > bytes.size()) {  // a lone lead byte: cut before it, keep the blanks
      end = at;
      blankRunStart = std::string_view::npos;
      break;
    }
    if (unit::IsBlankAt(bytes, at)) {
      if (blankRunStart == std::string_view::npos) blankRunStart = at;
    } else {
      blankRunStart = std::string_view::npos;
    }
    at += width;
  }
  if (blankRunStart != std::string_view::npos) end = blankRunStart;
  return text.Sub(begin, end - begin);
}

GbkText StripAllSpaces(const GbkText& text) {
  // The blanks are found by the unit-aligned searches for each kind, and the
  // runs between them are copied whole.
  const std::string_view bytes = text.Bytes();
  AlignedSearch spaces(bytes, " ", false);
  AlignedSearch ideographicSpaces(bytes, "\xA1\xA1", false);
  std::size_t nextSpace = spaces.FindFrom(0);
  std::size_t nextIdeographic = ideographicSpaces.FindFrom(0);
  ByteBuffer buffer(bytes.size());
  buffer.PreferHugePages();
  char* out = buffer.Data();
  std::size_t copiedUpTo = 0;
  while (nextSpace != AlignedSearch::npos || nextIdeographic != AlignedSearch::npos) {
    const bool space = nextSpace < nextIdeographic;
    const std::size_t blank = space ? nextSpace : nextIdeographic;
    out = std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(copiedUpTo),
                    bytes.begin() + static_cast<std::ptrdiff_t>(blank), out);
    copiedUpTo = blank + (space ? 1 : 2);
    if (space) {
      nextSpace = spaces.FindFrom(copiedUpTo);
    } else {
      nextIdeographic = ideographicSpaces.FindFrom(copiedUpTo);
    }
  }
  std::size_t end = bytes.size();
  if (copiedUpTo < end && WalkEndsOnLoneLeadByte(bytes, copiedUpTo)) --end;  // left out
  out = std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(copiedUpTo),
                  bytes.begin() + static_cast<std::ptrdiff_t>(end), out);
  buffer.SetSize(static_cast<std::size_t>(out - buffer.Data()));
  return GbkText::FromShared(std::move(buffer).Share());
}

GbkText Upper(const GbkText& text) {
  std::string result(text.Bytes());
  std::size_t at = 0;
  while (at < result.size()) {
    const char byte = result[at];
    if (byte >= 'a' && byte <= 'z') result[at] = static_cast<char>(byte - 0x20);
    at += unit::Width(byte);
  }
  return GbkText::FromOwned(std::move(result));
}

namespace {

// The one byte a two-byte unit narrows to, or 0 when it stays as it is.
char NarrowedUnit(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
  if (lead != 0xA1) return 0;
  switch (trail) {
    case 0xA1: return ' ';
    case 0xAB: return '~';
    case 0xEE:
    case 0xEF: return '*';
    default: return 0;
  }
}

}  // namespace

GbkText Narrow(const GbkText& text) {
  // One tight loop into one buffer: statistics narrow whole 100 MB texts.
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.Bytes().data());
  const std::size_t size = text.Size();
  ByteBuffer buffer(size);
  char* out = buffer.Data();
  for (std::size_t at = 0; at < size;) {
    if (bytes[at] < 0x80) {
      *out++ = static_cast<char>(bytes[at++]);
      continue;
    }
    if (at + 1 == size) break;  // a lone lead byte at the end is left out
    const char narrowed = NarrowedUnit(bytes[at], bytes[at + 1]);
    if (narrowed != 0) {
      *out++ = narrowed;
    } else {
      *out++ = static_cast<char>(bytes[at]);
      *out++ = static_cast<char>(bytes[at + 1]);
    }
    at += 2;
  }
  buffer.SetSize(static_cast<std::size_t>(out - buffer.Data()));
  return GbkText::FromShared(std::move(buffer).Share());
}

}  // namespace yanqi
