// An in-memory per-user settings store recording every save in order.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/settings_store.h"

namespace vantrel::test {

struct SettingSave {
  std::string app, section, key, value;
  bool operator==(const SettingSave&) const = default;
};

class FakeSettingsStore final : public SettingsStore {
 public:
  std::string GetSetting(std::string_view appName, std::string_view section,
                         std::string_view key, std::string_view defaultValue) const override;
  bool SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                   std::string_view value) override;

  void Seed(std::string_view appName, std::string_view section, std::string_view key,
            std::string_view value);
  std::optional<std::string> Value(std::string_view appName, std::string_view section,
                                   std::string_view key) const;
  const std::vector<SettingSave>& Saves() const { return saves_; }
  void ClearSaves() { saves_.clear(); }

 private:
  using Key = std::tuple<std::string, std::string, std::string>;
  std::map<Key, std::string> values_;
  std::vector<SettingSave> saves_;
};

}  // namespace vantrel::test
