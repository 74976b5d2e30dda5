// String values of the system registry through the classic key calls.
#pragma once

#include "platform/registry.h"

namespace vantrel {

class Win32Registry final : public Registry {
 public:
  bool SetString(RegistryRoot root, std::string_view subkey, std::string_view name,
                 std::string_view text) override;
  bool DeleteValue(RegistryRoot root, std::string_view subkey, std::string_view name) override;
  bool HasValue(RegistryRoot root, std::string_view subkey, std::string_view name) override;
};

}  // namespace vantrel
