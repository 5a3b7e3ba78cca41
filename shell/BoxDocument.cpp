#include "shell/BoxDocument.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "text/BoundaryScan.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

std::size_t NextTabStop(std::size_t column) {
  return (column / BoxDocument::kTabColumns + 1) * BoxDocument::kTabColumns;
}

const char* FindTab(const char* from, const char* end) {
  if (from == end) return nullptr;  // the empty text may have no storage at all
  return static_cast<const char*>(std::memchr(from, '\t', static_cast<std::size_t>(end - from)));
}

// Whether all eight bytes from `at` are 0x81-0xFE: high, and none 0x80 or 0xFF.
bool AllPairing(const unsigned char* at) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  const auto hasZeroByte = [](std::uint64_t word) { return ((word - kOnes) & ~word & kHighs) != 0; };
  std::uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return (word & kHighs) == kHighs && !hasZeroByte(~word) && !hasZeroByte(word ^ kHighs);
}

}  // namespace

void BoxDocument::SetText(GbkText text) {
  const bool sameStart = text.Bytes().data() == text_.Bytes().data() && !text.Empty();
  const std::size_t oldSize = text_.Size();
  text_ = std::move(text);
  widest_ = 0;
  if (sameStart && text_.Size() <= oldSize) {
    // The text is the beginning of the one shown (an operation cut its end
    // off, or changed nothing): the index is already there but for its end.
    // A break stays while its LF does.
    lineStarts_.erase(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), text_.Size()), lineStarts_.end());
    MeasureFrom(0);
  } else {
    IndexFrom(0);
  }
}

void BoxDocument::Append(const GbkText& text) {
  if (text.Empty()) return;
  // A CR at the old end pairs with an LF at the start of the new text, and
  // the last line, which may have been the widest, loses the CR.
  const bool joinsBreak = !text_.Empty() && text_.Bytes().back() == '\r' && text.Bytes().front() == '\n';
  text_ = Concat(text_, text);
  if (joinsBreak) widest_ = 0;
  IndexFrom(joinsBreak ? 0 : LineCount() - 1);
}

void BoxDocument::Replace(std::size_t from, std::size_t to, const GbkText& bytes) {
  // Only the lines the edit touches are looked at again: breaks before the
  // line of `from` stay, and breaks whose CR lies after the replaced bytes
  // move along with the rest of the text.
  const std::size_t firstLine = LineOf(from);
  const auto movedFrom = std::lower_bound(lineStarts_.begin(), lineStarts_.end(), to + 2);
  std::vector<std::size_t> moved(movedFrom, lineStarts_.end());
  text_ = Concat(text_.Sub(0, from), bytes, text_.Sub(to, text_.Size() - to));
  const std::size_t insertedEnd = from + bytes.Size();
  lineStarts_.resize(firstLine + 1);
  // Up to the first byte after the new ones, an LF that may now follow a new CR.
  AddBreaks(lineStarts_.back(), std::min(insertedEnd + 1, text_.Size()));
  for (const std::size_t start : moved) lineStarts_.push_back(start - to + insertedEnd);
  widest_ = 0;
  MeasureFrom(0);
}

void BoxDocument::IndexFrom(std::size_t line) {
  lineStarts_.resize(line + 1);
  AddBreaks(lineStarts_.back(), text_.Size());
  MeasureFrom(line);
}

void BoxDocument::AddBreaks(std::size_t from, std::size_t to) {
  const std::string_view bytes = text_.Bytes();
  const auto addBreakAt = [&](std::size_t lf) {
    if (lf > 0 && bytes[lf - 1] == '\r') lineStarts_.push_back(lf + 1);
  };
  // Breaks are found by their LF, 64 bytes at a time where lines are short;
  // a block without one leaves the search for the next to memchr, which is
  // faster over long lines.
  std::size_t at = from;
  while (at + 64 <= to) {
    std::uint64_t lfs = unit::LoadBlockMasks(bytes.data() + at, '\n').equal;
    if (lfs == 0) {
      const void* lf = std::memchr(bytes.data() + at + 64, '\n', to - at - 64);
      at = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - bytes.data()) : to;
      continue;
    }
    for (; lfs != 0; lfs &= lfs - 1) addBreakAt(at + static_cast<std::size_t>(std::countr_zero(lfs)));
    at += 64;
  }
  for (; at < to; ++at) {
    if (bytes[at] == '\n') addBreakAt(at);
  }
}

void BoxDocument::MeasureFrom(std::size_t line) {
  const char* const begin = text_.Bytes().data();
  const bool hasTabs = FindTab(begin + LineStart(line), begin + text_.Size()) != nullptr;
  for (std::size_t i = line; i < LineCount(); ++i) {
    const std::size_t columns = hasTabs ? ColumnsOf(i) : LineEnd(i) - LineStart(i);
    widest_ = std::max(widest_, columns);
  }
}

std::size_t BoxDocument::LineEnd(std::size_t line) const {
  return line + 1 < LineCount() ? lineStarts_[line + 1] - 2 : text_.Size();
}

std::size_t BoxDocument::LineOf(std::size_t offset) const {
  return static_cast<std::size_t>(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset) -
                                  lineStarts_.begin()) - 1;
}

std::string_view BoxDocument::LineBytes(std::size_t line) const {
  return text_.Bytes().substr(LineStart(line), LineEnd(line) - LineStart(line));
}

std::size_t BoxDocument::ColumnOf(std::size_t offset) const {
  const char* const bytes = text_.Bytes().data();
  const char* at = bytes + LineStart(LineOf(offset));
  const char* const target = bytes + offset;
  std::size_t column = 0;
  for (const char* tab = FindTab(at, target); tab != nullptr; tab = FindTab(at, target)) {
    column = NextTabStop(column + static_cast<std::size_t>(tab - at));
    at = tab + 1;
  }
  return column + static_cast<std::size_t>(target - at);
}

std::size_t BoxDocument::PositionAtColumn(std::size_t line, std::size_t column) const {
  const char* const bytes = text_.Bytes().data();
  const char* at = bytes + LineStart(line);
  const char* const end = bytes + LineEnd(line);
  // Find the byte covering the column, crossing tabs by their widths.
  std::size_t atColumn = 0;
  std::size_t covering = LineEnd(line);
  for (;;) {
    const char* tab = FindTab(at, end);
    const char* runEnd = tab ? tab : end;
    if (atColumn + static_cast<std::size_t>(runEnd - at) > column) {
      covering = static_cast<std::size_t>(at - bytes) + (column - atColumn);
      break;
    }
    if (tab == nullptr) break;
    atColumn += static_cast<std::size_t>(tab - at);
    const std::size_t stop = NextTabStop(atColumn);
    if (stop > column) {
      // Within the tab: before it in its first half, after it in its second.
      const std::size_t before = static_cast<std::size_t>(tab - bytes);
      return (column - atColumn) * 2 < stop - atColumn ? before : before + 1;
    }
    atColumn = stop;
    at = tab + 1;
  }
  if (covering == LineEnd(line)) return covering;
  const std::size_t start = BoundaryAtOrBefore(line, covering);
  const std::size_t length = CharacterLength(text_.Bytes().substr(start));
  // The caret goes to the nearer edge of the character under the column.
  const std::size_t startColumn = column - (covering - start);
  return (column - startColumn) * 2 < length ? start : start + length;
}

// After a byte that cannot pair with the byte before it (below 0x81, or
// 0xFF) a character always starts. From there on the bytes 0x81-0xFE pair
// up two by two, so the answer is a matter of parity, whatever the length of
// the run (a line of nothing but Chinese characters); only the last byte of
// a run may stand alone.
std::size_t BoxDocument::BoundaryAtOrBefore(std::size_t line, std::size_t offset) const {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text_.Bytes().data());
  const std::size_t lineStart = LineStart(line);
  offset = std::min(offset, LineEnd(line));
  std::size_t runStart = offset;
  while (runStart > lineStart) {
    if (runStart - lineStart >= 8 && AllPairing(bytes + runStart - 8)) {
      runStart -= 8;
    } else if (bytes[runStart - 1] >= 0x81 && bytes[runStart - 1] <= 0xFE) {
      --runStart;
    } else {
      break;
    }
  }
  if ((offset - runStart) % 2 == 0) return offset;
  // The byte before starts a character, which takes the byte at `offset`
  // along unless that cannot be a second byte.
  const std::size_t lead = offset - 1;
  return lead + CharacterLength(text_.Bytes().substr(lead, LineEnd(line) - lead)) > offset ? lead : offset;
}

std::size_t BoxDocument::NextPosition(std::size_t position) const {
  const std::size_t line = LineOf(position);
  if (position < LineEnd(line)) {
    return position + CharacterLength(text_.Bytes().substr(position, LineEnd(line) - position));
  }
  return line + 1 < LineCount() ? LineStart(line + 1) : position;
}

std::size_t BoxDocument::PreviousPosition(std::size_t position) const {
  const std::size_t line = LineOf(position);
  if (position == LineStart(line)) return line > 0 ? LineEnd(line - 1) : position;
  return BoundaryAtOrBefore(line, position - 1);
}

}  // namespace yanqi
