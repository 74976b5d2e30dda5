// Where the program leaves a word about a failure it got over without
// telling its user (on Windows: the debugger's output, which DebugView or a
// debugger shows).
#pragma once

#include <string_view>

namespace vantrel {

class DebugTrace {
 public:
  virtual ~DebugTrace() = default;
  // One line; must not throw.
  virtual void Write(std::string_view line) noexcept = 0;
};

}  // namespace vantrel
