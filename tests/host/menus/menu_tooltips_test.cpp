// Tooltip events: what a registered cTips hears while the highlight moves
// and when the menus close, and that the engine's registration is only an
// address that never outlives the host's object.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "menus/render/c_tips.h"
#include "menus/render/menu_tooltips.h"
#include "menus/render/mod_menus.h"
#include "support/fake_menu_fonts.h"
#include "support/fake_menu_services.h"
#include "support/fake_menus.h"
#include "support/fake_system_colours.h"
#include "support/fake_window_hooks.h"

namespace vantrel {
namespace {

namespace msg = menu_message;
using test::FakeGraphicsObjects;
using test::FakeMenuFontTable;
using test::FakeMenus;
using test::FakeWindowHooks;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr WindowHandle kForm = 0x100;
constexpr MenuHandle kPopup = 0x3000;

// What a host hears.
struct Heard {
  std::vector<std::string> tips;
  std::vector<std::string> selections;  // "UserID|Category|Value"
  void Listen(cTips& tips_) {
    tips_.OnDisplayTip([this](std::string& text) { tips.push_back(text); });
    tips_.OnCustomSelection([this](std::string& user, std::string& category, TipValue& value) {
      std::string shown = std::holds_alternative<std::int32_t>(value) ? "int " + std::to_string(std::get<std::int32_t>(value))
                                                                        : std::string("other");
      selections.push_back(user + "|" + category + "|" + shown);
    });
  }
};

class TooltipTest : public ::testing::Test {
 protected:
  TooltipTest() {
    windows.AddWindow(kForm, 0, "ThunderForm", "Host");
    engine.SetTipEvents(&tooltips);
    menus.AddPopup(kPopup);
  }

  void Hook(cTips* callbacks) {
    engine.HookMenus(kForm, nullptr, callbacks, hook_mode::Window);
    MenuHandle popup = kPopup;
    engine.SelectItemSet(kForm, popup, false);
  }
  void AddItem(std::int32_t id, std::string tip, MenuHandle menu = kPopup) {
    MenuItemData item;
    item.ItemID = id;
    item.ItemTip = std::move(tip);
    engine.HandlerOf(kForm)->AddItem(item, menu);
  }
  // A highlight change reported by the system (mouse flags).
  void Select(std::uint16_t item, std::uint16_t flags, MenuHandle menu) {
    const std::uintptr_t wParam = (static_cast<std::uintptr_t>(flags | 0x8000u) << 16) | item;
    engine.MenuWindowProc(kForm, msg::MenuSelect, wParam, static_cast<std::intptr_t>(menu));
  }

  FakeWindowHooks windows;
  FakeMenus menus;
  FakeMenuFontTable fonts;
  FakeSystemColours colours;
  FakeGraphicsObjects graphics;
  modMenus engine{MenuEngineServices{windows, menus, fonts, colours, &graphics}};
  MenuTooltips tooltips{engine, menus};
};

TEST_F(TooltipTest, MovingTheHighlightRaisesEachItemsTipOrTheDefault) {
  cTips tips;
  Heard heard;
  heard.Listen(tips);
  Hook(&tips);
  AddItem(1, "First");
  AddItem(2, "");
  Select(1, 0, kPopup);
  Select(2, 0, kPopup);
  Select(3, 0, kPopup);  // an item nobody knows
  EXPECT_THAT(heard.tips, ElementsAre("First", "", ""));
  EXPECT_THAT(heard.selections, IsEmpty());
}

TEST_F(TooltipTest, AnItemOpeningASubmenuIsFoundUnderTheSubmenusHandle) {
  cTips tips;
  Heard heard;
  heard.Listen(tips);
  Hook(&tips);
  const MenuHandle sub = menus.AddPopup(0x3100);
  menus.AppendItem(kPopup, menu_append::String, 7, "Plain");
  menus.AppendItem(kPopup, menu_append::Popup, sub, "More");
  AddItem(static_cast<std::int32_t>(sub), "Opens more");
  AddItem(1, "Position one is not an id");
  Select(1, 0x10, kPopup);  // position 1, popup flag
  EXPECT_THAT(heard.tips, ElementsAre("Opens more"));
}

TEST_F(TooltipTest, AFailedSubmenuLookupStillRaisesAnEmptyTip) {
  cTips tips;
  Heard heard;
  heard.Listen(tips);
  Hook(&tips);
  AddItem(0, "Would be found under 0");
  Select(5, 0x10, kPopup);  // no item at position 5
  EXPECT_THAT(heard.tips, ElementsAre(""));
}

TEST_F(TooltipTest, LeavingTheMenusRaisesAnEmptyTipThenMenusClosed) {
  cTips tips;
  Heard heard;
  heard.Listen(tips);
  Hook(&tips);
  AddItem(1, "First");
  engine.MenuWindowProc(kForm, msg::EnterMenuLoop, 0, 0);
  Select(1, 0, kPopup);
  // The closing highlight report (popup 0) still looks in the last popup.
  engine.MenuWindowProc(kForm, msg::MenuSelect, 0xFFFF0000u, 0);
  engine.MenuWindowProc(kForm, msg::ExitMenuLoop, 0, 0);
  EXPECT_THAT(heard.tips, ElementsAre("First", "", ""));
  EXPECT_THAT(heard.selections, ElementsAre("|MenusClosed|int 0"));
}

TEST_F(TooltipTest, WithoutACallbackNothingIsRaisedOrLookedUp) {
  cTips unregistered;
  Heard heard;
  heard.Listen(unregistered);
  Hook(nullptr);
  AddItem(1, "First");
  Select(1, 0, kPopup);
  tooltips.NotifyMenuTip(0, 0, 0);
  EXPECT_THAT(heard.tips, IsEmpty());
  EXPECT_THAT(heard.selections, IsEmpty());
}

TEST_F(TooltipTest, AFailingHostHandlerIsIgnored) {
  cTips tips;
  int calls = 0;
  tips.OnDisplayTip([&](std::string&) {
    ++calls;
    throw std::runtime_error("host failed");
  });
  tips.OnCustomSelection([&](std::string&, std::string&, TipValue&) {
    ++calls;
    throw std::runtime_error("host failed");
  });
  Hook(&tips);
  AddItem(1, "First");
  EXPECT_NO_THROW(tooltips.NotifyMenuTip(1, static_cast<std::intptr_t>(kPopup), kPopup));
  EXPECT_NO_THROW(tooltips.NotifyMenuTip(0, 0, 0));
  EXPECT_EQ(calls, 3);
}

TEST_F(TooltipTest, TheEngineKeepsOnlyATokenThatDiesWithTheHostsObject) {
  auto tips = std::make_unique<cTips>();
  Heard heard;
  heard.Listen(*tips);
  Hook(tips.get());
  AddItem(1, "First");
  const std::uintptr_t token = engine.HandlerOf(kForm)->ShowTips();
  EXPECT_EQ(token, tips->Token());
  EXPECT_EQ(cTips::FromToken(token), tips.get());
  Select(1, 0, kPopup);
  EXPECT_THAT(heard.tips, ElementsAre("First"));

  // The host drops its object while the window stays hooked: the engine
  // still holds the number, and raises nothing through it.
  tips.reset();
  EXPECT_EQ(engine.HandlerOf(kForm)->ShowTips(), token);
  EXPECT_EQ(cTips::FromToken(token), nullptr);
  Select(1, 0, kPopup);
  tooltips.NotifyMenuTip(0, 0, 0);
  EXPECT_THAT(heard.tips, ElementsAre("First"));
  EXPECT_THAT(heard.selections, IsEmpty());
}

// Objects are often made where the last one stood: the registration of the
// old one must not reach the new one.
TEST_F(TooltipTest, ANewObjectWhereAGoneOneStoodHearsOnlyItsOwnRegistration) {
  alignas(cTips) unsigned char place[sizeof(cTips)];
  cTips* gone = new (place) cTips;
  Hook(gone);
  AddItem(1, "First");
  gone->~cTips();
  cTips* fresh = new (place) cTips;
  ASSERT_EQ(static_cast<void*>(fresh), static_cast<void*>(gone));
  Heard heard;
  heard.Listen(*fresh);
  Select(1, 0, kPopup);
  tooltips.NotifyMenuTip(0, 0, 0);
  EXPECT_THAT(heard.tips, IsEmpty());
  EXPECT_THAT(heard.selections, IsEmpty());

  // Registered in its turn, it hears what is meant for it.
  engine.HandlerOf(kForm)->InitializeSubMenu(kForm, nullptr, fresh->Token(), true);
  Select(1, 0, kPopup);
  EXPECT_THAT(heard.tips, ElementsAre("First"));
  fresh->~cTips();
}

TEST_F(TooltipTest, AHostThatEndsItsObjectInsideTheTipEventGetsNoClosingEvent) {
  auto tips = std::make_unique<cTips>();
  int selections = 0;
  tips->OnDisplayTip([&](std::string&) { tips.reset(); });
  tips->OnCustomSelection([&](std::string&, std::string&, TipValue&) { ++selections; });
  Hook(tips.get());
  tooltips.NotifyMenuTip(0, 0, 0);
  EXPECT_EQ(tips, nullptr);
  EXPECT_EQ(selections, 0);
}

TEST(cTipsTest, RaisesReachTheHandlersWithTheirValues) {
  cTips tips;
  std::vector<std::string> seen;
  tips.OnDisplayTip([&](std::string& text) { seen.push_back("tip " + text); });
  tips.OnCustomSelection([&](std::string& user, std::string& category, TipValue& value) {
    seen.push_back(user + " " + category + " " + std::get<std::string>(value));
  });
  tips.RaiseDisplayTip("Hello");
  tips.RaiseCustomSelection("Fore", "Font", std::string("Arial"));
  EXPECT_THAT(seen, ElementsAre("tip Hello", "Fore Font Arial"));
  cTips silent;  // no handlers: raising does nothing
  EXPECT_NO_THROW(silent.RaiseDisplayTip("x"));
  EXPECT_EQ(cTips::FromToken(0), nullptr);
}

}  // namespace
}  // namespace vantrel
