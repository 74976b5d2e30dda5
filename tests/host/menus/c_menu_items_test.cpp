// The per-window menu handler: its keys and lookups, the binding rules, the
// sidebar and full restorations, and the records it owns.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "menus/model/c_menu_items.h"
#include "support/fake_menu_services.h"
#include "support/fake_menus.h"

namespace vantrel {
namespace {

using test::FakeApplicationForms;
using test::FakeGraphicsObjects;
using test::FakeMenus;
using test::RecordingPreparation;

constexpr WindowHandle kForm = 0x4A0;

MenuItemData Record(std::int32_t id, std::string caption, std::uint16_t flags = 0, std::string tip = {}) {
  MenuItemData record;
  record.ItemID = id;
  record.RawCaption = std::move(caption);
  record.DisplayText = record.RawCaption;
  record.ItemFlags = flags;
  record.ItemTip = std::move(tip);
  record.ItemWidth = 100 + id;
  record.ItemHeight = 22;
  return record;
}

MenuItemInfo OwnerDrawn(std::uint32_t id, MenuHandle subMenu = 0) {
  MenuItemInfo item;
  item.type = menu_type::OwnerDraw;
  item.id = id;
  item.subMenu = subMenu;
  return item;
}

class MenuItemsTest : public ::testing::Test {
 protected:
  MenuHandlerServices Services() { return {menus, current, &graphics, &forms, &preparation}; }
  // Something in the published records, so that a clearing shows.
  void DirtyCurrent() {
    current.item = Record(999, "stale", item_flag::Checked, "old tip");
    current.panel.SidebarID = 999;
    current.panel.SlowPanel = true;
  }

  FakeMenus menus;
  MenuCurrentRecords current;
  FakeGraphicsObjects graphics;
  FakeApplicationForms forms;
  RecordingPreparation preparation;
  cMenuItems handler{Services()};
};

// --- Keys ---

struct KeyCase {
  std::int32_t id;
  MenuHandle menu;
  const char* item;
  const char* panel;
  const char* delegate;
};

class MenuKeysTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(MenuKeysTest, NumbersAreSigned32BitDecimals) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(MenuItemKey(c.id, c.menu), c.item);
  EXPECT_EQ(MenuPanelKey(c.menu), c.panel);
  EXPECT_EQ(MenuDelegateKey(c.menu), c.delegate);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MenuKeysTest,
    ::testing::Values(KeyCase{5, 1234, "5.1234", "p1234", "g1234"},
                      KeyCase{0, 0, "0.0", "p0", "g0"},
                      KeyCase{61536, 0x80000000u, "61536.-2147483648", "p-2147483648", "g-2147483648"},
                      KeyCase{-1, 0xFFFFFFFFu, "-1.-1", "p-1", "g-1"},
                      // Only the low 32 bits of a handle are significant.
                      KeyCase{7, static_cast<MenuHandle>(0x1000004D2ull), "7.1234", "p1234", "g1234"}));

// --- Lookups ---

TEST_F(MenuItemsTest, StartsWithoutRecordsAndWithNothingStored) {
  EXPECT_EQ(handler.ItemCount(), 0);
  EXPECT_EQ(handler.PanelCount(), 0);
  EXPECT_EQ(handler.SystemMenu(), 0u);
  EXPECT_EQ(handler.ShowTips(), 0u);
  EXPECT_EQ(handler.ImageListObject(), nullptr);
  EXPECT_FALSE(handler.IsMenuLess());
  EXPECT_FALSE(handler.IsMDIclient());
  EXPECT_EQ(handler.MDIClient(), 0u);
}

TEST_F(MenuItemsTest, ItemsAreNumberedFromOneAndFoundByTheirKey) {
  EXPECT_EQ(handler.AddItem(Record(5, "Ouvrir"), 1234), 1);
  EXPECT_EQ(handler.AddItem(Record(6, "Quitter"), 1234), 2);
  EXPECT_EQ(handler.AddItem(Record(5, "Autre"), 4321), 3);
  EXPECT_EQ(handler.FindItem("5.1234"), 1);
  EXPECT_EQ(handler.FindItem("6.1234"), 2);
  EXPECT_EQ(handler.FindItem("5.4321"), 3);
  EXPECT_EQ(handler.FindItem("6.4321"), std::nullopt);
  EXPECT_EQ(handler.Item(3).RawCaption, "Autre");
}

TEST_F(MenuItemsTest, AFurtherKeyNamesTheSameItemAndATakenKeyIsRefused) {
  const int n = handler.AddItem(Record(5, "Couleurs{lvColors:}"), 1234);
  EXPECT_TRUE(handler.AddItemKey(MenuItemKey(0x777, 1234), n));
  EXPECT_EQ(handler.FindItem(0x777, 1234), n);
  EXPECT_FALSE(handler.AddItemKey("5.1234", n));
  EXPECT_FALSE(handler.AddItemKey("9.9", 42));
}

TEST_F(MenuItemsTest, GetMenuItemPublishesACopyOfTheRecord) {
  handler.AddItem(Record(5, "Ouvrir", item_flag::Default, "Ouvre"), 1234);
  DirtyCurrent();
  handler.GetMenuItem(5, 1234);
  EXPECT_EQ(current.item, handler.Item(1));
  current.item.DisplayText = "changed";
  EXPECT_EQ(handler.Item(1).DisplayText, "Ouvrir");
}

TEST_F(MenuItemsTest, GetMenuItemOfAnUnknownItemLeavesTheCurrentItemCleared) {
  handler.AddItem(Record(5, "Ouvrir"), 1234);
  for (auto [id, menu] : std::vector<std::pair<std::int32_t, MenuHandle>>{{5, 1235}, {6, 1234}, {0, 0}}) {
    DirtyCurrent();
    handler.GetMenuItem(id, menu);
    EXPECT_EQ(current.item, MenuItemData{}) << id << "." << menu;
  }
}

TEST_F(MenuItemsTest, GetPanelItemPublishesThePanelOrClears) {
  MenuPanelData panel;
  panel.MenuHandle = 1234;
  panel.SidebarID = 5;
  panel.HasImages = true;
  EXPECT_EQ(handler.AddPanel(panel), 1);
  EXPECT_EQ(handler.FindPanel(1234), 1);
  DirtyCurrent();
  handler.GetPanelItem(1234);
  EXPECT_EQ(current.panel, panel);
  DirtyCurrent();
  handler.GetPanelItem(999);
  EXPECT_EQ(current.panel, MenuPanelData{});
}

TEST_F(MenuItemsTest, TipsAnswerFromTheRecordOrEmpty) {
  handler.AddItem(Record(5, "A{Tip:First}", 0, "First"), 1234);
  handler.AddItem(Record(6, "B"), 1234);
  EXPECT_EQ(handler.Tips(5, 1234), "First");
  EXPECT_EQ(handler.Tips(6, 1234), "");
  EXPECT_EQ(handler.Tips(7, 1234), "");
}

TEST_F(MenuItemsTest, UnknownItemsAndPanelsAreAskedOfThePopupsDelegate) {
  auto delegate = std::make_unique<cMenuItems>(Services());
  delegate->AddItem(Record(7, "Rouge", item_flag::ColourItem, "Couleur"), 0x900);
  MenuPanelData panel;
  panel.MenuHandle = 0x900;
  panel.SlowPanel = true;
  delegate->AddPanel(panel);
  cMenuItems* raw = delegate.get();
  ASSERT_TRUE(handler.AddDelegate(0x900, std::move(delegate)));
  EXPECT_FALSE(handler.AddDelegate(0x900, std::make_unique<cMenuItems>(Services())));
  EXPECT_EQ(handler.Delegate(0x900), raw);
  EXPECT_EQ(handler.Delegate(0x901), nullptr);

  DirtyCurrent();
  handler.GetMenuItem(7, 0x900);
  EXPECT_EQ(current.item, raw->Item(1));
  handler.GetPanelItem(0x900);
  EXPECT_EQ(current.panel, panel);
  EXPECT_EQ(handler.Tips(7, 0x900), "Couleur");
  DirtyCurrent();
  handler.GetMenuItem(8, 0x900);
  EXPECT_EQ(current.item, MenuItemData{});
  EXPECT_EQ(handler.Tips(8, 0x900), "");
}

// --- Binding ---

struct CallbackCase {
  std::vector<std::uintptr_t> calls;
  std::uintptr_t current;
  std::uintptr_t previous;
};

class InitializeCallbacksTest : public MenuItemsTest, public ::testing::WithParamInterface<CallbackCase> {};

TEST_P(InitializeCallbacksTest, CallbackValuesFollowTheBindingRule) {
  for (const std::uintptr_t value : GetParam().calls) handler.InitializeSubMenu(kForm, nullptr, value, true);
  EXPECT_EQ(handler.ShowTips(), GetParam().current);
  EXPECT_EQ(handler.PreviousCallBacks(), GetParam().previous);
}

INSTANTIATE_TEST_SUITE_P(Rules, InitializeCallbacksTest,
                         ::testing::Values(CallbackCase{{10}, 10, 0},
                                           // The same value twice leaves both as the first call set them.
                                           CallbackCase{{10, 10}, 10, 0},
                                           // Zero brings the previous value back.
                                           CallbackCase{{10, 0}, 0, 0},
                                           CallbackCase{{10, 20}, 20, 10},
                                           CallbackCase{{10, 20, 0}, 10, 10},
                                           CallbackCase{{10, 20, 20}, 20, 10},
                                           CallbackCase{{10, 20, 10}, 10, 20},
                                           CallbackCase{{0}, 0, 0}));

TEST_F(MenuItemsTest, InitializeStoresFormImageListAndDefaultTip) {
  struct List final : PictureList {
    int Count() const override { return 0; }
    PictureHandle Picture(int) const override { return 0; }
  } images;
  handler.InitializeSubMenu(kForm, &images, 0, true, 0, "Aide");
  EXPECT_EQ(handler.Form(), kForm);
  EXPECT_EQ(handler.ImageListObject(), &images);
  EXPECT_EQ(handler.ImageList(), &images);
  EXPECT_EQ(handler.DefaultTip(), "Aide");
  // A later binding without image list keeps the one given.
  handler.InitializeSubMenu(kForm, nullptr, 0, true);
  EXPECT_EQ(handler.ImageListObject(), &images);
  EXPECT_EQ(handler.DefaultTip(), "");
}

TEST_F(MenuItemsTest, TheSystemMenuIsConvertedOnceAtBinding) {
  const MenuHandle system = menus.AddPopup();
  menus.SetSystemMenu(kForm, system);
  handler.InitializeSubMenu(kForm, nullptr, 0, false);
  EXPECT_EQ(handler.SystemMenu(), system);
  ASSERT_EQ(preparation.requests.size(), 1u);
  EXPECT_EQ(preparation.requests[0].popup, system);
  EXPECT_TRUE(preparation.requests[0].isSysMenuIn);
  EXPECT_EQ(preparation.requests[0].handler, &handler);

  handler.InitializeSubMenu(kForm, nullptr, 0, false);
  EXPECT_EQ(menus.SystemMenuReads(), 1);
  EXPECT_EQ(preparation.requests.size(), 1u);
}

TEST_F(MenuItemsTest, NoSystemMenuWhenRefusedOrAbsent) {
  menus.SetSystemMenu(kForm, menus.AddPopup());
  handler.InitializeSubMenu(kForm, nullptr, 0, true);
  EXPECT_EQ(handler.SystemMenu(), 0u);
  EXPECT_EQ(menus.SystemMenuReads(), 0);

  cMenuItems other{Services()};
  other.InitializeSubMenu(0x999, nullptr, 0, false);  // a window without system menu
  EXPECT_EQ(other.SystemMenu(), 0u);
  EXPECT_TRUE(preparation.requests.empty());
}

TEST_F(MenuItemsTest, ATimeConsumingMenuStartsThePanelsOverWithOneSlowPanel) {
  MenuPanelData old;
  old.MenuHandle = 0x300;
  old.PanelBitmap = 0xB1;
  handler.AddPanel(old);
  handler.InitializeSubMenu(kForm, nullptr, 0, true, 0x400);
  EXPECT_EQ(handler.PanelCount(), 1);
  EXPECT_EQ(handler.FindPanel(0x400), 1);
  EXPECT_EQ(handler.FindPanel(0x300), std::nullopt);
  MenuPanelData slow;
  slow.SlowPanel = true;
  EXPECT_EQ(handler.Panel(1), slow);
  EXPECT_THAT(graphics.deleted, ::testing::ElementsAre(0xB1u));
}

TEST_F(MenuItemsTest, PreparationAndSelectionGoToThePreparation) {
  preparation.windowLists = {0x600};
  preparation.systemMenus = {0x700};
  bool sys = false;
  EXPECT_TRUE(handler.IsWindowList(0x600, sys));
  EXPECT_FALSE(sys);
  EXPECT_FALSE(handler.IsWindowList(0x700, sys));
  EXPECT_TRUE(sys);
  preparation.consumed = {3};
  MenuHandle menu = 0x600;
  EXPECT_TRUE(handler.MenuSelected(3, menu, 0));
  EXPECT_FALSE(handler.MenuSelected(4, menu, 0));
  ASSERT_EQ(preparation.selections.size(), 2u);
  EXPECT_EQ(preparation.selections[0].menu, 0x600u);
}

TEST_F(MenuItemsTest, WithoutPreparationPopupsStayAsTheyAre) {
  const MenuHandle popup = menus.AddPopupWithCaptions({"Un", "Deux"}, 1);
  const auto before = menus.Items(popup);
  cMenuItems bare{MenuHandlerServices{menus, current}};
  bool sys = false;
  EXPECT_FALSE(bare.IsWindowList(popup, sys));
  MenuHandle menu = popup;
  EXPECT_FALSE(bare.MenuSelected(1, menu, 0));
  EXPECT_EQ(menus.Items(popup), before);
}

// --- Size restriction ---

TEST_F(MenuItemsTest, RestrictSizeBeforeAnythingIsStoredLeavesTheRecordAlone) {
  MinMaxRecord record;
  record.maxSize = {11, 12};
  record.minTrackSize = {13, 14};
  const MinMaxRecord original = record;
  EXPECT_FALSE(handler.RestrictSize(record, false));
  EXPECT_EQ(record, original);
}

TEST_F(MenuItemsTest, RestrictSizeStoresTheWholeRecordAndGivesItBack) {
  MinMaxRecord stored;
  stored.reserved = {1, 2};
  stored.maxSize = {300, 400};
  stored.maxPosition = {5, 6};
  stored.minTrackSize = {100, 50};
  stored.maxTrackSize = {800, 600};
  EXPECT_FALSE(handler.RestrictSize(stored, true));
  MinMaxRecord asked;
  EXPECT_TRUE(handler.RestrictSize(asked, false));
  EXPECT_EQ(asked, stored);

  // A stored record whose maximum width is negative means "nothing stored".
  MinMaxRecord none;
  none.maxSize.x = -1;
  none.minTrackSize = {9, 9};
  handler.RestrictSize(none, true);
  MinMaxRecord again;
  EXPECT_FALSE(handler.RestrictSize(again, false));
  EXPECT_EQ(again, MinMaxRecord{});
}

// --- Sidebar reset ---

class SidebarResetTest : public MenuItemsTest {
 protected:
  void SetUp() override {
    handler.InitializeSubMenu(kForm, nullptr, 0, true);
    popup = menus.AddPopup(0x1234);
    menus.Items(popup) = {OwnerDrawn(100), OwnerDrawn(101), OwnerDrawn(102)};
    sidebar = handler.AddItem(Record(100, "{Sidebar|Width:40}", item_flag::Sidebar | item_flag::Disabled), popup);
    handler.AddItem(Record(101, "Ouvrir"), popup);
    handler.AddItem(Record(102, "Quitter"), popup);
    MenuPanelData panel;
    panel.MenuHandle = popup;
    panel.SidebarID = 100;
    handler.AddPanel(panel);
  }
  MenuHandle popup = 0;
  int sidebar = 0;
};

TEST_F(SidebarResetTest, TheSidebarGoesBackToPositionZeroAsAPlainItem) {
  handler.UpdateMenuItems(popup);
  const auto& items = menus.Items(popup);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].type, menu_type::String);
  EXPECT_EQ(items[0].id, 100u);
  EXPECT_EQ(items[0].state, menu_state::Disabled);
  EXPECT_EQ(items[0].caption, "{Sidebar|Width:40}");
  EXPECT_EQ(items[1].id, 101u);
  EXPECT_EQ(items[1].type, menu_type::OwnerDraw);
  EXPECT_THAT(menus.MenuBarRedraws(), ::testing::ElementsAre(kForm));
}

TEST_F(SidebarResetTest, AnEnabledSidebarComesBackEnabled) {
  handler.Item(sidebar).ItemFlags = item_flag::Sidebar;
  handler.UpdateMenuItems(popup);
  EXPECT_EQ(menus.Items(popup)[0].state, 0u);
}

TEST_F(SidebarResetTest, ARemovedSidebarIsInsertedAgainAndLosesItsMark) {
  auto& items = menus.Items(popup);
  items.erase(items.begin());
  handler.Item(sidebar).ItemFlags |= item_flag::SidebarRemoved;
  handler.UpdateMenuItems(popup);
  ASSERT_EQ(menus.Items(popup).size(), 3u);
  EXPECT_EQ(menus.Items(popup)[0].id, 100u);
  EXPECT_EQ(handler.Item(sidebar).ItemFlags & item_flag::SidebarRemoved, 0);
}

TEST_F(SidebarResetTest, NothingChangesWithoutPanelOrSidebar) {
  const auto before = menus.Items(popup);
  handler.UpdateMenuItems(0x999);
  handler.Panel(1).SidebarID = 0;
  handler.UpdateMenuItems(popup);
  EXPECT_EQ(menus.Items(popup), before);
  EXPECT_TRUE(menus.MenuBarRedraws().empty());
}

TEST_F(SidebarResetTest, AFailedInsertionRedrawsNothing) {
  menus.FailInsertions(true);
  handler.UpdateMenuItems(popup);
  EXPECT_TRUE(menus.MenuBarRedraws().empty());
}

// --- Full restoration ---

TEST_F(MenuItemsTest, RestoreMenusGivesEveryConvertedItemItsPlainFormBack) {
  const MenuHandle popup = menus.AddPopup(0x1234);
  MenuItemInfo plain;
  plain.id = 11;
  plain.caption = "Plain";
  menus.Items(popup) = {OwnerDrawn(10), plain, OwnerDrawn(0), OwnerDrawn(12, 0x777)};
  const int first = handler.AddItem(Record(10, "Ouvrir{IMG:i1}", item_flag::Checked), popup);
  handler.Item(first).ItemPosition = 0;
  const int separator = handler.AddItem(Record(0, "", item_flag::Separator | item_flag::Disabled), popup);
  handler.Item(separator).ItemPosition = 2;
  const int sub = handler.AddItem(Record(12, "Options", item_flag::Disabled | item_flag::HasSubMenu), popup);
  handler.Item(sub).ItemPosition = 3;
  MenuPanelData panel;
  panel.MenuHandle = popup;
  handler.AddPanel(panel);
  MenuPanelData gone;
  gone.MenuHandle = 0xDEAD;  // no longer a menu
  handler.AddPanel(gone);

  handler.RestoreMenus();

  const auto& items = menus.Items(popup);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0], (MenuItemInfo{menu_type::String, menu_state::Checked, 10, 0, 0, "Ouvrir{IMG:i1}"}));
  EXPECT_EQ(items[1], plain);
  EXPECT_EQ(items[2].type, menu_type::Separator);
  EXPECT_EQ(items[2].id, 0u);
  EXPECT_EQ(items[3], (MenuItemInfo{menu_type::String, 3, 12, 0x777, 0, "Options"}));
  EXPECT_EQ(handler.Item(first).RawCaption, std::string("\x01\x02\x03") + "1");
  EXPECT_EQ(handler.Item(separator).RawCaption, std::string("\x01\x02\x03") + "2");
  EXPECT_EQ(handler.Item(sub).RawCaption, std::string("\x01\x02\x03") + "3");
}

TEST_F(MenuItemsTest, RestoreMenusGivesBackEveryItemThatSharesARecordWhereItStood) {
  // A plain sidebar at 0 (put back at the end of the menu loop), then items
  // and three separators that all have the identifier 0 and so one record,
  // built last for the separator at position 6.
  const MenuHandle popup = menus.AddPopup(0x1234);
  MenuItemInfo sidebar;
  sidebar.id = 100;
  sidebar.caption = "{Sidebar|Width:0}";
  menus.Items(popup) = {sidebar,       OwnerDrawn(101), OwnerDrawn(0), OwnerDrawn(102),
                        OwnerDrawn(0), OwnerDrawn(103), OwnerDrawn(0), OwnerDrawn(104)};
  const std::vector<std::pair<std::size_t, std::uint32_t>> strings = {{1, 101}, {3, 102}, {5, 103}, {7, 104}};
  for (const auto& [p, id] : strings) {
    const int n = handler.AddItem(Record(static_cast<std::int32_t>(id), "Item " + std::to_string(id)), popup);
    handler.Item(n).ItemPosition = static_cast<std::int16_t>(p);
  }
  const int separators = handler.AddItem(Record(0, "", item_flag::Separator | item_flag::Disabled), popup);
  handler.Item(separators).ItemPosition = 6;
  MenuPanelData panel;
  panel.MenuHandle = popup;
  handler.AddPanel(panel);

  handler.RestoreMenus();

  const auto& items = menus.Items(popup);
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items[0], sidebar);
  for (const std::size_t p : {2u, 4u, 6u}) {
    EXPECT_EQ(items[p].type, menu_type::Separator) << p;
    EXPECT_EQ(items[p].id, 0u) << p;
    EXPECT_EQ(items[p].caption, "") << p;
  }
  for (const auto& [p, id] : strings) {
    EXPECT_EQ(items[p].type, menu_type::String) << p;
    EXPECT_EQ(items[p].id, id) << p;
    EXPECT_EQ(items[p].caption, "Item " + std::to_string(id)) << p;
  }
  EXPECT_EQ(handler.Item(separators).RawCaption, std::string("\x01\x02\x03") + CStr(separators));
}

TEST_F(MenuItemsTest, RestoreMenusLeavesOwnerDrawnItemsWithoutRecordAlone) {
  const MenuHandle popup = menus.AddPopup(0x1234);
  menus.Items(popup) = {OwnerDrawn(10), OwnerDrawn(20)};
  handler.AddItem(Record(10, "Connu"), popup);
  MenuPanelData panel;
  panel.MenuHandle = popup;
  handler.AddPanel(panel);
  handler.RestoreMenus();
  const auto& items = menus.Items(popup);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].caption, "Connu");
  EXPECT_EQ(items[1], OwnerDrawn(20));
}

// --- Dropping records ---

TEST_F(MenuItemsTest, DestroyPopupDropsTheNewestRecordAndDelegateWhateverItIsAsked) {
  handler.AddItem(Record(5, "Un"), 0x100);
  const int newest = handler.AddItem(Record(6, "Deux"), 0x100);
  handler.AddItemKey(MenuItemKey(0x888, 0x100), newest);
  handler.AddDelegate(0x888, std::make_unique<cMenuItems>(Services()));
  handler.AddDelegate(0x999, std::make_unique<cMenuItems>(Services()));

  handler.DestroyPopup(0x12345, 5);
  EXPECT_EQ(handler.ItemCount(), 1);
  EXPECT_EQ(handler.FindItem(5, 0x100), 1);
  EXPECT_EQ(handler.FindItem(6, 0x100), std::nullopt);
  EXPECT_EQ(handler.FindItem(0x888, 0x100), std::nullopt);
  EXPECT_NE(handler.Delegate(0x888), nullptr);
  EXPECT_EQ(handler.Delegate(0x999), nullptr);

  handler.DestroyPopup(0, 0);
  handler.DestroyPopup(0, 0);  // nothing left: nothing happens
  EXPECT_EQ(handler.ItemCount(), 0);
  EXPECT_EQ(handler.DelegateCount(), 0u);
}

TEST_F(MenuItemsTest, RenderedSidebarsAreDeletedWhenReplacedAndAtTheEnd) {
  {
    cMenuItems owner{Services()};
    MenuPanelData panel;
    panel.MenuHandle = 0x100;
    panel.PanelBitmap = 0xB1;
    const int n = owner.AddPanel(panel);
    owner.ReplacePanelBitmap(n, 0xB2);
    EXPECT_THAT(graphics.deleted, ::testing::ElementsAre(0xB1u));
    panel.MenuHandle = 0x200;
    panel.PanelBitmap = 0;
    owner.AddPanel(panel);
  }
  EXPECT_THAT(graphics.deleted, ::testing::ElementsAre(0xB1u, 0xB2u));
}

// --- Named controls ---

class NamedControlTest : public MenuItemsTest {
 protected:
  void SetUp() override {
    forms.AddForm(kForm);
    forms.AddForm(0x777);
    owner = forms.AddForm(kForm);  // the last form with the window is the owner
    forms.AddControl(owner, "List1", FormControl{0x5001, 0});
    forms.AddControlItem(owner, "ImTool", 1, FormControl{0x5002, 0xB17});
    forms.AddControlItem(owner, "ImTool", 0, FormControl{0x5003, 0xB10});
    handler.InitializeSubMenu(kForm, nullptr, 0, true);
  }
  std::size_t owner = 0;
};

TEST_F(NamedControlTest, TheOwnerFormIsTheLastFormWithTheHandlersWindow) {
  EXPECT_EQ(handler.FindOwnerFormIndex(), owner);
  cMenuItems stranger{Services()};
  stranger.InitializeSubMenu(0x4242, nullptr, 0, true);
  EXPECT_EQ(stranger.FindOwnerFormIndex(), std::nullopt);
  EXPECT_EQ(stranger.FindNamedControl("List1"), std::nullopt);
}

struct NamedCase {
  const char* name;
  std::optional<FormControl> found;
};

class NamedControlCases : public NamedControlTest, public ::testing::WithParamInterface<NamedCase> {};

TEST_P(NamedControlCases, NamesAndIndicesResolveOnTheOwnerForm) {
  EXPECT_EQ(handler.FindNamedControl(GetParam().name), GetParam().found) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, NamedControlCases,
    ::testing::Values(NamedCase{"List1", FormControl{0x5001, 0}}, NamedCase{"  list1  ", FormControl{0x5001, 0}},
                      NamedCase{"ImTool(1)", FormControl{0x5002, 0xB17}},
                      NamedCase{" ImTool( 1 ) ", FormControl{0x5002, 0xB17}},
                      NamedCase{"ImTool()", FormControl{0x5003, 0xB10}},  // no number reads as 0
                      NamedCase{"ImTool(2)", std::nullopt}, NamedCase{"ImTool(1.5)", std::nullopt},
                      NamedCase{"ImTool)", std::nullopt}, NamedCase{"Nothing", std::nullopt},
                      NamedCase{"", std::nullopt}));

TEST_F(NamedControlTest, NamedPictureIsTheControlsPicture) {
  EXPECT_EQ(handler.NamedPicture("ImTool(1)"), 0xB17u);
  EXPECT_EQ(handler.NamedPicture("List1"), 0u);
  EXPECT_EQ(handler.NamedPicture("Missing(3)"), 0u);
}

}  // namespace
}  // namespace vantrel
