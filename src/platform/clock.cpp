#include "platform/clock.h"

#include <cstdio>

namespace vantrel {

std::string FormatTimeOfDay(const LocalTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour % 100, t.minute % 100, t.second % 100);
  return buf;
}

std::string FormatDate(const LocalTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", t.year % 10000, t.month % 100, t.day % 100);
  return buf;
}

}  // namespace vantrel
