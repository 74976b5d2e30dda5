// For test and benchmark drivers, which stand in for the user and the
// program's own loop: handles every pending message of this thread. A quit
// request is left in the queue for the loop that owns it.
#pragma once

#include <windows.h>

namespace vantrel::test {

inline void PumpPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace vantrel::test
