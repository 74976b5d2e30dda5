#include "platform/win32/settings_store_win32.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"

namespace vantrel {
namespace {

std::string KeyPath(std::string_view appName, std::string_view section) {
  std::string path = "Software\\";
  path += appName;
  path += '\\';
  path += section;
  return path;
}

}  // namespace

std::string Win32SettingsStore::GetSetting(std::string_view appName, std::string_view section,
                                           std::string_view key,
                                           std::string_view defaultValue) const {
  win32::UniqueRegKey regKey;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(appName, section).c_str(), 0, KEY_QUERY_VALUE,
                      regKey.Receive()) != ERROR_SUCCESS)
    return std::string(defaultValue);
  const std::string name(key);
  // The value may change size between the two calls; a few tries settle it.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(regKey.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
      return std::string(defaultValue);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::string(defaultValue);
    std::vector<char> data(static_cast<std::size_t>(size) + 1, '\0');
    DWORD got = size;
    const LONG rc = ::RegQueryValueExA(regKey.Get(), name.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(data.data()), &got);
    if (rc == ERROR_MORE_DATA) continue;
    if (rc != ERROR_SUCCESS) return std::string(defaultValue);
    std::string text(data.data(), std::min<std::size_t>(got, data.size()));
    // Stored strings normally carry their terminating zero; it is no part of the text.
    const auto end = text.find('\0');
    if (end != std::string::npos) text.resize(end);
    return text;
  }
  return std::string(defaultValue);
}

bool Win32SettingsStore::SaveSetting(std::string_view appName, std::string_view section,
                                     std::string_view key, std::string_view value) {
  win32::UniqueRegKey regKey;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(appName, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, regKey.Receive(), nullptr) != ERROR_SUCCESS)
    return false;
  const std::string name(key), text(value);
  return ::RegSetValueExA(regKey.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace vantrel
