// Text extents of menu items as the system would lay them out in a window's
// device context, and the screen height the popup columns are wrapped to.
#pragma once

#include <string_view>

#include "platform/menu_access.h"
#include "platform/menu_fonts.h"

namespace vantrel {

// The size of a piece of text in pixels.
struct TextExtent {
  int width = 0;
  int height = 0;
  friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

class MenuTextMeasure {
 public:
  virtual ~MenuTextMeasure() = default;
  // A device context of the window to measure in (the font table selects
  // its fonts into it); 0 when none can be had. Every context obtained must
  // be given back with ReleaseWindowContext.
  virtual DeviceContext AcquireWindowContext(WindowHandle window) = 0;
  virtual void ReleaseWindowContext(WindowHandle window, DeviceContext dc) = 0;
  // Width and height of text on one line in the context's current font,
  // "&" marking a mnemonic (so "&&" counts as one "&").
  virtual TextExtent MeasureMenuText(DeviceContext dc, std::string_view text) = 0;
  // Height of the primary screen in pixels; 0 when unknown.
  virtual int ScreenHeight() = 0;
};

// A window's measuring context for the time of one measurement.
class MeasuringContext {
 public:
  MeasuringContext(MenuTextMeasure& text, WindowHandle window)
      : text_(text), window_(window), dc_(text.AcquireWindowContext(window)) {}
  MeasuringContext(const MeasuringContext&) = delete;
  MeasuringContext& operator=(const MeasuringContext&) = delete;
  ~MeasuringContext() {
    if (dc_ != 0) text_.ReleaseWindowContext(window_, dc_);
  }
  DeviceContext Get() const { return dc_; }
  explicit operator bool() const { return dc_ != 0; }

 private:
  MenuTextMeasure& text_;
  WindowHandle window_;
  DeviceContext dc_;
};

}  // namespace vantrel
