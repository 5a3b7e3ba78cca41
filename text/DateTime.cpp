#include "text/DateTime.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "text/GbkCodec.h"
#include "text/Numbers.h"
#include "text/Slicing.h"
#include "text/SystemClock.h"

namespace yanqi {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

struct CivilDate {
  std::int64_t year;
  unsigned month;
  unsigned day;
};

// Days since 1970-01-01 of a proleptic Gregorian date, and back
// (H. Hinnant's algorithms).
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
  const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  return {static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2), month, day};
}

const std::int64_t kOleEpochInUnixDays = DaysFromCivil(1899, 12, 30);

}  // namespace

GbkText FormatDateTime(DateTime value) {
  if (std::isnan(value)) value = 0;
  value = std::clamp(value, kEarliestDateTime, kLatestDateTime);
  // Half a second away from zero, then the time of day is cut to whole
  // seconds. The day part is the truncated value and the time of day its
  // distance from it, also for dates before 1899-12-30.
  value += std::copysign(0.5 / kSecondsPerDay, value);
  const double wholeDays = std::trunc(value);
  const auto secondOfDay = std::min<std::int64_t>(
      static_cast<std::int64_t>(std::fabs(value - wholeDays) * kSecondsPerDay), kSecondsPerDay - 1);
  const CivilDate date = CivilFromDays(static_cast<std::int64_t>(wholeDays) + kOleEpochInUnixDays);
  const int hour = static_cast<int>(secondOfDay / 3600);
  const int minute = static_cast<int>(secondOfDay / 60 % 60);
  const int second = static_cast<int>(secondOfDay % 60);

  static const GbkText kYear = Gbk(u8"年"), kMonth = Gbk(u8"月"), kDay = Gbk(u8"日");
  static const GbkText kHour = Gbk(u8"时"), kMinute = Gbk(u8"分"), kSecond = Gbk(u8"秒");
  const GbkText day = Concat(FormatNumber(static_cast<std::int32_t>(date.year)), kYear,
                             FormatNumber(static_cast<std::int32_t>(date.month)), kMonth,
                             FormatNumber(static_cast<std::int32_t>(date.day)), kDay);
  if (second != 0) {
    return Concat(day, FormatNumber(hour), kHour, FormatNumber(minute), kMinute, FormatNumber(second), kSecond);
  }
  if (minute != 0) return Concat(day, FormatNumber(hour), kHour, FormatNumber(minute), kMinute);
  if (hour != 0) return Concat(day, FormatNumber(hour), kHour);
  return day;
}

DateTime CurrentDateTime() {
  const time_t seconds = static_cast<time_t>(ReadSystemSeconds());
  tm local{};
  localtime_r(&seconds, &local);
  const std::int64_t days =
      DaysFromCivil(std::int64_t{local.tm_year} + 1900, static_cast<unsigned>(local.tm_mon + 1),
                    static_cast<unsigned>(local.tm_mday)) -
      kOleEpochInUnixDays;
  const std::int64_t secondOfDay = std::int64_t{local.tm_hour} * 3600 + local.tm_min * 60 + local.tm_sec;
  return static_cast<double>(days) + static_cast<double>(secondOfDay) / kSecondsPerDay;
}

}  // namespace yanqi
