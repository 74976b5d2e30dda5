// How soon a program's user interface answers while it works.
//   answer_time.exe --message CLASS SECONDS   sends a message that does nothing
//       (WM_NULL) to the first window of CLASS every 10 ms and times each answer
//   answer_time.exe --tray-menu ROUNDS        a real right click on the tray
//       icon (the rightmost), timed until the menu stands; then Escape
// Prints "median p95 max" in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/send_input.h"
#include "timing.h"

namespace {

using vantrel::bench::Now;

void Print(std::vector<double> times) {
  if (times.empty()) {
    std::printf("0 0 0\n");
    return;
  }
  std::sort(times.begin(), times.end());
  const auto at = [&](double q) { return times[std::min(times.size() - 1, static_cast<std::size_t>(q * times.size()))]; };
  std::printf("%.1f %.1f %.1f\n", at(0.5), at(0.95), times.back());
}

HWND OpenMenu() {
  HWND menu = FindWindowA("#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  std::vector<double> times;
  if (mode == "--message" && argc > 3) {
    const double end = Now() + std::atof(argv[3]) * 1000.0;
    while (Now() < end) {
      HWND target = FindWindowA(argv[2], nullptr);
      if (target) {
        DWORD_PTR result = 0;
        const double start = Now();
        if (SendMessageTimeoutA(target, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result)) times.push_back(Now() - start);
      }
      Sleep(10);
    }
  } else if (mode == "--tray-menu" && argc > 2) {
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (!tray) return 1;
    RECT r{};
    GetWindowRect(tray, &r);
    const int rounds = std::atoi(argv[2]);
    for (int i = 0; i < rounds; ++i) {
      // Clicks fall at moments spread over the watch period.
      Sleep(static_cast<DWORD>(150 + (i * 137) % 500));
      vantrel::test::ClickScreen(POINT{r.right - 11, (r.top + r.bottom) / 2}, true);
      const double start = Now();
      while (!OpenMenu() && Now() - start < 5000) Sleep(1);
      if (OpenMenu()) times.push_back(Now() - start);
      vantrel::test::PressKey(VK_ESCAPE);
      const double closing = Now();
      while (OpenMenu() && Now() - closing < 5000) Sleep(5);
    }
  } else {
    return 2;
  }
  Print(times);
  return 0;
}
