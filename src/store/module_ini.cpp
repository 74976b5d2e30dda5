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
  const bool written = ini_.WriteIniValue(key, value) != 0;
  writes_.push_back(Replaced{.key = std::string(key), .former = std::move(former), .written = written});
  return written;
}

// A refused write changed nothing in the file, and is written back all the
// same: the system may keep a cached copy of a profile file it could not
// save (Windows documents one for the most recently used file), which a
// later write would save, refused value included. Wine keeps none. Only the
// writes that went through decide whether the file reads as before.
bool IniChange::RollBack() {
  bool restored = true;
  for (auto it = writes_.rbegin(); it != writes_.rend(); ++it)
    if (ini_.WriteIniValue(it->key, it->former) == 0 && it->written) restored = false;
  writes_.clear();
  return restored;
}

}  // namespace vantrel
