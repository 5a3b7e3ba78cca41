#include "shell/EditHistory.h"

namespace yanqi {

void EditHistory::Record(const Step& before, std::size_t caretAfter, bool typing) {
  redo_.clear();
  const bool joinsTyping = typing && typingEnd_ == before.caret;
  typingEnd_ = typing ? std::optional(caretAfter) : std::nullopt;
  if (joinsTyping) return;
  undo_.push_back(before);
  std::size_t kept = 0;
  for (const Step& step : undo_) kept += step.text.Size();
  // The oldest steps go first; the newest stays, however large.
  while (undo_.size() > kMaxSteps || (undo_.size() > 1 && kept > kMaxBytes)) {
    kept -= undo_.front().text.Size();
    undo_.erase(undo_.begin());
  }
}

void EditHistory::Clear() {
  undo_.clear();
  redo_.clear();
  typingEnd_.reset();
}

std::optional<EditHistory::Step> EditHistory::Undo(const Step& current) {
  typingEnd_.reset();
  return Move(undo_, redo_, current);
}

std::optional<EditHistory::Step> EditHistory::Redo(const Step& current) {
  typingEnd_.reset();
  return Move(redo_, undo_, current);
}

std::optional<EditHistory::Step> EditHistory::Move(std::vector<Step>& from, std::vector<Step>& to,
                                                   const Step& current) {
  if (from.empty()) return std::nullopt;
  to.push_back(current);
  Step step = std::move(from.back());
  from.pop_back();
  return step;
}

}  // namespace yanqi
