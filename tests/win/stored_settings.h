// Settings of the program for one test, removed again at its end so that
// the other tests and the real program start from nothing stored.
#pragma once

#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

namespace vantrel::test {

class StoredSettings {
 public:
  explicit StoredSettings(std::initializer_list<std::pair<const char*, const char*>> values) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vantrel");
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Vantrel\\Settings", &key) != ERROR_SUCCESS) return;
    for (const auto& [name, value] : values)
      RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(strlen(value) + 1));
    RegCloseKey(key);
  }
  ~StoredSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vantrel"); }
  StoredSettings(const StoredSettings&) = delete;
  StoredSettings& operator=(const StoredSettings&) = delete;
};


// A stored setting as text, or "<absent>".
inline std::string StoredSetting(const char* key) {
  char value[256] = {};
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Vantrel\\Settings", key, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS)
    return "<absent>";
  return value;
}

}  // namespace vantrel::test
