// The local wall clock of the system.
#pragma once

#include "platform/clock.h"

namespace vantrel {

class Win32Clock final : public Clock {
 public:
  LocalTime Now() const override;
};

}  // namespace vantrel
