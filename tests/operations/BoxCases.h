// Table-driven tests of operations on the two large boxes: the boxes before
// one click, and after it.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "shell/HeadlessWindow.h"
#include "tests/TestBytes.h"

namespace yanqi::test {

struct BoxCase {
  GbkText source, result;
  GbkText sourceAfter, resultAfter;
};

inline void ExpectBoxes(void (*operation)(WindowModel&), const std::vector<BoxCase>& cases) {
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(ShowBytes(c.source.Bytes()) + " | " + ShowBytes(c.result.Bytes()));
    HeadlessWindow window;
    window.SetText(Control::编辑框1, c.source);
    window.SetText(Control::编辑框2, c.result);
    operation(window);
    EXPECT_EQ(window.GetText(Control::编辑框1), c.sourceAfter);
    EXPECT_EQ(window.GetText(Control::编辑框2), c.resultAfter);
  }
}

}  // namespace yanqi::test
