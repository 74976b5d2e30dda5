// Month and week-day names in the user's language (GetDateFormatA, with the
// locale's name tables as a fallback).
#pragma once

#include "platform/date_names.h"

namespace vantrel {

class Win32DateNames final : public DateNames {
 public:
  std::string MonthName(const CalendarDate& date) override;
  std::string AbbreviatedMonthName(const CalendarDate& date) override;
  std::string WeekDayName(const CalendarDate& date) override;
};

}  // namespace vantrel
