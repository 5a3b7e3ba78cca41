// The text of a large edit box as the box lays it out: the bytes themselves,
// an index of where each line starts, and the columns of a fixed grid.
//
// Lines end at CR LF; a lone CR or LF is an ordinary character of its line.
// Every byte is one column, so a two-byte character is two columns wide (as
// full-width characters are drawn) and a column is found from a byte offset
// without decoding anything before it; only a tab takes more, reaching the
// next multiple of kTabColumns. Nothing here costs more than a scan of one
// line, which is what lets a box show a line of 100 MB.
//
// Positions are byte offsets into the text. Caret positions are character
// boundaries (CharacterLength) within a line, from its start to its end; a
// line break is one step from the end of a line to the start of the next.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "text/GbkText.h"

namespace yanqi {

class BoxDocument {
 public:
  static constexpr std::size_t kTabColumns = 8;

  const GbkText& Text() const { return text_; }
  void SetText(GbkText text);
  void Append(const GbkText& text);
  // Replaces the bytes [from, to) with `bytes`.
  void Replace(std::size_t from, std::size_t to, const GbkText& bytes);

  std::size_t LineCount() const { return lineStarts_.size(); }
  std::size_t LineStart(std::size_t line) const { return lineStarts_[line]; }
  // Where the line's CR LF begins, or the end of the text for the last line.
  std::size_t LineEnd(std::size_t line) const;
  std::size_t LineOf(std::size_t offset) const;
  // The columns of the widest line.
  std::size_t WidestLine() const { return widest_; }

  std::size_t ColumnOf(std::size_t offset) const;
  // The columns a character takes when it starts at `column`: a tab reaches
  // the next tab stop, any other character is as wide as its bytes.
  static std::size_t ColumnsOfCharacter(std::string_view character, std::size_t column);

  // A character of a line and the column it starts at.
  struct Placed {
    std::size_t position;
    std::size_t column;
  };
  // The character of `line` that covers `column`, or the line's end when the
  // column lies beyond it.
  Placed CharacterAtColumn(std::size_t line, std::size_t column) const;
  // The caret position of `line` nearest to `column`: the boundary before the
  // character that covers the column when the column falls in its first half.
  std::size_t PositionAtColumn(std::size_t line, std::size_t column) const;
  // The caret position of `line` at or before `offset`.
  std::size_t BoundaryAtOrBefore(std::size_t line, std::size_t offset) const;
  // One character or line break further or back; the ends of the text stay.
  std::size_t NextPosition(std::size_t position) const;
  std::size_t PreviousPosition(std::size_t position) const;

 private:
  // Drops the index after `line` and indexes the text again from its start.
  void IndexFrom(std::size_t line);
  // Adds to `starts` the starts of the lines after the breaks whose LF is in [from, to).
  void AddBreaks(std::size_t from, std::size_t to, std::vector<std::size_t>& starts) const;
  // Takes the widths of the lines from `line` on into the widest; from the
  // first line, the widest is measured afresh.
  void MeasureFrom(std::size_t line);
  std::size_t ColumnsOf(std::size_t line) const { return ColumnOf(LineEnd(line)); }

  GbkText text_;
  std::vector<std::size_t> lineStarts_{0};
  std::size_t widest_ = 0;
};

}  // namespace yanqi
