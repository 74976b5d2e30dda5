// The assembled menu engine on real windows: a menu given back in its plain
// form after a real opening, an engine that ends while a window is still
// hooked, and two engines of one process meeting on the same window.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "dib_canvas.h"
#include "menus/render/mod_menus.h"
#include "platform/win32/menu_access_win32.h"
#include "platform/win32/window_hooks_win32.h"
#include "ui/win32_menu_engine.h"

namespace vantrel {
namespace {

using wintest::GdiObjectCount;

constexpr UINT kAsk = WM_USER + 7;
constexpr LRESULT kAskAnswer = 0x4321;

int& OwnAsks() {
  static int count = 0;
  return count;
}

LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kAsk) {
    ++OwnAsks();
    return kAskAnswer + static_cast<LRESULT>(wParam);
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

class EngineWindow {
 public:
  EngineWindow() {
    static const bool registered = [] {
      WNDCLASSA wc{};
      wc.lpfnWndProc = &OwnProc;
      wc.hInstance = ::GetModuleHandleA(nullptr);
      wc.lpszClassName = "VantrelEngineWindow";
      wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
      return ::RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    window_ = ::CreateWindowExA(0, "VantrelEngineWindow", "Engine", WS_OVERLAPPEDWINDOW, 140, 140, 300, 200,
                                nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  }
  ~EngineWindow() {
    if (::IsWindow(window_)) ::DestroyWindow(window_);
  }
  EngineWindow(const EngineWindow&) = delete;
  EngineWindow& operator=(const EngineWindow&) = delete;
  HWND Get() const { return window_; }
  WindowHandle Handle() const { return reinterpret_cast<WindowHandle>(window_); }

 private:
  HWND window_ = nullptr;
};

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC)); }

void CALLBACK EndTheMenu(HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); }

// Opens popup from window in a real menu loop that ends by itself.
void OpenAndClose(HWND window, MenuHandle popup) {
  ::ShowWindow(window, SW_SHOW);
  ::SetForegroundWindow(window);
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, &EndTheMenu);
  ::TrackPopupMenu(reinterpret_cast<HMENU>(popup), TPM_RETURNCMD, 160, 160, 0, window, nullptr);
  ::KillTimer(nullptr, timer);
}

// The tray menu as the tray form builds it: the sidebar, eleven commands and
// four separators, all of identifier 0.
struct TrayMenuLine {
  UINT id;
  const char* caption;
};
const TrayMenuLine kTrayMenu[] = {
    {100, "{Sidebar|IMG:ImTool(1)|BColor:16776960|GColor:8404992|Width:0|Tip:|Transparent}"},
    {101, "Afficher Vantrel{IMG:i6}"},
    {102, "Voir liste des Fenetres{IMG:i2}"},
    {103, "Voir les Options{IMG:i8}"},
    {104, "Voir les Statistiques{IMG:i4}"},
    {0, nullptr},
    {105, "Supprimer Toutes les Fenetres en cours{IMG:i3}"},
    {0, nullptr},
    {106, "Minimizer{IMG:i1}"},
    {0, nullptr},
    {107, "Afficher l'Aide{IMG:i9}"},
    {108, "Visiter le site Web{IMG:i14}"},
    {0, nullptr},
    {109, "Quitter{IMG:i11}"},
};

UniqueMenu TrayMenu(MenuAccess& menus) {
  UniqueMenu popup = MakePopupMenu(menus);
  for (const TrayMenuLine& item : kTrayMenu) {
    if (item.caption == nullptr) {
      menus.AppendItem(popup.Get(), menu_append::Separator, 0, "");
    } else {
      menus.AppendItem(popup.Get(), menu_append::String, item.id, item.caption);
    }
  }
  return popup;
}

TEST(MenuEngineAssemblyTest, TheTrayMenuComesBackWholeAfterAnOpeningAndIsPreparedAgain) {
  Win32MenuAccess menus;
  EngineWindow window;
  Win32MenuEngine engine(nullptr);
  engine.Engine().HookMenus(window.Handle(), nullptr, nullptr, hook_mode::Window);
  cMenuItems* handler = engine.Engine().HandlerOf(window.Handle());
  ASSERT_NE(handler, nullptr);
  UniqueMenu popup = TrayMenu(menus);
  constexpr int kItems = static_cast<int>(std::size(kTrayMenu));
  ASSERT_EQ(kItems, 14);

  OpenAndClose(window.Get(), popup.Get());
  MenuItemInfo info;
  ASSERT_TRUE(menus.GetItemInfo(popup.Get(), 1, MenuItemBy::Position, info));
  ASSERT_NE(info.type & menu_type::OwnerDraw, 0u) << "the opening prepared the menu";

  handler->RestoreMenus();

  ASSERT_EQ(menus.GetItemCount(popup.Get()), kItems);
  int separators = 0;
  for (int p = 0; p < kItems; ++p) {
    SCOPED_TRACE(p);
    const TrayMenuLine& line = kTrayMenu[p];
    ASSERT_TRUE(menus.GetItemInfo(popup.Get(), static_cast<std::uint32_t>(p), MenuItemBy::Position, info));
    EXPECT_EQ(info.type & menu_type::OwnerDraw, 0u);
    EXPECT_EQ(info.id, line.id);
    if (line.caption == nullptr) {
      ++separators;
      EXPECT_NE(info.type & menu_type::Separator, 0u);
    } else {
      EXPECT_EQ(info.type & menu_type::Separator, 0u);
      EXPECT_EQ(info.caption, line.caption);
    }
  }
  EXPECT_EQ(separators, 4);

  // The next opening builds every item again from its caption (a separator,
  // read back without caption, keeps its separator record).
  OpenAndClose(window.Get(), popup.Get());
  ASSERT_EQ(menus.GetItemCount(popup.Get()), kItems);
  for (int p = 1; p < kItems; ++p) {
    SCOPED_TRACE(p);
    ASSERT_TRUE(menus.GetItemInfo(popup.Get(), static_cast<std::uint32_t>(p), MenuItemBy::Position, info));
    EXPECT_NE(info.type & menu_type::OwnerDraw, 0u);
    const bool separator = kTrayMenu[p].caption == nullptr;
    EXPECT_EQ((info.type & menu_type::Separator) != 0, separator);
    const auto n = handler->FindItem(static_cast<std::int32_t>(info.id), popup.Get());
    ASSERT_TRUE(n.has_value());
    if (separator) {
      EXPECT_NE(handler->Item(*n).ItemFlags & item_flag::Separator, 0);
    } else {
      EXPECT_EQ(handler->Item(*n).RawCaption, kTrayMenu[p].caption);
    }
  }
}

TEST(MenuEngineAssemblyTest, AnEngineThatEndsWithAWindowHookedGivesItBackAndLeavesNothingBehind) {
  Win32MenuAccess menus;
  EngineWindow window;
  UniqueMenu popup = TrayMenu(menus);
  const DWORD gdiBefore = GdiObjectCount();
  {
    Win32MenuEngine engine(nullptr);
    engine.Engine().HookMenus(window.Handle(), nullptr, nullptr, hook_mode::Window);
    ASSERT_EQ(reinterpret_cast<WindowProcedure>(ProcedureOf(window.Get())), Win32WindowHooks::EngineProcedure());
    // An opening leaves fonts and a rendered sidebar with the engine.
    OpenAndClose(window.Get(), popup.Get());
    ASSERT_GT(GdiObjectCount(), gdiBefore);
  }
  EXPECT_EQ(ProcedureOf(window.Get()), &OwnProc);
  EXPECT_EQ(GdiObjectCount(), gdiBefore);
  OwnAsks() = 0;
  EXPECT_EQ(::SendMessageA(window.Get(), kAsk, 3, 0), kAskAnswer + 3);
  EXPECT_EQ(OwnAsks(), 1);

  // A new engine serves the same window from the start.
  Win32MenuEngine next(nullptr);
  next.Engine().HookMenus(window.Handle(), nullptr, nullptr, hook_mode::Window);
  EXPECT_NE(next.Engine().HandlerOf(window.Handle()), nullptr);
  EXPECT_EQ(::SendMessageA(window.Get(), kAsk, 4, 0), kAskAnswer + 4);
  EXPECT_EQ(OwnAsks(), 2);
}

// The state of every item of a menu.
std::vector<MenuItemInfo> ItemsOf(MenuAccess& menus, MenuHandle menu) {
  std::vector<MenuItemInfo> items;
  for (int p = 0; p < menus.GetItemCount(menu); ++p) {
    MenuItemInfo info;
    menus.GetItemInfo(menu, static_cast<std::uint32_t>(p), MenuItemBy::Position, info);
    items.push_back(info);
  }
  return items;
}

TEST(MenuEngineAssemblyTest, ASecondEngineLeavesAWindowTheFirstServesAlone) {
  Win32MenuAccess menus;
  EngineWindow window;
  Win32MenuEngine first(nullptr);
  Win32MenuEngine second(nullptr);
  first.Engine().HookMenus(window.Handle(), nullptr, nullptr, hook_mode::Window);
  cMenuItems* served = first.Engine().HandlerOf(window.Handle());
  ASSERT_NE(served, nullptr);
  ASSERT_NE(served->SystemMenu(), 0u);
  const std::vector<MenuItemInfo> systemMenu = ItemsOf(menus, served->SystemMenu());

  second.Engine().HookMenus(window.Handle(), nullptr, nullptr, hook_mode::Window);
  EXPECT_EQ(second.Engine().HandlerOf(window.Handle()), nullptr);
  // The refused engine did not touch the window's menus either.
  EXPECT_EQ(ItemsOf(menus, served->SystemMenu()), systemMenu);

  // Every message reaches the window once, through the first engine.
  OwnAsks() = 0;
  EXPECT_EQ(::SendMessageA(window.Get(), kAsk, 9, 0), kAskAnswer + 9);
  EXPECT_EQ(OwnAsks(), 1);
  UniqueMenu popup = TrayMenu(menus);
  OpenAndClose(window.Get(), popup.Get());
  EXPECT_TRUE(first.Engine().HandlerOf(window.Handle())->FindItem(101, popup.Get()).has_value());

  // Once the first lets go, the second may take the window.
  first.Engine().UnhookMenus(window.Handle());
  EXPECT_EQ(ProcedureOf(window.Get()), &OwnProc);
  second.Engine().HookMenus(window.Handle(), nullptr, nullptr, hook_mode::Window);
  EXPECT_NE(second.Engine().HandlerOf(window.Handle()), nullptr);
  EXPECT_EQ(::SendMessageA(window.Get(), kAsk, 1, 0), kAskAnswer + 1);
  EXPECT_EQ(OwnAsks(), 2);
}

}  // namespace
}  // namespace vantrel
