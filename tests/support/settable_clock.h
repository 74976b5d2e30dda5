// A clock that reads whatever time the test sets.
#pragma once

#include "platform/clock.h"

namespace vantrel::test {

class SettableClock final : public Clock {
 public:
  LocalTime now{2003, 4, 16, 14, 32, 5};
  LocalTime Now() const override { return now; }
};

}  // namespace vantrel::test
