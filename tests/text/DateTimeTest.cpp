#include "text/DateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "text/GbkCodec.h"
#include "text/SystemClock.h"

namespace yanqi {
namespace {

// 2024-05-03 is day 45415 of the OLE Automation count.
constexpr double kMay3rd2024 = 45415;

double At(double day, int hour, int minute, int second) {
  return day + (hour * 3600 + minute * 60 + second) / 86400.0;
}

TEST(FormatDateTime, WritesTheTimeDownToItsLastNonZeroPart) {
  struct Case {
    double value;
    const char8_t* text;
  };
  const Case cases[] = {
      {At(kMay3rd2024, 14, 5, 9), u8"2024年5月3日14时5分9秒"},
      {At(kMay3rd2024, 14, 5, 0), u8"2024年5月3日14时5分"},
      {At(kMay3rd2024, 14, 0, 0), u8"2024年5月3日14时"},
      {At(kMay3rd2024, 0, 0, 0), u8"2024年5月3日"},
      {At(kMay3rd2024, 0, 0, 9), u8"2024年5月3日0时0分9秒"},
      {At(kMay3rd2024 + 242, 0, 5, 0), u8"2024年12月31日0时5分"},
      {0, u8"1899年12月30日"},
      {1.5, u8"1899年12月31日12时"},
      {-1.25, u8"1899年12月29日6时"},  // before the epoch the fraction still counts forward
      {60, u8"1900年2月28日"},
      {-700000, u8"100年1月1日"},       // clamped to the earliest date
      {3e6, u8"9999年12月31日"},         // clamped to the latest date
      {At(kMay3rd2024, 23, 59, 59) + 0.4 / 86400, u8"2024年5月3日23时59分59秒"},
      {At(kMay3rd2024, 23, 59, 59) + 0.6 / 86400, u8"2024年5月4日"},  // rounds to the next midnight
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FormatDateTime(c.value), Gbk(c.text));
  }
}

class ClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    savedTimeZone_ = tz ? std::optional<std::string>(tz) : std::nullopt;
  }
  void TearDown() override {
    SetSystemSecondsSource(nullptr);
    if (savedTimeZone_) {
      setenv("TZ", savedTimeZone_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  static void UseTimeZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
  }

 private:
  std::optional<std::string> savedTimeZone_;
};

TEST_F(ClockTest, CurrentDateTimeIsTheLocalTimeOfTheClock) {
  SetSystemSecondsSource([] { return std::int64_t{1714745109}; });  // 2024-05-03 14:05:09 UTC
  UseTimeZone("UTC0");
  EXPECT_EQ(FormatDateTime(CurrentDateTime()), Gbk(u8"2024年5月3日14时5分9秒"));
  UseTimeZone("CST-8");
  EXPECT_EQ(FormatDateTime(CurrentDateTime()), Gbk(u8"2024年5月3日22时5分9秒"));
  UseTimeZone("EST5EDT,M3.2.0,M11.1.0");  // daylight saving time in May
  EXPECT_EQ(FormatDateTime(CurrentDateTime()), Gbk(u8"2024年5月3日10时5分9秒"));
}

}  // namespace
}  // namespace yanqi
