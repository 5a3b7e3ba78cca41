#include "operations/LineWriting.h"

#include <string>

#include "text/Rewriting.h"

namespace yanqi {

const GbkText& LineBreak() {
  static const GbkText kLineBreak("\r\n");
  return kLineBreak;
}

TextList LinesOf(const GbkText& text) { return SplitOn(text, LineBreak()); }

GbkText JoinLines(std::span<const GbkText> lines) {
  std::size_t total = 0;
  for (const GbkText& line : lines) total += line.Size() + 2;
  std::string joined;
  joined.reserve(total);
  for (const GbkText& line : lines) {
    joined.append(line.Bytes());
    joined.append("\r\n");
  }
  return GbkText::FromOwned(std::move(joined));
}

void AppendLines(WindowModel& window, Control box, std::span<const GbkText> lines) {
  if (!lines.empty()) window.AppendText(box, {JoinLines(lines)});
}

}  // namespace yanqi
