// Off-screen rendering of a menu sidebar: a bitmap compatible with the
// window, the pictures copied into it, and vertical text in fonts made for
// the occasion. The rendered bitmap is handed over to its owner.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/menu_access.h"
#include "platform/menu_canvas.h"
#include "platform/menu_font_device.h"
#include "platform/menu_text_measure.h"
#include "platform/picture_list.h"

namespace vantrel {

// One rendering: a memory context compatible with the window. Whatever it
// made and still holds (fonts, the bitmap unless taken, picture copies) is
// deselected and deleted when it ends.
class SidebarSurface {
 public:
  virtual ~SidebarSurface() = default;

  // Makes a font of that description the current one, deleting the one made
  // before; false when it cannot be made (the previous font is gone then too).
  virtual bool UseFont(const MenuFontDescription& font) = 0;
  // Extent of text in the current font without prefix processing: on one
  // line, or (multiLine) as a centred block whose lines are separated by
  // CR LF.
  virtual TextExtent MeasureText(std::string_view text, bool multiLine) = 0;

  // Creates the width x height bitmap and selects it; false on failure.
  virtual bool CreateBitmap(int width, int height) = 0;
  // The context drawn into, for the drawing primitives; 0 without a bitmap.
  virtual DeviceContext Context() const = 0;
  // Draws text with its start at (x, y) in the current font and colour,
  // on one line, without prefix processing and without clipping, leaving
  // the background untouched.
  virtual void DrawTextAt(std::string_view text, int x, int y, std::int32_t colour) = 0;

  // Takes a copy of a bitmap picture to draw from; false when no copy can
  // be made.
  virtual bool CopyPicture(PictureHandle bitmap) = 0;
  // The colour of the copy's top-left pixel; -1 without a copy.
  virtual std::int32_t CopyCornerColour() = 0;
  // Stretches the whole copy (copy mode SRCCOPY) to (x, y, width, height).
  virtual void StretchCopy(int x, int y, int width, int height) = 0;
  // The copy, no longer selected anywhere, for the transparent copy
  // primitive; still owned by the surface. 0 without a copy.
  virtual BitmapHandle CopyForPrimitives() = 0;
  // Draws an icon at (x, y) in width x height.
  virtual void DrawIcon(PictureHandle icon, int x, int y, int width, int height) = 0;

  // Deselects the bitmap and hands it over: the caller owns it. 0 when there
  // is none.
  virtual BitmapHandle TakeBitmap() = 0;
};

class SidebarPainter {
 public:
  virtual ~SidebarPainter() = default;
  // A rendering surface like the window's context; null when no context can
  // be had.
  virtual std::unique_ptr<SidebarSurface> BeginSidebar(WindowHandle window) = 0;
  // The screen's vertical pixels per inch; 0 when unknown.
  virtual int ScreenPixelsPerInchY() = 0;
};

}  // namespace vantrel
