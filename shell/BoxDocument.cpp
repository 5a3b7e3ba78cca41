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
  IndexFrom(joinsBreak ? 0 : LineCount() - 1);
}

void BoxDocument::Replace(std::size_t from, std::size_t to, const GbkText& bytes) {
  // Only the lines the edit touches are looked at again: breaks before the
  // line of `from` stay, and breaks whose CR lies after the replaced bytes
  // move along with the rest of the text.
  const std::size_t firstLine = LineOf(from);
  const std::size_t firstMoved =
      static_cast<std::size_t>(std::lower_bound(lineStarts_.begin(), lineStarts_.end(), to + 2) - lineStarts_.begin());
  text_ = Concat(text_.Sub(0, from), bytes, text_.Sub(to, text_.Size() - to));
  const std::size_t insertedEnd = from + bytes.Size();
  // The touched lines' breaks, up to the first byte after the new ones: an LF
  // there may now follow a new CR.
  std::vector<std::size_t> touched;
  AddBreaks(LineStart(firstLine), std::min(insertedEnd + 1, text_.Size()), touched);
  for (std::size_t i = firstMoved; i < LineCount(); ++i) lineStarts_[i] = lineStarts_[i] - to + insertedEnd;
  const auto afterFirst = lineStarts_.begin() + static_cast<std::ptrdiff_t>(firstLine) + 1;
  lineStarts_.insert(lineStarts_.erase(afterFirst, lineStarts_.begin() + static_cast<std::ptrdiff_t>(firstMoved)),
                     touched.begin(), touched.end());
  MeasureFrom(0);
}

void BoxDocument::IndexFrom(std::size_t line) {
  lineStarts_.resize(line + 1);
  AddBreaks(lineStarts_.back(), text_.Size(), lineStarts_);
  MeasureFrom(line);
}

void BoxDocument::AddBreaks(std::size_t from, std::size_t to, std::vector<std::size_t>& starts) const {
  const std::string_view bytes = text_.Bytes();
  const auto addBreakAt = [&](std::size_t lf) {
    if (lf > 0 && bytes[lf - 1] == '\r') starts.push_back(lf + 1);
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
  if (line == 0) widest_ = 0;
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

std::size_t BoxDocument::ColumnsOfCharacter(std::string_view character, std::size_t column) {
  return character[0] == '\t' ? NextTabStop(column) - column : character.size();
}

BoxDocument::Placed BoxDocument::CharacterAtColumn(std::size_t line, std::size_t column) const {
  const char* const bytes = text_.Bytes().data();
  const char* at = bytes + LineStart(line);
  const char* const end = bytes + LineEnd(line);
  // Tab-free runs take a column per byte; tabs are crossed by their widths.
  std::size_t atColumn = 0;
  for (;;) {
    const char* tab = FindTab(at, end);
    const char* runEnd = tab ? tab : end;
    const std::size_t runColumns = static_cast<std::size_t>(runEnd - at);
    if (atColumn + runColumns > column) {
      const std::size_t covering = static_cast<std::size_t>(at - bytes) + (column - atColumn);
      const std::size_t start = BoundaryAtOrBefore(line, covering);
      return {start, column - (covering - start)};
    }
    atColumn += runColumns;
    if (tab == nullptr) return {LineEnd(line), atColumn};
    const std::size_t stop = NextTabStop(atColumn);
    if (stop > column) return {static_cast<std::size_t>(tab - bytes), atColumn};
    atColumn = stop;
    at = tab + 1;
  }
}

std::size_t BoxDocument::PositionAtColumn(std::size_t line, std::size_t column) const {
  const Placed covering = CharacterAtColumn(line, column);
  const std::size_t lineEnd = LineEnd(line);
  if (covering.position == lineEnd) return lineEnd;
  const std::string_view rest = text_.Bytes().substr(covering.position, lineEnd - covering.position);
  const std::size_t length = CharacterLength(rest);
  // The caret goes to the nearer edge of the character under the column.
  const std::size_t width = ColumnsOfCharacter(rest.substr(0, length), covering.column);
  return (column - covering.column) * 2 < width ? covering.position : covering.position + length;
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
