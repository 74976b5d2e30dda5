// The engine's hooking and message dispatch against in-memory windows whose
// own procedures record what reaches them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "menus/render/c_tips.h"
#include "menus/render/mod_menus.h"
#include "support/fake_menu_fonts.h"
#include "support/fake_menu_services.h"
#include "support/fake_menus.h"
#include "support/fake_system_colours.h"
#include "support/fake_window_hooks.h"

namespace vantrel {
namespace {

namespace msg = menu_message;
using test::FakeApplicationForms;
using test::FakeGraphicsObjects;
using test::FakeMenuFontTable;
using test::FakeMenus;
using test::FakeWindowHooks;
using test::RecordingPreparation;
using test::WindowCall;
using ::testing::ElementsAre;

constexpr WindowHandle kForm = 0x100;
constexpr WindowHandle kOther = 0x200;

class RecordingDrawing final : public MenuItemDrawing {
 public:
  bool DrawMenuItem(std::intptr_t address) override {
    addresses.push_back(address);
    return handled;
  }
  bool handled = true;
  std::vector<std::intptr_t> addresses;
};

class RecordingTips final : public MenuTipEvents {
 public:
  struct Call {
    std::uintptr_t item;
    std::intptr_t menu;
    MenuHandle last;
    friend bool operator==(const Call&, const Call&) = default;
  };
  void NotifyMenuTip(std::uintptr_t item, std::intptr_t menu, MenuHandle last) override {
    calls.push_back({item, menu, last});
  }
  std::vector<Call> calls;
};

class CountingResources final : public EngineResources {
 public:
  void ReleaseEngineResources() override { ++releases; }
  int releases = 0;
};

// A preparation that fails, as a broken later layer would.
class ThrowingPreparation final : public MenuPreparation {
 public:
  bool IsWindowList(cMenuItems&, MenuHandle, bool&) override { throw std::runtime_error("broken"); }
  bool MenuSelected(cMenuItems&, std::int32_t, MenuHandle&, std::intptr_t) override {
    throw std::runtime_error("broken");
  }
};

class MenuEngineTest : public ::testing::Test {
 protected:
  MenuEngineTest() {
    windows.AddWindow(kForm, 0, "ThunderForm", "FrmPop");
    windows.AddWindow(kOther, 0, "ThunderForm", "Other");
    windows.SetAnswer(kForm, [](const WindowCall& call) { return static_cast<std::intptr_t>(call.message) + 1000; });
    engine.SetPreparation(&preparation);
    engine.SetItemDrawing(&drawing);
    engine.SetTipEvents(&tips);
    engine.SetEngineResources(&resources);
  }

  std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
    return windows.Deliver(window, message, wParam, lParam);
  }
  std::size_t CountReceived(WindowHandle window, std::uint32_t message) {
    return windows.ReceivedMessages(window, message).size();
  }
  void Hook(WindowHandle window, std::int32_t mode = hook_mode::Window) { engine.HookMenus(window, nullptr, nullptr, mode); }

  FakeWindowHooks windows;
  FakeMenus menus;
  FakeMenuFontTable fonts;
  FakeSystemColours colours;
  FakeGraphicsObjects graphics;
  FakeApplicationForms forms;
  RecordingPreparation preparation;
  RecordingDrawing drawing;
  RecordingTips tips;
  CountingResources resources;
  modMenus engine{MenuEngineServices{windows, menus, fonts, colours, &graphics, &forms}};
};

// --- Hooking ---

TEST_F(MenuEngineTest, TheFirstHookStartsTheEngineAndSubclassesTheWindow) {
  colours.Set(13, 0x00C08040);
  windows.SetVersion(PlatformVersion{1, 4, 10});
  EXPECT_FALSE(engine.HasMenuHandlers());
  Hook(kForm);
  EXPECT_TRUE(engine.HasMenuHandlers());
  EXPECT_THAT(engine.MenuHandlerKeys(), ElementsAre("h256"));
  EXPECT_THAT(fonts.Builds(), ElementsAre(FakeMenuFontTable::BuildCall{true, false, ""}));
  EXPECT_EQ(engine.SavedHighlightColour(), 0x00C08040);
  EXPECT_EQ(engine.PlatformIndent(), 35);
  EXPECT_EQ(engine.ActiveHandlerKey(), "h0");
  cMenuItems* handler = engine.HandlerOf(kForm);
  ASSERT_NE(handler, nullptr);
  EXPECT_EQ(handler->hPrevProc(), windows.OwnProcedure(kForm));
  EXPECT_NE(windows.CurrentProcedure(kForm), windows.OwnProcedure(kForm));
  EXPECT_EQ(handler->Form(), kForm);
  EXPECT_FALSE(handler->IsMenuLess());
}

TEST_F(MenuEngineTest, TheHandlerConvertsTheWindowsSystemMenuAndKeepsTheCallbackToken) {
  const MenuHandle system = menus.AddPopup();
  menus.SetSystemMenu(kForm, system);
  cTips tipObject;
  engine.HookMenus(kForm, nullptr, &tipObject, hook_mode::Window);
  EXPECT_EQ(engine.HandlerOf(kForm)->SystemMenu(), system);
  EXPECT_THAT(preparation.Popups(), ElementsAre(system));
  EXPECT_EQ(engine.HandlerOf(kForm)->ShowTips(), tipObject.Token());
}

TEST_F(MenuEngineTest, NoWindowOrNoToolbarHooksNothingButStartsTheEngine) {
  Hook(0);
  EXPECT_TRUE(engine.HasMenuHandlers());
  EXPECT_TRUE(engine.MenuHandlerKeys().empty());
  EXPECT_EQ(fonts.Builds().size(), 1u);
  Hook(kForm, hook_mode::Toolbar);
  EXPECT_TRUE(engine.MenuHandlerKeys().empty());
  EXPECT_EQ(windows.SubclassCalls(), 0);
}

TEST_F(MenuEngineTest, ModeOneHooksTheToolbarChild) {
  windows.AddWindow(0x110, kForm, "Button");
  windows.AddWindow(0x120, kForm, "MSVB_Lib_Toolbar");
  Hook(kForm, hook_mode::Toolbar);
  EXPECT_THAT(engine.MenuHandlerKeys(), ElementsAre("h288"));
  EXPECT_EQ(engine.HandlerOf(kForm), nullptr);
  Hook(kForm, -1);  // the absolute value chooses the target: already hooked
  EXPECT_EQ(windows.SubclassCalls(), 1);
}

TEST_F(MenuEngineTest, AWindowThatCannotBeSubclassedKeepsNoHandler) {
  windows.RefuseSubclass(kForm);
  Hook(kForm);
  EXPECT_TRUE(engine.MenuHandlerKeys().empty());
  EXPECT_EQ(engine.ActiveHandlerKey(), "h0");
}

struct ModeCase {
  std::int32_t mode;
  bool newMenuLess;
};

class NewHandlerModeTest : public MenuEngineTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(NewHandlerModeTest, OnlyModesFourAndFiveMakeAMenuLessHandler) {
  Hook(kForm, GetParam().mode);
  ASSERT_NE(engine.HandlerOf(kForm), nullptr);
  EXPECT_EQ(engine.HandlerOf(kForm)->IsMenuLess(), GetParam().newMenuLess);
}

INSTANTIATE_TEST_SUITE_P(Modes, NewHandlerModeTest,
                         ::testing::Values(ModeCase{0, false}, ModeCase{2, false}, ModeCase{3, false},
                                           ModeCase{4, true}, ModeCase{5, true}, ModeCase{6, false},
                                           ModeCase{-4, false}, ModeCase{-5, false}));

struct RehookCase {
  std::int32_t mode;
  bool hasMdiClient;
  bool menuLessBefore;
  bool menuLessAfter;
};

class RehookModeTest : public MenuEngineTest, public ::testing::WithParamInterface<RehookCase> {};

TEST_P(RehookModeTest, ASecondHookOnlyAdjustsIsMenuLess) {
  const RehookCase& c = GetParam();
  if (c.hasMdiClient) windows.AddWindow(0x150, kForm, "MDIClient", "");
  Hook(kForm, c.menuLessBefore ? hook_mode::MenuLess : hook_mode::Window);
  const int subclassed = windows.SubclassCalls();
  Hook(kForm, c.mode);
  EXPECT_EQ(windows.SubclassCalls(), subclassed);
  EXPECT_EQ(engine.HandlerOf(kForm)->IsMenuLess(), c.menuLessAfter);
  EXPECT_EQ(engine.ActiveHandlerKey(), "h0");
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RehookModeTest,
    ::testing::Values(RehookCase{0, false, true, true}, RehookCase{0, true, true, false},
                      RehookCase{2, true, true, true}, RehookCase{3, false, true, false},
                      RehookCase{4, false, false, true}, RehookCase{-4, false, false, true},
                      RehookCase{5, false, false, false}, RehookCase{5, true, false, true},
                      RehookCase{7, true, true, true}, RehookCase{-3, false, true, false}));

TEST_F(MenuEngineTest, ItalicFontsAreBuiltWhenTheOptionTurnsOn) {
  engine.SetItalicSelection(false);
  EXPECT_TRUE(fonts.Builds().empty());
  engine.SetItalicSelection(true);
  engine.SetItalicSelection(true);
  EXPECT_THAT(fonts.Builds(), ElementsAre(FakeMenuFontTable::BuildCall{true, true, ""}));
  engine.SetItalicSelection(false);
  EXPECT_EQ(fonts.Builds().size(), 1u);
  EXPECT_FALSE(engine.ItalicSelection());
}

TEST_F(MenuEngineTest, TheOtherOptionsAreStored) {
  engine.SetHighlightDisabled(true);
  engine.SetGradientSelection(true);
  engine.SetIconEffects(true);
  EXPECT_TRUE(engine.HighlightDisabled());
  EXPECT_TRUE(engine.GradientSelection());
  EXPECT_TRUE(engine.IconEffects());
  engine.SetGradientSelection(false);
  EXPECT_FALSE(engine.GradientSelection());
}

// --- Unhooking ---

TEST_F(MenuEngineTest, DestroyPassesOnThenUnhooksAndTheLastUnhookEndsTheEngine) {
  menus.SetSystemMenu(kForm, menus.AddPopup());
  Hook(kForm);
  EXPECT_EQ(Send(kForm, msg::Destroy), 1000 + msg::Destroy);
  EXPECT_EQ(CountReceived(kForm, msg::Destroy), 1u);
  EXPECT_EQ(windows.CurrentProcedure(kForm), windows.OwnProcedure(kForm));
  EXPECT_FALSE(engine.HasMenuHandlers());
  EXPECT_EQ(fonts.Releases(), 1);
  EXPECT_FALSE(fonts.AnyFont());
  EXPECT_EQ(resources.releases, 1);
  EXPECT_TRUE(engine.ToolbarClassNames().empty());
  EXPECT_THAT(menus.SystemMenuReverts(), ElementsAre(kForm));

  // A second unhook of the same window does nothing.
  engine.UnhookMenus(kForm);
  EXPECT_EQ(fonts.Releases(), 1);

  // A new hook starts over.
  Hook(kForm);
  EXPECT_TRUE(fonts.HasFont(1));
  EXPECT_EQ(fonts.Builds().back(), (FakeMenuFontTable::BuildCall{true, false, ""}));
}

TEST_F(MenuEngineTest, FontsStayWhileAnotherWindowIsHooked) {
  Hook(kForm);
  Hook(kOther);
  Send(kOther, msg::Destroy);
  EXPECT_EQ(fonts.Releases(), 0);
  EXPECT_THAT(engine.MenuHandlerKeys(), ElementsAre("h256"));
  // Unhooking a window that is not hooked leaves the last one alone.
  engine.UnhookMenus(0x999);
  EXPECT_THAT(engine.MenuHandlerKeys(), ElementsAre("h256"));
  EXPECT_EQ(fonts.Releases(), 0);
  Send(kForm, msg::Destroy);
  EXPECT_EQ(fonts.Releases(), 1);
}

TEST_F(MenuEngineTest, ItalicFontsComeBackWithANewEngine) {
  engine.SetItalicSelection(true);
  Hook(kForm);
  Send(kForm, msg::Destroy);
  EXPECT_FALSE(fonts.HasFont(4));
  Hook(kForm);
  EXPECT_TRUE(fonts.HasFont(4));
  EXPECT_TRUE(fonts.HasFont(1));
}

TEST_F(MenuEngineTest, TheEngineGivesWindowsTheirProceduresBackWhenItEnds) {
  {
    modMenus shortLived{MenuEngineServices{windows, menus, fonts, colours}};
    shortLived.HookMenus(kForm, nullptr, nullptr, 0);
    shortLived.HookMenus(kOther, nullptr, nullptr, 0);
  }
  EXPECT_EQ(windows.CurrentProcedure(kForm), windows.OwnProcedure(kForm));
  EXPECT_EQ(windows.CurrentProcedure(kOther), windows.OwnProcedure(kOther));
  EXPECT_EQ(fonts.Releases(), 1);
}

TEST_F(MenuEngineTest, UnhookingAllWindowsGivesThemBackAndEndsTheEngineOnce) {
  menus.SetSystemMenu(kForm, menus.AddPopup());
  Hook(kForm);
  Hook(kOther);
  Send(kForm, msg::EnterMenuLoop);
  engine.UnhookAllWindows();
  EXPECT_EQ(windows.CurrentProcedure(kForm), windows.OwnProcedure(kForm));
  EXPECT_EQ(windows.CurrentProcedure(kOther), windows.OwnProcedure(kOther));
  EXPECT_THAT(menus.SystemMenuReverts(), ElementsAre(kForm));
  EXPECT_FALSE(engine.HasMenuHandlers());
  EXPECT_FALSE(engine.OpenedPopups().has_value());
  EXPECT_EQ(fonts.Releases(), 1);
  EXPECT_EQ(resources.releases, 1);
  // Nothing is left to undo, now or when the engine ends.
  engine.UnhookAllWindows();
  EXPECT_EQ(resources.releases, 1);
  EXPECT_EQ(Send(kForm, 0x0400, 1, 2), 1000 + 0x0400);
  EXPECT_EQ(CountReceived(kForm, 0x0400), 1u);
}

TEST_F(MenuEngineTest, ASecondEngineLeavesAWindowTheFirstServesAlone) {
  menus.SetSystemMenu(kForm, menus.AddPopup());
  Hook(kForm);
  const int systemMenuReads = menus.SystemMenuReads();
  RecordingPreparation otherPreparation;
  modMenus other{MenuEngineServices{windows, menus, fonts, colours}};
  other.SetPreparation(&otherPreparation);

  other.HookMenus(kForm, nullptr, nullptr, hook_mode::Window);
  EXPECT_EQ(other.HandlerOf(kForm), nullptr);
  // The window's menus are not touched by the engine that does not serve it.
  EXPECT_EQ(menus.SystemMenuReads(), systemMenuReads);
  EXPECT_TRUE(otherPreparation.requests.empty());
  EXPECT_EQ(Send(kForm, 0x0400, 1, 2), 1000 + 0x0400);
  EXPECT_EQ(CountReceived(kForm, 0x0400), 1u);

  // Once the first lets go, the other may take the window.
  engine.UnhookMenus(kForm);
  other.HookMenus(kForm, nullptr, nullptr, hook_mode::Window);
  ASSERT_NE(other.HandlerOf(kForm), nullptr);
  EXPECT_EQ(other.HandlerOf(kForm)->hPrevProc(), windows.OwnProcedure(kForm));
  EXPECT_EQ(Send(kForm, 0x0400, 3, 4), 1000 + 0x0400);
  EXPECT_EQ(CountReceived(kForm, 0x0400), 2u);
}

// --- Passing messages on ---

TEST_F(MenuEngineTest, KeyboardMessagesReachThePreviousProcedureExactlyOnce) {
  Hook(kForm);
  for (const std::uint32_t key : {msg::KeyDown, msg::KeyUp, msg::SysKeyDown, msg::SysKeyUp}) {
    EXPECT_EQ(Send(kForm, key, 0x41, 0x001E0001), 1000 + static_cast<std::intptr_t>(key));
    EXPECT_THAT(windows.ReceivedMessages(kForm, key), ElementsAre(WindowCall{kForm, key, 0x41, 0x001E0001}));
  }
}

TEST_F(MenuEngineTest, EveryOtherMessageIsPassedOnUnchangedWithItsResult) {
  Hook(kForm);
  const std::vector<WindowCall> passed = {
      {kForm, 0x000F, 0, 0},                     // paint
      {kForm, 0x0010, 0, 0},                     // close
      {kForm, msg::Command, 0x00010005, 0},      // accelerator
      {kForm, msg::Command, 0x00000005, 0x777},  // from a control
      {kForm, 0x0400, 0x12345678, -5},           // the program's own
  };
  for (const WindowCall& call : passed) {
    EXPECT_EQ(Send(kForm, call.message, call.wParam, call.lParam), 1000 + static_cast<std::intptr_t>(call.message));
  }
  std::vector<WindowCall> received = windows.Received(kForm);
  EXPECT_EQ(received, passed);
  EXPECT_TRUE(preparation.selections.empty());
}

TEST_F(MenuEngineTest, AFailureInTheHandlingPassesTheMessageOnOnce) {
  Hook(kForm);
  // No popup was ever selected: the active handler "h0" does not exist.
  MeasureItemRecord record{1, 0, 5, 0, 0, 0x500};
  const std::intptr_t address = windows.PlaceMeasureItem(record);
  EXPECT_EQ(Send(kForm, msg::MeasureItem, 0, address), 1000 + msg::MeasureItem);
  EXPECT_EQ(Send(kForm, msg::Command, 5, 0), 1000 + msg::Command);
  EXPECT_EQ(Send(kForm, msg::MenuCommand, 0, 0x500), 1000 + msg::MenuCommand);
  EXPECT_EQ(Send(kForm, msg::ExitMenuLoop), 1000 + msg::ExitMenuLoop);  // no loop began
  EXPECT_EQ(CountReceived(kForm, msg::MeasureItem), 1u);
  EXPECT_EQ(CountReceived(kForm, msg::Command), 1u);
  EXPECT_EQ(CountReceived(kForm, msg::MenuCommand), 1u);
  EXPECT_EQ(CountReceived(kForm, msg::ExitMenuLoop), 1u);
}

TEST_F(MenuEngineTest, AFailureAfterPassingOnDoesNotPassASecondTime) {
  ThrowingPreparation broken;
  engine.SetPreparation(&broken);
  Hook(kForm);
  Send(kForm, msg::EnterMenuLoop);
  EXPECT_EQ(Send(kForm, msg::InitMenuPopup, 0x500, 0), 1000 + msg::InitMenuPopup);
  EXPECT_EQ(CountReceived(kForm, msg::InitMenuPopup), 1u);
  // Outside a menu loop, the same.
  Send(kForm, msg::ExitMenuLoop);
  engine.SetPreparation(&preparation);
  EXPECT_EQ(Send(kForm, msg::InitMenuPopup, 0x600, 0), 1000 + msg::InitMenuPopup);
  EXPECT_EQ(CountReceived(kForm, msg::InitMenuPopup), 2u);
  EXPECT_TRUE(preparation.requests.empty());
}

TEST_F(MenuEngineTest, AHookThatFailsReachesTheCallerAndLeavesNoHandler) {
  ThrowingPreparation broken;
  engine.SetPreparation(&broken);
  menus.SetSystemMenu(kForm, menus.AddPopup());
  EXPECT_THROW(Hook(kForm), std::runtime_error);
  EXPECT_EQ(engine.HandlerOf(kForm), nullptr);
  EXPECT_EQ(windows.CurrentProcedure(kForm), windows.OwnProcedure(kForm));
}

TEST_F(MenuEngineTest, APreviousProcedureThatThrowsIsNotCalledAgain) {
  Hook(kForm);
  windows.SetAnswer(kForm, [](const WindowCall&) -> std::intptr_t { throw std::runtime_error("host failure"); });
  EXPECT_EQ(Send(kForm, msg::KeyDown, 1, 2), 0);
  EXPECT_EQ(CountReceived(kForm, msg::KeyDown), 1u);
}

// --- Menu loops ---

class MenuLoopTest : public MenuEngineTest {
 protected:
  void SetUp() override { Hook(kForm); }
  void OpenPopup(MenuHandle popup, bool system = false) {
    Send(kForm, msg::InitMenuPopup, popup, system ? 0x00010000 : 0);
  }
};

TEST_F(MenuLoopTest, OpenedPopupsExistsOnlyInsideALoop) {
  EXPECT_FALSE(engine.OpenedPopups().has_value());
  Send(kForm, msg::EnterMenuLoop);
  ASSERT_TRUE(engine.OpenedPopups().has_value());
  EXPECT_TRUE(engine.OpenedPopups()->empty());
  OpenPopup(0x500);
  OpenPopup(0x600);
  EXPECT_THAT(*engine.OpenedPopups(), ElementsAre(0x500u, 0x600u));
  Send(kForm, msg::ExitMenuLoop);
  EXPECT_FALSE(engine.OpenedPopups().has_value());
  EXPECT_EQ(CountReceived(kForm, msg::EnterMenuLoop), 1u);
  EXPECT_EQ(CountReceived(kForm, msg::ExitMenuLoop), 1u);
}

TEST_F(MenuLoopTest, APopupOpenedTwiceInOneLoopIsPreparedOnce) {
  Send(kForm, msg::EnterMenuLoop);
  OpenPopup(0x500);
  OpenPopup(0x500);
  OpenPopup(0x600);
  OpenPopup(0x500);
  EXPECT_THAT(preparation.Popups(), ElementsAre(0x500u, 0x600u));
  EXPECT_EQ(CountReceived(kForm, msg::InitMenuPopup), 4u);
  Send(kForm, msg::ExitMenuLoop);
  // The next loop prepares again.
  Send(kForm, msg::EnterMenuLoop);
  OpenPopup(0x500);
  EXPECT_THAT(preparation.Popups(), ElementsAre(0x500u, 0x600u, 0x500u));
  EXPECT_EQ(preparation.requests.back().handler, engine.HandlerOf(kForm));
  EXPECT_FALSE(preparation.requests.back().isSysMenuIn);
}

TEST_F(MenuLoopTest, AWindowListPopupIsPreparedAtEveryOpening) {
  preparation.windowLists = {0x500};
  Send(kForm, msg::EnterMenuLoop);
  OpenPopup(0x500);
  OpenPopup(0x500);
  OpenPopup(0x500);
  EXPECT_EQ(preparation.requests.size(), 3u);
  EXPECT_TRUE(engine.OpenedPopups()->empty());
}

TEST_F(MenuLoopTest, TheSystemMenuIsServedUnderTheConvertedHandle) {
  Send(kForm, msg::EnterMenuLoop);
  OpenPopup(0x999, true);
  // No system menu was converted for this window: its handle is 0.
  EXPECT_THAT(*engine.OpenedPopups(), ElementsAre(0u));
  EXPECT_EQ(engine.ActiveHandlerKey(), "h256");
}

TEST_F(MenuLoopTest, TheEndOfTheLoopPutsSidebarsBackInOpeningOrder) {
  cMenuItems& handler = *engine.HandlerOf(kForm);
  std::vector<MenuHandle> popups;
  for (const std::uint32_t sidebarId : {100u, 200u}) {
    const MenuHandle popup = menus.AddPopup();
    MenuItemInfo item;
    item.type = menu_type::OwnerDraw;
    item.id = sidebarId;
    menus.Items(popup).push_back(item);
    MenuItemData record;
    record.ItemID = static_cast<std::int32_t>(sidebarId);
    record.RawCaption = "{Sidebar}";
    record.ItemFlags = item_flag::Sidebar;
    handler.AddItem(record, popup);
    MenuPanelData panel;
    panel.MenuHandle = popup;
    panel.SidebarID = static_cast<std::int32_t>(sidebarId);
    handler.AddPanel(panel);
    popups.push_back(popup);
  }
  Send(kForm, msg::EnterMenuLoop);
  OpenPopup(popups[1]);
  OpenPopup(popups[0]);
  EXPECT_EQ(menus.Items(popups[0])[0].type, menu_type::OwnerDraw);
  Send(kForm, msg::ExitMenuLoop);
  for (const MenuHandle popup : popups) {
    ASSERT_EQ(menus.Items(popup).size(), 1u);
    EXPECT_EQ(menus.Items(popup)[0].type, menu_type::String);
    EXPECT_EQ(menus.Items(popup)[0].caption, "{Sidebar}");
  }
  EXPECT_EQ(menus.MenuBarRedraws().size(), 2u);
  EXPECT_EQ(tips.calls.back(), (RecordingTips::Call{0, 0, 0}));
}

TEST_F(MenuLoopTest, OpeningAPopupPublishesItsPanel) {
  engine.HandlerOf(kForm)->AddPanel(MenuPanelData{true, false, 0, 77, 0x500, false});
  Send(kForm, msg::EnterMenuLoop);
  OpenPopup(0x500);
  EXPECT_EQ(engine.CurrentPanel().SidebarID, 77);
  OpenPopup(0x501);
  EXPECT_EQ(engine.CurrentPanel(), MenuPanelData{});
}

TEST_F(MenuLoopTest, ASlowPopupShowsTheHourglassUntilTheMenuIsIdle) {
  engine.HandlerOf(kForm)->InitializeSubMenu(kForm, nullptr, 0, true, 0x500);
  windows.SetCursor(3);
  Send(kForm, msg::EnterMenuLoop);
  EXPECT_EQ(engine.LoopState().SavedPointer, 3);
  OpenPopup(0x500);
  EXPECT_TRUE(engine.HourglassShown());
  EXPECT_EQ(windows.CursorShape(), kCursorHourglass);
  Send(kForm, msg::EnterIdle);
  EXPECT_FALSE(engine.HourglassShown());
  EXPECT_EQ(windows.CursorShape(), 3);
  OpenPopup(0x600);  // not slow
  EXPECT_FALSE(engine.HourglassShown());
  EXPECT_THAT(windows.CursorChanges(), ElementsAre(kCursorHourglass, 3));
  EXPECT_EQ(CountReceived(kForm, msg::EnterIdle), 1u);
}

TEST_F(MenuLoopTest, TheHourglassIsRestoredAtTheEndOfTheLoop) {
  engine.HandlerOf(kForm)->InitializeSubMenu(kForm, nullptr, 0, true, 0x500);
  Send(kForm, msg::EnterMenuLoop);
  OpenPopup(0x500);
  Send(kForm, msg::ExitMenuLoop);
  EXPECT_FALSE(engine.HourglassShown());
  EXPECT_EQ(windows.CursorShape(), kCursorDefault);
}

TEST_F(MenuLoopTest, ALoopEnteredUnderTheHourglassKeepsTheShapeSavedBefore) {
  engine.HandlerOf(kForm)->InitializeSubMenu(kForm, nullptr, 0, true, 0x500);
  windows.SetCursor(5);
  Send(kForm, msg::EnterMenuLoop);
  Send(kForm, msg::ExitMenuLoop);
  windows.SetCursor(kCursorHourglass);
  Send(kForm, msg::EnterMenuLoop);
  EXPECT_EQ(engine.LoopState().SavedPointer, 5);
  OpenPopup(0x500);
  EXPECT_TRUE(engine.HourglassShown());
  Send(kForm, msg::EnterIdle);
  EXPECT_EQ(windows.CursorShape(), 5);
}

TEST_F(MenuLoopTest, MenuSelectFollowsTheHighlight) {
  Send(kForm, msg::EnterMenuLoop);
  Send(kForm, msg::MenuSelect, 0x80000005, 0x500);  // mouse
  EXPECT_EQ(engine.LoopState().LastMenu, 0x500u);
  EXPECT_FALSE(engine.KeyboardSelection());
  Send(kForm, msg::MenuSelect, 0x00000006, 0x600);  // keyboard
  EXPECT_TRUE(engine.KeyboardSelection());
  Send(kForm, msg::MenuSelect, 0xFFFF0000, 0);  // closing keeps the last popup
  EXPECT_EQ(engine.LoopState().LastMenu, 0x600u);
  EXPECT_THAT(tips.calls, ElementsAre(RecordingTips::Call{0x80000005, 0x500, 0x500},
                                      RecordingTips::Call{0x00000006, 0x600, 0x600},
                                      RecordingTips::Call{0xFFFF0000, 0, 0x600}));
  EXPECT_EQ(CountReceived(kForm, msg::MenuSelect), 3u);
}

TEST_F(MenuLoopTest, MeasureItemAnswersFromTheRecord) {
  cMenuItems& handler = *engine.HandlerOf(kForm);
  MenuItemData record;
  record.ItemID = 5;
  record.ItemWidth = 100;
  record.ItemHeight = 22;
  record.TextOffset = 35;
  handler.AddItem(record, 0x500);
  Send(kForm, msg::EnterMenuLoop);
  OpenPopup(0x500);

  const std::intptr_t known = windows.PlaceMeasureItem({1, 0, 5, 0, 0, 0x500});
  EXPECT_EQ(Send(kForm, msg::MeasureItem, 0, known), 0);
  EXPECT_EQ(windows.MeasureItemAt(known).itemWidth, 135u);
  EXPECT_EQ(windows.MeasureItemAt(known).itemHeight, 22u);

  const std::intptr_t unknown = windows.PlaceMeasureItem({1, 0, 6, 9, 9, 0x500});
  EXPECT_EQ(Send(kForm, msg::MeasureItem, 0, unknown), 0);
  EXPECT_EQ(windows.MeasureItemAt(unknown).itemWidth, 0u);
  EXPECT_EQ(windows.MeasureItemAt(unknown).itemHeight, 0u);
  EXPECT_EQ(engine.CurrentItem(), MenuItemData{});

  const std::intptr_t control = windows.PlaceMeasureItem({3, 7, 5, 9, 9, 0x500});  // a list box
  EXPECT_EQ(Send(kForm, msg::MeasureItem, 7, control), 1000 + msg::MeasureItem);
  EXPECT_EQ(windows.MeasureItemAt(control).itemWidth, 9u);
  EXPECT_EQ(CountReceived(kForm, msg::MeasureItem), 1u);
}

TEST_F(MenuLoopTest, DrawItemGoesToTheDrawingFirst) {
  EXPECT_EQ(Send(kForm, msg::DrawItem, 0, 0x4444), 0);
  drawing.handled = false;
  EXPECT_EQ(Send(kForm, msg::DrawItem, 0, 0x5555), 1000 + msg::DrawItem);
  engine.SetItemDrawing(nullptr);
  EXPECT_EQ(Send(kForm, msg::DrawItem, 0, 0x6666), 1000 + msg::DrawItem);
  EXPECT_THAT(drawing.addresses, ElementsAre(0x4444, 0x5555));
  EXPECT_THAT(windows.ReceivedMessages(kForm, msg::DrawItem),
              ElementsAre(WindowCall{kForm, msg::DrawItem, 0, 0x5555}, WindowCall{kForm, msg::DrawItem, 0, 0x6666}));
}

TEST_F(MenuLoopTest, AListSelectionConsumesTheCommand) {
  Send(kForm, msg::EnterMenuLoop);
  Send(kForm, msg::MenuSelect, 0x80000007, 0x500);
  OpenPopup(0x500);
  preparation.consumed = {7, -4096};
  EXPECT_EQ(Send(kForm, msg::Command, 7, 0), 0);
  EXPECT_EQ(Send(kForm, msg::Command, 0xF000, 0), 0);
  EXPECT_EQ(Send(kForm, msg::Command, 8, 0), 1000 + msg::Command);
  ASSERT_EQ(preparation.selections.size(), 3u);
  EXPECT_EQ(preparation.selections[0].index, 7);
  EXPECT_EQ(preparation.selections[0].menu, 0x500u);
  EXPECT_EQ(preparation.selections[1].index, -4096);  // the low word is signed
  EXPECT_THAT(windows.ReceivedMessages(kForm, msg::Command), ElementsAre(WindowCall{kForm, msg::Command, 8, 0}));
}

TEST_F(MenuLoopTest, MenuCommandAsksTheSelectionAndIsPassedOnAnyway) {
  const MenuHandle popup = menus.AddPopupWithCaptions({"Un", "Deux"}, 40);
  Send(kForm, msg::EnterMenuLoop);
  OpenPopup(popup);
  preparation.consumed = {41};
  EXPECT_EQ(Send(kForm, msg::MenuCommand, 1, static_cast<std::intptr_t>(popup)), 1000 + msg::MenuCommand);
  ASSERT_EQ(preparation.selections.size(), 1u);
  EXPECT_EQ(preparation.selections[0].index, 41);
  EXPECT_EQ(preparation.selections[0].menu, popup);
  EXPECT_EQ(CountReceived(kForm, msg::MenuCommand), 1u);
}

TEST_F(MenuLoopTest, ACommandWhoseSelectionUnhooksTheWindowStillReachesTheWindow) {
  const MenuHandle popup = menus.AddPopupWithCaptions({"Un", "Deux"}, 40);
  // The window is let go while the selection runs (its colour dialog is
  // open); the command was not a list entry and belongs to the window.
  preparation.duringSelection = [this] { engine.UnhookMenus(kForm); };
  struct Case {
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };
  for (const Case& c : {Case{msg::Command, 41, 0}, Case{msg::MenuCommand, 1, static_cast<std::intptr_t>(popup)}}) {
    SCOPED_TRACE(c.message);
    Hook(kForm);
    Send(kForm, msg::EnterMenuLoop);
    OpenPopup(popup);
    Send(kForm, msg::ExitMenuLoop);
    EXPECT_EQ(Send(kForm, c.message, c.wParam, c.lParam), 1000 + static_cast<std::intptr_t>(c.message));
    EXPECT_THAT(windows.ReceivedMessages(kForm, c.message),
                ElementsAre(WindowCall{kForm, c.message, c.wParam, c.lParam}));
    EXPECT_EQ(engine.HandlerOf(kForm), nullptr);
    EXPECT_EQ(windows.CurrentProcedure(kForm), windows.OwnProcedure(kForm));
  }
  EXPECT_EQ(preparation.selections.size(), 2u);
  EXPECT_TRUE(windows.DefaultCalls().empty());
}

TEST_F(MenuLoopTest, AStoredSizeRestrictionAnswersTheSizeNegotiation) {
  MinMaxRecord system;
  system.maxTrackSize = {1280, 1024};
  const std::intptr_t first = windows.PlaceMinMax(system);
  EXPECT_EQ(Send(kForm, msg::GetMinMaxInfo, 0, first), 1000 + msg::GetMinMaxInfo);
  EXPECT_EQ(windows.MinMaxAt(first), system);

  MinMaxRecord mine;
  mine.maxSize = {400, 300};
  mine.minTrackSize = {200, 100};
  engine.HandlerOf(kForm)->RestrictSize(mine, true);
  const std::intptr_t second = windows.PlaceMinMax(system);
  EXPECT_EQ(Send(kForm, msg::GetMinMaxInfo, 0, second), 0);
  EXPECT_EQ(windows.MinMaxAt(second), mine);
  EXPECT_EQ(CountReceived(kForm, msg::GetMinMaxInfo), 1u);
}

// --- Multiple-document windows ---

class MdiTest : public MenuEngineTest {
 protected:
  static constexpr WindowHandle kFrame = 0x300;
  static constexpr WindowHandle kClient = 0x310;
  static constexpr WindowHandle kChild = 0x320;
  static constexpr WindowHandle kChild2 = 0x330;

  void SetUp() override {
    windows.AddWindow(kFrame, 0, "ThunderMDIForm", "Frame");
    windows.AddWindow(kClient, kFrame, "MDIClient", "");
    windows.AddWindow(kChild, kClient, "ThunderMDIChild", "Doc1");
    windows.AddWindow(kChild2, kClient, "ThunderMDIChild", "Doc2");
    menus.SetSystemMenu(kClient, menus.AddPopup());
    menus.SetSystemMenu(kChild, menus.AddPopup());
  }
  struct List final : PictureList {
    int Count() const override { return 0; }
    PictureHandle Picture(int) const override { return 0; }
  } images;
};

TEST_F(MdiTest, HookingAFrameHooksItsClientToo) {
  engine.HookMenus(kFrame, &images, nullptr, hook_mode::MenuLess);
  EXPECT_THAT(engine.MenuHandlerKeys(), ElementsAre("h768", "h784"));
  EXPECT_EQ(engine.HandlerOf(kFrame)->MDIClient(), kClient);
  cMenuItems* client = engine.HandlerOf(kClient);
  EXPECT_TRUE(client->IsMDIclient());
  EXPECT_FALSE(client->IsMenuLess());
  EXPECT_EQ(client->SystemMenu(), 0u);  // the client's system menu is left alone
  EXPECT_EQ(client->hPrevProc(), windows.OwnProcedure(kClient));
}

TEST_F(MdiTest, TheClientHooksTheChildItActivatesWithTheFramesSettings) {
  cTips tipObject;
  engine.HookMenus(kFrame, &images, &tipObject, hook_mode::MenuLess);
  EXPECT_EQ(Send(kClient, msg::MdiActivate, kChild, 0), 0);
  EXPECT_EQ(CountReceived(kClient, msg::MdiActivate), 1u);
  cMenuItems* child = engine.HandlerOf(kChild);
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(child->IsMenuLess());
  EXPECT_EQ(child->ImageListObject(), &images);
  EXPECT_EQ(child->ShowTips(), tipObject.Token());
  EXPECT_NE(child->SystemMenu(), 0u);
  EXPECT_EQ(engine.ActiveHandlerKey(), "h0");

  // Activating it again does not subclass it twice.
  const int subclassed = windows.SubclassCalls();
  Send(kClient, msg::MdiActivate, kChild, 0);
  EXPECT_EQ(windows.SubclassCalls(), subclassed);

  // A maximised child is hooked as well.
  Send(kClient, msg::MdiMaximize, kChild2, 0);
  EXPECT_NE(engine.HandlerOf(kChild2), nullptr);
  EXPECT_EQ(CountReceived(kClient, msg::MdiMaximize), 1u);
}

TEST_F(MdiTest, AnActivationSeenByAnotherWindowIsOnlyPassedOn) {
  engine.HookMenus(kFrame, nullptr, nullptr, 0);
  Hook(kChild);
  Send(kChild, msg::MdiActivate, kChild2, kChild);  // the child hears of its own activation
  EXPECT_EQ(engine.HandlerOf(kChild2), nullptr);
  EXPECT_EQ(CountReceived(kChild, msg::MdiActivate), 1u);
}

TEST_F(MdiTest, TheClientUnhooksADestroyedChild) {
  engine.HookMenus(kFrame, nullptr, nullptr, 0);
  Send(kClient, msg::MdiActivate, kChild, 0);
  Send(kClient, msg::MdiDestroy, kChild, 0);
  EXPECT_EQ(engine.HandlerOf(kChild), nullptr);
  EXPECT_EQ(windows.CurrentProcedure(kChild), windows.OwnProcedure(kChild));
  EXPECT_EQ(CountReceived(kClient, msg::MdiDestroy), 1u);
  EXPECT_EQ(fonts.Releases(), 0);
}

TEST_F(MdiTest, PopupsOfAMenuLessChildAreServedByTheFrame) {
  engine.HookMenus(kFrame, nullptr, nullptr, hook_mode::MenuLess);
  Send(kClient, msg::MdiActivate, kChild, 0);
  windows.SetMdiActive(kClient, kChild);
  MenuHandle popup = 0x500;
  engine.SelectItemSet(kFrame, popup, false);
  EXPECT_EQ(engine.ActiveHandlerKey(), "h768");
  // Except the child's own system menu.
  popup = engine.HandlerOf(kChild)->SystemMenu();
  engine.SelectItemSet(kFrame, popup, false);
  EXPECT_EQ(engine.ActiveHandlerKey(), "h800");
  // From the client's side, the same.
  popup = 0x500;
  engine.SelectItemSet(kClient, popup, false);
  EXPECT_EQ(engine.ActiveHandlerKey(), "h768");
}

TEST_F(MdiTest, PopupsOfAChildWithMenusAreServedByTheChild) {
  engine.HookMenus(kFrame, nullptr, nullptr, 0);
  Send(kClient, msg::MdiActivate, kChild, 0);
  windows.SetMdiActive(kClient, kChild);
  MenuHandle popup = 0x500;
  engine.SelectItemSet(kFrame, popup, false);
  EXPECT_EQ(engine.ActiveHandlerKey(), "h800");
  // An active child the engine never hooked leaves the popup to the frame.
  windows.SetMdiActive(kClient, kChild2);
  engine.SelectItemSet(kFrame, popup, false);
  EXPECT_EQ(engine.ActiveHandlerKey(), "h768");
  // A system menu is the handler's own converted one.
  popup = 0x999;
  engine.SelectItemSet(kChild, popup, true);
  EXPECT_EQ(popup, engine.HandlerOf(kChild)->SystemMenu());
  EXPECT_EQ(engine.ActiveHandlerKey(), "h800");
}

// --- Platform indent ---

struct IndentCase {
  std::optional<PlatformVersion> version;
  std::int16_t before;
  std::int16_t after;
};

class PlatformIndentTest : public MenuEngineTest, public ::testing::WithParamInterface<IndentCase> {};

TEST_P(PlatformIndentTest, KnownVersionsSetTheIndentOthersLeaveIt) {
  windows.SetVersion(GetParam().version);
  engine.PlatformIndent(GetParam().before);
  engine.DetectPlatformIndent();
  EXPECT_EQ(engine.PlatformIndent(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, PlatformIndentTest,
    ::testing::Values(IndentCase{PlatformVersion{1, 4, 10}, 0, 35}, IndentCase{PlatformVersion{1, 4, 90}, 0, 35},
                      IndentCase{PlatformVersion{2, 5, 1}, 35, 0}, IndentCase{PlatformVersion{2, 5, 0}, 35, 0},
                      IndentCase{PlatformVersion{2, 4, 0}, 35, 0}, IndentCase{PlatformVersion{1, 4, 0}, 0, 0},
                      IndentCase{PlatformVersion{1, 4, 0}, 7, 7}, IndentCase{PlatformVersion{2, 3, 51}, 7, 7},
                      IndentCase{PlatformVersion{2, 6, 2}, 35, 35}, IndentCase{PlatformVersion{2, 10, 0}, 0, 0},
                      IndentCase{std::nullopt, 35, 35}));

}  // namespace
}  // namespace vantrel
