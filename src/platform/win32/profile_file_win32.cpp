#include "platform/win32/profile_file_win32.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>

namespace vantrel {

std::size_t Win32ProfileFile::ReadString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue, std::span<char> buffer,
                                         std::string_view file) const {
  if (buffer.empty()) return 0;
  const std::string s(section), k(key), d(defaultValue), f(file);
  const auto size = static_cast<DWORD>(
      std::min<std::size_t>(buffer.size(), std::numeric_limits<DWORD>::max()));
  const DWORD copied = ::GetPrivateProfileStringA(s.c_str(), k.c_str(), d.c_str(), buffer.data(),
                                                  size, f.c_str());
  return std::min<std::size_t>(copied, buffer.size() - 1);
}

long Win32ProfileFile::WriteString(std::string_view section, std::string_view key,
                                   std::string_view value, std::string_view file) {
  const std::string s(section), k(key), v(value), f(file);
  return ::WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), f.c_str());
}

}  // namespace vantrel
