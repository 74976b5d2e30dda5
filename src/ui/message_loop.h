// The program's one message loop, run by WinMain through the main form. A
// modeless dialog that stands in for a modal one tells the loop while it is
// open, so that the loop hands it its keyboard messages (Tab, Enter,
// Escape).
#pragma once

#include <windows.h>

namespace vantrel {

class MessageLoop {
 public:
  // The open modeless dialog, or null. A dialog sets itself when it shows
  // and clears itself when it goes.
  void SetDialog(HWND dialog) { dialog_ = dialog; }
  HWND Dialog() const { return dialog_; }

  // Gets and dispatches this thread's messages until WM_QUIT; returns its
  // exit code.
  int Run();

 private:
  HWND dialog_ = nullptr;
};

}  // namespace vantrel
