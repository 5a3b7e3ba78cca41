// A headless window that also records which boxes were replaced and which
// captions were shown, in order.
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
  void SetCaption(Control label, const GbkText& caption) override {
    captions.push_back(caption);
    HeadlessWindow::SetCaption(label, caption);
  }
  std::vector<Control> replaced;
  std::vector<GbkText> captions;
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
