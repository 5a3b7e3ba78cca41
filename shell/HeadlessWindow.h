// The window model without a screen: four boxes, the labels, the button
// states and a record of the message boxes, each answered at once with OK.
// The batch tool and the operation tests run on it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/HeadlessFacilities.h"
#include "shell/WindowModel.h"

namespace yanqi {

struct ShownMessage {
  GbkText text;
  int style;
  GbkText title;
};

class HeadlessWindow : public WindowModel {
 public:
  GbkText GetText(Control box) override;
  void SetText(Control box, const GbkText& text) override;
  void AppendText(Control box, std::span<const GbkText> texts) override;
  using WindowModel::AppendText;
  void SetCaption(Control label, const GbkText& caption) override;
  void SetDisabled(Control button, bool disabled) override;
  void SetMultiLine(Control box, bool multiLine) override;
  void SetPeriod(Control timer, std::int32_t milliseconds) override;
  std::int32_t NativeHandle(Control control) override;
  bool BindDropTarget(Control dropTarget, std::int32_t nativeHandle) override;
  int ShowMessage(const GbkText& text, int style, std::optional<GbkText> title = std::nullopt) override;
  bool LetEventsRun() override { return true; }
  HeadlessFacilities& Platform() override { return facilities_; }

  // What the screen would show.
  const GbkText& Caption(Control label) const { return captions_[IndexOf(label)]; }
  bool IsDisabled(Control button) const { return disabled_[IndexOf(button)]; }
  bool IsMultiLine(Control box) const { return multiLine_[IndexOf(box)]; }
  std::int32_t Period(Control timer) const { return periods_[IndexOf(timer)]; }
  const std::vector<ShownMessage>& Messages() const { return messages_; }

 private:
  // A box keeps its text and the texts appended since it was last read, so
  // that setting or appending a text copies nothing and the box is joined
  // once, when it is read.
  struct Box {
    GbkText text;
    std::vector<GbkText> appended;
  };
  std::array<Box, kControlCount> boxes_{};
  std::array<GbkText, kControlCount> captions_{};
  std::array<bool, kControlCount> disabled_{};
  std::array<bool, kControlCount> multiLine_ = AllTrue();
  std::array<std::int32_t, kControlCount> periods_ = ClockPeriods();
  bool dropTargetBound_ = false;
  HeadlessFacilities facilities_;
  std::vector<ShownMessage> messages_;

  static std::array<bool, kControlCount> AllTrue();
  static std::array<std::int32_t, kControlCount> ClockPeriods();
};

}  // namespace yanqi
