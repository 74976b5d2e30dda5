// The boxes the main window shows its user, and the always-on-top state it
// leaves while one is open so that the box is not hidden behind it.
#pragma once

#include <string>

namespace vantrel {

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  virtual void MakeTopmost() = 0;
  virtual void MakeNotTopmost() = 0;
  // Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
  // An information box with OK.
  virtual void Inform(const std::string& text, const std::string& title) = 0;
};

}  // namespace vantrel
