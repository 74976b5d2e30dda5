// The menu engine on real windows: subclassing and its undoing, the font
// table's lifetime, real menus, a real menu loop, and a hooked window that
// keeps answering every message the engine passes on.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "menus/render/mod_menus.h"
#include "platform/win32/menu_access_win32.h"
#include "platform/win32/menu_fonts_win32.h"
#include "platform/win32/window_hooks_win32.h"
#include "support/fake_menu_services.h"

namespace vantrel {
namespace {

using test::RecordingPreparation;

constexpr UINT kAsk = WM_USER + 1;
constexpr LRESULT kAskAnswer = 0x1234;

struct Seen {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Seen>& SeenMessages() {
  static std::vector<Seen> seen;
  return seen;
}

// The window's own procedure: records everything, answers some messages in
// its own way and leaves the rest to the system.
LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SeenMessages().push_back({window, message, wParam, lParam});
  switch (message) {
    case kAsk:
      return kAskAnswer + static_cast<LRESULT>(wParam);
    case WM_KEYDOWN:
      return 7;
    case WM_COMMAND:
      return 11;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 99;
      return TRUE;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{123, 45};
      return 0;
    default:
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}

const char* OwnClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &OwnProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantrelMenuHookTest";
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return "VantrelMenuHookTest";
}

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SeenMessages().push_back({window, message, wParam, lParam});
  return ::DefMDIChildProcA(window, message, wParam, lParam);
}

const char* ChildClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ChildProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantrelMenuHookChild";
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return "VantrelMenuHookChild";
}

class TestWindow {
 public:
  explicit TestWindow(const char* title = "Hooked") {
    window_ = ::CreateWindowExA(0, OwnClass(), title, WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
  }
  ~TestWindow() {
    if (::IsWindow(window_)) ::DestroyWindow(window_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND Get() const { return window_; }
  WindowHandle Handle() const { return reinterpret_cast<WindowHandle>(window_); }
  void Destroy() { ::DestroyWindow(window_); }

 private:
  HWND window_ = nullptr;
};

std::size_t CountSeen(HWND window, UINT message) {
  std::size_t n = 0;
  for (const Seen& s : SeenMessages()) n += (s.window == window && s.message == message) ? 1 : 0;
  return n;
}

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC)); }

class RealHookTest : public ::testing::Test {
 protected:
  RealHookTest() {
    SeenMessages().clear();
    engine.SetPreparation(&preparation);
  }

  Win32WindowHooks windows;
  Win32MenuAccess menus;
  Win32MenuFontTable fonts;
  Win32GraphicsObjects graphics;
  RecordingPreparation preparation;
  modMenus engine{MenuEngineServices{windows, menus, fonts, Win32SystemColours(), &graphics}};
};

TEST_F(RealHookTest, HookingReplacesTheProcedureAndUnhookingPutsItBack) {
  TestWindow w;
  ASSERT_NE(w.Get(), nullptr);
  ASSERT_EQ(ProcedureOf(w.Get()), &OwnProc);
  engine.HookMenus(w.Handle(), nullptr, nullptr, hook_mode::Window);
  EXPECT_EQ(reinterpret_cast<WindowProcedure>(ProcedureOf(w.Get())), Win32WindowHooks::EngineProcedure());
  ASSERT_NE(engine.HandlerOf(w.Handle()), nullptr);
  EXPECT_EQ(engine.HandlerOf(w.Handle())->hPrevProc(), reinterpret_cast<WindowProcedure>(&OwnProc));
  // The window's system menu was converted at once.
  EXPECT_NE(engine.HandlerOf(w.Handle())->SystemMenu(), 0u);
  EXPECT_THAT(preparation.Popups(), ::testing::ElementsAre(engine.HandlerOf(w.Handle())->SystemMenu()));

  // Hooking again does not subclass twice.
  engine.HookMenus(w.Handle(), nullptr, nullptr, hook_mode::MenuLess);
  EXPECT_EQ(engine.HandlerOf(w.Handle())->hPrevProc(), reinterpret_cast<WindowProcedure>(&OwnProc));
  EXPECT_TRUE(engine.HandlerOf(w.Handle())->IsMenuLess());

  engine.UnhookMenus(w.Handle());
  EXPECT_EQ(ProcedureOf(w.Get()), &OwnProc);
  EXPECT_FALSE(engine.HasMenuHandlers());
  EXPECT_EQ(::SendMessageA(w.Get(), kAsk, 1, 0), kAskAnswer + 1);
}

// A host's own procedure put over a hooked window.
WNDPROC g_underHost = nullptr;
int g_hostSeen = 0;
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++g_hostSeen;
  return ::CallWindowProcA(g_underHost, window, message, wParam, lParam);
}

TEST_F(RealHookTest, LettingGoUnderAHostsOwnProcedureKeepsThatProcedure) {
  TestWindow w;
  engine.HookMenus(w.Handle(), nullptr, nullptr, hook_mode::Window);
  g_underHost = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(w.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostProc)));
  engine.UnhookMenus(w.Handle());
  EXPECT_EQ(ProcedureOf(w.Get()), &HostProc);
  g_hostSeen = 0;
  EXPECT_EQ(::SendMessageA(w.Get(), kAsk, 2, 0), kAskAnswer + 2);
  EXPECT_EQ(g_hostSeen, 1);
  EXPECT_EQ(CountSeen(w.Get(), kAsk), 1u);

  // Hooked again, the engine serves the window from under the host's procedure.
  engine.HookMenus(w.Handle(), nullptr, nullptr, hook_mode::Window);
  ASSERT_NE(engine.HandlerOf(w.Handle()), nullptr);
  EXPECT_EQ(engine.HandlerOf(w.Handle())->hPrevProc(), reinterpret_cast<WindowProcedure>(&OwnProc));
  EXPECT_EQ(::SendMessageA(w.Get(), kAsk, 3, 0), kAskAnswer + 3);
  EXPECT_EQ(CountSeen(w.Get(), kAsk), 2u);
  ::SetWindowLongPtrA(w.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_underHost));
}

TEST_F(RealHookTest, FontsLiveFromTheFirstHookToTheLastUnhookAndComeBack) {
  TestWindow first("First");
  TestWindow second("Second");
  EXPECT_FALSE(fonts.HasFont(1));
  engine.HookMenus(first.Handle(), nullptr, nullptr, 0);
  engine.HookMenus(second.Handle(), nullptr, nullptr, 0);
  EXPECT_TRUE(fonts.HasFont(1));
  EXPECT_TRUE(fonts.HasFont(2));
  EXPECT_TRUE(fonts.HasFont(3));

  first.Destroy();
  EXPECT_TRUE(fonts.HasFont(1));
  EXPECT_EQ(engine.HandlerOf(first.Handle()), nullptr);
  EXPECT_EQ(CountSeen(first.Get(), WM_DESTROY), 1u);

  second.Destroy();
  EXPECT_FALSE(fonts.HasFont(1));
  EXPECT_FALSE(engine.HasMenuHandlers());
  EXPECT_EQ(CountSeen(second.Get(), WM_DESTROY), 1u);
  EXPECT_EQ(CountSeen(second.Get(), WM_NCDESTROY), 1u);

  TestWindow third("Third");
  engine.HookMenus(third.Handle(), nullptr, nullptr, 0);
  EXPECT_TRUE(fonts.HasFont(1));
  engine.SetItalicSelection(true);
  EXPECT_TRUE(fonts.HasFont(4));
  third.Destroy();
  EXPECT_FALSE(fonts.HasFont(1));
  EXPECT_FALSE(fonts.HasFont(4));
}

TEST_F(RealHookTest, AHookedWindowKeepsAnsweringWhatTheEngineMessagesPassOn) {
  TestWindow w;
  engine.HookMenus(w.Handle(), nullptr, nullptr, 0);
  const HWND h = w.Get();

  EXPECT_EQ(::SendMessageA(h, kAsk, 5, 0), kAskAnswer + 5);
  EXPECT_EQ(CountSeen(h, kAsk), 1u);

  for (const UINT key : {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP}) {
    const LRESULT own = key == WM_KEYDOWN ? 7 : ::DefWindowProcA(h, key, 'A', 0x001E0001);
    EXPECT_EQ(::SendMessageA(h, key, 'A', 0x001E0001), own);
    EXPECT_EQ(CountSeen(h, key), 1u) << key;
  }

  // Posted keys through the message loop, as typing sends them.
  ::PostMessageA(h, WM_KEYDOWN, 'B', 0x00300001);
  MSG m;
  while (::PeekMessageA(&m, h, 0, 0, PM_REMOVE)) ::DispatchMessageA(&m);
  EXPECT_EQ(CountSeen(h, WM_KEYDOWN), 2u);

  EXPECT_TRUE(::SetWindowTextA(h, "Nouveau titre"));
  char title[64] = {};
  ::GetWindowTextA(h, title, sizeof(title));
  EXPECT_STREQ(title, "Nouveau titre");

  EXPECT_EQ(::SendMessageA(h, WM_COMMAND, MAKEWPARAM(40, 1), 0), 11);  // accelerator
  EXPECT_EQ(::SendMessageA(h, WM_COMMAND, MAKEWPARAM(40, 0), 0), 11);  // menu command, no list item
  EXPECT_EQ(CountSeen(h, WM_COMMAND), 2u);

  MEASUREITEMSTRUCT listItem{ODT_LISTBOX, 3, 0, 0, 10, 0};
  EXPECT_EQ(::SendMessageA(h, WM_MEASUREITEM, 3, reinterpret_cast<LPARAM>(&listItem)), TRUE);
  EXPECT_EQ(listItem.itemHeight, 99u);

  MINMAXINFO sizes{};
  ::SendMessageA(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&sizes));
  EXPECT_EQ(sizes.ptMinTrackSize.x, 123);

  // Moving and resizing go through the hooked procedure untouched.
  EXPECT_TRUE(::MoveWindow(h, 50, 60, 320, 240, TRUE));
  RECT r{};
  ::GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 240);
  ::ShowWindow(h, SW_SHOW);
  ::UpdateWindow(h);
  EXPECT_TRUE(::IsWindowVisible(h));
  EXPECT_GE(CountSeen(h, WM_SIZE), 1u);
}

TEST_F(RealHookTest, AStoredSizeRestrictionAnswersInsteadOfTheWindow) {
  TestWindow w;
  engine.HookMenus(w.Handle(), nullptr, nullptr, 0);
  MinMaxRecord restriction;
  restriction.maxSize = {640, 480};
  restriction.minTrackSize = {200, 150};
  restriction.maxTrackSize = {800, 600};
  engine.HandlerOf(w.Handle())->RestrictSize(restriction, true);
  const std::size_t before = CountSeen(w.Get(), WM_GETMINMAXINFO);
  MINMAXINFO sizes{};
  EXPECT_EQ(::SendMessageA(w.Get(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&sizes)), 0);
  EXPECT_EQ(sizes.ptMinTrackSize.x, 200);
  EXPECT_EQ(sizes.ptMaxTrackSize.y, 600);
  EXPECT_EQ(sizes.ptMaxSize.x, 640);
  EXPECT_EQ(CountSeen(w.Get(), WM_GETMINMAXINFO), before);
}

// A real menu loop: the popup is prepared once per opening and the loop's
// collection exists only while the menu is shown.
struct LoopProbe {
  modMenus* engine = nullptr;
  bool openedInLoop = false;
  std::size_t openedCount = 0;
};
LoopProbe& Probe() {
  static LoopProbe probe;
  return probe;
}

void CALLBACK EndTheMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (Probe().engine != nullptr && Probe().engine->OpenedPopups()) {
    Probe().openedInLoop = true;
    Probe().openedCount = Probe().engine->OpenedPopups()->size();
  }
  ::EndMenu();
}

TEST_F(RealHookTest, ARealMenuLoopPreparesThePopupOnceAndEndsCleanly) {
  TestWindow w;
  ::ShowWindow(w.Get(), SW_SHOW);
  ::SetForegroundWindow(w.Get());
  engine.HookMenus(w.Handle(), nullptr, nullptr, 0);
  preparation.requests.clear();
  UniqueMenu popup = MakePopupMenu(menus);
  ASSERT_TRUE(popup);
  menus.AppendItem(popup.Get(), menu_append::String, 101, "Ouvrir");
  menus.AppendItem(popup.Get(), menu_append::String, 102, "Quitter");

  Probe() = LoopProbe{&engine};
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, &EndTheMenu);
  ::TrackPopupMenu(reinterpret_cast<HMENU>(popup.Get()), TPM_RETURNCMD, 150, 150, 0, w.Get(), nullptr);
  ::KillTimer(nullptr, timer);

  EXPECT_TRUE(Probe().openedInLoop);
  EXPECT_EQ(Probe().openedCount, 1u);
  EXPECT_THAT(preparation.Popups(), ::testing::ElementsAre(popup.Get()));
  EXPECT_FALSE(engine.OpenedPopups().has_value());
  EXPECT_EQ(CountSeen(w.Get(), WM_ENTERMENULOOP), 1u);
  EXPECT_EQ(CountSeen(w.Get(), WM_INITMENUPOPUP), 1u);
  EXPECT_EQ(CountSeen(w.Get(), WM_EXITMENULOOP), 1u);
  EXPECT_EQ(engine.ActiveHandlerKey(), modMenus::WindowKey(w.Handle()));
}

TEST_F(RealHookTest, AnMdiFrameBringsItsClientAndTheChildrenItActivates) {
  TestWindow frame("Frame");
  CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
  const HWND client = ::CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 200,
                                        100, frame.Get(), nullptr, ::GetModuleHandleA(nullptr), &ccs);
  ASSERT_NE(client, nullptr);
  engine.HookMenus(frame.Handle(), nullptr, nullptr, hook_mode::MenuLess);
  const auto clientHandle = reinterpret_cast<WindowHandle>(client);
  ASSERT_NE(engine.HandlerOf(clientHandle), nullptr);
  EXPECT_TRUE(engine.HandlerOf(clientHandle)->IsMDIclient());
  EXPECT_EQ(engine.HandlerOf(frame.Handle())->MDIClient(), clientHandle);
  EXPECT_EQ(reinterpret_cast<WindowProcedure>(ProcedureOf(client)), Win32WindowHooks::EngineProcedure());

  MDICREATESTRUCTA mcs{ChildClass(), "Doc", ::GetModuleHandleA(nullptr), 0, 0, 150, 80, 0, 0};
  const HWND child = reinterpret_cast<HWND>(::SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_NE(child, nullptr);
  ::SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
  const auto childHandle = reinterpret_cast<WindowHandle>(child);
  ASSERT_NE(engine.HandlerOf(childHandle), nullptr);
  EXPECT_TRUE(engine.HandlerOf(childHandle)->IsMenuLess());  // from the frame
  EXPECT_EQ(reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), child);

  ::SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_FALSE(::IsWindow(child));
  EXPECT_EQ(engine.HandlerOf(childHandle), nullptr);

  frame.Destroy();
  EXPECT_FALSE(engine.HasMenuHandlers());
  EXPECT_FALSE(fonts.HasFont(1));
}

// --- Menu access on real menus ---

TEST(RealMenuAccessTest, ItemsReadWriteInsertAndRemove) {
  Win32MenuAccess menus;
  UniqueMenu popup = MakePopupMenu(menus);
  UniqueMenu sub = MakePopupMenu(menus);
  ASSERT_TRUE(popup);
  ASSERT_TRUE(menus.AppendItem(popup.Get(), menu_append::String, 5, "Ouvrir{IMG:i1}\tCtrl+O"));
  ASSERT_TRUE(menus.AppendItem(popup.Get(), menu_append::Separator, 0, ""));
  const MenuHandle subHandle = sub.Get();
  ASSERT_TRUE(menus.AppendItem(popup.Get(), menu_append::Popup, sub.Release(), "Options"));
  EXPECT_EQ(menus.GetItemCount(popup.Get()), 3);

  MenuItemInfo info;
  ASSERT_TRUE(menus.GetItemInfo(popup.Get(), 0, MenuItemBy::Position, info));
  EXPECT_EQ(info.caption, "Ouvrir{IMG:i1}\tCtrl+O");
  EXPECT_EQ(info.id, 5u);
  ASSERT_TRUE(menus.GetItemInfo(popup.Get(), 1, MenuItemBy::Position, info));
  EXPECT_NE(info.type & menu_type::Separator, 0u);
  EXPECT_EQ(menus.GetSubMenu(popup.Get(), 2), subHandle);
  EXPECT_EQ(menus.GetItemID(popup.Get(), 2), kNoMenuItemID);
  EXPECT_EQ(menus.GetItemID(popup.Get(), 0), 5u);

  // Turned owner-drawn, the item keeps its data and reads back without caption.
  MenuItemInfo drawn;
  drawn.type = menu_type::OwnerDraw;
  drawn.state = menu_state::Disabled;
  drawn.itemData = popup.Get();
  ASSERT_TRUE(menus.SetItemInfo(popup.Get(), 5, MenuItemBy::Command,
                                menu_field::Type | menu_field::State | menu_field::Data, drawn));
  ASSERT_TRUE(menus.GetItemInfo(popup.Get(), 5, MenuItemBy::Command, info));
  EXPECT_NE(info.type & menu_type::OwnerDraw, 0u);
  EXPECT_EQ(info.caption, "");
  EXPECT_EQ(info.itemData, popup.Get());
  EXPECT_NE(info.state & menu_state::Disabled, 0u);

  // A caption longer than the read buffer is cut to it.
  MenuItemInfo longItem;
  longItem.id = 9;
  longItem.caption = std::string(1500, 'x');
  ASSERT_TRUE(menus.InsertItem(popup.Get(), 0, MenuItemBy::Position,
                               menu_field::Type | menu_field::Id | menu_field::Caption, longItem));
  ASSERT_TRUE(menus.GetItemInfo(popup.Get(), 0, MenuItemBy::Position, info));
  EXPECT_EQ(info.caption.size(), kMenuCaptionBuffer - 1);

  EXPECT_TRUE(menus.RemoveItem(popup.Get(), 9, MenuItemBy::Command));
  EXPECT_TRUE(menus.RemoveItem(popup.Get(), 2, MenuItemBy::Position));  // the submenu item
  EXPECT_TRUE(menus.IsMenu(subHandle));  // removal leaves the submenu alone
  EXPECT_EQ(menus.GetItemCount(popup.Get()), 2);
  EXPECT_FALSE(menus.GetItemInfo(popup.Get(), 7, MenuItemBy::Position, info));
  UniqueMenu adopt(menus, subHandle);  // destroyed by its new owner
}

TEST(RealMenuAccessTest, OwnedPopupsAreDestroyedOnce) {
  Win32MenuAccess menus;
  MenuHandle handle = 0;
  {
    UniqueMenu popup = MakePopupMenu(menus);
    handle = popup.Get();
    EXPECT_TRUE(menus.IsMenu(handle));
    UniqueMenu moved = std::move(popup);
    EXPECT_EQ(popup.Get(), 0u);
    EXPECT_EQ(moved.Get(), handle);
  }
  EXPECT_FALSE(menus.IsMenu(handle));
}

TEST(RealMenuAccessTest, TheSidebarIsPutBackIntoARealPopup) {
  Win32MenuAccess menus;
  MenuCurrentRecords current;
  cMenuItems handler{MenuHandlerServices{menus, current}};
  UniqueMenu popup = MakePopupMenu(menus);
  menus.AppendItem(popup.Get(), menu_append::OwnerDraw, 100, "");
  menus.AppendItem(popup.Get(), menu_append::OwnerDraw, 101, "");
  MenuItemData sidebar;
  sidebar.ItemID = 100;
  sidebar.RawCaption = "{Sidebar|Width:40}";
  sidebar.ItemFlags = item_flag::Sidebar | item_flag::Disabled;
  handler.AddItem(sidebar, popup.Get());
  MenuPanelData panel;
  panel.MenuHandle = popup.Get();
  panel.SidebarID = 100;
  handler.AddPanel(panel);

  handler.UpdateMenuItems(popup.Get());
  MenuItemInfo info;
  ASSERT_TRUE(menus.GetItemInfo(popup.Get(), 0, MenuItemBy::Position, info));
  EXPECT_EQ(info.id, 100u);
  EXPECT_EQ(info.caption, "{Sidebar|Width:40}");
  EXPECT_EQ(info.type & menu_type::OwnerDraw, 0u);
  EXPECT_NE(info.state & menu_state::Disabled, 0u);
  EXPECT_EQ(menus.GetItemCount(popup.Get()), 2);
}

TEST(RealWindowHooksTest, ReadsVersionAndFindsUntitledChildren) {
  Win32WindowHooks windows;
  const auto version = windows.GetPlatformVersion();
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->platformId, 2u);
  TestWindow parent("Parent");
  const HWND titled = ::CreateWindowExA(0, "STATIC", "Titled", WS_CHILD, 0, 0, 10, 10, parent.Get(), nullptr,
                                        ::GetModuleHandleA(nullptr), nullptr);
  const HWND untitled = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent.Get(), nullptr,
                                          ::GetModuleHandleA(nullptr), nullptr);
  const auto p = parent.Handle();
  EXPECT_EQ(windows.FindChildWindow(p, "static", std::nullopt), reinterpret_cast<WindowHandle>(titled));
  EXPECT_EQ(windows.FindChildWindow(p, "Static", std::string_view{}), reinterpret_cast<WindowHandle>(untitled));
  EXPECT_EQ(windows.FindChildWindow(p, "MDIClient", std::string_view{}), 0u);
  EXPECT_EQ(windows.GetParent(reinterpret_cast<WindowHandle>(titled)), p);
  EXPECT_EQ(windows.FindChildWindow(0, "Static", std::nullopt), 0u);
}

}  // namespace
}  // namespace vantrel
