#include <string>

#include "operations/LineOperations.h"

namespace yanqi {

void AppendSequence(WindowModel& window) {
  std::string sequence;
  for (int number = 1; number <= 1000; ++number) {
    sequence += std::to_string(number);
    sequence += "\r\n";
  }
  window.AppendText(Control::编辑框1, {GbkText::FromOwned(std::move(sequence))});
}

}  // namespace yanqi
