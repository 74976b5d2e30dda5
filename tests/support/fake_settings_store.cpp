#include "support/fake_settings_store.h"

namespace vantrel::test {

std::string FakeSettingsStore::GetSetting(std::string_view appName, std::string_view section,
                                          std::string_view key,
                                          std::string_view defaultValue) const {
  return Value(appName, section, key).value_or(std::string(defaultValue));
}

bool FakeSettingsStore::SaveSetting(std::string_view appName, std::string_view section,
                                    std::string_view key, std::string_view value) {
  saves_.push_back({std::string(appName), std::string(section), std::string(key), std::string(value)});
  Seed(appName, section, key, value);
  return true;
}

void FakeSettingsStore::Seed(std::string_view appName, std::string_view section,
                             std::string_view key, std::string_view value) {
  values_[Key(appName, section, key)] = std::string(value);
}

std::optional<std::string> FakeSettingsStore::Value(std::string_view appName,
                                                    std::string_view section,
                                                    std::string_view key) const {
  const auto it = values_.find(Key(appName, section, key));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

}  // namespace vantrel::test
