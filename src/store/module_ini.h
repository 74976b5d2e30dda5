// The INI file "Vantrel.ini": the rule lists, read and written one key at a
// time through the private-profile functions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile_file.h"

namespace vantrel {

// The file's only section.
inline constexpr std::string_view kIniSection = "Vantrel";
// Values are read into a buffer of this many characters, so at most one
// less comes back; longer values are cut.
inline constexpr std::size_t kIniBufferLength = 255;

// The program folder followed by "\Vantrel.ini".
std::string IniFilePath(std::string_view programFolder);

// The value of key (the empty text when missing), at most
// kIniBufferLength - 1 characters.
std::string ReadIniValue(const ProfileFile& profile, std::string_view section,
                         std::string_view key, std::string_view file);

// Writes key = value (an empty value leaves the key with an empty value).
// Returns the platform's result, non-zero on success.
long WriteIniValue(ProfileFile& profile, std::string_view section, std::string_view key,
                   std::string_view value, std::string_view file);

// The program's INI file: IniFilePath, computed once, and the section
// "Vantrel", bound to the profile functions.
class ModuleINI {
 public:
  ModuleINI(ProfileFile& profile, std::string_view programFolder)
      : profile_(profile), path_(vantrel::IniFilePath(programFolder)) {}

  const std::string& IniFilePath() const { return path_; }
  std::string ReadIniValue(std::string_view key) const {
    return vantrel::ReadIniValue(profile_, kIniSection, key, path_);
  }
  long WriteIniValue(std::string_view key, std::string_view value) {
    return vantrel::WriteIniValue(profile_, kIniSection, key, value, path_);
  }

 private:
  ProfileFile& profile_;
  std::string path_;
};

// The writes of one operation on the INI file, each of which can fail.
// A list is stored as a count and numbered keys, and one change of it takes
// several writes: when one fails, RollBack writes the keys already written
// back to the values they held, so that the stored list reads as before.
class IniChange {
 public:
  explicit IniChange(ModuleINI& ini) : ini_(ini) {}

  // Writes key = value, having read the value it replaces. False when the
  // write failed; the caller then stops and rolls back.
  bool Write(std::string_view key, std::string_view value);
  // Writes back, the latest first, the values the writes replaced or were
  // to replace. False when the file refuses to take back a value that a
  // successful write replaced: the stored list may then read otherwise than
  // before.
  bool RollBack();

 private:
  struct Replaced {
    std::string key;
    std::string former;
    bool written;
  };
  ModuleINI& ini_;
  std::vector<Replaced> writes_;
};

}  // namespace vantrel
