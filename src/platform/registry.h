// The system registry, as far as the program writes to it: string values.
#pragma once

#include <string_view>

namespace vantrel {

enum class RegistryRoot { LocalMachine, CurrentUser };

class Registry {
 public:
  virtual ~Registry() = default;
  // Creates subkey when missing and sets value name to text as a REG_SZ
  // whose data length is the number of characters of text (no terminating
  // zero counted). False when the key cannot be created or the value set.
  virtual bool SetString(RegistryRoot root, std::string_view subkey, std::string_view name,
                         std::string_view text) = 0;
  // Opens the existing subkey and deletes value name. False when the key or
  // the value is missing or cannot be changed.
  virtual bool DeleteValue(RegistryRoot root, std::string_view subkey, std::string_view name) = 0;
  // Whether value name of subkey exists.
  virtual bool HasValue(RegistryRoot root, std::string_view subkey, std::string_view name) = 0;
};

}  // namespace vantrel
