// An in-memory registry recording every call in order, with roots that can
// be made to refuse writes (a standard user and the machine-wide hive).
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry.h"

namespace vantrel::test {

struct RegistryCall {
  enum Kind { Set, Delete } kind;
  RegistryRoot root;
  std::string subkey, name, text;  // text only for Set
  bool succeeded;
  bool operator==(const RegistryCall&) const = default;
};

class FakeRegistry final : public Registry {
 public:
  bool SetString(RegistryRoot root, std::string_view subkey, std::string_view name,
                 std::string_view text) override;
  bool DeleteValue(RegistryRoot root, std::string_view subkey, std::string_view name) override;
  bool HasValue(RegistryRoot root, std::string_view subkey, std::string_view name) override {
    return Value(root, subkey, name).has_value();
  }

  void DenyWrites(RegistryRoot root) { denied_.insert(root); }
  void AllowWrites(RegistryRoot root) { denied_.erase(root); }
  std::optional<std::string> Value(RegistryRoot root, std::string_view subkey,
                                   std::string_view name) const;
  const std::vector<RegistryCall>& Calls() const { return calls_; }

 private:
  using Key = std::tuple<RegistryRoot, std::string, std::string>;  // subkey and name upper-cased
  static Key MakeKey(RegistryRoot root, std::string_view subkey, std::string_view name);

  std::map<Key, std::string> values_;
  std::set<RegistryRoot> denied_;
  std::vector<RegistryCall> calls_;
};

}  // namespace vantrel::test
