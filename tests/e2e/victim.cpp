// Victim windows for the end-to-end and Win32 tests. Opens one top-level
// window per argument and reports every close request it receives.
//
//   victim.exe --log FILE [--seconds N] "title|width|height|flags" ...
//   victim.exe --log FILE --mix N     N windows in the mix of a real desktop:
//       four in five hidden, a tenth of the visible ones browser windows
//       (800 x 600, larger than any rule of the benchmarks)
//   victim.exe --log FILE --churn SECONDS [--churn-rate N]  windows that come
//       and go for that long (N new ones a second, about 66 by default):
//       small browser pop-ups, "Target - Mozilla", disabled "Setup", plain
//       ones; some live a few milliseconds only
//   victim.exe --log FILE --latency N  N small browser pop-ups, one at a
//       time: each is shown and the time until its close request arrives
//       is logged as "LATENCY i milliseconds"
//   victim.exe --log FILE --latency N --blank   the same, each pop-up shown
//       as "about:blank" and given its title 80 ms later; the time is taken
//       from the naming
//
// flags, any of: hidden, disabled, max, min, refuse (answers WM_CLOSE
// without closing), later (made hidden, shown 30 ms after READY), blank
// (shown as "about:blank", given its title 80 ms after READY, as a browser
// names its pop-up when the page has loaded). The log gets "READY" once every window exists, then one
// line "CLOSE <index> <title>" per WM_CLOSE. The program ends when every
// window has closed (a refusing one never does), or after N seconds
// (default 30).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Victim {
  std::string title;
  int width = 300;
  int height = 200;
  bool hidden = false, disabled = false, maximised = false, minimised = false, refuse = false, later = false,
       blank = false;
  HWND window = nullptr;
};

std::vector<Victim> victims;
std::FILE* logFile = nullptr;
int open = 0;
int latencyCount = 0;  // pop-ups still to show in --latency mode
int latencyIndex = 0;
bool latencyBlank = false;  // pop-ups shown as "about:blank", named later
LARGE_INTEGER shownAt{};
void ShowNextPopup();
int churnSeconds = 0;
int churnInterval = 15;  // milliseconds between two new windows
unsigned churnState = 12345;
std::size_t churnOldest = 0;  // the first churn window that may still be open
unsigned ChurnRandom() {
  churnState = churnState * 1103515245u + 12345u;
  return (churnState >> 16) & 0x7FFF;
}
// One step of the churn: a new window of some kind, and maybe the end of an
// old one (closed by its own program, not by a close request).
void CALLBACK ChurnStep(HWND, UINT, UINT_PTR, DWORD) {
  Victim v;
  const unsigned kind = ChurnRandom() % 4;
  const unsigned n = static_cast<unsigned>(victims.size());
  v.title = kind == 0 ? "Pop " + std::to_string(n) + " - Mozilla" : kind == 1 ? std::string("Target - Mozilla")
          : kind == 2 ? std::string("Setup") : "Plain " + std::to_string(n);
  v.width = kind == 0 ? 300 : 700;
  v.height = kind == 0 ? 200 : 500;
  v.disabled = kind == 2;
  v.window = CreateWindowExA(0, "VantrelVictim", v.title.c_str(), WS_OVERLAPPEDWINDOW, 40 + static_cast<int>(n % 300),
                             60, v.width, v.height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!v.window) return;
  if (v.disabled) EnableWindow(v.window, FALSE);
  ShowWindow(v.window, SW_SHOWNOACTIVATE);
  victims.push_back(v);
  ++open;
  // Now and then a window of the churn goes away by itself, and the oldest
  // go when there are more than a desktop holds, so the scans keep finding
  // windows that appear and vanish without their number growing.
  constexpr int kMostWindows = 60;
  if (ChurnRandom() % 3 == 0) {
    Victim& old = victims[ChurnRandom() % victims.size()];
    if (old.window) {
      DestroyWindow(old.window);
      old.window = nullptr;
      --open;
    }
  }
  for (std::size_t i = churnOldest; open - 1 > kMostWindows && i < victims.size(); ++i, ++churnOldest) {
    if (!victims[i].window) continue;
    DestroyWindow(victims[i].window);
    victims[i].window = nullptr;
    --open;
  }
}
void CALLBACK ShowLaterTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  for (auto& v : victims)
    if (v.later && v.window) ShowWindow(v.window, SW_SHOWNOACTIVATE);
}
void CALLBACK NameBlankTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  for (auto& v : victims)
    if (v.blank && v.window) SetWindowTextA(v.window, v.title.c_str());
}
void CALLBACK NextPopupTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  ShowNextPopup();
}

void Log(const std::string& line) {
  if (!logFile) return;
  std::fprintf(logFile, "%s\n", line.c_str());
  std::fflush(logFile);
}

LRESULT CALLBACK VictimProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    for (std::size_t i = 0; i < victims.size(); ++i) {
      if (victims[i].window != window) continue;
      Log("CLOSE " + std::to_string(i) + " " + victims[i].title);
      if (latencyCount > 0) {
        LARGE_INTEGER now{}, frequency{};
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        const double ms = static_cast<double>(now.QuadPart - shownAt.QuadPart) * 1000.0 /
                          static_cast<double>(frequency.QuadPart);
        char line[64];
        std::snprintf(line, sizeof line, "LATENCY %d %.1f", latencyIndex, ms);
        Log(line);
      }
      if (victims[i].refuse) return 0;
      victims[i].window = nullptr;
      DestroyWindow(window);
      if (latencyCount > 0) {
        // The next pop-up comes after a delay that wanders over the watch
        // period, so that pop-ups do not all appear just after a scan.
        if (--latencyCount == 0) PostQuitMessage(0);
        else SetTimer(nullptr, 0, static_cast<UINT>((latencyIndex * 137) % 500 + 1), NextPopupTimer);
        return 0;
      }
      if (--open == 0) PostQuitMessage(0);
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

Victim Parse(const std::string& description) {
  Victim v;
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t bar = description.find('|', from);
    parts.push_back(description.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
    if (bar == std::string::npos) break;
    from = bar + 1;
  }
  v.title = parts[0];
  if (parts.size() > 1) v.width = std::atoi(parts[1].c_str());
  if (parts.size() > 2) v.height = std::atoi(parts[2].c_str());
  const std::string flags = parts.size() > 3 ? parts[3] : "";
  v.hidden = flags.find("hidden") != std::string::npos;
  v.disabled = flags.find("disabled") != std::string::npos;
  v.maximised = flags.find("max") != std::string::npos;
  v.minimised = flags.find("min") != std::string::npos;
  v.refuse = flags.find("refuse") != std::string::npos;
  v.later = flags.find("later") != std::string::npos;
  v.blank = flags.find("blank") != std::string::npos;
  return v;
}

void CALLBACK NamePopupTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (victims.empty() || !victims.back().window) return;
  QueryPerformanceCounter(&shownAt);
  SetWindowTextA(victims.back().window, victims.back().title.c_str());
}

void ShowNextPopup() {
  Victim v;
  v.title = "Pop " + std::to_string(++latencyIndex) + " - Mozilla";
  v.window = CreateWindowExA(0, "VantrelVictim", latencyBlank ? "about:blank" : v.title.c_str(), WS_OVERLAPPEDWINDOW,
                             100, 100, 300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  victims.push_back(v);
  QueryPerformanceCounter(&shownAt);
  ShowWindow(v.window, SW_SHOWNOACTIVATE);
  if (latencyBlank) SetTimer(nullptr, 0, 80, NamePopupTimer);
}

// The windows of a desktop in use: most top-level windows are hidden.
void AddDesktopMix(int count) {
  for (int k = 0; k < count; ++k) {
    Victim v;
    v.hidden = k % 5 != 0;
    const bool browser = !v.hidden && (k / 5) % 10 == 0;
    v.title = (browser ? "Page " : v.hidden ? "Hidden " : "Window ") + std::to_string(k) + (browser ? " - Mozilla" : "");
    v.width = 800;
    v.height = 600;
    v.refuse = true;
    victims.push_back(v);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = 30;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--log" && i + 1 < argc) {
      logFile = std::fopen(argv[++i], "w");
    } else if (arg == "--seconds" && i + 1 < argc) {
      seconds = std::atoi(argv[++i]);
    } else if (arg == "--mix" && i + 1 < argc) {
      AddDesktopMix(std::atoi(argv[++i]));
    } else if (arg == "--churn" && i + 1 < argc) {
      churnSeconds = std::atoi(argv[++i]);
      seconds = churnSeconds;
    } else if (arg == "--churn-rate" && i + 1 < argc) {
      const int rate = std::atoi(argv[++i]);
      if (rate > 0) churnInterval = 1000 / rate;
    } else if (arg == "--latency" && i + 1 < argc) {
      latencyCount = std::atoi(argv[++i]);
    } else if (arg == "--blank") {
      latencyBlank = true;
    } else {
      victims.push_back(Parse(arg));
    }
  }

  WNDCLASSA wc{};
  wc.lpfnWndProc = VictimProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VantrelVictim";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&wc);

  int x = 40;
  for (auto& v : victims) {
    v.window = CreateWindowExA(0, "VantrelVictim", v.blank ? "about:blank" : v.title.c_str(), WS_OVERLAPPEDWINDOW, x,
                               60, v.width, v.height, nullptr, nullptr, wc.hInstance, nullptr);
    x = 40 + (x - 20) % 400;
    if (!v.window) continue;
    ++open;
    if (v.disabled) EnableWindow(v.window, FALSE);
    if (!v.hidden && !v.later) ShowWindow(v.window, v.maximised ? SW_SHOWMAXIMIZED : v.minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
  }
  Log("READY");
  if (std::any_of(victims.begin(), victims.end(), [](const Victim& v) { return v.later; }))
    SetTimer(nullptr, 0, 30, ShowLaterTimer);
  if (std::any_of(victims.begin(), victims.end(), [](const Victim& v) { return v.blank; }))
    SetTimer(nullptr, 0, 80, NameBlankTimer);
  if (latencyCount > 0) {
    ++open;  // the loop below runs until the last pop-up has closed
    ShowNextPopup();
  }
  if (churnSeconds > 0) {
    ++open;  // the churn runs until its time is over
    SetTimer(nullptr, 0, static_cast<UINT>(churnInterval), ChurnStep);
  }

  const UINT_PTR end = SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000u, nullptr);
  MSG msg;
  while (open > 0 && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == end) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  Log("END");
  if (logFile) std::fclose(logFile);
  return 0;
}
