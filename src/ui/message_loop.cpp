#include "ui/message_loop.h"

namespace vantrel {

int MessageLoop::Run() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (dialog_ && IsDialogMessageA(dialog_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace vantrel
