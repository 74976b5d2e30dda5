// The system's upper case: CharUpperBuffA, the rules of the ANSI code page
// the system runs with (double-byte characters included).
#pragma once

#include "common/text_case.h"

namespace vantrel {

class Win32TextCase final : public TextCase {
 public:
  void ToUpper(std::string& text) const override;
};

// The one the program installs at start.
const TextCase& SystemTextCase();

}  // namespace vantrel
