// The buttons that work on the characters of the source box.
#pragma once

#include <utility>

#include "shell/WindowModel.h"
#include "text/GbkText.h"

namespace yanqi {

// 字数: narrows the source box, then counts its Chinese characters, letters,
// punctuation, digits and spaces, showing the progress and then the summary
// in the statistics label.
void CharacterStatistics(WindowModel& window);
// 去空格: removes every blank from the source box, then from the result box.
void RemoveSpaces(WindowModel& window);
// 过滤字符: the single-byte characters go to the result box; the source box
// keeps its two-byte characters and its line breaks.
void SeparateByWidth(WindowModel& window);
// 小到大: every character read as a digit (0 when it is none), sorted.
void SortDigits(WindowModel& window);
// 替换: the source text with the find box's text replaced, into the result box.
void FindAndReplace(WindowModel& window);
// 简转繁 and 繁转简: the source text converted, into the result box.
void ConvertToTraditional(WindowModel& window);
void ConvertToSimplified(WindowModel& window);
// 金额大写: the number the source text begins with, as a money amount in capitals.
void AmountToCapitals(WindowModel& window);

// The single-byte part and the double-byte part of a text, by the
// system's lead-byte test; the double-byte part also keeps one CR LF for each
// line break, where it stands among the two-byte characters.
std::pair<GbkText, GbkText> PartitionByWidth(const GbkText& text);

}  // namespace yanqi
