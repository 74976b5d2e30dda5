#include "menus/render/list_calendar.h"

namespace vantrel {
namespace {

// Days from 1 January 1970 of a proleptic Gregorian date (the civil-days
// algorithm: years start in March so the leap day comes last).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

CalendarDate CivilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CalendarDate{static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

// 1 January 1970 counted from 30 December 1899.
constexpr long long kSerialOfUnixEpoch = 25569;

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

std::int32_t DateSerial(const CalendarDate& date) {
  return static_cast<std::int32_t>(DaysFromCivil(date.year, static_cast<unsigned>(date.month),
                                                 static_cast<unsigned>(date.day)) +
                                   kSerialOfUnixEpoch);
}

CalendarDate DateFromSerial(std::int32_t serial) { return CivilFromDays(serial - kSerialOfUnixEpoch); }

int WeekDayOfSerial(std::int32_t serial) {
  // Day 0 was a Saturday.
  const int rest = static_cast<int>(((static_cast<long long>(serial) + 6) % 7 + 7) % 7);
  return rest + 1;
}

}  // namespace vantrel
