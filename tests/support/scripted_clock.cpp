#include "support/scripted_clock.h"

namespace vantrel::test {

LocalTime ScriptedClock::Now() const {
  if (times_.empty()) return LocalTime{};
  const std::size_t i = next_ < times_.size() ? next_ : times_.size() - 1;
  ++next_;
  return times_[i];
}

}  // namespace vantrel::test
