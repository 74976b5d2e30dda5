// The debugger's output (OutputDebugStringA).
#pragma once

#include "platform/debug_trace.h"

namespace vantrel {

class OutputDebugTrace final : public DebugTrace {
 public:
  void Write(std::string_view line) noexcept override;
};

}  // namespace vantrel
