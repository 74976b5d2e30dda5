// A desktop in memory: ordered top-level windows with their title, states
// and restored rectangle. Records close requests and bring-to-top calls,
// can make a window vanish in the middle of a reading.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace vantrel::test {

struct FakeWindow {
  WindowHandle handle = 0;
  std::string title;
  bool visible = true;
  bool enabled = true;
  WindowRect restored{0, 0, 300, 200};
  bool alive = true;
  std::uint32_t process = 7;  // some other program's
  std::string windowClass = "Window";
};

class FakeDesktop final : public Desktop {
 public:
  // Adds a window at the bottom of the window order and returns its handle.
  WindowHandle Add(std::string title, int width = 300, int height = 200, bool visible = true, bool enabled = true);
  FakeWindow& Window(WindowHandle handle);
  // Moves a window to the top of the window order.
  void BringToFront(WindowHandle handle);
  void Vanish(WindowHandle handle) { Window(handle).alive = false; }

  std::vector<WindowHandle> TopLevelWindows() const override;
  std::string Title(WindowHandle window) const override;
  bool IsVisible(WindowHandle window) const override;
  bool IsEnabled(WindowHandle window) const override;
  std::uint32_t ProcessOf(WindowHandle window) const override;
  std::uint32_t OwnProcess() const override { return ownProcess; }
  std::string ClassName(WindowHandle window) const override;
  std::string ExecutableName(std::uint32_t process) const override;
  bool RestoredRect(WindowHandle window, WindowRect& rect) const override;
  WindowHandle FindByTitle(const std::string& title) const override;
  bool PostClose(WindowHandle window) override;
  bool BringToTop(WindowHandle window) override;

  std::vector<WindowHandle> closes;       // every close request, in order
  std::vector<WindowHandle> broughtToTop;
  bool placementReadable = true;  // false: every placement read fails
  // Runs at every visibility read, before it answers (a window can vanish there).
  std::function<void(WindowHandle)> onVisibilityRead;
  mutable int visibilityReads = 0;
  std::uint32_t ownProcess = 1;
  std::map<std::uint32_t, std::string> executables{{1, "Vantrel.exe"}, {7, "other.exe"}};
  mutable int executableReads = 0;
  mutable int classReads = 0;

 private:
  const FakeWindow* Find(WindowHandle handle) const;
  std::vector<FakeWindow> windows_;  // top of the window order first
  WindowHandle next_ = 0x100;
};

}  // namespace vantrel::test
