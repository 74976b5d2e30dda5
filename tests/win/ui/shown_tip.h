// The tip a tooltip control of this thread shows, read while it shows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "real_input.h"
#include "victims.h"

namespace vantrel::test {

// The text of this thread's tooltip that shows, "" when none shows.
inline std::string ShownTip() {
  HWND shown = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        char cls[64] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::string(cls) != TOOLTIPS_CLASSA || !IsWindowVisible(w)) return TRUE;
        *reinterpret_cast<HWND*>(p) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&shown));
  if (!shown) return {};
  char text[128] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.lpszText = text;
  if (!SendMessageA(shown, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool))) return {};
  return text;
}

// Waits until the tip reads expected; returns what it read last.
inline std::string WaitForTip(const std::string& expected, int milliseconds = 5000) {
  std::string tip;
  for (int waited = 0; waited < milliseconds; waited += 50) {
    tip = ShownTip();
    if (tip == expected) break;
    PumpFor(50);
  }
  return tip;
}

// Moves the pointer onto client point of window and lets it rest there
// until the tip reads expected; returns what it read last. A move that
// Wine does not deliver (now and then, under load) is sent again, by way
// of the next pixel.
inline std::string RestOn(HWND window, POINT client, const std::string& expected) {
  std::string tip;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) MoveMouse(window, POINT{client.x + 1, client.y + 1});
    MoveMouse(window, client);
    tip = WaitForTip(expected, 2500);
    if (tip == expected) break;
  }
  return tip;
}

}  // namespace vantrel::test
