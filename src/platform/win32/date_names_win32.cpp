#include "platform/win32/date_names_win32.h"

#include <windows.h>

namespace vantrel {
namespace {

bool ToSystemTime(const CalendarDate& date, SYSTEMTIME& st) {
  if (date.year < 1601 || date.year > 30827 || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) {
    return false;
  }
  st = SYSTEMTIME{};
  st.wYear = static_cast<WORD>(date.year);
  st.wMonth = static_cast<WORD>(date.month);
  st.wDay = static_cast<WORD>(date.day);
  return true;
}

// The date in one picture of the user's locale; "" when it cannot be formatted.
std::string Formatted(const CalendarDate& date, const char* picture) {
  SYSTEMTIME st;
  if (!ToSystemTime(date, st)) return {};
  char buffer[128] = {};
  const int n = ::GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, picture, buffer, static_cast<int>(sizeof buffer));
  if (n <= 1) return {};
  return std::string(buffer, static_cast<std::size_t>(n - 1));
}

std::string LocaleText(LCTYPE type) {
  char buffer[128] = {};
  const int n = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, static_cast<int>(sizeof buffer));
  if (n <= 1) return {};
  return std::string(buffer, static_cast<std::size_t>(n - 1));
}

// 1 = Sunday ... 7 = Saturday, by Zeller's congruence.
int WeekDay(const CalendarDate& date) {
  int y = date.year;
  int m = date.month;
  if (m < 3) {
    m += 12;
    --y;
  }
  const int h = (date.day + 13 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7;  // 0 = Saturday
  return (h + 6) % 7 + 1;
}

}  // namespace

std::string Win32DateNames::MonthName(const CalendarDate& date) {
  std::string name = Formatted(date, "MMMM");
  if (name.empty() && date.month >= 1 && date.month <= 12) {
    name = LocaleText(static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + date.month - 1));
  }
  return name;
}

std::string Win32DateNames::AbbreviatedMonthName(const CalendarDate& date) {
  std::string name = Formatted(date, "MMM");
  if (name.empty() && date.month >= 1 && date.month <= 12) {
    name = LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + date.month - 1));
  }
  return name;
}

std::string Win32DateNames::WeekDayName(const CalendarDate& date) {
  std::string name = Formatted(date, "dddd");
  if (name.empty() && date.year > 0 && date.month >= 1 && date.month <= 12) {
    // The locale's table starts on Monday.
    const int weekDay = WeekDay(date);
    name = LocaleText(static_cast<LCTYPE>(LOCALE_SDAYNAME1 + (weekDay + 5) % 7));
  }
  return name;
}

}  // namespace vantrel
