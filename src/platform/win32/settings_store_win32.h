// The per-user settings store in the registry of the current user.
#pragma once

#include "platform/settings_store.h"

namespace vantrel {

// Each value lives at HKEY_CURRENT_USER\Software\<application>\<section>,
// value name <key>, as a REG_SZ: the per-user hive follows the user from
// machine to machine and needs no rights beyond the user's own.
class Win32SettingsStore final : public SettingsStore {
 public:
  std::string GetSetting(std::string_view appName, std::string_view section,
                         std::string_view key, std::string_view defaultValue) const override;
  bool SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                   std::string_view value) override;
};

}  // namespace vantrel
