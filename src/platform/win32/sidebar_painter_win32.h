// Sidebars rendered with GDI: a memory context compatible with the window's,
// fonts made for the text, bitmap pictures copied before they are drawn.
#pragma once

#include "platform/sidebar_painter.h"

namespace vantrel {

class Win32SidebarPainter final : public SidebarPainter {
 public:
  std::unique_ptr<SidebarSurface> BeginSidebar(WindowHandle window) override;
  int ScreenPixelsPerInchY() override;
};

}  // namespace vantrel
