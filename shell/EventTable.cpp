#include "shell/EventTable.h"

#include <array>

#include "operations/CharacterOperations.h"
#include "operations/HexScrambling.h"
#include "operations/LineOperations.h"
#include "shell/BoxActions.h"
#include "shell/Clock.h"
#include "shell/FileActions.h"

namespace yanqi {
namespace {

using C = Control;

// In the order of yanqi-batch's list of operations.
constexpr std::array kBindings = {
    EventBinding{C::_行数, Event::Click, "CountLines", CountLines, true},
    EventBinding{C::_去尾部行, Event::Click, "StripTrailingBreaks", StripTrailingBreaks, true},
    EventBinding{C::_去空行, Event::Click, "RemoveEmptyLines", RemoveEmptyLines, true},
    EventBinding{C::_序号, Event::Click, "NumberLines", NumberLines, true},
    EventBinding{C::_生成序号, Event::Click, "AppendSequence", AppendSequence, true},
    EventBinding{C::_打乱段落, Event::Click, "ShuffleLines", ShuffleLines, true},
    EventBinding{C::_除重复文本, Event::Click, "RemoveDuplicateLines", RemoveDuplicateLines, true},
    EventBinding{C::_按钮字数统计, Event::Click, "CharacterStatistics", CharacterStatistics, true},
    EventBinding{C::_去空格, Event::Click, "RemoveSpaces", RemoveSpaces, true},
    EventBinding{C::_过滤字符, Event::Click, "SeparateByWidth", SeparateByWidth, true},
    EventBinding{C::_小到大, Event::Click, "SortDigits", SortDigits, true},
    EventBinding{C::替换, Event::Click, "FindAndReplace", FindAndReplace, true},
    EventBinding{C::_简转繁, Event::Click, "ConvertToTraditional", ConvertToTraditional, true},
    EventBinding{C::_繁转简, Event::Click, "ConvertToSimplified", ConvertToSimplified, true},
    EventBinding{C::_金额大写, Event::Click, "AmountToCapitals", AmountToCapitals, true},
    EventBinding{C::加密, Event::Click, "Scramble", Scramble, true},
    EventBinding{C::解密, Event::Click, "Unscramble", Unscramble, true},
    EventBinding{C::_按钮读取, Event::Click, "ReadDocument", ReadDocument, true},
    EventBinding{C::_清空, Event::Click, "ClearBoxes", ClearBoxes, true},
    EventBinding{C::_打开文件, Event::Click, "OpenDocument", OpenDocument, false},
    EventBinding{C::_保存, Event::Click, "SaveResult", SaveResult, false},
    EventBinding{C::_复制, Event::Click, "CopyResult", CopyResult, false},
    EventBinding{C::_粘贴, Event::Click, "PasteSource", PasteSource, false},
    EventBinding{C::_打开文档目录, Event::Click, "OpenDocumentFolder", OpenDocumentFolder, false},
    EventBinding{C::朗读文本, Event::Click, "StartReader", StartReader, false},
    EventBinding{C::时钟1, Event::Periodic, "RefreshClock", RefreshClock, true},
};

}  // namespace

std::span<const EventBinding> EventTable() { return kBindings; }

std::optional<EventBinding> FindOperation(std::string_view name) {
  for (const EventBinding& binding : kBindings) {
    if (binding.operation == name) return binding;
  }
  return std::nullopt;
}

std::optional<EventBinding> FindBatchOperation(std::string_view name) {
  const std::optional<EventBinding> binding = FindOperation(name);
  return binding && binding->inBatch ? binding : std::nullopt;
}

}  // namespace yanqi
