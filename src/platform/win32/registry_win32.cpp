#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <string>

#include "platform/win32/win32_handles.h"

namespace vantrel {
namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

bool Win32Registry::SetString(RegistryRoot root, std::string_view subkey, std::string_view name,
                              std::string_view text) {
  const std::string path(subkey), valueName(name), data(text);
  win32::UniqueRegKey key;
  if (::RegCreateKeyA(RootKey(root), path.c_str(), key.Receive()) != ERROR_SUCCESS) return false;
  // The data length counts the characters of the text, without a terminating zero.
  return ::RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(RegistryRoot root, std::string_view subkey,
                                std::string_view name) {
  const std::string path(subkey), valueName(name);
  win32::UniqueRegKey key;
  if (::RegOpenKeyA(RootKey(root), path.c_str(), key.Receive()) != ERROR_SUCCESS) return false;
  return ::RegDeleteValueA(key.Get(), valueName.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::HasValue(RegistryRoot root, std::string_view subkey, std::string_view name) {
  const std::string path(subkey), valueName(name);
  win32::UniqueRegKey key;
  if (::RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS) return false;
  return ::RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace vantrel
