// The menu font table: descriptions from the system menu font, the slots
// each build makes and releases, and the context font kept in slot 0.
#include "menus/render/menu_font_slots.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/fake_menu_font_device.h"

namespace vantrel {
namespace {

using test::FakeMenuFontDevice;

MenuFontDescription SystemMenuFont(std::int32_t height) {
  MenuFontDescription font;
  font.height = height;
  font.weight = 400;
  font.charSet = 0;
  font.quality = 5;
  font.pitchAndFamily = 34;
  // A fixed buffer: the face ends at its first character 0.
  font.faceName = std::string("Tahoma\0old face", 15);
  return font;
}

class MenuFontSlotsTest : public ::testing::Test {
 protected:
  MenuFontSlotsTest() { device_.menuFont = SystemMenuFont(-11); }

  FakeMenuFontDevice device_;
};

TEST(MenuFontRulesTest, HeightIsMinusPointsInPixelsRoundedHalfToEven) {
  EXPECT_EQ(MenuFontHeight(7.875f, 15.0), -10);  // 10.5
  EXPECT_EQ(MenuFontHeight(8.625f, 15.0), -12);  // 11.5
  EXPECT_EQ(MenuFontHeight(9.0f, 15.0), -12);
  EXPECT_EQ(MenuFontHeight(9.0f, 12.0), -15);
  EXPECT_EQ(MenuFontHeight(0.0f, 15.0), 0);
}

TEST(MenuFontRulesTest, SmallFontIsFourFifthsUnlessThatIsBelowSevenAndAHalf) {
  EXPECT_FLOAT_EQ(SmallFontPoints(10.0f), 8.0f);
  EXPECT_FLOAT_EQ(SmallFontPoints(9.375f), 7.5f);  // exactly 7.5 is enough
  EXPECT_FLOAT_EQ(SmallFontPoints(9.0f), 8.5f);    // 7.2 is not
  EXPECT_FLOAT_EQ(SmallFontPoints(7.92f), 7.42f);
}

TEST(MenuFontRulesTest, SizeAndTwips) {
  EXPECT_FLOAT_EQ(MenuFontSizeFromHeight(-11), 7.92f);
  EXPECT_FLOAT_EQ(MenuFontSizeFromHeight(12), 8.64f);
  EXPECT_DOUBLE_EQ(TwipsPerPixelFor(96), 15.0);
  EXPECT_DOUBLE_EQ(TwipsPerPixelFor(120), 12.0);
  EXPECT_DOUBLE_EQ(TwipsPerPixelFor(0), 15.0);
}

struct HeightCase {
  std::int32_t menuHeight;
  int pixelsPerInch;
  std::int32_t normal;
  std::int32_t small;
};

void PrintTo(const HeightCase& c, std::ostream* os) {
  *os << "menu font height " << c.menuHeight << " at " << c.pixelsPerInch << " dpi";
}

class MenuFontHeightsTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(MenuFontHeightsTest, NormalAndSmallSlots) {
  const HeightCase& c = GetParam();
  FakeMenuFontDevice device;
  device.menuFont = SystemMenuFont(c.menuHeight);
  device.pixelsPerInch = c.pixelsPerInch;
  MenuFontSlots table(device);
  table.BuildMenuFonts(true, false, "");
  ASSERT_EQ(device.created.size(), 3u);
  EXPECT_EQ(device.created[0].height, c.normal);
  EXPECT_EQ(device.created[1].height, c.normal);
  EXPECT_EQ(device.created[2].height, c.small);
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuFontHeightsTest,
                         ::testing::Values(
                             // 7.92 pt: 10.56 -> -11; small 7.42 pt: 9.89 -> -10
                             HeightCase{-11, 96, -11, -10},
                             // 11.52 pt: 15.36 -> -15; small 9.216 pt: 12.29 -> -12
                             HeightCase{-16, 96, -15, -12},
                             // a cell height counts by its size: 8.64 pt; small 8.14 pt
                             HeightCase{12, 96, -12, -11},
                             // 120 dpi, 12 twips per pixel: 13.2 -> -13; 12.37 -> -12
                             HeightCase{-11, 120, -13, -12}));

TEST_F(MenuFontSlotsTest, BaseSlotsAreTheMenuFontWithDefaultCharacterSet) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "");
  ASSERT_EQ(device_.created.size(), 3u);
  MenuFontDescription normal = SystemMenuFont(-11);
  normal.charSet = 1;
  normal.faceName = "Tahoma";
  EXPECT_EQ(device_.created[0], normal);
  MenuFontDescription bold = normal;
  bold.weight = 800;
  EXPECT_EQ(device_.created[1], bold);
  MenuFontDescription small = normal;
  small.height = -10;
  EXPECT_EQ(device_.created[2], small);
  for (int slot = 1; slot <= 3; ++slot) EXPECT_TRUE(table.HasFont(slot)) << slot;
  for (int slot = 4; slot <= 7; ++slot) EXPECT_FALSE(table.HasFont(slot)) << slot;
}

TEST_F(MenuFontSlotsTest, ItalicSlotsAreBuiltOnce) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "");
  table.BuildMenuFonts(true, true, "");
  ASSERT_EQ(device_.created.size(), 5u);
  EXPECT_EQ(device_.created[3].italic, 1);
  EXPECT_EQ(device_.created[3].weight, 400);
  EXPECT_EQ(device_.created[4].italic, 1);
  EXPECT_EQ(device_.created[4].weight, 800);
  EXPECT_EQ(device_.created[4].height, -11);
  table.BuildMenuFonts(true, true, "Courier");  // italic wins over a face, and slot 4 is full
  EXPECT_EQ(device_.created.size(), 5u);
  EXPECT_TRUE(table.HasFont(4));
  EXPECT_TRUE(table.HasFont(5));
}

TEST_F(MenuFontSlotsTest, SampleSlotsAreRebuiltForEveryFace) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "Courier New");
  ASSERT_EQ(device_.created.size(), 2u);
  EXPECT_EQ(device_.created[0].faceName, "Courier New");
  EXPECT_EQ(device_.created[0].weight, 400);
  EXPECT_EQ(device_.created[0].italic, 0);
  EXPECT_EQ(device_.created[1].faceName, "Courier New");
  EXPECT_EQ(device_.created[1].italic, 1);
  EXPECT_EQ(device_.created[1].height, -11);

  table.BuildMenuFonts(true, false, "Arial");
  ASSERT_EQ(device_.created.size(), 4u);
  EXPECT_EQ(device_.created[2].faceName, "Arial");
  EXPECT_EQ(device_.deleted, (std::vector<FontHandle>{FakeMenuFontDevice::Created(0), FakeMenuFontDevice::Created(1)}));
  EXPECT_EQ(device_.live.size(), 2u);
  EXPECT_FALSE(table.HasFont(1));
}

TEST_F(MenuFontSlotsTest, ReleaseDeletesEverySlotAndABuildStartsOver) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "");
  table.BuildMenuFonts(true, true, "");
  table.BuildMenuFonts(true, false, "Arial");
  EXPECT_EQ(device_.live.size(), 7u);
  table.BuildMenuFonts(false, false, "");
  EXPECT_TRUE(device_.live.empty());
  EXPECT_EQ(device_.deleted.size(), 7u);
  for (int slot = 0; slot <= 7; ++slot) EXPECT_FALSE(table.HasFont(slot)) << slot;
  table.BuildMenuFonts(true, false, "");
  EXPECT_EQ(device_.live.size(), 3u);
}

TEST_F(MenuFontSlotsTest, BaseSlotsBuiltTwiceDoNotLeak) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "");
  table.BuildMenuFonts(true, false, "");
  EXPECT_EQ(device_.live.size(), 3u);
}

TEST_F(MenuFontSlotsTest, EndOfTheTableDeletesItsFonts) {
  {
    MenuFontSlots table(device_);
    table.BuildMenuFonts(true, false, "");
    table.SelectMenuFont(2, 55);
  }
  EXPECT_TRUE(device_.live.empty());
  EXPECT_TRUE(device_.deletedWhileSelected.empty());
  EXPECT_EQ(device_.FontIn(55), FakeMenuFontDevice::kContextFont);
}

TEST_F(MenuFontSlotsTest, FaceAndSizeAreReadOnceForTheProcess) {
  MenuFontSlots table(device_);
  EXPECT_EQ(table.GetMenuFontFace(), "Tahoma");
  EXPECT_FLOAT_EQ(table.MenuFontSize(), 7.92f);
  device_.menuFont = SystemMenuFont(-20);
  device_.menuFont->faceName = "Verdana";
  table.BuildMenuFonts(false, false, "");
  table.BuildMenuFonts(true, false, "");
  EXPECT_EQ(table.GetMenuFontFace(), "Tahoma");
  ASSERT_FALSE(device_.created.empty());
  EXPECT_EQ(device_.created[0].faceName, "Tahoma");
  EXPECT_EQ(device_.created[0].height, -11);
}

TEST_F(MenuFontSlotsTest, UnreadableMetricsBuildNothing) {
  device_.menuFont.reset();
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "");
  EXPECT_TRUE(device_.created.empty());
  EXPECT_EQ(table.GetMenuFontFace(), "");
  EXPECT_FALSE(table.HasFont(1));
}

TEST_F(MenuFontSlotsTest, SlotZeroKeepsTheContextsOwnFont) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "");
  table.SelectMenuFont(2, 55);
  EXPECT_EQ(device_.FontIn(55), FakeMenuFontDevice::Created(1));
  EXPECT_TRUE(table.HasFont(0));
  // A second slot before slot 0 must not make slot 0 the first slot's font.
  table.SelectMenuFont(3, 55);
  EXPECT_EQ(device_.FontIn(55), FakeMenuFontDevice::Created(2));
  table.SelectMenuFont(0, 55);
  EXPECT_EQ(device_.FontIn(55), FakeMenuFontDevice::kContextFont);
  // Slot 0 again changes nothing.
  const auto before = device_.selections.size();
  table.SelectMenuFont(0, 55);
  EXPECT_EQ(device_.selections.size(), before);
}

TEST_F(MenuFontSlotsTest, EmptySlotsAndNoContextSelectNothing) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "");
  table.SelectMenuFont(4, 55);
  table.SelectMenuFont(1, 0);
  table.SelectMenuFont(8, 55);
  table.SelectMenuFont(-1, 55);
  EXPECT_TRUE(device_.selections.empty());
}

TEST_F(MenuFontSlotsTest, ASelectedFontIsSelectedOutBeforeItIsDeleted) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "Arial");
  table.SelectMenuFont(6, 55);
  table.BuildMenuFonts(true, false, "Courier");  // slot 6 rebuilt while in use
  EXPECT_TRUE(device_.deletedWhileSelected.empty());
  EXPECT_EQ(device_.FontIn(55), FakeMenuFontDevice::kContextFont);

  table.SelectMenuFont(7, 55);
  table.BuildMenuFonts(false, false, "");
  EXPECT_TRUE(device_.deletedWhileSelected.empty());
  EXPECT_EQ(device_.FontIn(55), FakeMenuFontDevice::kContextFont);
}

TEST_F(MenuFontSlotsTest, AnotherContextGetsItsOwnFontBackFirst) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "");
  table.SelectMenuFont(1, 55);
  table.SelectMenuFont(2, 66);
  EXPECT_EQ(device_.FontIn(55), FakeMenuFontDevice::kContextFont);
  EXPECT_EQ(device_.FontIn(66), FakeMenuFontDevice::Created(1));
  table.SelectMenuFont(0, 66);
  EXPECT_EQ(device_.FontIn(66), FakeMenuFontDevice::kContextFont);
}

TEST_F(MenuFontSlotsTest, SlotDescriptionsMatchWhatIsBuilt) {
  MenuFontSlots table(device_);
  table.BuildMenuFonts(true, false, "");
  table.BuildMenuFonts(true, true, "");
  table.BuildMenuFonts(true, false, "Arial");
  ASSERT_EQ(device_.created.size(), 7u);
  for (int slot = 1; slot <= 7; ++slot) {
    EXPECT_EQ(table.SlotDescription(slot, "Arial"), device_.created[static_cast<std::size_t>(slot - 1)]) << slot;
  }
  EXPECT_FALSE(table.SlotDescription(0).has_value());
  EXPECT_FALSE(table.SlotDescription(8).has_value());
}

}  // namespace
}  // namespace vantrel
