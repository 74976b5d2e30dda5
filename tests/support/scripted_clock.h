// A clock that gives the times it is handed, one per reading, and repeats
// the last one when they run out.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/clock.h"

namespace vantrel::test {

class ScriptedClock final : public Clock {
 public:
  explicit ScriptedClock(std::vector<LocalTime> times) : times_(std::move(times)) {}
  LocalTime Now() const override;
  int Readings() const { return static_cast<int>(next_); }

 private:
  std::vector<LocalTime> times_;
  mutable std::size_t next_ = 0;
};

}  // namespace vantrel::test
