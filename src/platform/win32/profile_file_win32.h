// Private-profile files through GetPrivateProfileStringA and
// WritePrivateProfileStringA.
#pragma once

#include "platform/profile_file.h"

namespace vantrel {

class Win32ProfileFile final : public ProfileFile {
 public:
  std::size_t ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::span<char> buffer,
                         std::string_view file) const override;
  long WriteString(std::string_view section, std::string_view key, std::string_view value,
                   std::string_view file) override;
};

}  // namespace vantrel
