#include "support/fake_registry.h"

#include "common/text.h"

namespace vantrel::test {

FakeRegistry::Key FakeRegistry::MakeKey(RegistryRoot root, std::string_view subkey,
                                        std::string_view name) {
  return {root, UCase(subkey), UCase(name)};
}

bool FakeRegistry::SetString(RegistryRoot root, std::string_view subkey, std::string_view name,
                             std::string_view text) {
  const bool ok = !denied_.contains(root);
  if (ok) values_[MakeKey(root, subkey, name)] = std::string(text);
  calls_.push_back({RegistryCall::Set, root, std::string(subkey), std::string(name),
                    std::string(text), ok});
  return ok;
}

bool FakeRegistry::DeleteValue(RegistryRoot root, std::string_view subkey,
                               std::string_view name) {
  const bool ok = !denied_.contains(root) && values_.erase(MakeKey(root, subkey, name)) > 0;
  calls_.push_back({RegistryCall::Delete, root, std::string(subkey), std::string(name), "", ok});
  return ok;
}

std::optional<std::string> FakeRegistry::Value(RegistryRoot root, std::string_view subkey,
                                               std::string_view name) const {
  const auto it = values_.find(MakeKey(root, subkey, name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

}  // namespace vantrel::test
