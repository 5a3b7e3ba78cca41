#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <vector>

#include "shell/BoxActions.h"
#include "shell/Clock.h"
#include "shell/EventTable.h"
#include "shell/HeadlessWindow.h"
#include "text/GbkCodec.h"
#include "tests/shell/RecordingWindow.h"
#include "text/SystemClock.h"

namespace yanqi {
namespace {

TEST(ClearBoxes, EmptiesTheResultBoxThenTheSourceBox) {
  EXPECT_EQ(test::BoxesReplacedBy(ClearBoxes, "source", "result"),
            (std::vector<Control>{Control::编辑框2, Control::编辑框1}));
  HeadlessWindow window;
  window.SetText(Control::编辑框1, "source");
  window.SetText(Control::编辑框3, "find");
  ClearBoxes(window);
  EXPECT_EQ(window.GetText(Control::编辑框1), GbkText());
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
