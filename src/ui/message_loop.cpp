#include "ui/message_loop.h"

namespace vantrel {
namespace {

// One UI thread: the forms and the loop all run on it.
HWND modelessDialog = nullptr;

}  // namespace

void SetModelessDialog(HWND dialog) { modelessDialog = dialog; }

HWND ModelessDialog() { return modelessDialog; }

int RunMessageLoop() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (modelessDialog && IsDialogMessageA(modelessDialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace vantrel
