// The tip a tooltip control of this thread shows, read while it shows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "victims.h"

namespace vantrel::testing {

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

}  // namespace vantrel::testing
