#include <gtest/gtest.h>

#include "store/module_ini.h"
#include "support/fake_profile.h"

namespace vantrel {
namespace {

using test::FakeProfileFile;
using test::ProfileWrite;

constexpr const char* kFolder = "C:\\Programs\\Vantrel";
constexpr const char* kIni = "C:\\Programs\\Vantrel\\Vantrel.ini";

TEST(IniFilePathTest, IsTheProgramFolderAndTheFileName) {
  EXPECT_EQ(IniFilePath(kFolder), kIni);
  FakeProfileFile profile;
  EXPECT_EQ(ModuleINI(profile, kFolder).IniFilePath(), kIni);
}

struct LengthCase {
  std::size_t stored;
  std::size_t readBack;
};

class ReadIniValueLength : public ::testing::TestWithParam<LengthCase> {};

// Values go through a buffer of 255 characters: at most 254 come back.
TEST_P(ReadIniValueLength, CutsToTheBuffer) {
  FakeProfileFile profile;
  std::string value;
  for (std::size_t i = 0; i < GetParam().stored; ++i) value += static_cast<char>('a' + i % 26);
  profile.Seed(kIni, "Vantrel", "0", value);
  const std::string read = ReadIniValue(profile, "Vantrel", "0", kIni);
  EXPECT_EQ(read, value.substr(0, GetParam().readBack));
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReadIniValueLength,
                         ::testing::Values(LengthCase{0, 0}, LengthCase{1, 1}, LengthCase{253, 253},
                                         LengthCase{254, 254}, LengthCase{255, 254},
                                         LengthCase{300, 254}));

TEST(ReadIniValueTest, MissingKeySectionOrFileReadsEmpty) {
  FakeProfileFile profile;
  profile.Seed(kIni, "Vantrel", "NbOcc", "2");
  EXPECT_EQ(ReadIniValue(profile, "Vantrel", "NbOcc", kIni), "2");
  EXPECT_EQ(ReadIniValue(profile, "Vantrel", "NbCondition", kIni), "");
  EXPECT_EQ(ReadIniValue(profile, "Other", "NbOcc", kIni), "");
  EXPECT_EQ(ReadIniValue(profile, "Vantrel", "NbOcc", "C:\\elsewhere.ini"), "");
}

// A platform that claims to have copied more than the buffer holds must not
// make the reader run past it.
class OverclaimingProfile final : public ProfileFile {
 public:
  std::size_t ReadString(std::string_view, std::string_view, std::string_view,
                         std::span<char> buffer, std::string_view) const override {
    for (char& c : buffer) c = 'x';
    return buffer.size() + 50;
  }
  long WriteString(std::string_view, std::string_view, std::string_view,
                   std::string_view) override {
    return 0;
  }
};

TEST(ReadIniValueTest, NeverReadsPastTheBufferWhateverThePlatformSays) {
  OverclaimingProfile profile;
  EXPECT_EQ(ReadIniValue(profile, "Vantrel", "0", kIni), std::string(254, 'x'));
}

TEST(WriteIniValueTest, WritesEachKeyAtOnceInOrderAndReturnsThePlatformResult) {
  FakeProfileFile profile;
  ModuleINI ini(profile, kFolder);
  EXPECT_NE(ini.WriteIniValue("2", "C"), 0);
  EXPECT_NE(ini.WriteIniValue("NbOcc", "3"), 0);
  EXPECT_NE(ini.WriteIniValue("1", ""), 0);
  EXPECT_EQ(profile.Writes(), (std::vector<ProfileWrite>{{kIni, "Vantrel", "2", "C"},
                                                         {kIni, "Vantrel", "NbOcc", "3"},
                                                         {kIni, "Vantrel", "1", ""}}));
  // An empty write keeps the key, with an empty value.
  EXPECT_EQ(profile.Value(kIni, "Vantrel", "1"), std::optional<std::string>(""));
  profile.SetWritesFail(true);
  EXPECT_EQ(WriteIniValue(profile, "Vantrel", "0", "A", kIni), 0);
}

TEST(ModuleIniTest, A300CharacterTitleIsWrittenWholeAndReadsBackAs254) {
  FakeProfileFile profile;
  ModuleINI ini(profile, kFolder);
  const std::string title(300, 'T');
  ini.WriteIniValue("0", title);
  EXPECT_EQ(profile.Writes().back().value, title);
  EXPECT_EQ(ini.ReadIniValue("0"), std::string(254, 'T'));
}

}  // namespace
}  // namespace vantrel

namespace vantrel {
namespace {

// "key=value" of the stored keys named, in order; "key" alone when absent.
std::vector<std::string> StoredKeys(const test::FakeProfileFile& profile, std::initializer_list<const char*> keys) {
  std::vector<std::string> out;
  for (const char* key : keys) {
    const auto value = profile.Value(kIni, "Vantrel", key);
    out.push_back(value ? std::string(key) + "=" + *value : std::string(key));
  }
  return out;
}

TEST(IniChangeTest, RollingBackPutsBackWhatTheWritesReplacedLatestFirst) {
  test::FakeProfileFile profile;
  profile.Seed(kIni, "Vantrel", "0", "A");
  profile.Seed(kIni, "Vantrel", "NbOcc", "1");
  ModuleINI ini(profile, kFolder);
  IniChange change(ini);
  ASSERT_TRUE(change.Write("0", ""));
  ASSERT_TRUE(change.Write("0", "B"));
  ASSERT_TRUE(change.Write("1", "C"));
  profile.FailWrites(1, 1);
  EXPECT_FALSE(change.Write("NbOcc", "2"));
  profile.ClearWrites();
  EXPECT_TRUE(change.RollBack());
  // A missing key comes back empty; the refused write is written back too.
  EXPECT_EQ(StoredKeys(profile, {"0", "1", "NbOcc"}), (std::vector<std::string>{"0=A", "1=", "NbOcc=1"}));
  std::vector<std::string> writes;
  for (const auto& w : profile.Writes()) writes.push_back(w.key + "=" + w.value);
  EXPECT_EQ(writes, (std::vector<std::string>{"NbOcc=1", "1=", "0=", "0=A"}));
}

TEST(IniChangeTest, ARollBackTheFileRefusesSaysSo) {
  test::FakeProfileFile profile;
  profile.Seed(kIni, "Vantrel", "0", "A");
  ModuleINI ini(profile, kFolder);
  IniChange change(ini);
  ASSERT_TRUE(change.Write("0", "B"));
  profile.SetWritesFail(true);
  EXPECT_FALSE(change.RollBack());
  EXPECT_EQ(StoredKeys(profile, {"0"}), std::vector<std::string>{"0=B"});

  // Refused from the first write on: the file still reads as before.
  IniChange nothingWritten(ini);
  EXPECT_FALSE(nothingWritten.Write("0", "C"));
  EXPECT_TRUE(nothingWritten.RollBack());
  EXPECT_EQ(profile.Writes().back().value, "B");
}

}  // namespace
}  // namespace vantrel
