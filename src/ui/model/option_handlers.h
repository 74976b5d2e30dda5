// The three option boxes of the Options page and what a change of each
// does, whether the user clicks it or start-up sets it.
#pragma once

#include <functional>
#include <string>

#include "platform/controls.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "ui/model/user_prompts.h"

namespace vantrel {

class Settings;

inline constexpr const char* kBuiltInHeaders[] = {"- Microsoft Internet", "- Netscape", "- Mozilla"};

// Empties list5 and fills it with the built-in browser headers.
void FillBuiltInHeaders(ListControl& list5);

struct OptionBoxes {
  CheckBox& chkStart;   // start with Windows
  CheckBox& ChkDefaut;  // built-in browser headers
  CheckBox& chkMin;     // start hidden in the tray
};

class OptionHandlers {
 public:
  // focusHeaderEntry empties the header entry box and gives it the focus.
  OptionHandlers(OptionBoxes boxes, Settings& settings, Registry& registry, FileSystem& files, ListControl& list5,
                 UserPrompts& prompts, std::function<void()> focusHeaderEntry);
  OptionHandlers(const OptionHandlers&) = delete;
  OptionHandlers& operator=(const OptionHandlers&) = delete;

  void SetAutostart(bool checked);
  void SwitchSuffixSource(bool checked);
  void SaveStartHidden(bool checked);

 private:
  CheckBox& chkStart_;
  Settings& settings_;
  Registry& registry_;
  UserPrompts& prompts_;
  bool keepingAutostart_ = false;  // chkStart is being set back to what is stored
  FileSystem& files_;
  ListControl& list5_;
  std::function<void()> focusHeaderEntry_;
};

}  // namespace vantrel
