// The mouse as a user moves it: input events through SendInput, each one
// carrying the pointer's absolute place, so that a button event lands where
// the pointer is (a SetCursorPos followed by a bare button event can be
// delivered at the old place).
#pragma once

#include <windows.h>

#include "victims.h"

namespace vantrel::testing {

inline INPUT MouseInput(POINT screen, DWORD flags) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  // 0..65535 across the screen, rounded up so that the system's scaling
  // back gives the very pixel.
  input.mi.dx = static_cast<LONG>((static_cast<long long>(screen.x) * 65536 + width - 1) / width);
  input.mi.dy = static_cast<LONG>((static_cast<long long>(screen.y) * 65536 + height - 1) / height);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  return input;
}

inline void SendMouse(POINT screen, DWORD flags) {
  INPUT input = MouseInput(screen, flags);
  SendInput(1, &input, sizeof input);
  PumpFor(60);
}

inline POINT OnScreen(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

inline void MoveMouse(HWND window, POINT client) { SendMouse(OnScreen(window, client), 0); }
inline void PressLeft(HWND window, POINT client) { SendMouse(OnScreen(window, client), MOUSEEVENTF_LEFTDOWN); }
inline void ReleaseLeft(HWND window, POINT client) { SendMouse(OnScreen(window, client), MOUSEEVENTF_LEFTUP); }

// A move onto the point, a press and a release there.
inline void ClickAt(HWND window, POINT client) {
  MoveMouse(window, client);
  PressLeft(window, client);
  ReleaseLeft(window, client);
}

}  // namespace vantrel::testing
