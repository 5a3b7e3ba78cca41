#include <charconv>
#include <string>

#include "operations/LineOperations.h"
#include "operations/LineWriting.h"
#include "text/Numbers.h"
#include "text/Slicing.h"

namespace yanqi {
namespace {

// FormatNumber's digits, written straight into the result: one text per line
// would cost an allocation per line on a long text.
std::size_t AppendDecimal(std::string& out, std::int32_t value) {
  char digits[16];
  const std::size_t length = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
  out.append(digits, length);
  return length;
}

}  // namespace

void NumberLines(WindowModel& window) {
  const GbkText source = window.GetText(Control::编辑框1);
  const TextList lines = LinesOf(source);
  const std::size_t width = static_cast<std::size_t>(ByteLength(FormatNumber(lines.Count())));

  std::string numbered;
  numbered.reserve(source.Size() + lines.Elements().size() * (width + 2));
  std::int32_t number = 0;
  for (const GbkText& line : lines.Elements()) {
    const std::size_t digits = AppendDecimal(numbered, ++number);
    numbered.append(width - digits, ' ');
    numbered.append(line.Bytes());
    numbered.append("\r\n");
  }
  window.SetText(Control::编辑框1, {});
  window.AppendText(Control::编辑框1, {GbkText::FromOwned(std::move(numbered))});
}

}  // namespace yanqi
