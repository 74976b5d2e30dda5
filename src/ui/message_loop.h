// The program's one message loop, run by WinMain. A modeless dialog that
// stands in for a modal one registers itself while it is open, so that the
// loop hands it its keyboard messages (Tab, Enter, Escape).
#pragma once

#include <windows.h>

namespace vantrel {

// The open modeless dialog, or null. A dialog sets itself when it shows and
// clears itself (SetModelessDialog(nullptr)) when it goes.
void SetModelessDialog(HWND dialog);
HWND ModelessDialog();

// Gets and dispatches this thread's messages until WM_QUIT; returns its exit
// code.
int RunMessageLoop();

}  // namespace vantrel
