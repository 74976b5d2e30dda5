// List menus on real controls and menus: the list-box and combo-box
// messages, the user's month and week-day names, files and folders, the
// system's colour chooser, and a real menu loop in which choosing a
// generated entry selects it in the bound control and notifies its parent;
// rebuilding the lists at every opening leaves no menu or drawing object
// behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "common/text.h"
#include "dib_canvas.h"
#include "menus/model/popup_preparation.h"
#include "menus/render/list_menus.h"
#include "menus/render/menu_item_renderer.h"
#include "menus/render/mod_menus.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/colour_dialog_win32.h"
#include "platform/win32/date_names_win32.h"
#include "platform/win32/draw_request_win32.h"
#include "platform/win32/item_painter_win32.h"
#include "platform/win32/list_controls_win32.h"
#include "platform/win32/menu_access_win32.h"
#include "platform/win32/menu_canvas_win32.h"
#include "platform/win32/menu_fonts_win32.h"
#include "platform/win32/menu_text_measure_win32.h"
#include "platform/win32/path_probe_win32.h"
#include "platform/win32/picture_inspector_win32.h"
#include "platform/win32/sidebar_painter_win32.h"
#include "platform/win32/window_hooks_win32.h"
#include "support/fake_settings_store.h"

namespace vantrel {
namespace {

using wintest::GdiObjectCount;

constexpr int kListId = 101;
constexpr int kComboId = 102;

struct Command {
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Command&) const = default;
};
std::vector<Command>& OwnCommands() {
  static std::vector<Command> commands;
  return commands;
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) OwnCommands().push_back({wParam, lParam});
  return ::DefWindowProcA(window, message, wParam, lParam);
}

const char* ParentClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ParentProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantrelListMenuParent";
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return "VantrelListMenuParent";
}

// A parent window holding a list box and a combo box; destroyed with its
// children.
class ControlsWindow {
 public:
  explicit ControlsWindow(DWORD listStyle = 0) {
    parent_ = ::CreateWindowExA(0, ParentClass(), "Listes", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
    list_ = ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | listStyle, 10, 10,
                              150, 120, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                              ::GetModuleHandleA(nullptr), nullptr);
    combo_ = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 180, 10, 150, 120, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboId)), ::GetModuleHandleA(nullptr),
                               nullptr);
  }
  ~ControlsWindow() {
    if (::IsWindow(parent_)) ::DestroyWindow(parent_);
  }
  ControlsWindow(const ControlsWindow&) = delete;
  ControlsWindow& operator=(const ControlsWindow&) = delete;

  void AddEntries(const std::vector<std::string>& listEntries, const std::vector<std::string>& comboEntries) {
    for (const std::string& e : listEntries) ::SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    for (const std::string& e : comboEntries) ::SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
  }
  HWND Parent() const { return parent_; }
  HWND List() const { return list_; }
  HWND Combo() const { return combo_; }
  static WindowHandle H(HWND w) { return reinterpret_cast<WindowHandle>(w); }

 private:
  HWND parent_ = nullptr;
  HWND list_ = nullptr;
  HWND combo_ = nullptr;
};

// A caption binding an item to a control: "Liste{LB:" and the handle.
std::string Bound(const char* head, HWND control) {
  std::string caption(head);
  caption.append(MenuKeyNumber(ControlsWindow::H(control))).append("}");
  return caption;
}

// --- The platform parts ------------------------------------------------------

TEST(Win32ListControlsTest, ReadsAndSelectsTheEntriesOfRealControls) {
  ControlsWindow w(LBS_MULTIPLESEL);
  ASSERT_NE(w.List(), nullptr);
  ASSERT_NE(w.Combo(), nullptr);
  w.AddEntries({"Rouge", "Vert", "Bleu"}, {"Un", "Deux"});
  Win32ListControls lists;
  const WindowHandle list = ControlsWindow::H(w.List());
  const WindowHandle combo = ControlsWindow::H(w.Combo());

  EXPECT_NE(lists.Style(list) & list_style::MultipleSel, 0);
  EXPECT_EQ(lists.Style(list) & list_style::MultiColumn, 0);
  EXPECT_EQ(lists.ControlId(list), kListId);
  EXPECT_EQ(lists.ControlId(combo), kComboId);
  EXPECT_EQ(lists.Count(list, ListControlKind::ListBox), 3);
  EXPECT_EQ(lists.Count(combo, ListControlKind::ComboBox), 2);
  EXPECT_EQ(lists.EntryBuffer(list, ListControlKind::ListBox, 1), std::string("Vert\0", 5));
  EXPECT_EQ(lists.EntryBuffer(combo, ListControlKind::ComboBox, 0), std::string("Un\0", 3));
  EXPECT_FALSE(lists.EntryBuffer(list, ListControlKind::ListBox, 7).has_value());

  EXPECT_EQ(lists.SelectionState(list, 2), 0);
  EXPECT_TRUE(lists.SetSelectionState(list, 2, true));
  EXPECT_GT(lists.SelectionState(list, 2), 0);
  EXPECT_TRUE(lists.SetSelectionState(list, 2, false));
  EXPECT_EQ(lists.SelectionState(list, 2), 0);

  EXPECT_EQ(lists.CurrentSelection(combo, ListControlKind::ComboBox), -1);
  EXPECT_TRUE(lists.SetCurrentSelection(combo, ListControlKind::ComboBox, 1));
  EXPECT_EQ(lists.CurrentSelection(combo, ListControlKind::ComboBox), 1);
  EXPECT_EQ(::SendMessageA(w.Combo(), CB_GETCURSEL, 0, 0), 1);
}

TEST(Win32DateNamesTest, NamesTheMonthsAndWeekDaysInTheUsersLanguage) {
  Win32DateNames names;
  std::set<std::string> months;
  std::set<std::string> abbreviated;
  for (int m = 1; m <= 12; ++m) {
    const std::string name = names.MonthName(CalendarDate{1962, m, 7});
    EXPECT_FALSE(name.empty()) << m;
    months.insert(name);
    abbreviated.insert(names.AbbreviatedMonthName(CalendarDate{2004, m, 1}));
  }
  EXPECT_EQ(months.size(), 12u);
  EXPECT_EQ(abbreviated.size(), 12u);
  std::set<std::string> days;
  for (int d = 1; d <= 7; ++d) days.insert(names.WeekDayName(CalendarDate{2004, 2, d}));
  EXPECT_EQ(days.size(), 7u);
  // The name follows the date: two Sundays, a week apart.
  EXPECT_EQ(names.WeekDayName(CalendarDate{2004, 2, 29}), names.WeekDayName(CalendarDate{2004, 3, 7}));
  EXPECT_EQ(names.WeekDayName(CalendarDate{2004, 2, 29}), names.WeekDayName(CalendarDate{2004, 2, 1}));
  EXPECT_NE(names.WeekDayName(CalendarDate{2004, 2, 29}), names.WeekDayName(CalendarDate{2004, 2, 28}));
  // A date the platform cannot format still has its names.
  EXPECT_EQ(names.MonthName(CalendarDate{1500, 3, 1}), names.MonthName(CalendarDate{1962, 3, 7}));
  EXPECT_EQ(names.WeekDayName(CalendarDate{1500, 3, 4}), names.WeekDayName(CalendarDate{2004, 2, 29}));
}

TEST(Win32PathProbeTest, TellsFilesFromFoldersAndFromNothing) {
  char folder[MAX_PATH] = {};
  ASSERT_GT(::GetTempPathA(MAX_PATH, folder), 0u);
  const std::string temp(folder);
  const std::string file = temp + "vantrel_probe.txt";
  if (FILE* f = std::fopen(file.c_str(), "w")) {
    std::fputs("x", f);
    std::fclose(f);
  }
  Win32PathProbe probe;
  EXPECT_EQ(probe.Probe(temp), PathKind::Folder);
  EXPECT_EQ(probe.Probe(file), PathKind::File);
  EXPECT_EQ(probe.Probe(temp + "vantrel_no_such_file.txt"), PathKind::None);
  EXPECT_EQ(probe.Probe(""), PathKind::None);
  ::DeleteFileA(file.c_str());
}

// Answers the first colour chooser of this thread with a button.
WPARAM& ChooserAnswer() {
  static WPARAM answer = IDCANCEL;
  return answer;
}
BOOL CALLBACK FindChooser(HWND window, LPARAM found) {
  char name[32] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "#32770" && ::IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}
void CALLBACK AnswerChooser(HWND, UINT, UINT_PTR, DWORD) {
  HWND chooser = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindChooser, reinterpret_cast<LPARAM>(&chooser));
  if (chooser != nullptr) ::PostMessageA(chooser, WM_COMMAND, ChooserAnswer(), 0);
}

TEST(Win32ColourDialogTest, ReturnsTheChosenColourOrNothingWhenCancelled) {
  ControlsWindow w;
  Win32ColourDialog dialog;
  ColourDialogRequest request;
  request.owner = ControlsWindow::H(w.Parent());
  request.initialColour = 0x3366CC;
  request.flags = colour_dialog_flag::RgbInit | colour_dialog_flag::FullOpen;
  for (int j = 0; j < 16; ++j) request.customColours[static_cast<std::size_t>(j)] = 0x010101 * 15 * (j + 1);

  const UINT_PTR timer = ::SetTimer(nullptr, 0, 200, &AnswerChooser);
  ChooserAnswer() = IDCANCEL;
  EXPECT_FALSE(dialog.ChooseColour(request).has_value());
  ChooserAnswer() = IDOK;
  const std::optional<std::int32_t> chosen = dialog.ChooseColour(request);
  ::KillTimer(nullptr, timer);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, 0x3366CC);
}

// --- The engine with its list menus on real windows ------------------------

void CALLBACK EndTheMenu(HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); }

class RealListMenusTest : public ::testing::Test {
 protected:
  RealListMenusTest() {
    OwnCommands().clear();
    engine.SetPreparation(&preparation);
    engine.SetEngineResources(&preparation);
    engine.SetItemDrawing(&renderer);
  }
  MenuPreparationServices Services() {
    MenuPreparationServices s{fonts, text, sidebars, canvas, Win32SystemColours(), pictures, nullptr, nullptr, nullptr, nullptr, {}};
    s.windows = &windows;
    s.lists = &lists;
    s.platformIndent = [this] { return engine.PlatformIndent(); };
    return s;
  }
  // Runs a menu loop on popup, fed with these keys; ends it after 5 seconds
  // whatever happens.
  void RunMenu(HWND owner, MenuHandle popup, const std::vector<WPARAM>& keys) {
    ::ShowWindow(owner, SW_SHOW);
    ::SetForegroundWindow(owner);
    for (const WPARAM key : keys) ::PostMessageA(owner, WM_KEYDOWN, key, 0);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 5000, &EndTheMenu);
    ::TrackPopupMenu(reinterpret_cast<HMENU>(popup), TPM_LEFTALIGN | TPM_TOPALIGN, 150, 150, 0, owner, nullptr);
    ::KillTimer(nullptr, timer);
    // The command the menu posted, and the notifications it causes.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  UniqueMenu PopupWith(std::initializer_list<std::string> captions, UINT firstId = 200) {
    UniqueMenu popup = MakePopupMenu(menus);
    for (const std::string& caption : captions) menus.AppendItem(popup.Get(), menu_append::String, firstId++, caption);
    return popup;
  }

  Win32WindowHooks windows;
  Win32MenuAccess menus;
  Win32MenuFontTable fonts;
  Win32GraphicsObjects graphics;
  Win32MenuCanvas canvas{Win32SystemColours()};
  Win32PictureInspector pictures;
  Win32MenuTextMeasure text;
  Win32SidebarPainter sidebars;
  Win32ListControls controls;
  test::FakeSettingsStore settings;
  Win32ColourDialog colourDialog;
  Win32DateNames dates;
  Win32Clock clock;
  Win32PathProbe paths;
  ListMenus lists{ListMenuServices{controls, windows, settings, colourDialog, dates, clock, Win32SystemColours(), paths}};
  modMenus engine{MenuEngineServices{windows, menus, fonts, Win32SystemColours(), &graphics}};
  Win32DrawRequestReader requests;
  Win32MenuItemPainter painter{Win32SystemColours()};
  MenuItemRenderer renderer{
      MenuItemRendererServices{engine, requests, canvas, fonts, Win32SystemColours(), painter, pictures}};
  MenuPopupPreparation preparation{Services()};
};

TEST_F(RealListMenusTest, ChoosingAListBoxEntrySelectsItAndNotifiesTheParent) {
  ControlsWindow w;
  w.AddEntries({"Rouge", "Vert", "Bleu", "Jaune"}, {"Un", "Deux", "Trois"});
  engine.HookMenus(ControlsWindow::H(w.Parent()), nullptr, nullptr, hook_mode::Window);
  UniqueMenu popup = PopupWith({Bound("Liste{LB:", w.List()), Bound("Combo{CB:", w.Combo())});

  // The first item, its submenu, down to the third entry, chosen.
  RunMenu(w.Parent(), popup.Get(), {VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_EQ(::SendMessageA(w.List(), LB_GETCURSEL, 0, 0), 2);
  const std::vector<Command> listNotified = {
      {MAKEWPARAM(kListId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(w.List())}};
  // The parent heard the notification; the menu command never reached it.
  EXPECT_EQ(OwnCommands(), listNotified);

  // The second item: the combo box's second entry.
  OwnCommands().clear();
  RunMenu(w.Parent(), popup.Get(), {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
  EXPECT_EQ(::SendMessageA(w.Combo(), CB_GETCURSEL, 0, 0), 1);
  const std::vector<Command> comboNotified = {
      {MAKEWPARAM(kComboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(w.Combo())}};
  EXPECT_EQ(OwnCommands(), comboNotified);

  // The list was built anew at the second opening: its selection is checked.
  const MenuHandle sub = menus.GetSubMenu(popup.Get(), 0);
  ASSERT_NE(sub, 0u);
  EXPECT_EQ(::GetMenuItemCount(reinterpret_cast<HMENU>(sub)), 4);
  EXPECT_NE(::GetMenuState(reinterpret_cast<HMENU>(sub), 2, MF_BYPOSITION) & MF_CHECKED, 0u);
  EXPECT_EQ(::GetMenuState(reinterpret_cast<HMENU>(sub), 0, MF_BYPOSITION) & MF_CHECKED, 0u);
}

TEST_F(RealListMenusTest, ChoosingAnEntryOfAMultipleSelectionListTogglesIt) {
  ControlsWindow w(LBS_MULTIPLESEL);
  w.AddEntries({"Rouge", "Vert"}, {});
  ::SendMessageA(w.List(), LB_SETSEL, TRUE, 0);
  engine.HookMenus(ControlsWindow::H(w.Parent()), nullptr, nullptr, hook_mode::Window);
  UniqueMenu popup = PopupWith({Bound("Liste{LB:", w.List())});
  RunMenu(w.Parent(), popup.Get(), {VK_DOWN, VK_RIGHT, VK_RETURN});  // "Rouge", selected: cleared
  RunMenu(w.Parent(), popup.Get(), {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});  // "Vert": set
  EXPECT_EQ(::SendMessageA(w.List(), LB_GETSEL, 0, 0), 0);
  EXPECT_GT(::SendMessageA(w.List(), LB_GETSEL, 1, 0), 0);
  const Command notified{MAKEWPARAM(kListId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(w.List())};
  EXPECT_EQ(OwnCommands(), (std::vector<Command>{notified, notified}));
}

TEST_F(RealListMenusTest, ChoosingAColourStoresItAndABuiltInListNeedsNoControl) {
  ControlsWindow w;
  engine.HookMenus(ControlsWindow::H(w.Parent()), nullptr, nullptr, hook_mode::Window);
  UniqueMenu popup = PopupWith({"Couleurs{lvColors:}"});
  // Down to "Noir", "Bleu", "Marron" and chosen.
  RunMenu(w.Parent(), popup.Get(), {VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_EQ(settings.Value("Vantrel", "Font", "FontColor"), std::optional<std::string>("17510"));
  EXPECT_TRUE(OwnCommands().empty());
}

// While the colour chooser is open, the engine lets the window go; then the
// chooser is cancelled.
struct LetGoDuringChooser {
  modMenus* engine = nullptr;
  WindowHandle window = 0;
  bool letGo = false;
};
LetGoDuringChooser& DuringChooser() {
  static LetGoDuringChooser during;
  return during;
}
void CALLBACK LetGoAndCancelChooser(HWND, UINT, UINT_PTR, DWORD) {
  HWND chooser = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindChooser, reinterpret_cast<LPARAM>(&chooser));
  if (chooser == nullptr) return;
  LetGoDuringChooser& during = DuringChooser();
  if (during.engine != nullptr && !during.letGo) {
    during.engine->UnhookMenus(during.window);
    during.letGo = true;
  }
  ::PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(RealListMenusTest, ACommandWhoseColourChooserLetsTheWindowGoStillReachesTheWindow) {
  ControlsWindow w;
  engine.HookMenus(ControlsWindow::H(w.Parent()), nullptr, nullptr, hook_mode::Window);
  UniqueMenu popup = PopupWith({"Couleurs{lvColors:}"});
  DuringChooser() = LetGoDuringChooser{&engine, ControlsWindow::H(w.Parent())};
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 200, &LetGoAndCancelChooser);
  // Up from the first colour to the last entry, the custom colour.
  RunMenu(w.Parent(), popup.Get(), {VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN});
  ::KillTimer(nullptr, timer);
  DuringChooser().engine = nullptr;

  ASSERT_TRUE(DuringChooser().letGo) << "the colour chooser never opened";
  EXPECT_EQ(engine.HandlerOf(ControlsWindow::H(w.Parent())), nullptr);
  // Cancelled, the choice was no list selection: the window has its command.
  const std::vector<Command> command = {{static_cast<WPARAM>(kFirstListEntryID - 26), 0}};
  EXPECT_EQ(OwnCommands(), command);
}

TEST_F(RealListMenusTest, RebuildingTheListsAtEveryOpeningLeavesNoMenuOrDrawingObjectBehind) {
  ControlsWindow w;
  w.AddEntries({"Rouge", "Vert", "Bleu"}, {"Un", "Deux"});
  UniqueMenu popup = PopupWith({"Couleurs{lvColors:255}", Bound("Liste{LB:", w.List()), Bound("Combo{CB:", w.Combo()),
                                "Etats{lvStates:ca}",
                                "Mois{lvMonths:0:Group:CYQtr}", "Jours{lvDays:}", "Fevrier{lvMonth:2:Year:2004}"});
  constexpr int kLists = 7;
  engine.HookMenus(ControlsWindow::H(w.Parent()), nullptr, nullptr, hook_mode::Window);
  std::string key = "h";  // the handler of the parent window
  key.append(MenuKeyNumber(ControlsWindow::H(w.Parent())));
  cMenuItems* handler = engine.Handler(key);
  ASSERT_NE(handler, nullptr);

  // The first openings settle what the engine keeps (fonts, the records).
  for (int i = 0; i < 2; ++i) RunMenu(w.Parent(), popup.Get(), {VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE});
  const DWORD gdiBefore = GdiObjectCount();
  std::vector<MenuHandle> replaced;
  for (int round = 0; round < 6; ++round) {
    for (int p = 0; p < kLists; ++p) replaced.push_back(menus.GetSubMenu(popup.Get(), p));
    // Each opening shows the colour list, drawn with its samples.
    RunMenu(w.Parent(), popup.Get(), {VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE});
    // And a preparation outside a menu loop rebuilds them all again.
    bool isSysMenu = false;
    handler->IsWindowList(popup.Get(), isSysMenu);
    for (int p = 0; p < kLists; ++p) {
      const MenuHandle sub = menus.GetSubMenu(popup.Get(), p);
      ASSERT_NE(sub, 0u) << p;
      EXPECT_TRUE(menus.IsMenu(sub)) << p;
      bool subSys = false;
      handler->IsWindowList(sub, subSys);
    }
    EXPECT_EQ(handler->DelegateCount(), static_cast<std::size_t>(kLists));
  }
  // A destroyed popup's handle is no menu any more, unless the system gave
  // the number to one of the popups alive now.
  std::set<MenuHandle> alive;
  for (int p = 0; p < kLists; ++p) alive.insert(menus.GetSubMenu(popup.Get(), p));
  for (const MenuHandle old : replaced) {
    EXPECT_NE(old, 0u);
    EXPECT_TRUE(!::IsMenu(reinterpret_cast<HMENU>(old)) || alive.count(old) != 0) << old;
  }
  EXPECT_EQ(GdiObjectCount(), gdiBefore);
}

}  // namespace
}  // namespace vantrel
