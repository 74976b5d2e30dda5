// Popup preparation: each kind of item as its caption makes it, the item
// written back owner-drawn, the sidebar column and column wraps, the record
// cache, list bindings and generated file and drive items.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "menus/render/mod_menus.h"
#include "preparation_fixture.h"

namespace vantrel {
namespace {

using test::kDefaultTip;
using test::kPreparedForm;
using test::PreparationFixture;
using ::testing::ElementsAre;

class PopupPreparationTest : public PreparationFixture {
 protected:
  PopupPreparationTest() {
    pictures.AddBitmap(0x3001, {16, 16});
    pictures.AddIcon(0x3002, PictureSize{16, 16});
  }
};

struct ItemCase {
  const char* caption;
  std::uint32_t state;  // as the menu holds it
  const char* display;
  const char* right;
  const char* tip;
  std::uint16_t flags;
  std::uint32_t writtenType;
  std::uint32_t writtenState;
  const char* imageRef;
};

// The item is at position 1 after a plain first item.
const ItemCase kItemCases[] = {
    {"Ouvrir{IMG:i1|Tip:Ouvre un fichier}\tCtrl+O", 0, "Ouvrir", "Ctrl+O", "Ouvre un fichier", 0, 0x100, 0, "12289"},
    {"Icone{IMG:i2}", 0, "Icone", "", test::kDefaultTip, 0, 0x100, 0, "12290"},
    {"", 0, "", "", test::kDefaultTip, 0x6, 0x900, 2, ""},
    {"-Options", 0, "Options", "", test::kDefaultTip, 0x6, 0x900, 2, ""},
    {"-{Raised}", 0, "", "", test::kDefaultTip, 0x26, 0x900, 2, ""},
    {"-Titre{IMG:i1}\tF1", 0, "Titre", "", test::kDefaultTip, 0x6, 0x900, 2, ""},
    {"Choisi{Default}", 0, "Choisi", "", test::kDefaultTip, 0x10, 0x100, 0, ""},
    {"Par menu", 0x1000, "Par menu", "", test::kDefaultTip, 0x10, 0x100, 0x1000, ""},
    {"Coche", 0x8, "Coche", "", test::kDefaultTip, 0x8, 0x100, 0x8, ""},
    {"Grise", 0x3, "Grise", "", test::kDefaultTip, 0x4, 0x100, 0x3, ""},
    {"Rock & Roll", 0, "Rock && Roll", "", test::kDefaultTip, 0, 0x100, 0, ""},
    {"Fichier{HotKey:F2}\tCtrl+F", 0, "Fichier", "F2", test::kDefaultTip, 0, 0x100, 0, ""},
    {"Tard{Sidebar|IMG:i1}", 0, "", "", test::kDefaultTip, 0x6, 0x900, 2, ""},
    {"Bulle{Tip:}", 0, "Bulle", "", "0", 0, 0x100, 0, ""},
    {"Fond{IMG:i1|ImgBkg}", 0, "Fond", "", test::kDefaultTip, 0, 0x100, 0, "12289"},
};

TEST_F(PopupPreparationTest, EachCaptionMakesItsKindOfItem) {
  for (const ItemCase& c : kItemCases) {
    SCOPED_TRACE(c.caption);
    const MenuHandle popup = Popup({"Premier", c.caption});
    menus.Items(popup)[1].state = c.state;
    Prepare(popup);
    const MenuItemData& record = RecordOf(101, popup);
    EXPECT_EQ(record.DisplayText, c.display);
    EXPECT_EQ(record.RightText, c.right);
    EXPECT_EQ(record.ItemTip, c.tip);
    EXPECT_EQ(record.ItemFlags, c.flags);
    EXPECT_EQ(record.ImageRef, c.imageRef);
    EXPECT_EQ(record.RawCaption, c.caption);
    EXPECT_EQ(record.ItemPosition, 1);
    EXPECT_EQ(record.ItemID, 101);
    const MenuItemInfo& written = menus.Items(popup)[1];
    EXPECT_EQ(written.type, c.writtenType);
    EXPECT_EQ(written.state, c.writtenState);
    EXPECT_EQ(written.itemData, popup);
    EXPECT_EQ(written.id, 101u);
  }
}

TEST_F(PopupPreparationTest, OnlyABitmapCanBeCopiedWithItsBackground) {
  const MenuHandle popup = Popup({"Fond{IMG:i1|ImgBkg}", "Icone{IMG:i2|ImgBkg}", "Rien{ImgBkg}"});
  Prepare(popup);
  EXPECT_TRUE(RecordOf(100, popup).ImageIsBackground);
  EXPECT_FALSE(RecordOf(101, popup).ImageIsBackground);
  EXPECT_FALSE(RecordOf(102, popup).ImageIsBackground);
}

TEST_F(PopupPreparationTest, EveryItemIsWrittenBackOwnerDrawnWithThePopupAsItsData) {
  const MenuHandle sub = menus.AddPopup();
  const MenuHandle popup = Popup({"Un", "", "Deux{IMG:i1}", "Trois"});
  menus.Items(popup)[3].subMenu = sub;
  menus.Items(popup)[1].type = menu_type::Separator;
  menus.Items(popup)[0].type = menu_type::ColumnBreak;  // laid out anew
  Prepare(popup);
  for (const MenuItemInfo& item : menus.Items(popup)) {
    EXPECT_NE(item.type & menu_type::OwnerDraw, 0u) << item.caption;
    EXPECT_EQ(item.type & (menu_type::ColumnBreak | menu_type::BarBreak), 0u) << item.caption;
    EXPECT_EQ(item.itemData, popup);
  }
  EXPECT_EQ(menus.Items(popup)[3].subMenu, sub);
  EXPECT_EQ(RecordOf(103, popup).ItemFlags, item_flag::HasSubMenu);
  EXPECT_THAT(menus.MenuBarRedraws(), ElementsAre(kPreparedForm));
}

TEST_F(PopupPreparationTest, TheFirstItemMarkedSidebarBecomesTheSidebarInAColumnOfItsOwn) {
  const MenuHandle popup = Popup({"{Sidebar|Width:40|Text:Vantrel}", "Un", "Deux"});
  menus.Items(popup)[0].state = menu_state::Checked | menu_state::Grayed;
  Prepare(popup);
  const MenuItemData& sidebar = RecordOf(100, popup);
  EXPECT_EQ(sidebar.ItemFlags, item_flag::Sidebar | item_flag::Disabled);
  EXPECT_EQ(sidebar.RightText, "");
  EXPECT_EQ(sidebar.ItemHeight, 44);  // the column of two 22-pixel items
  EXPECT_EQ(sidebar.ItemWidth, 40);
  const auto& items = menus.Items(popup);
  EXPECT_EQ(items[0].type, menu_type::OwnerDraw);
  EXPECT_EQ(items[0].state, menu_state::Grayed);  // no longer checked
  EXPECT_EQ(items[1].type, menu_type::OwnerDraw | menu_type::ColumnBreak);
  EXPECT_EQ(items[2].type, menu_type::OwnerDraw);
  EXPECT_EQ(PanelOf(popup).SidebarID, 100);
  EXPECT_EQ(sidebars.log.bitmaps.size(), 1u);
  EXPECT_NE(PanelOf(popup).PanelBitmap, 0u);
}

TEST_F(PopupPreparationTest, ALongPopupWithASidebarWrapsIntoColumnsNoTallerThanTheFirst) {
  // 22-pixel items against a limit of 200 - 7: eight items a column.
  text.screenHeight = 200;
  std::vector<std::string> captions{"{Sidebar}"};
  for (int i = 1; i <= 30; ++i) captions.push_back("Item " + std::to_string(i));
  const MenuHandle popup = Popup(captions);
  Prepare(popup);
  const auto& items = menus.Items(popup);
  for (std::size_t p = 0; p < items.size(); ++p) {
    std::uint32_t expected = menu_type::OwnerDraw;
    if (p == 1) expected |= menu_type::ColumnBreak;
    if (p == 9 || p == 17 || p == 25) expected |= menu_type::BarBreak;
    EXPECT_EQ(items[p].type, expected) << p;
  }
  EXPECT_EQ(RecordOf(100, popup).ItemHeight, 8 * 22);
  // Each column's items keep their own offsets (none here).
  EXPECT_EQ(RecordOf(125, popup).TextOffset, 0);
}

TEST_F(PopupPreparationTest, WithoutASidebarALongPopupIsLeftToTheSystem) {
  text.screenHeight = 200;
  std::vector<std::string> captions;
  for (int i = 1; i <= 20; ++i) captions.push_back("Item " + std::to_string(i));
  const MenuHandle popup = Popup(captions);
  Prepare(popup);
  for (const MenuItemInfo& item : menus.Items(popup)) EXPECT_EQ(item.type, menu_type::OwnerDraw);
}

TEST_F(PopupPreparationTest, NoScrollDropsTheSidebarInsteadOfWrappingAndTheLoopEndPutsItBack) {
  text.screenHeight = 200;
  std::vector<std::string> captions{"{Sidebar|NoScroll}"};
  for (int i = 1; i <= 12; ++i) captions.push_back("Item " + std::to_string(i));
  const MenuHandle popup = Popup(captions);
  Prepare(popup);
  const auto& items = menus.Items(popup);
  ASSERT_EQ(items.size(), 12u);
  EXPECT_EQ(items[0].id, 101u);
  for (const MenuItemInfo& item : items) EXPECT_EQ(item.type, menu_type::OwnerDraw) << item.id;
  EXPECT_NE(RecordOf(100, popup).ItemFlags & item_flag::SidebarRemoved, 0);

  handler.UpdateMenuItems(popup);
  ASSERT_EQ(menus.Items(popup).size(), 13u);
  EXPECT_EQ(menus.Items(popup)[0].id, 100u);
  EXPECT_EQ(menus.Items(popup)[0].caption, "{Sidebar|NoScroll}");
  EXPECT_EQ(RecordOf(100, popup).ItemFlags & item_flag::SidebarRemoved, 0);
}

TEST_F(PopupPreparationTest, APopupPreparedAgainReusesItsRecords) {
  const MenuHandle popup = Popup({"{Sidebar|Text:Vantrel}", "Ouvrir{IMG:i1}\tCtrl+O", "", "Quitter"});
  Prepare(popup);
  const int items = handler.ItemCount();
  const std::size_t measured = text.measured.size();
  const std::size_t renders = sidebars.log.bitmaps.size();
  const std::size_t imageLookups = images.Asked().size();
  const MenuItemData before = RecordOf(101, popup);

  handler.UpdateMenuItems(popup);  // the end of the menu loop
  Prepare(popup);
  EXPECT_EQ(handler.ItemCount(), items);
  EXPECT_EQ(text.measured.size(), measured);       // nothing measured again
  EXPECT_EQ(sidebars.log.bitmaps.size(), renders);  // the sidebar kept its bitmap
  EXPECT_GT(images.Asked().size(), imageLookups);   // pictures resolved again
  EXPECT_EQ(RecordOf(101, popup), before);
  // The separator is still written as one.
  EXPECT_EQ(menus.Items(popup)[2].type, menu_type::OwnerDraw | menu_type::Separator);
  EXPECT_EQ(menus.Items(popup)[1].type, menu_type::OwnerDraw | menu_type::ColumnBreak);
}

TEST_F(PopupPreparationTest, AChangedCaptionRebuildsItsRecordKeepingTheOldRightText) {
  const MenuHandle popup = Popup({"Ouvrir\tCtrl+O"});
  Prepare(popup);
  EXPECT_EQ(RecordOf(100, popup).ItemWidth, 12 * 6 + 40);
  menus.Items(popup)[0] = MenuItemInfo{0, 0, 100, 0, 0, "Enregistrer sous"};
  Prepare(popup);
  EXPECT_EQ(handler.ItemCount(), 1);
  EXPECT_EQ(RecordOf(100, popup).DisplayText, "Enregistrer sous");
  EXPECT_EQ(RecordOf(100, popup).RightText, "Ctrl+O");
  EXPECT_EQ(RecordOf(100, popup).ItemWidth, (16 + 6) * 6 + 40);
}

TEST_F(PopupPreparationTest, LosingTheDefaultStateRebuildsGainingItOnlySetsTheBit) {
  const MenuHandle popup = Popup({"Un"});
  menus.Items(popup)[0].state = menu_state::Default;
  Prepare(popup);
  EXPECT_EQ(RecordOf(100, popup).ItemFlags, item_flag::Default);
  const std::size_t measured = text.measured.size();

  // Lost: rebuilt from its stored caption (the converted item reads back
  // without one), in the normal font.
  menus.Items(popup)[0].state = 0;
  Prepare(popup);
  EXPECT_EQ(RecordOf(100, popup).ItemFlags, 0);
  EXPECT_EQ(RecordOf(100, popup).DisplayText, "Un");
  EXPECT_EQ(RecordOf(100, popup).ItemWidth, 2 * 6 + 40);
  EXPECT_GT(text.measured.size(), measured);

  const MenuHandle other = Popup({"Deux"}, 200);
  Prepare(other);
  const std::size_t measuredOther = text.measured.size();
  menus.Items(other)[0].state = menu_state::Default;
  Prepare(other);
  EXPECT_EQ(RecordOf(200, other).ItemFlags, item_flag::Default);
  EXPECT_EQ(RecordOf(200, other).DisplayText, "Deux");
  EXPECT_EQ(text.measured.size(), measuredOther);
}

TEST_F(PopupPreparationTest, WindowListAndSystemCommandItemsAreReported) {
  const MenuHandle windowsList = Popup({"Fenetre 1"}, 0x8001);
  EXPECT_TRUE(Prepare(windowsList));
  EXPECT_FALSE(lastSysMenu);
  const MenuHandle plain = Popup({"Un"}, 0x7FFF);
  EXPECT_FALSE(Prepare(plain));
  const MenuHandle system = Popup({"Fermer\tAlt+F4"}, 0xF060);
  EXPECT_FALSE(Prepare(system));
  EXPECT_TRUE(lastSysMenu);
  EXPECT_TRUE(PanelOf(system).HasSysCommands);
  // An item with a submenu is neither.
  const MenuHandle withSub = Popup({"Sous"}, 0x9000);
  menus.Items(withSub)[0].subMenu = menus.AddPopup();
  EXPECT_FALSE(Prepare(withSub));
}

TEST_F(PopupPreparationTest, ASystemMenuIsWrittenTwiceEndingOwnerDrawn) {
  const MenuHandle system = Popup({"Restaurer", "Fermer"}, 0xF120);
  Prepare(system, true);
  for (const MenuItemInfo& item : menus.Items(system)) EXPECT_EQ(item.type, menu_type::OwnerDraw);
}

TEST_F(PopupPreparationTest, ListControlsAreBoundByHandleOrByName) {
  windows.AddWindow(0x777, kPreparedForm, "ListBox", "");
  forms.AddControl(0, "List1", FormControl{0x888, 0});
  forms.AddControlItem(0, "Combo", 2, FormControl{0x999, 0});
  const MenuHandle popup =
      Popup({"A{LB:1911}", "B{LB:1234}", "C{CB:List1}", "D{CB:Combo(2)}", "E{LB:Inconnu}"});
  Prepare(popup);
  EXPECT_EQ(RecordOf(100, popup).ListWindow, 0x777u);
  EXPECT_EQ(RecordOf(100, popup).ListKind, 1);
  EXPECT_EQ(RecordOf(101, popup).ListWindow, 0u);  // no such window
  EXPECT_EQ(RecordOf(102, popup).ListWindow, 0x888u);
  EXPECT_EQ(RecordOf(102, popup).ListKind, 0);
  EXPECT_EQ(RecordOf(103, popup).ListWindow, 0x999u);
  EXPECT_EQ(RecordOf(104, popup).ListWindow, 0u);
}

TEST_F(PopupPreparationTest, AnItemWithASubmenuIsNotBoundToAList) {
  windows.AddWindow(0x777, kPreparedForm, "ListBox", "");
  const MenuHandle popup = Popup({"A{LB:1911}\tCtrl+A"});
  menus.Items(popup)[0].subMenu = menus.AddPopup();
  Prepare(popup);
  EXPECT_EQ(RecordOf(100, popup).ListWindow, 0u);
  EXPECT_EQ(RecordOf(100, popup).RightText, "");  // the arrow takes its place
}

TEST_F(PopupPreparationTest, GeneratedFileItemsShowTheNameAndTakeTheDescription) {
  files.SetShortPath("C:\\Program Files\\readme.TXT", "C:\\PROGRA~1\\README.TXT");
  test::MemoryVersionBlock block;
  block.Set("\\VarFileInfo\\Translation", test::TranslationEntry(0x040C, 0x04E4));
  block.Set("\\StringFileInfo\\040C04E4", "");
  block.Set("\\StringFileInfo\\040C04E4\\FileDescription", std::string("Lisez-moi\0", 10));
  files.SetVersion("C:\\PROGRA~1\\README.TXT", block);
  const MenuHandle popup = Popup({"readme.TXT{gControl:1911|gType:2|gEXE:C:\\Program Files\\|LIndex:0}",
                                  "Notes.Md{gControl:1911|gEXE:C:\\Docs\\}"});
  Prepare(popup);
  const MenuItemData& file = RecordOf(100, popup);
  EXPECT_EQ(file.DisplayText, "README.txt");
  EXPECT_EQ(file.ImageRef, "C:\\PROGRA~1\\README.TXT");
  EXPECT_EQ(file.ItemTip, "Lisez-moi");
  EXPECT_EQ(file.ListSource, 1911);
  EXPECT_EQ(file.ListKind, 2);
  const MenuItemData& notes = RecordOf(101, popup);
  EXPECT_EQ(notes.DisplayText, "Notes.md");
  EXPECT_EQ(notes.ImageRef, "C:\\Docs\\Notes.Md");  // no short form: the path itself
  EXPECT_EQ(notes.ItemTip, kDefaultTip);
  // A file item makes the popup slow to draw.
  EXPECT_TRUE(PanelOf(popup).SlowPanel);
}

TEST_F(PopupPreparationTest, GeneratedDriveItemsShowTheirLabels) {
  volumes.Set("C:\\", "SYSTEME");
  volumes.Set("Z:\\", "Partage");
  const MenuHandle popup = Popup({"C:{gControl:0|LDrv:C:\\Windows|Tip:Local Disk}",
                                  "Z:{gControl:0|LDrv:Z:\\|Tip:Network/Mapped Drive}",
                                  "A:{gControl:0|LDrv:A:|Tip:Removable Media}",
                                  "D:{gControl:0|LDrv:D:\\|Tip:CD-ROM}"});
  Prepare(popup);
  EXPECT_EQ(RecordOf(100, popup).DisplayText, "C: SYSTEME");
  EXPECT_EQ(RecordOf(100, popup).ImageRef, "C:\\");
  EXPECT_EQ(RecordOf(101, popup).DisplayText, "Z:  (Partage)");
  EXPECT_EQ(RecordOf(102, popup).DisplayText, "A: Removable");
  EXPECT_EQ(RecordOf(102, popup).ImageRef, MenuKeyNumber(preparation.DriveIconHandle()));
  EXPECT_NE(preparation.DriveIconHandle(), 0u);
  EXPECT_EQ(RecordOf(103, popup).DisplayText, "D:");  // no label
  EXPECT_THAT(volumes.asked, ElementsAre("C:\\", "Z:\\", "D:\\"));
  preparation.ReleaseEngineResources();
  EXPECT_EQ(preparation.DriveIconHandle(), 0u);
}

TEST_F(PopupPreparationTest, GeneratedColourFontAndStateItems) {
  const MenuHandle popup = Popup({"Rouge{gControl:0|LColor:255}", "Police {gControl:0|LFont:Arial}",
                                  "Texas{gControl:0|LState:TX}\tx"});
  Prepare(popup);
  EXPECT_EQ(RecordOf(100, popup).ItemFlags, item_flag::ColourItem);
  EXPECT_EQ(RecordOf(101, popup).ItemFlags, item_flag::FontItem);
  EXPECT_EQ(RecordOf(102, popup).RightText, "TX");
  EXPECT_EQ(RecordOf(100, popup).TextOffset, 15 + 10);  // the column has a right-hand text
}

// The list menus as a recording stand-in.
class RecordingLists final : public ListMenuExpansion {
 public:
  explicit RecordingLists(test::FakeMenus& menus) : menus_(menus) {}
  MenuHandle ExpandListMenu(cMenuItems&, std::int16_t position, MenuHandle, std::string_view key,
                            std::string_view value, std::string_view tip) override {
    calls.push_back(std::string(key) + "=" + std::string(value) + "@" + std::to_string(position) + ":" +
                    std::string(tip));
    return made.emplace_back(menus_.AddPopup());
  }
  MenuHandle ExpandListControl(cMenuItems&, std::int16_t, MenuHandle, std::uint8_t kind, WindowHandle window,
                               std::string_view) override {
    calls.push_back("control " + std::to_string(window) + " kind " + std::to_string(kind));
    return made.emplace_back(menus_.AddPopup());
  }
  bool MenuSelected(cMenuItems&, std::int32_t index, MenuHandle&, std::intptr_t) override { return index == 7; }
  std::vector<std::string> calls;
  std::vector<MenuHandle> made;

 private:
  test::FakeMenus& menus_;
};

TEST_F(PopupPreparationTest, ListItemsGetAFreshSubmenuAtEveryPreparation) {
  windows.AddWindow(1911, kPreparedForm, "ListBox", "");
  RecordingLists lists(menus);
  MenuPreparationServices services = Services();
  services.lists = &lists;
  MenuPopupPreparation withLists(services);
  cMenuItems listHandler{MenuHandlerServices{menus, current, &graphics, &forms, &withLists}};
  listHandler.InitializeSubMenu(kPreparedForm, nullptr, 0, true, 0, "Bulle");
  const MenuHandle popup = Popup({"Couleurs{lvColors:255:ID:Fore|lvDays:1}\tCtrl+K", "Liste{LB:1911}"});
  bool sys = false;
  listHandler.IsWindowList(popup, sys);
  ASSERT_THAT(lists.calls, ElementsAre("lvColors:=255:ID:Fore@0:Bulle", "control 1911 kind 1"));
  const auto colours = listHandler.FindItem(100, popup);
  ASSERT_TRUE(colours);
  const MenuItemData& record = listHandler.Item(*colours);
  EXPECT_EQ(record.ItemFlags, item_flag::OwnsListMenu | item_flag::HasSubMenu);
  EXPECT_EQ(record.RightText, "");
  EXPECT_EQ(record.ItemWidth, 8 * 6 + 40);  // "Ctrl+K" taken off again
  EXPECT_EQ(menus.Items(popup)[0].subMenu, lists.made[0]);
  EXPECT_EQ(listHandler.FindItem(MenuKeyNumber(lists.made[0]) + "." + MenuKeyNumber(popup)), colours);
  EXPECT_EQ(menus.Items(popup)[1].subMenu, lists.made[1]);

  // Reopened: the records stand, the lists are built again.
  listHandler.IsWindowList(popup, sys);
  EXPECT_EQ(lists.calls.size(), 4u);
  EXPECT_EQ(menus.Items(popup)[0].subMenu, lists.made[2]);

  MenuHandle menu = popup;
  EXPECT_TRUE(listHandler.MenuSelected(7, menu, 0));
  EXPECT_FALSE(listHandler.MenuSelected(8, menu, 0));
  EXPECT_FALSE(handler.MenuSelected(7, menu, 0));  // without list menus
}

TEST_F(PopupPreparationTest, AGeneratedPopupIsPreparedByTheHandlerThatServesIt) {
  const MenuHandle generated = Popup({"Rouge{gControl:0|LColor:255}"}, 32500);
  auto child = std::make_unique<cMenuItems>(MenuHandlerServices{menus, current, &graphics, &forms, &preparation});
  child->InitializeSubMenu(kPreparedForm, nullptr, 0, true);
  cMenuItems* childHandler = child.get();
  handler.AddDelegate(generated, std::move(child));
  EXPECT_FALSE(Prepare(generated));
  EXPECT_FALSE(handler.FindItem(32500, generated));
  EXPECT_TRUE(childHandler->FindItem(32500, generated));
  EXPECT_EQ(menus.Items(generated)[0].type, menu_type::OwnerDraw);
}

TEST_F(PopupPreparationTest, ANonMenuIsLeftAlone) {
  EXPECT_FALSE(Prepare(0xBAD));
  EXPECT_EQ(handler.PanelCount(), 0);
  EXPECT_TRUE(menus.MenuBarRedraws().empty());
}

// --- Through the engine ---

class PreparedEngineTest : public PreparationFixture {
 protected:
  PreparedEngineTest() { engine.SetPreparation(&preparation); }
  modMenus engine{MenuEngineServices{windows, menus, fonts, colours, &graphics, &forms}};
};

TEST_F(PreparedEngineTest, AWindowListPopupIsPreparedAtEveryOpeningAnOrdinaryOneOncePerLoop) {
  engine.HookMenus(kPreparedForm, nullptr, nullptr, hook_mode::Window);
  const MenuHandle plain = Popup({"Un", "Deux"});
  const MenuHandle windowList = Popup({"Fenetre 1"}, 0x8001);
  windows.Deliver(kPreparedForm, menu_message::EnterMenuLoop, 0, 0);
  for (int i = 0; i < 2; ++i) {
    windows.Deliver(kPreparedForm, menu_message::InitMenuPopup, plain, 0);
    windows.Deliver(kPreparedForm, menu_message::InitMenuPopup, windowList, 0);
  }
  EXPECT_EQ(menus.MenuBarRedraws().size(), 3u);  // one per preparation

  windows.Deliver(kPreparedForm, menu_message::ExitMenuLoop, 0, 0);
  cMenuItems* h = engine.HandlerOf(kPreparedForm);
  ASSERT_NE(h, nullptr);
  h->GetMenuItem(100, plain);
  EXPECT_EQ(engine.CurrentItem().ItemWidth, 2 * 6 + 40);
  EXPECT_EQ(engine.CurrentItem().ItemHeight, 22);
}

}  // namespace
}  // namespace vantrel
