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

bool IniChange::Write(std::string_view key, std::string_view value) {
  std::string former = ini_.ReadIniValue(key);
  if (ini_.WriteIniValue(key, value) == 0) return false;
  replaced_.emplace_back(std::string(key), std::move(former));
  return true;
}

bool IniChange::RollBack() {
  bool restored = true;
  for (auto it = replaced_.rbegin(); it != replaced_.rend(); ++it)
    if (ini_.WriteIniValue(it->first, it->second) == 0) restored = false;
  replaced_.clear();
  return restored;
}

}  // namespace vantrel
