#include "shell/EditHistory.h"

#include <gtest/gtest.h>

namespace yanqi {
namespace {

using Step = EditHistory::Step;

TEST(EditHistory, TypingRunsAreOneStepAndOtherEditsEachTheirOwn) {
  EditHistory history;
  history.Record({"", 0}, 1, true);
  history.Record({"a", 1}, 2, true);  // goes on where the last typing ended
  history.Record({"ab", 2}, 1, false);
  history.Record({"a", 1}, 2, true);  // typing again after a deletion
  history.BreakTyping();
  history.Record({"ax", 2}, 3, true);  // the caret moved in between
  const auto undone = [&](Step current) { return history.Undo(current).value(); };
  EXPECT_EQ(undone({"axy", 3}).text, GbkText("ax"));
  EXPECT_EQ(undone({"ax", 2}).text, GbkText("a"));
  EXPECT_EQ(undone({"a", 1}).text, GbkText("ab"));
  const Step first = undone({"ab", 2});
  EXPECT_EQ(first.text, GbkText(""));
  EXPECT_EQ(first.caret, 0u);
  EXPECT_FALSE(history.CanUndo());

  EXPECT_EQ(history.Redo({"", 0})->text, GbkText("ab"));
  EXPECT_TRUE(history.CanRedo());
  history.Record({"ab", 2}, 3, true);
  EXPECT_FALSE(history.CanRedo()) << "an edit drops what could be redone";
}

TEST(EditHistory, KeepsTheNewestStepsWithinItsBounds) {
  EditHistory history;
  for (std::size_t i = 0; i < EditHistory::kMaxSteps + 5; ++i) history.Record({GbkText(std::to_string(i)), i}, i, false);
  std::size_t steps = 0;
  std::optional<Step> step;
  for (Step current{"now", 0}; (step = history.Undo(current)); current = *step) ++steps;
  EXPECT_EQ(steps, EditHistory::kMaxSteps);

  const GbkText large(std::string(EditHistory::kMaxBytes / 2 + 1, 'x'));
  history.Clear();
  history.Record({"small", 0}, 0, false);
  history.Record({large, 0}, 0, false);
  history.Record({large, 0}, 0, false);
  EXPECT_EQ(history.Undo({"now", 0})->text.Size(), large.Size());
  EXPECT_FALSE(history.CanUndo()) << "older steps gave way to the bytes of newer ones";
}

}  // namespace
}  // namespace yanqi
