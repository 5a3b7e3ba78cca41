// Undo and redo for an edit box: the whole text before each edit, with the
// caret. Keeping whole texts is simple and exact for every byte string; a
// box's text is one shared buffer, so a step costs the bytes of the text it
// replaced, and the history is bounded by steps and by bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "text/GbkText.h"

namespace yanqi {

class EditHistory {
 public:
  struct Step {
    GbkText text;
    std::size_t caret = 0;
  };

  static constexpr std::size_t kMaxSteps = 100;
  static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

  // Called before an edit with the box as it is, and the caret the edit will
  // leave. Characters typed one after another are one step, as in other
  // editors: a typing edit where the last one ended joins its step.
  void Record(const Step& before, std::size_t caretAfter, bool typing);
  // The caret went elsewhere: the next typing starts a step of its own.
  void BreakTyping() { typingEnd_.reset(); }
  void Clear();

  // The step to go back (or forward) to from `current`, which the other
  // direction then keeps.
  std::optional<Step> Undo(const Step& current);
  std::optional<Step> Redo(const Step& current);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }

 private:
  static std::optional<Step> Move(std::vector<Step>& from, std::vector<Step>& to, const Step& current);

  std::vector<Step> undo_;
  std::vector<Step> redo_;
  std::optional<std::size_t> typingEnd_;
};

}  // namespace yanqi
