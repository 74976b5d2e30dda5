// Menu text measured with GDI in a window's device context.
#pragma once

#include "platform/menu_text_measure.h"

namespace vantrel {

class Win32MenuTextMeasure final : public MenuTextMeasure {
 public:
  DeviceContext AcquireWindowContext(WindowHandle window) override;
  void ReleaseWindowContext(WindowHandle window, DeviceContext dc) override;
  TextExtent MeasureMenuText(DeviceContext dc, std::string_view text) override;
  int ScreenHeight() override;
};

}  // namespace vantrel
