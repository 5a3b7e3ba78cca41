#include "shell/HeadlessWindow.h"

#include <algorithm>
#include <string>

#include "shell/WindowDescription.h"
#include "text/GbkCodec.h"
#include "text/Slicing.h"

namespace yanqi {

GbkText DefaultMessageTitle() { return Gbk(u8"信息："); }

std::array<bool, kControlCount> HeadlessWindow::AllTrue() {
  std::array<bool, kControlCount> values{};
  values.fill(true);
  return values;
}

std::array<std::int32_t, kControlCount> HeadlessWindow::ClockPeriods() {
  std::array<std::int32_t, kControlCount> periods{};
  periods[IndexOf(Control::时钟1)] = kClockPeriodMilliseconds;
  return periods;
}

GbkText HeadlessWindow::GetText(Control box) {
  Box& state = boxes_[IndexOf(box)];
  if (!state.appended.empty()) {
    state.appended.insert(state.appended.begin(), state.text);
    state.text = Concat(state.appended);
    state.appended.clear();
  }
  return state.text;
}

void HeadlessWindow::SetText(Control box, const GbkText& text) {
  Box& state = boxes_[IndexOf(box)];
  state.text = text;
  state.appended.clear();
}

void HeadlessWindow::AppendText(Control box, std::span<const GbkText> texts) {
  std::vector<GbkText>& appended = boxes_[IndexOf(box)].appended;
  for (const GbkText& text : texts) {
    if (!text.Empty()) appended.push_back(text);
  }
}

void HeadlessWindow::SetCaption(Control label, const GbkText& caption) { captions_[IndexOf(label)] = caption; }

void HeadlessWindow::SetDisabled(Control button, bool disabled) { disabled_[IndexOf(button)] = disabled; }

void HeadlessWindow::SetMultiLine(Control box, bool multiLine) { multiLine_[IndexOf(box)] = multiLine; }

void HeadlessWindow::SetPeriod(Control timer, std::int32_t milliseconds) {
  periods_[IndexOf(timer)] = std::max(milliseconds, 0);
}

std::int32_t HeadlessWindow::NativeHandle(Control) { return 0; }

bool HeadlessWindow::BindDropTarget(Control, std::int32_t) {
  if (dropTargetBound_) return false;
  dropTargetBound_ = true;
  return true;
}

int HeadlessWindow::ShowMessage(const GbkText& text, int style, std::optional<GbkText> title) {
  messages_.push_back({text, style, title ? *title : DefaultMessageTitle()});
  return kMessageOk;
}

}  // namespace yanqi
