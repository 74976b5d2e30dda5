// The mouse as a user moves it: input events through SendInput, each one
// carrying the pointer's absolute place, so that a button event lands where
// the pointer is (a SetCursorPos followed by a bare button event can be
// delivered at the old place).
#pragma once

#include <windows.h>

#include <cstdlib>

#include "support/send_input.h"
#include "victims.h"

namespace vantrel::test {

// Sends the event, then handles this thread's messages until the system
// has taken it (the pointer stands there, the button is as the event left
// it) and a little longer, for the messages it brings.
inline void SendMouse(POINT screen, DWORD flags) {
  INPUT input = MouseInput(screen, flags);
  SendInput(1, &input, sizeof input);
  const bool down = (flags & MOUSEEVENTF_LEFTDOWN) != 0;
  const bool up = (flags & MOUSEEVENTF_LEFTUP) != 0;
  for (int waited = 0; waited < 3000; waited += 10) {
    POINT at{};
    GetCursorPos(&at);
    const bool pressed = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
    if (at.x == screen.x && at.y == screen.y && (!down || pressed) && (!up || !pressed)) break;
    PumpFor(10);
  }
  PumpFor(60);
}

// Moves the pointer to screen with the left button held, as a drag does,
// until window's top left corner stands at expected (to a pixel); false
// when it never
// does. Under Wine a move sent just after the window moved under the
// pointer is now and then not delivered; a user's hand sends many, so the
// move is sent again, by way of the next pixel.
inline bool DragTo(HWND window, POINT screen, POINT expected) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (attempt > 0) SendMouse(POINT{screen.x + 1, screen.y + 1}, 0);
    SendMouse(screen, 0);
    for (int waited = 0; waited < 300; waited += 20) {
      RECT r{};
      GetWindowRect(window, &r);
      // A pixel either way: the system's scaling of the event's place.
      if (std::abs(r.left - expected.x) <= 1 && std::abs(r.top - expected.y) <= 1) return true;
      PumpFor(20);
    }
  }
  return false;
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

}  // namespace vantrel::test
