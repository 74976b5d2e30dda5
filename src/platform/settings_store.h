// The per-user settings store: text values by application, section and key.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or defaultValue when the key is absent or unreadable.
  virtual std::string GetSetting(std::string_view appName, std::string_view section,
                                 std::string_view key, std::string_view defaultValue) const = 0;
  // Stores text under the key, creating what is missing. False on failure.
  virtual bool SaveSetting(std::string_view appName, std::string_view section,
                           std::string_view key, std::string_view value) = 0;
};

}  // namespace vantrel
