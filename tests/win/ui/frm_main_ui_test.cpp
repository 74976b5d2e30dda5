// The main window and the tray menu under Wine, in this process: the tray
// icon's mouse messages, the menu's enabled items, hiding and showing,
// the pages, dragging and quitting.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "real_input.h"
#include "shown_tip.h"
#include "window_shot.h"
#include "platform/win32/text_case_win32.h"
#include "stored_settings.h"
#include "ui/main/frm_main.h"
#include "victims.h"

namespace vantrel {
namespace {

using test::PumpFor;

int WindowHeight(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r.bottom - r.top;
}

// Runs once inside the next modal loop (a menu or a message box) of this
// thread, then stops itself.
class InsideModalLoop {
 public:
  explicit InsideModalLoop(std::function<void()> action) {
    current = this;
    action_ = std::move(action);
    timer_ = SetTimer(nullptr, 0, 150, &InsideModalLoop::Fire);
  }
  ~InsideModalLoop() {
    KillTimer(nullptr, timer_);
    current = nullptr;
  }
  InsideModalLoop(const InsideModalLoop&) = delete;
  InsideModalLoop& operator=(const InsideModalLoop&) = delete;
  bool ran = false;

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (!current || current->ran) return;
    current->ran = true;
    current->action_();
  }
  static inline InsideModalLoop* current = nullptr;
  std::function<void()> action_;
  UINT_PTR timer_ = 0;
};

// Watches for a pop-up menu of this thread while it lives, and closes any
// that opens, so that a test that expects none does not hang in one.
class MenuWatch {
 public:
  MenuWatch() {
    current = this;
    timer_ = SetTimer(nullptr, 0, 50, &MenuWatch::Fire);
  }
  ~MenuWatch() {
    KillTimer(nullptr, timer_);
    current = nullptr;
  }
  MenuWatch(const MenuWatch&) = delete;
  MenuWatch& operator=(const MenuWatch&) = delete;
  bool opened = false;

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!current || !menu || !IsWindowVisible(menu)) return;
    current->opened = true;
    EndMenu();
  }
  static inline MenuWatch* current = nullptr;
  UINT_PTR timer_ = 0;
};

std::string IniValue(const std::string& folder, const char* key) {
  char value[256] = {};
  GetPrivateProfileStringA("Vantrel", key, "<absent>", value, sizeof value, (folder + "\\Vantrel.ini").c_str());
  return value;
}

// The message box of this thread with the given title.
HWND FindBox(const char* title) {
  struct Search {
    const char* title;
    HWND found = nullptr;
  } s{title};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        char cls[32] = {}, text[128] = {};
        GetClassNameA(w, cls, sizeof cls);
        GetWindowTextA(w, text, sizeof text);
        if (std::string(cls) == "#32770" && std::string(text) == s->title) {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

class MainWindowTest : public ::testing::Test {
 protected:
  // The page animation runs from the window's loop: to its end.
  void FinishAnimation() { ASSERT_TRUE(test::PumpUntil([&] { return !main_.Pages().Animating(); })); }
  MainWindowTest() : folder_(test::MakeTempFolder("mainui")), main_(folder_) {}
  void SetUp() override { ASSERT_TRUE(main_.Load(GetModuleHandleA(nullptr))); }
  HWND Main() const { return main_.Window(); }
  void TrayMouse(UINT mouseMessage) {
    PostMessageA(Main(), kTrayCallbackMessage, kTrayIconId, mouseMessage);
    PumpFor(50);
  }
  // Opens the tray menu as a right click on the icon does and reads
  // whether "Minimizer" was enabled while it was open.
  bool MinimiserEnabledInMenu() {
    bool enabled = false;
    InsideModalLoop inside([&] {
      enabled = main_.Pop().Enabled(TrayItem::Minimise);
      EndMenu();
    });
    TrayMouse(WM_RBUTTONUP);
    PumpFor(400);
    EXPECT_TRUE(inside.ran) << "the menu did not open";
    return enabled;
  }

  test::StoredSettings settings_{{"SonValue", "0"}, {"Position", "0"}, {"RunAtStart", "0"}};
  std::string folder_;
  FrmMain main_;
};

TEST_F(MainWindowTest, StartsWithTheUpperAreaOnlyAndTheTrayIcon) {
  EXPECT_TRUE(IsWindowVisible(Main()));
  EXPECT_EQ(WindowHeight(Main()), 271);
  EXPECT_TRUE(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(main_.Tray().Added());
  EXPECT_STREQ(main_.Tray().TrayIconRecord.szTip, "Vantrel");
  // A message of the program's own, never one the mouse sends the window.
  EXPECT_EQ(main_.Tray().TrayIconRecord.uCallbackMessage, static_cast<UINT>(WM_APP + 1));
  EXPECT_FALSE(main_.Pop().Enabled(TrayItem::ShowMain));
  EXPECT_EQ(&CurrentTextCase(), &SystemTextCase());  // titles compared by the system's upper case
}

TEST_F(MainWindowTest, MinimiserInTheTrayMenuFollowsTheWindowsVisibility) {
  EXPECT_TRUE(MinimiserEnabledInMenu());
  main_.HideMainWindow();
  EXPECT_FALSE(MinimiserEnabledInMenu());
}

TEST_F(MainWindowTest, TheTrayMenuIsDrawnByTheMenuEngine) {
  ASSERT_TRUE(main_.Pop().MenuEngineHooked());
  int ownerDrawn = 0, items = 0;
  ULONG_PTR itemData = 0;
  InsideModalLoop inside([&] {
    HMENU menu = main_.Pop().Menu();
    items = GetMenuItemCount(menu);
    for (int i = 0; i < items; ++i) {
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_DATA;
      GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
      if (info.fType & MFT_OWNERDRAW) ++ownerDrawn;
      if (i == 1) itemData = info.dwItemData;
    }
    EndMenu();
  });
  TrayMouse(WM_RBUTTONUP);
  PumpFor(400);
  ASSERT_TRUE(inside.ran);
  EXPECT_EQ(items, 14);
  EXPECT_EQ(ownerDrawn, items);
  EXPECT_EQ(itemData, reinterpret_cast<ULONG_PTR>(main_.Pop().Menu()));
}

TEST_F(MainWindowTest, LeftDoubleClickOnTheIconBringsTheHiddenWindowBack) {
  main_.Minimise();
  EXPECT_FALSE(IsWindowVisible(Main()));
  EXPECT_TRUE(main_.Pop().Enabled(TrayItem::ShowMain));
  TrayMouse(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(Main()));
}

TEST_F(MainWindowTest, MinimisingFromTheSystemHidesInstead) {
  ShowWindow(Main(), SW_MINIMIZE);
  PumpFor(100);
  EXPECT_FALSE(IsWindowVisible(Main()));
  EXPECT_FALSE(IsIconic(Main()));
}

TEST_F(MainWindowTest, PagesOpenAndCloseTheWindow) {
  const auto stopped = [&] { return !main_.Pages().Animating(); };
  main_.Pages().LabFOption_Click();
  ASSERT_TRUE(test::PumpUntil(stopped));
  EXPECT_EQ(WindowHeight(Main()), 505);
  EXPECT_EQ(test::StoredSetting("Position"), "2");
  EXPECT_FALSE(main_.Pop().Enabled(TrayItem::OptionsPage));
  main_.Pages().LabFStat_Click();
  ASSERT_TRUE(test::PumpUntil(stopped));
  EXPECT_EQ(WindowHeight(Main()), 505);
  EXPECT_EQ(main_.Pages().OpenPage(), Page::Statistics);
  main_.Pages().LabFStat_Click();
  ASSERT_TRUE(test::PumpUntil(stopped));
  EXPECT_EQ(WindowHeight(Main()), 270);  // 4049 twips
  EXPECT_EQ(test::StoredSetting("Position"), "0");
}

TEST_F(MainWindowTest, ShowingTheWindowFromTheTrayClosesThePage) {
  main_.ShowPage(Page::Statistics);
  ASSERT_TRUE(test::PumpUntil([&] { return !main_.Pages().Animating(); }));
  main_.Minimise();
  main_.ShowMainWindow();
  EXPECT_TRUE(IsWindowVisible(Main()));
  EXPECT_EQ(WindowHeight(Main()), 271);
  EXPECT_EQ(main_.Pages().OpenPage(), Page::None);
  EXPECT_FALSE(main_.Pop().Enabled(TrayItem::ShowMain));
  EXPECT_EQ(test::StoredSetting("Position"), "3");  // the stored page stays
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

std::string Twips(LONG pixels) { return std::to_string(pixels * 15); }

TEST_F(MainWindowTest, DraggingTheBackgroundMovesTheWindowAndStoresItsPlaceWhereItEnds) {
  const RECT before = WindowRect(Main());
  const POINT grip{250, 15};  // beside the title, on the background
  test::PressLeft(Main(), grip);
  EXPECT_TRUE(test::DragTo(Main(), POINT{before.left + grip.x - 20, before.top + grip.y - 15},
                              POINT{before.left - 20, before.top - 15}));
  EXPECT_TRUE(test::DragTo(Main(), POINT{before.left + grip.x - 40, before.top + grip.y - 30},
                              POINT{before.left - 40, before.top - 30}));
  // Not stored while the button is down: once, where the drag ends.
  EXPECT_EQ(test::StoredSetting("MainTop"), "<absent>");
  EXPECT_EQ(test::StoredSetting("MainLeft"), "<absent>");
  test::ReleaseLeft(Main(), grip);
  const RECT after = WindowRect(Main());
  EXPECT_NEAR(after.left, before.left - 40, 1);
  EXPECT_NEAR(after.top, before.top - 30, 1);
  EXPECT_EQ(test::StoredSetting("MainTop"), Twips(after.top));
  EXPECT_EQ(test::StoredSetting("MainLeft"), Twips(after.left));
}

TEST_F(MainWindowTest, ADragWhoseButtonUpIsLostEndsWhenAnotherWindowTakesTheMouse) {
  HWND other = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
  ASSERT_NE(other, nullptr);
  const RECT before = WindowRect(Main());
  const POINT grip{250, 15};
  test::PressLeft(Main(), grip);
  ASSERT_TRUE(test::DragTo(Main(), POINT{before.left + grip.x - 40, before.top + grip.y - 30},
                              POINT{before.left - 40, before.top - 30}))
      << "the drag did not begin";
  const RECT dragged = WindowRect(Main());
  // Another window takes the mouse while the button is down; the button-up
  // goes to it.
  SetCapture(other);
  test::SendMouse(test::OnScreen(Main(), grip), MOUSEEVENTF_LEFTUP);
  ReleaseCapture();
  EXPECT_EQ(test::StoredSetting("MainTop"), Twips(dragged.top));
  EXPECT_EQ(test::StoredSetting("MainLeft"), Twips(dragged.left));
  // The pointer moves on over the window, no button down: it stays.
  test::SendMouse(POINT{dragged.left + grip.x, dragged.top + grip.y + 20}, 0);
  test::SendMouse(POINT{dragged.left + grip.x + 10, dragged.top + grip.y + 40}, 0);
  const RECT after = WindowRect(Main());
  EXPECT_EQ(after.left, dragged.left);
  EXPECT_EQ(after.top, dragged.top);
  DestroyWindow(other);
}

TEST_F(MainWindowTest, ThePointerRestingOnTheHelpOrMinimiseButtonShowsItsTip) {
  EXPECT_EQ(test::ShownTip(), "");
  test::MoveMouse(Main(), POINT{150, 150});
  EXPECT_EQ(test::RestOn(Main(), POINT{282 + 10, 4 + 10}, "Voir l'aide"), "Voir l'aide");  // BtnAide
  test::ShootWindow(GetDesktopWindow(), "tip_help");
  EXPECT_EQ(test::RestOn(Main(), POINT{306 + 10, 4 + 10}, "Minimiser"), "Minimiser");  // the minimise button
  test::ShootWindow(GetDesktopWindow(), "tip_minimise");
  EXPECT_EQ(test::RestOn(Main(), POINT{150, 150}, ""), "");  // the list: no tip
}

// The window holds the mouse while a button is down, so the pointer's x
// runs past the window's edge: 515 and 517 are no tray clicks.
TEST_F(MainWindowTest, APressOnATabCarriedFarRightOpensNoTrayMenu) {
  MenuWatch watch;
  const POINT tab{165, 257};  // "Options"
  test::PressLeft(Main(), tab);
  test::MoveMouse(Main(), POINT{WM_LBUTTONDBLCLK, tab.y});
  test::MoveMouse(Main(), POINT{WM_RBUTTONUP, tab.y});
  test::ReleaseLeft(Main(), POINT{WM_RBUTTONUP, tab.y});
  PumpFor(300);
  EXPECT_FALSE(watch.opened);
  EXPECT_EQ(main_.Pages().OpenPage(), Page::None);  // released off the tab: no click
}

TEST_F(MainWindowTest, TheAddDeleteButtonAddsTheTypedTitleThenRemovesTheSelectedOne) {
  HWND addWin = FindWindowExA(Main(), nullptr, "EDIT", nullptr);
  HWND list2 = FindWindowExA(Main(), nullptr, "LISTBOX", nullptr);
  ASSERT_NE(addWin, nullptr);
  ASSERT_NE(list2, nullptr);
  const POINT button{238 + 40, 38 + 12};  // "Ajouter" / "Supprimer", on the picture and its label
  SetWindowTextA(addWin, "Pub - Netscape");
  test::ClickAt(Main(), button);
  ASSERT_EQ(main_.TitleRules().Count(), 1);
  EXPECT_EQ(main_.TitleRules().Item(0), "Pub - Netscape");
  EXPECT_EQ(IniValue(folder_, "0"), "Pub - Netscape");
  EXPECT_EQ(IniValue(folder_, "NbOcc"), "1");

  // A click on the entry turns the button into "Supprimer".
  RECT list{};
  GetWindowRect(list2, &list);
  MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&list), 2);
  test::ClickAt(Main(), POINT{list.left + 30, list.top + 8});
  ASSERT_EQ(SendMessageA(list2, LB_GETCURSEL, 0, 0), 0);
  test::ClickAt(Main(), button);
  EXPECT_EQ(main_.TitleRules().Count(), 0);
  EXPECT_EQ(SendMessageA(list2, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(IniValue(folder_, "NbOcc"), "0");
  EXPECT_EQ(IniValue(folder_, "0"), "");
}

TEST_F(MainWindowTest, QuitAnsweredNoKeepsRunningOnTop) {
  InsideModalLoop inside([] { PostMessageA(FindBox("Vantrel"), WM_COMMAND, IDNO, 0); });
  main_.Quit();
  EXPECT_TRUE(inside.ran);
  ASSERT_NE(Main(), nullptr);
  EXPECT_TRUE(IsWindow(Main()));
  EXPECT_TRUE(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(main_.Tray().Added());
}

TEST_F(MainWindowTest, QuitAnsweredYesEndsTheProgram) {
  HWND main = Main();
  InsideModalLoop inside([] { PostMessageA(FindBox("Vantrel"), WM_COMMAND, IDYES, 0); });
  main_.Quit();
  EXPECT_TRUE(inside.ran);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(main_.Window(), nullptr);
  EXPECT_FALSE(main_.Tray().Added());
  EXPECT_FALSE(main_.Pop().Loaded());
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Every time a main window of this thread is asked to show, seen as it
// happens.
class ShowWatch {
 public:
  ShowWatch() { hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &ShowWatch::Proc, nullptr, GetCurrentThreadId()); }
  ~ShowWatch() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  ShowWatch(const ShowWatch&) = delete;
  ShowWatch& operator=(const ShowWatch&) = delete;
  bool Hooked() const { return hook_ != nullptr; }
  static inline int shows = 0;

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam) {
      char cls[32] = {};
      GetClassNameA(call->hwnd, cls, sizeof cls);
      if (std::string(cls) == kMainClassName) ++shows;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_ = nullptr;
};

TEST(MainWindowHiddenStart, OnlyTheTrayIconAppearsAndTheTrayMenuOffersTheWindow) {
  const std::string folder = test::MakeTempFolder("hidden");
  test::StoredSettings settings(
      {{"SonValue", "0"}, {"RunAtStart", "0"}, {"RunMinimize", "1"}, {"Position", "1"}});
  ShowWatch watch;
  ASSERT_TRUE(watch.Hooked());
  ShowWatch::shows = 0;
  FrmMain main(folder);
  ASSERT_TRUE(main.Load(GetModuleHandleA(nullptr)));
  PumpFor(300);
  EXPECT_EQ(ShowWatch::shows, 0);  // not even for a moment
  EXPECT_FALSE(IsWindowVisible(main.Window()));
  EXPECT_TRUE(main.Tray().Added());
  EXPECT_TRUE(main.Pop().Enabled(TrayItem::ShowMain));
  EXPECT_TRUE(main.Pop().Enabled(TrayItem::WindowsPage));
  EXPECT_TRUE(main.Pop().Enabled(TrayItem::OptionsPage));
  EXPECT_TRUE(main.Pop().Enabled(TrayItem::StatisticsPage));
  bool minimiser = true;
  InsideModalLoop inside([&] {
    minimiser = main.Pop().Enabled(TrayItem::Minimise);
    EndMenu();
  });
  PostMessageA(main.Window(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP);
  PumpFor(400);
  ASSERT_TRUE(inside.ran);
  EXPECT_FALSE(minimiser);
  // "Afficher Vantrel" brings it.
  main.ShowMainWindow();
  EXPECT_TRUE(IsWindowVisible(main.Window()));
  EXPECT_GT(ShowWatch::shows, 0);
}

// A browser window is known by its header whatever the case of either,
// accented letters included.
TEST(MainWindowCase, AHeaderMatchesTitlesInAnyCaseOfTheSystemsCodePage) {
  const std::string folder = test::MakeTempFolder("case");
  {
    std::ofstream ini(folder + "\\Vantrel.ini", std::ios::binary);
    ini << "[Vantrel]\r\nNbCondition=1\r\nC0=250 - 400\r\n";
    std::ofstream headers(folder + "\\Vantrel-Url.ini", std::ios::binary);
    headers << "- vid\xE9o\r\n";
  }
  test::StoredSettings settings({{"SonValue", "0"}, {"RunAtStart", "0"}, {"Position", "0"}, {"RunUrlDefault", "0"}});
  FrmMain main(folder);
  ASSERT_TRUE(main.Load(GetModuleHandleA(nullptr)));
  ASSERT_EQ(main.OptionsForm().BrowserHeaders().Item(0), "- vid\xE9o");
  test::VictimProcess victims({"Clip - VID\xC9O|300|200", "Clip - VIDEO|300|200"});
  ASSERT_TRUE(victims.WaitReady());
  EXPECT_TRUE(victims.WaitCloseOf("Clip - VID\xC9O", 5000));
  PumpFor(600);
  EXPECT_EQ(victims.Closes().size(), 1u);  // the one without the accent is no match
}

TEST(MainWindowRestart, ReadsBackEveryStoredRuleOptionAndPlace) {
  const std::string folder = test::MakeTempFolder("restart");
  {
    std::ofstream ini(folder + "\\Vantrel.ini", std::ios::binary);
    ini << "[Vantrel]\r\nNbOcc=2\r\n0=Pub - Netscape\r\n1=Setup [Disabled]\r\nNbCondition=1\r\nC0=250 - 400\r\n";
    std::ofstream headers(folder + "\\Vantrel-Url.ini", std::ios::binary);
    headers << "- Opera\r\n";
  }
  test::StoredSettings settings({{"SonValue", "0"},
                                    {"RunAtStart", "0"},
                                    {"MainTop", "1500"},
                                    {"MainLeft", "3000"},
                                    {"Position", "2"},
                                    {"RunUrlDefault", "0"}});
  FrmMain main(folder);
  ASSERT_TRUE(main.Load(GetModuleHandleA(nullptr)));
  ASSERT_TRUE(test::PumpUntil([&] { return !main.Pages().Animating(); }));  // the stored page opens
  RECT r{};
  GetWindowRect(main.Window(), &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(main.Pages().OpenPage(), Page::Options);
  ASSERT_EQ(main.TitleRules().Count(), 2);
  EXPECT_EQ(main.TitleRules().Item(1), "Setup [Disabled]");
  ASSERT_EQ(main.OptionsForm().SizeRules().Count(), 1);
  EXPECT_EQ(main.OptionsForm().SizeRules().Item(0), "250 - 400");
  ASSERT_EQ(main.OptionsForm().BrowserHeaders().Count(), 1);
  EXPECT_EQ(main.OptionsForm().BrowserHeaders().Item(0), "- Opera");

  // The rules work together: a small pop-up of the stored browser closes.
  test::VictimProcess victims({"Ad - Opera|300|200", "Ad - Mozilla|300|200|refuse"});
  ASSERT_TRUE(victims.WaitReady());
  EXPECT_TRUE(victims.WaitCloseOf("Ad - Opera", 5000));
  PumpFor(600);
  EXPECT_EQ(victims.Closes().size(), 1u);
}

}  // namespace
}  // namespace vantrel
