// Baselines for the idle cost of the program, run beside it for the same time:
//   idle_baseline.exe --least SECONDS  the least work of a scan, twice a second
//   idle_baseline.exe --bare SECONDS   a bare program that only opens one window
//   idle_baseline.exe --floor SECONDS  the least a program of this kind does: the
//       least work of a scan twice a second, and a WinEvent hook that closes a
//       browser pop-up ("- Mozilla", at most 250 high and 400 wide, the rule of
//       the benchmarks) the moment the system reports its creation, showing
//       or renaming; with an icon in the tray, as a tray utility has (under
//       Wine the taskbar, and its work as windows come and go, stands only
//       while some program has a tray icon)
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK Collect(HWND w, LPARAM p) {
  reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
  return TRUE;
}

volatile int g_sink = 0;

void CALLBACK LeastWork(HWND, UINT, UINT_PTR, DWORD) {
  std::vector<HWND> windows;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
  char title[256];
  int sum = 0;
  for (HWND w : windows) {
    if (!IsWindowVisible(w)) continue;
    sum += GetWindowTextA(w, title, sizeof title);
    sum += IsWindowEnabled(w) ? 1 : 0;
  }
  g_sink = g_sink + sum;
}

void CALLBACK CloseMatching(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (!window || object != OBJID_WINDOW || child != CHILDID_SELF) return;
  if (GetAncestor(window, GA_PARENT) != GetDesktopWindow()) return;
  char title[256];
  const int n = GetWindowTextA(window, title, sizeof title);
  if (n <= 0 || std::string(title, static_cast<std::size_t>(n)).find("- Mozilla") == std::string::npos) return;
  RECT r{};
  if (!GetWindowRect(window, &r) || r.bottom - r.top > 250 || r.right - r.left > 400) return;
  PostMessageA(window, WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "--bare";
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
  HWND window = CreateWindowExA(0, "STATIC", "Bare window", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  if (mode == "--least" || mode == "--floor") SetTimer(nullptr, 0, 500, LeastWork);
  NOTIFYICONDATAA icon{};
  if (mode == "--floor") {
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    lstrcpynA(icon.szTip, "Floor", sizeof icon.szTip);
    Shell_NotifyIconA(NIM_ADD, &icon);
  }
  if (mode == "--floor")
    for (const DWORD event : {EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE})
      SetWinEventHook(event, event, nullptr, CloseMatching, 0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  const UINT_PTR end = SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000u, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.wParam == end && msg.lParam == 0) break;
    DispatchMessageA(&msg);
  }
  if (mode == "--floor") Shell_NotifyIconA(NIM_DELETE, &icon);
  DestroyWindow(window);
  return 0;
}
