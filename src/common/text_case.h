// Upper case as the system's ANSI code page defines it: every comparison
// of text without regard to case goes by it (UCase and the case-insensitive
// helpers of common/text.h). The rules only know this interface; the
// system's own case is an implementation the platform gives at start
// (platform/win32/text_case_win32.h), so common code reaches into no layer.
#pragma once

#include <string>

namespace vantrel {

class TextCase {
 public:
  virtual ~TextCase() = default;
  // Converts text to upper case in place; its length stays.
  virtual void ToUpper(std::string& text) const = 0;
};

// Windows-1252, the code page of the program's own captions and of Western
// systems: the upper case in use until the platform installs the system's.
const TextCase& Windows1252Case();

// Installs the upper case the helpers use from then on; textCase must live
// as long as they are used. The platform installs the system's at start.
void UseTextCase(const TextCase& textCase);
const TextCase& CurrentTextCase();

}  // namespace vantrel
