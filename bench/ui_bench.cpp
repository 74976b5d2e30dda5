// The main window's page switching and the tray menu, timed in this process
// under the real window manager. Prints "name value unit" lines.
//   ui_bench.exe        (UI_BENCH_WINDOWS=1: the parts of an opening on the
//                        Windows page instead of the Options page)
#include <windows.h>

#include "timing.h"
#include "support/pump_messages.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/gdi_handles.h"
#include "ui/main/frm_main.h"

namespace {

using vantrel::bench::Median;
using vantrel::bench::Now;

std::string TempFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "ui_bench_" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

// A menu is drawn and waiting when its loop first goes idle (WM_ENTERIDLE
// reaches the menu's owner): the time of that moment closes the measure, and
// the menu is closed. The owner's procedure is wrapped rather than hooking
// every message of the thread, which would add its own cost to each one.
double g_idleAt = 0;
WNDPROC g_ownerProc = nullptr;

void NoteIdle(UINT message, WPARAM wParam) {
  if (message != WM_ENTERIDLE || wParam != MSGF_MENU || g_idleAt != 0) return;
  g_idleAt = Now();
  EndMenu();
}

LRESULT CALLBACK WatchOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  NoteIdle(message, wParam);
  return CallWindowProcA(g_ownerProc, window, message, wParam, lParam);
}

// The least a window showing every pixel height of the animation must do:
// one resize and one paint of a skin-sized background per height, in a bare
// window of the same size and styles, away from the main window.
vantrel::win32::UniqueBitmap g_background;

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      {
        const auto source = vantrel::win32::UniqueMemoryDC::CompatibleWith(dc);
        const vantrel::win32::Selection selection(source.Get(), g_background.Get());
        const RECT& r = ps.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source.Get(), r.left, r.top, SRCCOPY);
      }
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;
    default:
      NoteIdle(message, wParam);
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND MakeBareWindow(int width, int height) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = BareProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "VantrelBenchBare";
  RegisterClassA(&wc);
  {
    const vantrel::win32::WindowDC screen(nullptr);
    g_background.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    const auto dc = vantrel::win32::UniqueMemoryDC::CompatibleWith(screen.Get());
    const vantrel::win32::Selection selection(dc.Get(), g_background.Get());
    for (int y = 0; y < height; y += 8) {
      RECT band{0, y, width, y + 8};
      const vantrel::win32::UniqueBrush brush(CreateSolidBrush(RGB(40 + y % 160, 60, 120)));
      FillRect(dc.Get(), &band, brush.Get());
    }
  }
  return CreateWindowExA(WS_EX_APPWINDOW | WS_EX_TOPMOST, wc.lpszClassName, "Bare", WS_POPUP | WS_CLIPCHILDREN,
                         0, 0, width, height, nullptr, nullptr, wc.hInstance, nullptr);
}

void ResizeBare(HWND window, int width, int from, int to) {
  const int step = from < to ? 1 : -1;
  for (int h = from;; h += step) {
    SetWindowPos(window, nullptr, 0, 0, width, h,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_DEFERERASE);
    UpdateWindow(window);
    if (h == to) break;
  }
}

// The median of the ratios of runs taken side by side: a run and its
// baseline saw the same moment of a shared machine.
double MedianRatio(const std::vector<double>& runs, const std::vector<double>& baselines) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < runs.size() && i < baselines.size(); ++i)
    if (baselines[i] > 0) ratios.push_back(runs[i] / baselines[i]);
  return Median(ratios);
}

// From the request to the menu's first idle moment; -1 when it never came.
template <typename Open>
double TimeMenu(Open open) {
  g_idleAt = 0;
  const double t = Now();
  open();
  vantrel::test::PumpPendingMessages();
  return g_idleAt > 0 ? g_idleAt - t : -1;
}

// What the tray form does to show its menu, for a plain one.
void ShowPlainMenu(HMENU menu, HWND owner) {
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(owner);
  TrackPopupMenu(menu, 0, at.x, at.y, 0, owner, nullptr);
  PostMessageA(owner, WM_NULL, 0, 0);
}

// Hides or shows the controls of the open page. The same opening without
// them tells what the controls' own painting of each uncovered row costs.
void ShowOpenPageControls(HWND main, bool visible) {
  for (HWND page = FindWindowExA(main, nullptr, "VantrelPage", nullptr); page;
       page = FindWindowExA(main, page, "VantrelPage", nullptr)) {
    if (!IsWindowVisible(page)) continue;
    for (HWND control = GetWindow(page, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
      ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
  }
}

// A click on a tab, and the animation it starts, to its end.
template <typename Click>
void ClickAndAnimate(vantrel::FrmMain& main, Click click) {
  click();
  while (main.Pages().Animating()) vantrel::test::PumpPendingMessages();
}

}  // namespace

int main() {
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vantrel");
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Vantrel\\Settings", &key) == ERROR_SUCCESS) {
    for (const char* name : {"Position", "RunAtStart", "SonValue"})
      RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("0"), 2);
    RegCloseKey(key);
  }
  vantrel::FrmMain main(TempFolder());
  if (!main.Load(GetModuleHandleA(nullptr))) return 1;
  vantrel::test::PumpPendingMessages();

  // The page animation and the bare window, round after round, so that
  // both see the same state of the machine.
  RECT frame{};
  GetWindowRect(main.Window(), &frame);
  const int width = frame.right - frame.left;
  HWND bare = MakeBareWindow(width, 520);
  std::vector<double> open, close, bareGrow, bareShrink, openWithoutControls;
  long repaints = 0;
  for (int round = 0; round < 7; ++round) {
    const long before = main.HeightRepaints();
    double t = Now();
    ClickAndAnimate(main, [&] { main.Pages().LabFOption_Click(); });
    open.push_back(Now() - t);
    repaints = main.HeightRepaints() - before;
    t = Now();
    ClickAndAnimate(main, [&] { main.Pages().LabFOption_Click(); });
    close.push_back(Now() - t);

    // The same opening with the page's controls hidden as it starts.
    t = Now();
    main.Pages().LabFOption_Click();
    ShowOpenPageControls(main.Window(), false);
    while (main.Pages().Animating()) vantrel::test::PumpPendingMessages();
    openWithoutControls.push_back(Now() - t);
    ShowOpenPageControls(main.Window(), true);
    ClickAndAnimate(main, [&] { main.Pages().LabFOption_Click(); });

    GetWindowRect(main.Window(), &frame);
    const int low = frame.bottom - frame.top;
    const int high = low + static_cast<int>(repaints);
    SetWindowPos(bare, nullptr, 0, 0, width, high, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    vantrel::test::PumpPendingMessages();
    t = Now();
    ResizeBare(bare, width, high, low);
    bareShrink.push_back(Now() - t);
    t = Now();
    ResizeBare(bare, width, low, high);
    bareGrow.push_back(Now() - t);
    ShowWindow(bare, SW_HIDE);
    vantrel::test::PumpPendingMessages();
  }
  std::printf("page_open %.1f ms\n", Median(open));
  std::printf("page_close %.1f ms\n", Median(close));
  std::printf("page_open_repaints %ld count\n", repaints);
  std::printf("bare_grow %.1f ms\n", Median(bareGrow));
  std::printf("bare_shrink %.1f ms\n", Median(bareShrink));
  // The machine is shared: the fastest round shows the program when nothing
  // else competes for it.
  std::printf("page_open_fastest %.1f ms\n", *std::min_element(open.begin(), open.end()));
  std::printf("bare_grow_fastest %.1f ms\n", *std::min_element(bareGrow.begin(), bareGrow.end()));
  std::printf("page_open_ratio %.2f x\n", MedianRatio(open, bareGrow));
  std::printf("page_close_ratio %.2f x\n", MedianRatio(close, bareShrink));
  std::printf("page_open_without_controls %.1f ms\n", Median(openWithoutControls));
  std::printf("page_open_without_controls_ratio %.2f x\n", MedianRatio(openWithoutControls, bareGrow));
  {
    // The parts of an opening, each on its own.
    const bool windowsPage = getenv("UI_BENCH_WINDOWS") != nullptr;
    const auto clickTab = [&] {
      if (windowsPage) main.Pages().LabFActive_Click();
      else main.Pages().LabFOption_Click();
    };
    ClickAndAnimate(main, clickTab);
    main.Pages().Shrink();
    const double t = Now();
    main.Pages().Grow();
    std::printf("page_grow %.1f ms\n", Now() - t);
    ClickAndAnimate(main, clickTab);
  }

  // The tray menu against a plain menu of as many items drawn by the system,
  // opening after opening.
  HMENU plain = CreatePopupMenu();
  const int items = GetMenuItemCount(main.Pop().Menu());
  for (int i = 0; i < items; ++i) {
    const std::string caption = "Menu item " + std::to_string(i + 1);
    AppendMenuA(plain, MF_STRING, 1000 + i, caption.c_str());
  }
  g_ownerProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(main.Pop().Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchOwner)));
  std::vector<double> openings, plainOpenings;
  for (int round = 0; round < 8; ++round) {
    openings.push_back(TimeMenu([&] { main.Pop().Popup(true); }));
    plainOpenings.push_back(TimeMenu([&] { ShowPlainMenu(plain, bare); }));
  }
  SetWindowLongPtrA(main.Pop().Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_ownerProc));
  DestroyMenu(plain);
  DestroyWindow(bare);
  g_background.Reset();
  const auto later = [](const std::vector<double>& v) { return Median(std::vector<double>(v.begin() + 1, v.end())); };
  if (*std::min_element(openings.begin(), openings.end()) < 0) {
    std::printf("tray_menu_first n/a ms\n");
  } else {
    std::printf("tray_menu_first %.1f ms\n", openings.front());
    std::printf("tray_menu_later %.1f ms\n", later(openings));
    std::printf("plain_menu_later %.1f ms\n", later(plainOpenings));
    std::printf("tray_menu_later_ratio %.2f x\n",
                MedianRatio(std::vector<double>(openings.begin() + 1, openings.end()),
                            std::vector<double>(plainOpenings.begin() + 1, plainOpenings.end())));
    std::printf("tray_menu_items %d count\n", items);
  }
  main.Unload();
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vantrel");
  return 0;
}
