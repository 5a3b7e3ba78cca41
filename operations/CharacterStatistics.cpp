#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "operations/CharacterOperations.h"
#include "operations/EventPump.h"
#include "text/GbkCodec.h"
#include "text/Numbers.h"
#include "text/Rewriting.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

enum Class { kChinese, kEnglish, kPunctuation, kDigit, kSpace, kNone };

// The class of every byte, by its signed value as SignedByteAt reads it.
constexpr std::array<std::uint8_t, 256> ClassTable() {
  std::array<std::uint8_t, 256> classes{};
  for (int byte = 0; byte < 256; ++byte) {
    Class c = kNone;
    if (byte >= 0x80) c = kChinese;
    else if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) c = kEnglish;
    else if (byte >= '0' && byte <= '9') c = kDigit;
    else if (byte == ' ') c = kSpace;
    else if (byte >= 33 && byte <= 126) c = kPunctuation;
    classes[byte] = c;
  }
  return classes;
}
constexpr std::array<std::uint8_t, 256> kClassOf = ClassTable();

GbkText ProgressCaption(std::int64_t percent) {
  static const GbkText kPrefix = Gbk(u8"正在处理...请稍后...完成进度:");
  char digits[24];
  std::snprintf(digits, sizeof digits, "%02lld%%", static_cast<long long>(percent));
  return Concat(kPrefix, digits);
}

GbkText SummaryCaption(const std::array<std::int64_t, 6>& counts, std::int32_t total) {
  const auto number = [](std::int64_t value) { return FormatNumber(static_cast<std::int32_t>(value)); };
  return Concat(Gbk(u8"共有中文:"), number(counts[kChinese]), Gbk(u8"个,共有英文:"), number(counts[kEnglish]),
                Gbk(u8"个,总有标点符号:"), number(counts[kPunctuation]), Gbk(u8"个,总有数字:"),
                number(counts[kDigit]), Gbk(u8"个,共有空格数:"), number(counts[kSpace]), Gbk(u8"个,共有字符数:"),
                FormatNumber(total), Gbk(u8"个字符"));
}

}  // namespace

void CharacterStatistics(WindowModel& window) {
  window.SetText(Control::编辑框1, Narrow(window.GetText(Control::编辑框1)));
  const std::int32_t length = ByteLength(window.GetText(Control::编辑框1));
  std::array<std::int64_t, 6> counts{};
  EventPump pump(window);
  try {
    // The walk visits a byte, and the second byte of a two-byte character is
    // passed over. The box can change only while events run (a nested click),
    // so it is read again after each chance they get, and the byte is read
    // from that text; the walk ends at the first position without a byte.
    std::int64_t position = 1;
    std::int64_t shownPercent = -1;
    bool walking = length > 0;
    while (walking) {
      pump.LetEventsRun();
      const GbkText text = window.GetText(Control::编辑框1);
      const std::string_view bytes = text.Bytes();
      for (std::size_t visits = 0; visits < EventPump::kChunk; ++visits) {
        if (position > static_cast<std::int64_t>(bytes.size())) {
          walking = false;
          break;
        }
        const unsigned char byte = static_cast<unsigned char>(bytes[static_cast<std::size_t>(position - 1)]);
        const std::int64_t percent = 100 * position / length;
        if (percent != shownPercent) {  // the caption is set when its text changes
          window.SetCaption(Control::标签统计字数反馈, ProgressCaption(percent));
          shownPercent = percent;
        }
        ++counts[kClassOf[byte]];
        position += byte >= 0x80 ? 2 : 1;
      }
    }
  } catch (const WindowClosed&) {
    return;  // the window is gone: no control is touched any more
  }
  window.SetCaption(Control::标签统计字数反馈, SummaryCaption(counts, length));
}

}  // namespace yanqi
