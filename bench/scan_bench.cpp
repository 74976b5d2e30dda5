// Cost of one watch scan under the real window manager, against the least
// work any scan must do over the same windows in the same run: the walk,
// each window's visibility, and the title and enabled state of the visible
// ones. The windows belong to another process (the victim program), in the
// mix of a desktop in use.
//
//   scan_bench.exe [N ...]     prints one line per N: times and ratio
#include <windows.h>

#include "timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/win32_desktop.h"
#include "support/memory_watch_lists.h"

namespace {

using vantrel::bench::Median;
using vantrel::bench::Now;

BOOL CALLBACK Collect(HWND w, LPARAM p) {
  reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
  return TRUE;
}

// The least work of a scan; the sum keeps the compiler from dropping it.
int LeastWork() {
  std::vector<HWND> windows;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
  int sum = 0;
  char title[256];
  for (HWND w : windows) {
    if (!IsWindowVisible(w)) continue;
    sum += GetWindowTextA(w, title, sizeof title);
    sum += IsWindowEnabled(w) ? 1 : 0;
  }
  return sum;
}

class Victims {
 public:
  explicit Victims(int count) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    log_ = std::string(temp) + "scan_bench_" + std::to_string(GetCurrentProcessId()) + ".log";
    DeleteFileA(log_.c_str());
    char exe[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe, n);
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    std::string command = "\"" + folder + "victim.exe\" --seconds 600 --log \"" + log_ + "\" --mix " +
                          std::to_string(count);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      process_ = pi.hProcess;
      CloseHandle(pi.hThread);
    }
  }
  ~Victims() {
    if (!process_) return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
  }
  bool WaitReady() {
    for (int i = 0; i < 600; ++i) {
      std::ifstream in(log_);
      std::string line;
      if (std::getline(in, line) && line == "READY") return true;
      Sleep(100);
    }
    return false;
  }

 private:
  std::string log_;
  HANDLE process_ = nullptr;
};

struct Result {
  int windows;
  double baseline, scan;
};

Result Measure(int count, int rounds) {
  Victims victims(count);
  if (!victims.WaitReady()) {
    std::fprintf(stderr, "victim windows did not appear\n");
    std::exit(1);
  }
  using namespace vantrel;
  test::MemoryWatchLists lists;
  lists.titlesToDestroy.Add("Not open - Mozilla");
  lists.sizeRules.Add("100 - 100");
  lists.AddBuiltInHeaders();
  Win32Desktop desktop;
  Win32Clock clock;
  WatchEngine engine(desktop, clock, lists.Lists(), "Vantrel");
  std::vector<double> baseline, scan;
  volatile int sink = 0;
  engine.ScanWindows();  // warm both paths once
  sink = sink + LeastWork();
  for (int r = 0; r < rounds; ++r) {
    double t = Now();
    sink = sink + LeastWork();
    baseline.push_back(Now() - t);
    t = Now();
    engine.ScanWindows();
    scan.push_back(Now() - t);
  }
  return Result{count, Median(baseline), Median(scan)};
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  if (counts.empty()) counts = {50, 100, 200, 1000};
  std::printf("%-10s %12s %12s %8s\n", "windows", "least (ms)", "scan (ms)", "ratio");
  for (int count : counts) {
    const Result r = Measure(count, count >= 1000 ? 7 : 15);
    std::printf("%-10d %12.2f %12.2f %8.2f\n", r.windows, r.baseline, r.scan, r.scan / r.baseline);
    std::fflush(stdout);
  }
  return 0;
}
