#include <gtest/gtest.h>

#include "store/autostart.h"
#include "support/fake_registry.h"

namespace vantrel {
namespace {

using test::FakeRegistry;
using test::RegistryCall;

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kCommand = "C:\\Program Files\\Vantrel\\Vantrel.exe";
constexpr auto HKLM = RegistryRoot::LocalMachine;
constexpr auto HKCU = RegistryRoot::CurrentUser;

TEST(AutostartTest, CommandIsTheFixedExeNameInTheProgramFolderUnquoted) {
  EXPECT_EQ(AutostartCommand("C:\\Program Files\\Vantrel"), kCommand);
}

TEST(AutostartTest, RegistryHelpersPassTheirArgumentsThrough) {
  FakeRegistry registry;
  EXPECT_TRUE(WriteRegistryString(registry, HKCU, "Software\\X", "Name", "text"));
  EXPECT_EQ(registry.Value(HKCU, "Software\\X", "Name"), std::optional<std::string>("text"));
  EXPECT_TRUE(DeleteRegistryValue(registry, HKCU, "Software\\X", "Name"));
  EXPECT_FALSE(registry.Value(HKCU, "Software\\X", "Name"));
}

TEST(AutostartTest, SetWritesTheMachineWideRunKey) {
  FakeRegistry registry;
  EXPECT_EQ(SetAutostartEntry(registry, "Vantrel", kCommand), AutostartPlace::MachineWide);
  EXPECT_EQ(registry.Value(HKLM, kRun, "Vantrel"), std::optional<std::string>(kCommand));
  EXPECT_FALSE(registry.Value(HKCU, kRun, "Vantrel"));
  ASSERT_FALSE(registry.Calls().empty());
  EXPECT_EQ(registry.Calls()[0],
            (RegistryCall{RegistryCall::Set, HKLM, kRun, "Vantrel", kCommand, true}));
}

TEST(AutostartTest, WhenTheMachineWideWriteFailsTheUserRunKeyGetsTheSameValue) {
  FakeRegistry registry;
  registry.DenyWrites(HKLM);
  EXPECT_EQ(SetAutostartEntry(registry, "Vantrel", kCommand), AutostartPlace::CurrentUser);
  EXPECT_EQ(registry.Calls(),
            (std::vector<RegistryCall>{
                {RegistryCall::Set, HKLM, kRun, "Vantrel", kCommand, false},
                {RegistryCall::Set, HKCU, kRun, "Vantrel", kCommand, true}}));
  EXPECT_EQ(registry.Value(HKCU, kRun, "Vantrel"), std::optional<std::string>(kCommand));
}

TEST(AutostartTest, WhenNeitherKeyCanBeWrittenNothingIsStoredAndItSaysSo) {
  FakeRegistry registry;
  registry.DenyWrites(HKLM);
  registry.DenyWrites(HKCU);
  EXPECT_EQ(SetAutostartEntry(registry, "Vantrel", kCommand), AutostartPlace::None);
  EXPECT_FALSE(registry.Value(HKLM, kRun, "Vantrel"));
  EXPECT_FALSE(registry.Value(HKCU, kRun, "Vantrel"));
}

// A user who once fell back to the user key and later runs with rights must
// not get the program started twice at logon.
TEST(AutostartTest, AMachineWideWriteRemovesAnEarlierFallbackValue) {
  FakeRegistry registry;
  registry.SetString(HKCU, kRun, "Vantrel", "C:\\old\\Vantrel.exe");
  EXPECT_EQ(SetAutostartEntry(registry, "Vantrel", kCommand), AutostartPlace::MachineWide);
  EXPECT_FALSE(registry.Value(HKCU, kRun, "Vantrel"));
  EXPECT_EQ(registry.Value(HKLM, kRun, "Vantrel"), std::optional<std::string>(kCommand));
}

TEST(AutostartTest, RemoveClearsBothRunKeys) {
  FakeRegistry registry;
  registry.SetString(HKLM, kRun, "Vantrel", kCommand);
  registry.SetString(HKCU, kRun, "Vantrel", kCommand);
  registry.SetString(HKCU, kRun, "Other", "other.exe");
  EXPECT_TRUE(RemoveAutostartEntry(registry, "Vantrel"));
  EXPECT_FALSE(registry.Value(HKLM, kRun, "Vantrel"));
  EXPECT_FALSE(registry.Value(HKCU, kRun, "Vantrel"));
  EXPECT_EQ(registry.Value(HKCU, kRun, "Other"), std::optional<std::string>("other.exe"));
}

TEST(AutostartTest, RemovingSaysWhetherTheProgramStillStartsWithWindows) {
  const struct {
    bool machineWide, user;  // where the value is
    bool machineWideDenied;
    bool removed;
  } cases[] = {
      {true, false, false, true}, {true, true, false, true},  {false, false, true, true},
      {true, false, true, false}, {false, true, true, true},  {true, true, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.machineWide) + std::to_string(c.user) + std::to_string(c.machineWideDenied));
    FakeRegistry registry;
    if (c.machineWide) registry.SetString(HKLM, kRun, "Vantrel", kCommand);
    if (c.user) registry.SetString(HKCU, kRun, "Vantrel", kCommand);
    if (c.machineWideDenied) registry.DenyWrites(HKLM);
    EXPECT_EQ(RemoveAutostartEntry(registry, "Vantrel"), c.removed);
    EXPECT_FALSE(registry.Value(HKCU, kRun, "Vantrel"));
  }
}

TEST(AutostartTest, RemovingAnAbsentValueDoesNothingElse) {
  FakeRegistry registry;
  EXPECT_TRUE(RemoveAutostartEntry(registry, "Vantrel"));
  EXPECT_EQ(registry.Calls(),
            (std::vector<RegistryCall>{{RegistryCall::Delete, HKLM, kRun, "Vantrel", "", false},
                                       {RegistryCall::Delete, HKCU, kRun, "Vantrel", "", false}}));
}

}  // namespace
}  // namespace vantrel
