// Calendar arithmetic of the month, week-day and day-of-month lists: the
// date serial (whole days since 30 December 1899, as the platform counts
// dates), week days from 1 = Sunday to 7 = Saturday, and month lengths.
#pragma once

#include <cstdint>

#include "platform/clock.h"
#include "platform/date_names.h"

namespace vantrel {

// Years the lists accept: the range of the platform's dates.
inline constexpr int kFirstListYear = 100;
inline constexpr int kLastListYear = 9999;

bool IsLeapYear(int year);
// Days of month (1..12) of year; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// The day number of a date; month and day must form a real date.
std::int32_t DateSerial(const CalendarDate& date);
// The date of a day number.
CalendarDate DateFromSerial(std::int32_t serial);
// 1 = Sunday ... 7 = Saturday.
int WeekDayOfSerial(std::int32_t serial);
inline CalendarDate DateOf(const LocalTime& t) { return CalendarDate{t.year, t.month, t.day}; }

}  // namespace vantrel
