// Input as the user's hand gives it, through SendInput, for the test and
// benchmark programs. Every mouse event carries the pointer's absolute
// place, so a button event lands where it is meant to whatever happened to
// the pointer in between.
#pragma once

#include <windows.h>

namespace vantrel::test {

// A mouse event at a screen point: 0..65535 across the screen, rounded up
// so that the system's scaling back gives the very pixel.
inline INPUT MouseInput(POINT screen, DWORD flags) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((static_cast<long long>(screen.x) * 65536 + width - 1) / width);
  input.mi.dy = static_cast<LONG>((static_cast<long long>(screen.y) * 65536 + height - 1) / height);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  return input;
}

// The pointer onto the point, then a press and a release there.
inline void ClickScreen(POINT screen, bool right = false) {
  INPUT events[3] = {MouseInput(screen, 0), MouseInput(screen, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                     MouseInput(screen, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
  SendInput(1, &events[0], sizeof(INPUT));
  Sleep(30);
  SendInput(2, &events[1], sizeof(INPUT));
}

// A key pressed and released.
inline void PressKey(WORD vk) {
  INPUT key[2] = {};
  key[0].type = key[1].type = INPUT_KEYBOARD;
  key[0].ki.wVk = key[1].ki.wVk = vk;
  key[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, key, sizeof(INPUT));
}

}  // namespace vantrel::test
