// What the window asks of an edit box, whichever way the box shows its text.
#pragma once

#include <span>

#include "text/GbkText.h"

namespace yanqi {

class TextBox {
 public:
  virtual ~TextBox() = default;
  // The box's bytes exactly as set, typed or pasted.
  virtual GbkText Bytes() = 0;
  // Replaces the text; the caret goes to the start and the undo history is gone.
  virtual void SetBytes(const GbkText& text) = 0;
  // Adds the texts at the end; the caret follows them.
  virtual void AppendBytes(std::span<const GbkText> texts) = 0;
};

}  // namespace yanqi
