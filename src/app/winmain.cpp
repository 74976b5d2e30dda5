// Vantrel: closes unwanted pop-up windows.
#include <windows.h>

#include <memory>

#include "platform/win32/program_folder.h"
#include "ui/main/frm_main.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  try {
    auto main = std::make_unique<vantrel::FrmMain>(vantrel::ExecutableFolder());
    if (!main->Load(instance, show)) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
  } catch (...) {
    return 1;
  }
}
