// The main window's page switching and the tray menu, timed in this process
// under the real window manager. Prints "name value unit" lines.
//   ui_bench.exe        (UI_BENCH_WINDOWS=1: the parts of an opening on the
//                        Windows page instead of the Options page)
#include <windows.h>

#include "timing.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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

// The menu is drawn and waiting when its loop first goes idle: the time of
// that moment closes the measure, and the menu is closed.
double g_idleAt = 0;
LRESULT CALLBACK WatchIdle(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_ENTERIDLE && message->wParam == MSGF_MENU && g_idleAt == 0) {
    g_idleAt = Now();
    EndMenu();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
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
  vantrel::PumpPendingMessages();

  std::vector<double> open, close;
  long repaints = 0;
  for (int round = 0; round < 5; ++round) {
    const long before = main.HeightRepaints();
    double t = Now();
    main.Pages().LabFOption_Click();
    open.push_back(Now() - t);
    repaints = main.HeightRepaints() - before;
    t = Now();
    main.Pages().LabFOption_Click();
    close.push_back(Now() - t);
  }
  std::printf("page_open %.1f ms\n", Median(open));
  std::printf("page_close %.1f ms\n", Median(close));
  std::printf("page_open_repaints %ld count\n", repaints);
  {
    // The parts of an opening, each on its own.
    const bool windowsPage = getenv("UI_BENCH_WINDOWS") != nullptr;
    if (windowsPage) main.Pages().LabFActive_Click();
    else main.Pages().LabFOption_Click();
    main.Pages().Shrink();
    double t = Now();
    main.Pages().Pause();
    std::printf("page_pause %.1f ms\n", Now() - t);
    t = Now();
    main.Pages().Grow();
    std::printf("page_grow %.1f ms\n", Now() - t);
    if (windowsPage) main.Pages().LabFActive_Click();
    else main.Pages().LabFOption_Click();
  }

  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchIdle, nullptr, GetCurrentThreadId());
  std::vector<double> openings;
  for (int round = 0; round < 6; ++round) {
    g_idleAt = 0;
    const double t = Now();
    main.Pop().Popup(true);
    vantrel::PumpPendingMessages();
    if (g_idleAt > 0) openings.push_back(g_idleAt - t);
  }
  UnhookWindowsHookEx(hook);
  if (openings.empty()) {
    std::printf("tray_menu_first n/a ms\n");
  } else {
    std::printf("tray_menu_first %.1f ms\n", openings.front());
    std::printf("tray_menu_later %.1f ms\n", Median(std::vector<double>(openings.begin() + 1, openings.end())));
  }
  main.Unload();
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vantrel");
  return 0;
}
