// The desktop as the watch engine sees it: the top-level windows, what can
// be read of them, and the few requests the program makes to them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// A window handle as a plain number; 0 is no window.
using WindowHandle = std::uintptr_t;

struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The top-level windows from the top of the window order to the bottom,
  // taken at the moment of the call.
  virtual std::vector<WindowHandle> TopLevelWindows() const = 0;

  // The window's title, read with a buffer one character longer than the
  // length the window reports; only the characters actually copied are
  // kept. A window that has vanished gives the empty text.
  virtual std::string Title(WindowHandle window) const = 0;
  virtual bool IsVisible(WindowHandle window) const = 0;
  virtual bool IsEnabled(WindowHandle window) const = 0;

  // The process that owns the window; 0 when it cannot be read (gone).
  virtual std::uint32_t ProcessOf(WindowHandle window) const = 0;
  // This program's own process.
  virtual std::uint32_t OwnProcess() const = 0;
  // The window's class name; empty when it cannot be read.
  virtual std::string ClassName(WindowHandle window) const = 0;
  // The file name of the process's executable, without its folder
  // ("notepad.exe"); empty when it cannot be read. Read once per process
  // and remembered until that process ends.
  virtual std::string ExecutableName(std::uint32_t process) const = 0;

  // The restored (normal-position) rectangle, whatever the window's current
  // state. False when it cannot be read; rect is then left untouched.
  virtual bool RestoredRect(WindowHandle window, WindowRect& rect) const = 0;

  // A top-level window whose whole title equals title, any class: the first
  // visible one, else the first hidden one; 0 when none. A hidden window of
  // the same title is not taken while a visible one stands.
  virtual WindowHandle FindByTitle(const std::string& title) const = 0;

  // Posts the ordinary close request (WM_CLOSE); returns at once.
  virtual bool PostClose(WindowHandle window) = 0;
  virtual bool BringToTop(WindowHandle window) = 0;
};

}  // namespace vantrel
