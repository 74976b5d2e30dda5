// The desktop through the real window manager.
#pragma once

#include "platform/desktop.h"

namespace vantrel {

class Win32Desktop final : public Desktop {
 public:
  std::vector<WindowHandle> TopLevelWindows() const override;
  std::string Title(WindowHandle window) const override;
  bool IsVisible(WindowHandle window) const override;
  bool IsEnabled(WindowHandle window) const override;
  bool RestoredRect(WindowHandle window, WindowRect& rect) const override;
  WindowHandle FindByTitle(const std::string& title) const override;
  bool PostClose(WindowHandle window) override;
  bool BringToTop(WindowHandle window) override;
};

}  // namespace vantrel
