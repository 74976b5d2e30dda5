// The wall clock, as the program reads it for log lines and rule times.
#pragma once

#include <string>

namespace vantrel {

struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
};

// "14:32:05": 24-hour time of day, two digits each.
std::string FormatTimeOfDay(const LocalTime& t);
// "2003/04/16": four-digit year, two-digit month and day.
std::string FormatDate(const LocalTime& t);

}  // namespace vantrel
