// Private-profile (INI) files, read and written one key at a time.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace vantrel {

class ProfileFile {
 public:
  virtual ~ProfileFile() = default;
  // Copies the value of key (defaultValue when the key is missing) into
  // buffer, cut to buffer.size() - 1 characters and ended by a zero, and
  // returns the number of characters copied (the zero not counted).
  virtual std::size_t ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue, std::span<char> buffer,
                                 std::string_view file) const = 0;
  // Writes key = value in section, creating file and section when missing.
  // Returns non-zero on success.
  virtual long WriteString(std::string_view section, std::string_view key, std::string_view value,
                           std::string_view file) = 0;
};

}  // namespace vantrel
