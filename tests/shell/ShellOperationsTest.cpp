#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <vector>

#include "shell/BoxActions.h"
#include "shell/Clock.h"
#include "shell/EventTable.h"
#include "shell/HeadlessWindow.h"
#include "text/GbkCodec.h"
#include "text/SystemClock.h"

namespace yanqi {
namespace {

// Records the order in which boxes are set.
class RecordingWindow : public HeadlessWindow {
 public:
  void SetText(Control box, const GbkText& text) override {
    setBoxes.push_back(box);
    HeadlessWindow::SetText(box, text);
  }
  std::vector<Control> setBoxes;
};

TEST(ClearBoxes, EmptiesTheResultBoxThenTheSourceBox) {
  RecordingWindow window;
  window.SetText(Control::编辑框1, "source");
  window.SetText(Control::编辑框2, "result");
  window.SetText(Control::编辑框3, "find");
  window.setBoxes.clear();
  ClearBoxes(window);
  EXPECT_EQ(window.setBoxes, (std::vector<Control>{Control::编辑框2, Control::编辑框1}));
  EXPECT_EQ(window.GetText(Control::编辑框1), GbkText());
  EXPECT_EQ(window.GetText(Control::编辑框2), GbkText());
  EXPECT_EQ(window.GetText(Control::编辑框3), GbkText("find"));
}

TEST(RefreshClock, ShowsTheLocalTime) {
  SetSystemSecondsSource([] { return std::int64_t{1714745109}; });
  const char* saved = std::getenv("TZ");
  const std::string savedZone = saved ? saved : "";
  setenv("TZ", "CST-8", 1);
  tzset();
  HeadlessWindow window;
  RefreshClock(window);
  EXPECT_EQ(window.Caption(Control::标签2), Gbk(u8"现在时间：2024年5月3日22时5分9秒"));
  SetSystemSecondsSource(nullptr);
  if (saved) setenv("TZ", savedZone.c_str(), 1); else unsetenv("TZ");
  tzset();
}

TEST(EventTable, OperationsAreFoundByName) {
  const auto clear = FindOperation("ClearBoxes");
  ASSERT_TRUE(clear);
  EXPECT_EQ(clear->control, Control::_清空);
  EXPECT_EQ(clear->event, Event::Click);
  EXPECT_EQ(FindOperation("RefreshClock")->event, Event::Periodic);
  EXPECT_FALSE(FindOperation("NoSuchOperation"));
  for (const EventBinding& binding : EventTable()) {
    EXPECT_EQ(FindOperation(binding.operation)->run, binding.run) << "names are unique: " << binding.operation;
  }
}

}  // namespace
}  // namespace yanqi
