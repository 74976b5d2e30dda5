// The autostart value and the per-user settings store in the real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/win32/registry_win32.h"
#include "platform/win32/settings_store_win32.h"
#include "store/autostart.h"
#include "store/settings.h"

namespace vantrel {
namespace {

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// A value name of the tests' own, so that a real autostart entry of the
// prefix is never touched.
constexpr const char* kName = "VantrelWinTest";
constexpr const char* kCommand = "C:\\Program Files\\Vantrel\\Vantrel.exe";

struct RawValue {
  DWORD type;
  std::string data;  // every byte stored, a terminating zero included if any
};

std::optional<RawValue> ReadRaw(HKEY root, const char* subkey, const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0, size = 0;
  std::optional<RawValue> result;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::string data(size, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
        ERROR_SUCCESS) {
      data.resize(size);
      result = RawValue{type, data};
    }
  }
  RegCloseKey(key);
  return result;
}

// The value is set with the characters of the command as its length. The
// system itself counts a terminating zero that follows the data (Windows NT
// does, and Wine with it), so the stored bytes may carry one zero more.
bool IsTheCommand(const std::string& data) {
  return data == kCommand || data == std::string(kCommand) + '\0';
}

// Refuses every write to the machine-wide hive, as it is refused to a
// standard user, and passes the rest to the real registry.
class StandardUserRegistry final : public Registry {
 public:
  bool SetString(RegistryRoot root, std::string_view subkey, std::string_view name,
                 std::string_view text) override {
    return root != RegistryRoot::LocalMachine && real_.SetString(root, subkey, name, text);
  }
  bool DeleteValue(RegistryRoot root, std::string_view subkey, std::string_view name) override {
    return root != RegistryRoot::LocalMachine && real_.DeleteValue(root, subkey, name);
  }
  bool HasValue(RegistryRoot root, std::string_view subkey, std::string_view name) override {
    return real_.HasValue(root, subkey, name);
  }

 private:
  Win32Registry real_;
};

class AutostartWinTest : public ::testing::Test {
 protected:
  ~AutostartWinTest() override { RemoveAutostartEntry(registry_, kName); }
  Win32Registry registry_;
};

TEST_F(AutostartWinTest, TheMachineWideValueIsAStringOfTheCommandsCharacters) {
  ASSERT_EQ(SetAutostartEntry(registry_, kName, kCommand), AutostartPlace::MachineWide);
  const auto value = ReadRaw(HKEY_LOCAL_MACHINE, kRun, kName);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
  EXPECT_TRUE(IsTheCommand(value->data)) << value->data;
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kRun, kName));
  RemoveAutostartEntry(registry_, kName);
  EXPECT_FALSE(ReadRaw(HKEY_LOCAL_MACHINE, kRun, kName));
}

TEST_F(AutostartWinTest, AStandardUserGetsTheValueUnderTheUserRunKeyAndLosesItOnRemoval) {
  StandardUserRegistry standard;
  ASSERT_EQ(SetAutostartEntry(standard, kName, kCommand), AutostartPlace::CurrentUser);
  EXPECT_FALSE(ReadRaw(HKEY_LOCAL_MACHINE, kRun, kName));
  const auto value = ReadRaw(HKEY_CURRENT_USER, kRun, kName);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
  EXPECT_TRUE(IsTheCommand(value->data)) << value->data;
  // Clearing the option with full rights removes it from both keys.
  RemoveAutostartEntry(registry_, kName);
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kRun, kName));
  EXPECT_FALSE(ReadRaw(HKEY_LOCAL_MACHINE, kRun, kName));
}

TEST_F(AutostartWinTest, AMachineWideWriteRemovesAnEarlierFallback) {
  StandardUserRegistry standard;
  ASSERT_EQ(SetAutostartEntry(standard, kName, kCommand), AutostartPlace::CurrentUser);
  ASSERT_EQ(SetAutostartEntry(registry_, kName, kCommand), AutostartPlace::MachineWide);
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kRun, kName));
  EXPECT_TRUE(ReadRaw(HKEY_LOCAL_MACHINE, kRun, kName));
}

TEST_F(AutostartWinTest, RemovingAnAbsentValueFailsQuietly) {
  RemoveAutostartEntry(registry_, kName);
  EXPECT_FALSE(registry_.DeleteValue(RegistryRoot::LocalMachine, kRun, kName));
  EXPECT_FALSE(registry_.DeleteValue(RegistryRoot::CurrentUser, "Software\\NoSuchKeyHere", kName));
}

class SettingsStoreWinTest : public ::testing::Test {
 protected:
  ~SettingsStoreWinTest() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VantrelWinTest"); }
  Win32SettingsStore store_;
};

TEST_F(SettingsStoreWinTest, ValuesLiveUnderTheUsersSoftwareKeyAsStrings) {
  EXPECT_EQ(store_.GetSetting("VantrelWinTest", "Settings", "MainTop", "3727"), "3727");
  ASSERT_TRUE(store_.SaveSetting("VantrelWinTest", "Settings", "MainTop", "1234.5"));
  ASSERT_TRUE(store_.SaveSetting("VantrelWinTest", "Font", "Name", ""));
  EXPECT_EQ(store_.GetSetting("VantrelWinTest", "Settings", "MainTop", "0"), "1234.5");
  EXPECT_EQ(store_.GetSetting("VantrelWinTest", "Font", "Name", "Tahoma"), "");
  EXPECT_EQ(store_.GetSetting("VantrelWinTest", "Settings", "Other", "d"), "d");
  const auto raw = ReadRaw(HKEY_CURRENT_USER, "Software\\VantrelWinTest\\Settings", "MainTop");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw->data, std::string("1234.5", 7));  // with its terminating zero
}

TEST_F(SettingsStoreWinTest, AValueOfAnotherTypeReadsAsTheDefault) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\VantrelWinTest\\Settings", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD number = 7;
  RegSetValueExA(key, "Position", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  // A string stored without its zero reads back whole.
  RegSetValueExA(key, "Wave", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\a.wav"), 8);
  RegCloseKey(key);
  EXPECT_EQ(store_.GetSetting("VantrelWinTest", "Settings", "Position", "1"), "1");
  EXPECT_EQ(store_.GetSetting("VantrelWinTest", "Settings", "Wave", ""), "C:\\a.wav");
}

TEST_F(SettingsStoreWinTest, TheProgramsSettingsRoundTrip) {
  // The program's own application name, on keys no other test uses.
  Settings settings(store_, "C:\\V");
  const std::string before = store_.GetSetting("Vantrel", "Settings", "SonTop", "<none>");
  ASSERT_TRUE(settings.SavePosition("SonTop", -30.5f));
  EXPECT_EQ(settings.SonTop(11520, 2000), -30.5f);
  if (before == "<none>")
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Vantrel\\Settings", "SonTop");
  else
    settings.SaveText("SonTop", before);
}

}  // namespace
}  // namespace vantrel
