// Vantrel: closes unwanted pop-up windows.
#include <windows.h>

#include "platform/win32/win32_handles.h"

#include <memory>

#include "platform/win32/program_folder.h"
#include "ui/main/frm_main.h"

namespace {

// One Vantrel per session: a second start shows the running one's window
// and leaves, instead of watching twice.
class SingleInstance {
 public:
  SingleInstance() : mutex_(CreateMutexA(nullptr, FALSE, "Local\\Vantrel.SingleInstance")) {
    first_ = mutex_.Valid() && GetLastError() != ERROR_ALREADY_EXISTS;
  }
  bool First() const { return first_; }

 private:
  vantrel::win32::UniqueMutex mutex_;
  bool first_ = false;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    SingleInstance instanceLock;
    if (!instanceLock.First()) {
      if (HWND running = FindWindowA(vantrel::kMainClassName, nullptr)) {
        // The user started this copy, so it may bring a window forward; it
        // hands that right to the running copy before asking it, or the
        // system's foreground lock would leave its window behind.
        DWORD runningProcess = 0;
        GetWindowThreadProcessId(running, &runningProcess);
        if (runningProcess != 0) AllowSetForegroundWindow(runningProcess);
        PostMessageA(running, RegisterWindowMessageA(vantrel::kShowMessageName), 0, 0);
      }
      return 0;
    }
    auto main = std::make_unique<vantrel::FrmMain>(vantrel::ExecutableFolder());
    if (!main->Load(instance)) return 1;
    return main->RunMessageLoop();
  } catch (...) {
    return 1;
  }
}
