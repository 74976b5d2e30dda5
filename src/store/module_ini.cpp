#include "store/module_ini.h"

#include <algorithm>
#include <array>

#include "store/program_files.h"

namespace vantrel {

std::string IniFilePath(std::string_view programFolder) {
  return ProgramFilePath(programFolder, kIniFileName);
}

std::string ReadIniValue(const ProfileFile& profile, std::string_view section,
                         std::string_view key, std::string_view file) {
  std::array<char, kIniBufferLength> buffer{};
  const std::size_t copied = profile.ReadString(section, key, "", buffer, file);
  // A count beyond the buffer would be the platform's fault; never read past it.
  return std::string(buffer.data(), std::min(copied, buffer.size() - 1));
}

long WriteIniValue(ProfileFile& profile, std::string_view section, std::string_view key,
                   std::string_view value, std::string_view file) {
  return profile.WriteString(section, key, value, file);
}

}  // namespace vantrel
