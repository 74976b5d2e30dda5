// The desktop through the real window manager.
#pragma once

#include <cstdint>
#include <map>

#include "platform/desktop.h"
#include "platform/win32/win32_handles.h"

namespace vantrel {

class Win32Desktop final : public Desktop {
 public:
  std::vector<WindowHandle> TopLevelWindows() const override;
  std::string Title(WindowHandle window) const override;
  bool IsVisible(WindowHandle window) const override;
  bool IsEnabled(WindowHandle window) const override;
  std::uint32_t ProcessOf(WindowHandle window) const override;
  std::uint32_t OwnProcess() const override;
  std::string ClassName(WindowHandle window) const override;
  std::string ExecutableName(std::uint32_t process) const override;
  bool RestoredRect(WindowHandle window, WindowRect& rect) const override;
  WindowHandle FindByTitle(const std::string& title) const override;
  bool PostClose(WindowHandle window) override;
  bool BringToTop(WindowHandle window) override;

  // How many processes' names are remembered (for the tests).
  std::size_t RememberedProcesses() const { return processes_.size(); }

 private:
  // A process whose name was read. Its handle is kept open: while it is,
  // the system gives its id to no other process, so the name remembered
  // under the id stays right. A process that could not be opened is asked
  // again after a while.
  struct KnownProcess {
    win32::UniqueKernelHandle handle;
    std::string name;
    std::uint64_t failedAt = 0;
  };
  void ForgetEndedProcesses(std::uint64_t now) const;

  // An instance serves one thread; nothing here is shared between threads.
  mutable std::map<std::uint32_t, KnownProcess> processes_;
  mutable std::uint64_t lastSweep_ = 0;
};

}  // namespace vantrel
