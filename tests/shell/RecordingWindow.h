// A headless window that also records which boxes were replaced, in order.
#pragma once

#include <vector>

#include "shell/HeadlessWindow.h"

namespace yanqi::test {

class RecordingWindow : public HeadlessWindow {
 public:
  void SetText(Control box, const GbkText& text) override {
    replaced.push_back(box);
    HeadlessWindow::SetText(box, text);
  }
  std::vector<Control> replaced;
};

// The boxes an operation replaces, in order, starting from these texts.
inline std::vector<Control> BoxesReplacedBy(void (*operation)(WindowModel&), const GbkText& source,
                                            const GbkText& result) {
  RecordingWindow window;
  window.SetText(Control::编辑框1, source);
  window.SetText(Control::编辑框2, result);
  window.replaced.clear();
  operation(window);
  return window.replaced;
}

}  // namespace yanqi::test
