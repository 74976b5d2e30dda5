#include <gtest/gtest.h>

#include "store/settings.h"
#include "support/fake_settings_store.h"

namespace vantrel {
namespace {

using test::FakeSettingsStore;
using test::SettingSave;

constexpr const char* kFolder = "C:\\Program Files\\Vantrel";
// A 1024 x 768 screen at 15 twips to the pixel.
constexpr double kScreenW = 1024 * 15;
constexpr double kScreenH = 768 * 15;

class SettingsTest : public ::testing::Test {
 protected:
  void Store(std::string_view key, std::string_view value) {
    store_.Seed("Vantrel", "Settings", key, value);
  }
  FakeSettingsStore store_;
  Settings settings_{store_, kFolder};
};

TEST_F(SettingsTest, AFirstStartReadsEveryDefault) {
  EXPECT_EQ(settings_.MainTop(kScreenH), 3727.0f);   // (11520 - 4065) \ 2
  EXPECT_EQ(settings_.MainLeft(kScreenW), 5205.0f);  // (15360 - 4950) \ 2
  EXPECT_EQ(settings_.Position(), 1);
  EXPECT_EQ(settings_.RunAtStart(), 1);
  EXPECT_EQ(settings_.RunUrlDefault(), 1);
  EXPECT_EQ(settings_.RunMinimize(), 0);
  EXPECT_EQ(settings_.SonValue(), 1);
  EXPECT_EQ(settings_.Wave(), "C:\\Program Files\\Vantrel\\wave\\1.wav");
  EXPECT_EQ(settings_.SonTop(kScreenH, 2000), 4760);
  EXPECT_EQ(settings_.SonLeft(kScreenW, 3001), 6179);  // 12359 \ 2
  EXPECT_TRUE(store_.Saves().empty()) << "reading never saves";
}

TEST_F(SettingsTest, StoredValuesWinOverDefaults) {
  Store("MainTop", "-500");
  Store("MainLeft", "123.5");
  Store("Position", "3");
  Store("RunAtStart", "0");
  Store("RunUrlDefault", "0");
  Store("RunMinimize", "1");
  Store("SonValue", "0");
  Store("Wave", "D:\\my sounds\\pop.wav");
  Store("SonTop", "10");
  Store("SonLeft", "20");
  EXPECT_EQ(settings_.MainTop(kScreenH), -500.0f);
  EXPECT_EQ(settings_.MainLeft(kScreenW), 123.5f);
  EXPECT_EQ(settings_.Position(), 3);
  EXPECT_EQ(settings_.RunAtStart(), 0);
  EXPECT_EQ(settings_.RunUrlDefault(), 0);
  EXPECT_EQ(settings_.RunMinimize(), 1);
  EXPECT_EQ(settings_.SonValue(), 0);
  EXPECT_EQ(settings_.Wave(), "D:\\my sounds\\pop.wav");
  EXPECT_EQ(settings_.SonTop(kScreenH, 2000), 10.0f);
  EXPECT_EQ(settings_.SonLeft(kScreenW, 2000), 20.0f);
}

struct TypedCase {
  const char* name;
  const char* text;
  std::optional<float> position;
  std::optional<int> option;
};

class TypedReadTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedReadTest, ReadsNumbersAndRefusesTheRest) {
  EXPECT_EQ(ParsePosition(GetParam().text), GetParam().position) << GetParam().text;
  EXPECT_EQ(ParseOption(GetParam().text), GetParam().option) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedReadTest,
    ::testing::Values(
        TypedCase{"One", "1", 1.0f, 1}, TypedCase{"Zero", "0", 0.0f, 0},
        TypedCase{"Blanks", " 2 ", 2.0f, 2}, TypedCase{"Negative", "-3735", -3735.0f, -3735},
        TypedCase{"HalfToEven", "1234.5", 1234.5f, 1234},
        TypedCase{"HalfDown", "2.5", 2.5f, 2}, TypedCase{"HalfUp", "3.5", 3.5f, 4},
        TypedCase{"Exponent", "1e3", 1000.0f, 1000},
        TypedCase{"Empty", "", std::nullopt, std::nullopt},
        TypedCase{"Word", "abc", std::nullopt, std::nullopt},
        TypedCase{"TrailingWord", "12abc", std::nullopt, std::nullopt},
        TypedCase{"BeyondSingle", "1e39", std::nullopt, std::nullopt},
        TypedCase{"BeyondWhole", "1e10", 1e10f, std::nullopt},
        TypedCase{"BeyondDouble", "1e400", std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, GarbledValuesFallBackToTheirDefaults) {
  Store("MainTop", "top");
  Store("MainLeft", "1e39");
  Store("Position", "page two");
  Store("RunAtStart", "yes");
  Store("RunMinimize", "");
  Store("SonValue", "loud");
  Store("SonTop", "9e99");
  EXPECT_EQ(settings_.MainTop(kScreenH), 3727.0f);
  EXPECT_EQ(settings_.MainLeft(kScreenW), 5205.0f);
  EXPECT_EQ(settings_.Position(), 1);
  EXPECT_EQ(settings_.RunAtStart(), 1);
  EXPECT_EQ(settings_.RunMinimize(), 0);
  EXPECT_EQ(settings_.SonValue(), 1);
  EXPECT_EQ(settings_.SonTop(kScreenH, 2000), 4760.0f);
}

TEST(CentredEdgeTest, RoundsTheDifferenceThenHalvesTowardZero) {
  EXPECT_EQ(CentredEdge(11520, 4065), 3727);
  EXPECT_EQ(CentredEdge(4066.5, 0), 2033);  // 4066.5 rounds to 4066
  EXPECT_EQ(CentredEdge(4067.5, 0), 2034);  // 4067.5 rounds to 4068
  EXPECT_EQ(CentredEdge(3000, 4065), -532);  // -1065 \ 2 drops the fraction
  EXPECT_EQ(CentredEdge(1.0 / 0.0, 0), 0);
}

TEST_F(SettingsTest, SavesGoToTheApplicationAndSectionInOrder) {
  settings_.SavePosition("MainTop", 1234.5f);
  settings_.SavePosition("MainLeft", -30.0f);
  settings_.SaveOption("RunAtStart", true);
  settings_.SaveOption("RunMinimize", false);
  settings_.SaveText("Position", "2");
  EXPECT_EQ(store_.Saves(), (std::vector<SettingSave>{
                                {"Vantrel", "Settings", "MainTop", "1234.5"},
                                {"Vantrel", "Settings", "MainLeft", "-30"},
                                {"Vantrel", "Settings", "RunAtStart", "1"},
                                {"Vantrel", "Settings", "RunMinimize", "0"},
                                {"Vantrel", "Settings", "Position", "2"}}));
  EXPECT_EQ(settings_.MainTop(kScreenH), 1234.5f);
  EXPECT_EQ(settings_.Position(), 2);
}

TEST(PositionTextTest, ReadsBackAsTheSameSinglePrecisionNumber) {
  for (float v : {0.0f, 1.0f, -1.0f, 3727.0f, 1234.5f, 0.1f, -4065.25f, 123456.7f}) {
    const std::string text = PositionText(v);
    EXPECT_EQ(ParsePosition(text), v) << text;
  }
  EXPECT_EQ(PositionText(5205.0f), "5205");
}

}  // namespace
}  // namespace vantrel
