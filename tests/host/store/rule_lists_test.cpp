#include <gtest/gtest.h>

#include "platform/memory_controls.h"
#include "store/rule_lists.h"
#include "support/fake_profile.h"

namespace vantrel {
namespace {

using test::FakeProfileFile;

constexpr const char* kFolder = "C:\\V";
constexpr const char* kIni = "C:\\V\\Vantrel.ini";

TEST(RuleKeysTest, TitleKeysAreDecimalPositionsAndSizeRuleKeysStartWithC) {
  EXPECT_EQ(TitleKey(0), "0");
  EXPECT_EQ(TitleKey(500), "500");
  EXPECT_EQ(SizeRuleKey(0), "C0");
  EXPECT_EQ(SizeRuleKey(12), "C12");
}

class RuleListTest : public ::testing::Test {
 protected:
  // Stores entries under the keys 0, 1, ... (or C0, C1, ...) and the count.
  void StoreTitles(const std::vector<std::string>& titles, std::optional<std::string> count) {
    for (std::size_t p = 0; p < titles.size(); ++p)
      profile_.Seed(kIni, "Vantrel", TitleKey(static_cast<int>(p)), titles[p]);
    if (count) profile_.Seed(kIni, "Vantrel", "NbOcc", *count);
  }
  static std::vector<std::string> Numbered(int n, const std::string& prefix) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) v.push_back(prefix + std::to_string(i));
    return v;
  }

  FakeProfileFile profile_;
  ModuleINI ini_{profile_, kFolder};
  MemoryList list_;
};

struct CountCase {
  const char* name;
  std::vector<std::string> stored;    // keys 0.. with these values
  std::optional<std::string> count;   // NbOcc, nothing when absent
  std::vector<std::string> expected;  // List2 afterwards
  std::string countText;              // NbOcc kept in memory
  bool valid;
};

class TitleCountTest : public RuleListTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(TitleCountTest, LoadsWhatCanBeRead) {
  const CountCase& c = GetParam();
  StoreTitles(c.stored, c.count);
  const RuleListLoad load = LoadTitleList(ini_, list_);
  EXPECT_EQ(list_.Entries(), c.expected);
  EXPECT_EQ(load.loaded, static_cast<int>(c.expected.size()));
  EXPECT_EQ(load.countText, c.countText);
  EXPECT_EQ(load.countWasValid, c.valid);
  EXPECT_TRUE(profile_.Writes().empty()) << "loading never writes";
}

INSTANTIATE_TEST_SUITE_P(
    Counts, TitleCountTest,
    ::testing::Values(
        CountCase{"FirstStart", {}, std::nullopt, {}, "", false},
        CountCase{"Three", {"A", "B", "C"}, "3", {"A", "B", "C"}, "3", true},
        CountCase{"Zero", {"A"}, "0", {}, "0", true},
        // Keys past the count are left-overs of removals and are not read.
        CountCase{"StaleKeysPastCount", {"A", "B", "", ""}, "2", {"A", "B"}, "2", true},
        // A hole under a valid count keeps its place so positions match keys.
        CountCase{"HoleKeepsPositions", {"A", "", "C"}, "3", {"A", "", "C"}, "3", true},
        CountCase{"CountBeyondKeys", {"A"}, "2", {"A", ""}, "2", true},
        CountCase{"DisabledMarkerAndSemicolon", {"Setup [Disabled]", "a;b"}, "2",
                  {"Setup [Disabled]", "a;b"}, "2", true},
        // Damaged counts: the keys are read while they hold text.
        CountCase{"EmptyCountWithTitles", {"A", "B"}, "", {"A", "B"}, "2", false},
        CountCase{"Word", {"A", "B", "", "D"}, "abc", {"A", "B"}, "2", false},
        CountCase{"Negative", {"A"}, "-1", {"A"}, "1", false},
        CountCase{"Fraction", {"A", "B", "C"}, "2.5", {"A", "B", "C"}, "3", false},
        CountCase{"Blanks", {"A", "B"}, " 2 ", {"A", "B"}, "2", false},
        CountCase{"WordAndNothingStored", {}, "x", {}, "0", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RuleListTest, ACountAbove501LoadsThe501SlotsAndLeavesTheRestInTheFile) {
  const auto titles = Numbered(600, "T");
  StoreTitles(titles, "600");
  const RuleListLoad load = LoadTitleList(ini_, list_);
  ASSERT_EQ(list_.Count(), kMaxTitles);
  EXPECT_EQ(list_.Item(0), "T0");
  EXPECT_EQ(list_.Item(500), "T500");
  EXPECT_EQ(load.countText, "501");
  EXPECT_FALSE(load.countWasValid);
  EXPECT_EQ(profile_.Value(kIni, "Vantrel", "550"), std::optional<std::string>("T550"));
}

TEST_F(RuleListTest, AHugeCountReadsNoMoreKeysThanTheSlots) {
  StoreTitles({"A"}, "99999999999999");
  LoadTitleList(ini_, list_);
  EXPECT_EQ(list_.Count(), kMaxTitles);
  EXPECT_LE(profile_.ReadCount(), kMaxTitles + 1);
}

TEST_F(RuleListTest, ADamagedCountStopsAt501Titles) {
  StoreTitles(Numbered(700, "T"), "many");
  const RuleListLoad load = LoadTitleList(ini_, list_);
  EXPECT_EQ(list_.Count(), kMaxTitles);
  EXPECT_EQ(load.countText, "501");
}

TEST_F(RuleListTest, A254CharacterCutAppliesToLoadedTitles) {
  StoreTitles({std::string(300, 'x')}, "1");
  LoadTitleList(ini_, list_);
  EXPECT_EQ(list_.Item(0), std::string(254, 'x'));
}

TEST_F(RuleListTest, SizeRulesLoadFromTheirOwnKeys) {
  profile_.Seed(kIni, "Vantrel", "NbCondition", "2");
  profile_.Seed(kIni, "Vantrel", "C0", "300 - 200");
  profile_.Seed(kIni, "Vantrel", "C1", "250 - 400");
  profile_.Seed(kIni, "Vantrel", "C2", "stale");
  profile_.Seed(kIni, "Vantrel", "0", "a title is no size rule");
  const RuleListLoad load = LoadSizeRules(ini_, list_);
  EXPECT_EQ(list_.Entries(), (std::vector<std::string>{"300 - 200", "250 - 400"}));
  EXPECT_EQ(load.countText, "2");
  EXPECT_TRUE(load.countWasValid);
}

// A count that is not a number would load nothing, and the next addition
// would then overwrite "C0": the rules that can be read are loaded instead.
TEST_F(RuleListTest, ADamagedSizeRuleCountKeepsTheRulesThatCanBeRead) {
  profile_.Seed(kIni, "Vantrel", "NbCondition", "two");
  profile_.Seed(kIni, "Vantrel", "C0", "300 - 200");
  profile_.Seed(kIni, "Vantrel", "C1", "250 - 400");
  const RuleListLoad load = LoadSizeRules(ini_, list_);
  EXPECT_EQ(list_.Entries(), (std::vector<std::string>{"300 - 200", "250 - 400"}));
  EXPECT_EQ(load.countText, "2");
  EXPECT_FALSE(load.countWasValid);
}

TEST_F(RuleListTest, WrittenListsReadBackAfterARestart) {
  // The writes of three additions and one removal of the last title.
  ini_.WriteIniValue("0", "A");
  ini_.WriteIniValue("NbOcc", "1");
  ini_.WriteIniValue("1", "B");
  ini_.WriteIniValue("NbOcc", "2");
  ini_.WriteIniValue("2", "C");
  ini_.WriteIniValue("NbOcc", "3");
  ini_.WriteIniValue("2", "");
  ini_.WriteIniValue("2", "");
  ini_.WriteIniValue("NbOcc", "2");
  FakeProfileFile& sameFile = profile_;
  ModuleINI restarted(sameFile, kFolder);
  MemoryList list2;
  EXPECT_EQ(LoadTitleList(restarted, list2).countText, "2");
  EXPECT_EQ(list2.Entries(), (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace vantrel
