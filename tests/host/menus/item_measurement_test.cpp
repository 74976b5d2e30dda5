// Item measurement with fixed text metrics (see FixedMenuTextMeasure): item
// sizes by kind and font, and the per-popup pass: column offsets, slow
// panels, the sidebar's height and when it is rendered again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "menus/model/item_measurement.h"
#include "preparation_fixture.h"

namespace vantrel {
namespace {

using test::FakeMenuFontTable;
using test::kDefaultTip;
using test::kPreparedForm;
using test::PreparationFixture;

class ItemMeasurementTest : public PreparationFixture {};

struct SizeCase {
  const char* caption;
  int width;
  int height;
  int slot;  // the font measured in
};

const SizeCase kSizeCases[] = {
    {"Ouvrir", 6 * 6 + 40, 22, 1},
    {"Ouvrir\tCtrl+O", 12 * 6 + 40, 22, 1},
    {"&Fichier", 7 * 6 + 40, 22, 1},
    {"A && B", 5 * 6 + 40, 22, 1},
    {"Choisi{Default}", 6 * 7 + 40, 22, 2},
    {"", 0, 6, 3},
    {"-{Raised}", 0, 6, 3},
    {"-Options", 7 * 5 + 40, 13 + 2, 3},
    {"Police{gControl:0|LFont:Courier}\tCourier", 6 * 6 + 7 * 8 + 40, 22, 6},
};

TEST_F(ItemMeasurementTest, ItemsAreMeasuredInTheirFonts) {
  for (const SizeCase& c : kSizeCases) {
    SCOPED_TRACE(c.caption);
    const MenuHandle popup = Popup({c.caption});
    text.slots.clear();
    Prepare(popup);
    EXPECT_EQ(RecordOf(100, popup).ItemWidth, c.width);
    EXPECT_EQ(RecordOf(100, popup).ItemHeight, c.height);
    ASSERT_FALSE(text.slots.empty());
    EXPECT_EQ(text.slots.back(), c.slot);
    // The context's own font is back and the context given back.
    EXPECT_EQ(fonts.Selects().back().index, 0);
    EXPECT_EQ(text.acquired.size(), text.released.size());
  }
  EXPECT_EQ(fonts.Builds().back(), (FakeMenuFontTable::BuildCall{true, false, "Courier"}));
}

TEST_F(ItemMeasurementTest, AFontItemIsAsHighAsTheLowerOfItsTwoTexts) {
  MenuItemData record;
  record.DisplayText = "Titre";  // in the separator-title font: 13 high
  record.RightText = "Arial";    // in the sample font: 18 high
  record.ItemFlags = item_flag::FontItem | item_flag::Separator;  // no 20-pixel minimum
  MeasureItemSize(record, "{LFont:Arial|", kPreparedForm, Services());
  EXPECT_EQ(record.ItemWidth, 5 * 5 + 5 * 8 + 40);
  EXPECT_EQ(record.ItemHeight, 13 + 2);
}

TEST_F(ItemMeasurementTest, WithoutAContextTheSizeStaysAsItWas) {
  text.failContexts = true;
  MenuItemData record;
  record.DisplayText = "Ouvrir";
  record.ItemWidth = 33;
  record.ItemHeight = 44;
  MeasureItemSize(record, "", kPreparedForm, Services());
  EXPECT_EQ(record.ItemWidth, 33);
  EXPECT_EQ(record.ItemHeight, 44);
  EXPECT_TRUE(text.released.empty());
}

struct OffsetCase {
  const char* name;
  std::vector<std::string> captions;
  bool submenuOnSecond;
  std::int16_t indent;
  std::int16_t offset;
};

TEST_F(ItemMeasurementTest, EachColumnGetsTheOffsetOfWhatItHolds) {
  const OffsetCase cases[] = {
      {"plain", {"Un", "Deux"}, false, 0, 0},
      {"right text", {"Un\tCtrl+U", "Deux"}, false, 0, 15},
      {"right text, indent", {"Un\tCtrl+U", "Deux"}, false, 35, 0},
      {"right text and submenu", {"Un\tCtrl+U", "Deux"}, true, 0, 35},
      {"right text and submenu, indent", {"Un\tCtrl+U", "Deux"}, true, 35, 0},
      {"submenu only", {"Un", "Deux"}, true, 0, 0},
  };
  for (const OffsetCase& c : cases) {
    SCOPED_TRACE(c.name);
    indent = c.indent;
    const MenuHandle popup = Popup(c.captions);
    if (c.submenuOnSecond) menus.Items(popup)[1].subMenu = menus.AddPopup();
    Prepare(popup);
    EXPECT_EQ(RecordOf(100, popup).TextOffset, c.offset);
    EXPECT_EQ(RecordOf(101, popup).TextOffset, c.offset);
  }
}

TEST_F(ItemMeasurementTest, SystemCommandsAddTheirStepToEveryColumn) {
  const MenuHandle system = Popup({"Restaurer", "Fermer\tAlt+F4"}, 0xF120);
  Prepare(system);
  EXPECT_EQ(RecordOf(0xF120, system).TextOffset, 15 + 15);
  const MenuHandle asSystem = Popup({"Un"});
  Prepare(asSystem, true);
  EXPECT_TRUE(PanelOf(asSystem).HasSysCommands);
  indent = 35;
  const MenuHandle indented = Popup({"Restaurer"}, 0xF120);
  Prepare(indented);
  EXPECT_EQ(RecordOf(0xF120, indented).TextOffset, 0);
}

TEST_F(ItemMeasurementTest, EveryColumnIsMeasuredOnItsOwnTheLastIncluded) {
  text.screenHeight = 100;  // limit 93: four 22-pixel items a column
  const MenuHandle popup =
      Popup({"{Sidebar}", "A", "B", "C", "D", "E\tCtrl+E", "F", "G", "H", "I", "J", "K\tCtrl+K"});
  menus.Items(popup)[11].subMenu = menus.AddPopup();
  menus.Items(popup)[10].subMenu = menus.AddPopup();
  Prepare(popup);
  for (int id = 101; id <= 104; ++id) EXPECT_EQ(RecordOf(id, popup).TextOffset, 0) << id;
  for (int id = 105; id <= 108; ++id) EXPECT_EQ(RecordOf(id, popup).TextOffset, 15) << id;
  for (int id = 109; id <= 111; ++id) EXPECT_EQ(RecordOf(id, popup).TextOffset, 35) << id;
  EXPECT_EQ(RecordOf(100, popup).ItemHeight, 4 * 22);
}

TEST_F(ItemMeasurementTest, FiftyItemsAreNotSlowFiftyOneAre) {
  std::vector<std::string> captions(50, "Item");
  const MenuHandle fifty = Popup(captions, 1000);
  Prepare(fifty);
  EXPECT_FALSE(PanelOf(fifty).SlowPanel);
  captions.push_back("Item");
  const MenuHandle fiftyOne = Popup(captions, 2000);
  Prepare(fiftyOne);
  EXPECT_TRUE(PanelOf(fiftyOne).SlowPanel);
}

TEST_F(ItemMeasurementTest, FontItemsMakeAPopupOfMoreThanTwentyItemsSlow) {
  std::vector<std::string> captions(20, "Police{gControl:0|LFont:Arial}");
  const MenuHandle twenty = Popup(captions, 1000);
  Prepare(twenty);
  EXPECT_FALSE(PanelOf(twenty).SlowPanel);
  captions.push_back("Item");
  const MenuHandle more = Popup(captions, 2000);
  Prepare(more);
  EXPECT_TRUE(PanelOf(more).SlowPanel);
}

TEST_F(ItemMeasurementTest, PanelsRecordPicturesAndKeepTheirHandle) {
  pictures.AddBitmap(0x3001, {16, 16});
  const MenuHandle popup = Popup({"Un{IMG:i1}", "Deux"});
  Prepare(popup);
  EXPECT_TRUE(PanelOf(popup).HasImages);
  EXPECT_EQ(PanelOf(popup).MenuHandle, popup);
  EXPECT_EQ(PanelOf(popup).SidebarID, 0);
  const MenuHandle plain = Popup({"Un"}, 300);
  Prepare(plain);
  EXPECT_FALSE(PanelOf(plain).HasImages);
  EXPECT_EQ(handler.PanelCount(), 2);
}

TEST_F(ItemMeasurementTest, TheSidebarIsRenderedWhenNewOrWhenItsColumnHeightChanges) {
  const MenuHandle popup = Popup({"{Sidebar|Text:Vantrel}", "Un", "Deux"});
  Prepare(popup);
  ASSERT_EQ(sidebars.log.bitmaps.size(), 1u);
  EXPECT_EQ(sidebars.log.bitmaps[0].bottom, 44);
  const BitmapHandle first = PanelOf(popup).PanelBitmap;
  EXPECT_EQ(RecordOf(100, popup).TextOffset, -12);

  handler.UpdateMenuItems(popup);
  Prepare(popup);
  EXPECT_EQ(sidebars.log.bitmaps.size(), 1u);
  EXPECT_EQ(PanelOf(popup).PanelBitmap, first);

  // A third item: the column grows, the sidebar is rendered again and the
  // old bitmap deleted.
  handler.UpdateMenuItems(popup);
  menus.Items(popup).push_back(MenuItemInfo{0, 0, 103, 0, 0, "Trois"});
  Prepare(popup);
  ASSERT_EQ(sidebars.log.bitmaps.size(), 2u);
  EXPECT_EQ(sidebars.log.bitmaps[1].bottom, 66);
  EXPECT_NE(PanelOf(popup).PanelBitmap, first);
  EXPECT_THAT(graphics.deleted, ::testing::ElementsAre(first));
}

TEST_F(ItemMeasurementTest, ASidebarCaptionWithATabMovesByThePlatformIndent) {
  indent = 35;
  const MenuHandle popup = Popup({"{Sidebar|Text:V}\tx", "Un"});
  Prepare(popup);
  EXPECT_EQ(RecordOf(100, popup).TextOffset, -12 - 35);
}

}  // namespace
}  // namespace vantrel
