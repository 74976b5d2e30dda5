// Names of months and week days in the user's language, as the platform
// formats a date.
#pragma once

#include <string>

namespace vantrel {

// A day of the Gregorian calendar.
struct CalendarDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

class DateNames {
 public:
  virtual ~DateNames() = default;
  // The full name of the date's month ("January", "janvier"); "" on failure.
  virtual std::string MonthName(const CalendarDate& date) = 0;
  // The abbreviated name of the date's month ("Mar", "mars").
  virtual std::string AbbreviatedMonthName(const CalendarDate& date) = 0;
  // The full name of the date's week day ("Wednesday", "mercredi").
  virtual std::string WeekDayName(const CalendarDate& date) = 0;
};

}  // namespace vantrel
