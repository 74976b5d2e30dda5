// The menu engine's drawing primitives. Item drawing, the sidebar and the
// measurement paint only through these, so their decisions can be checked
// by recording the calls; the real implementation draws with GDI.
#pragma once

#include <cstdint>

#include "platform/menu_fonts.h"

namespace vantrel {

// A rectangle in pixels; right and bottom are exclusive.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A bitmap as a plain number; 0 is none.
using BitmapHandle = std::uintptr_t;

// What SetDrawObject sets.
enum class DrawObjectKind : int { Brush = 0, Pen = 1, TextColour = 2 };

// The brush and pen a context had before SetDrawObject put the engine's own
// in; 0 when nothing is saved. The engine keeps one for its menu loop.
struct SavedDrawObjects {
  std::uintptr_t SavedBrush = 0;
  std::uintptr_t SavedPen = 0;
};

// Colours are 0x00BBGGRR; a negative colour names a system colour by its low
// byte. System colour indexes (lightIndex, darkIndex) are COLOR_* numbers.
class MenuCanvas {
 public:
  virtual ~MenuCanvas() = default;

  // Paints left <= x < right, top <= y < bottom in fill, its outermost ring
  // in border (border -1: in fill too). Nothing happens without a context.
  virtual void FillBox(DeviceContext dc, int left, int top, int right, int bottom,
                       std::int32_t fill, std::int32_t border) = 0;

  // A raised or sunken frame, or (linesOnly) a pair of horizontal lines: an
  // etched separator, or a raised one when sunken. Invisible frames are drawn
  // in the menu colour, which erases them.
  virtual void Draw3DFrame(DeviceContext dc, int left, int top, int right, int bottom,
                           bool visible, bool sunken, bool linesOnly, int width1, int width2,
                           int lightIndex, int darkIndex) = 0;

  // Banded gradient: colourA at the left and colourB at the right, or
  // (vertical) colourB at the top and colourA at the bottom.
  virtual void GradientFill(std::int32_t colourA, std::int32_t colourB, bool horizontal,
                            DeviceContext dc, const PixelRect& rect) = 0;

  // Copies bitmap (sourceRect of it; the whole bitmap when sourceRect's
  // right/bottom are 0) into destRect at its top-left, leaving the pixels of
  // transparentColour showing the background (backDc at backX, backY, or the
  // destination itself). width and height are the drawn size (0: the
  // source's); they come back shrunk to fit destRect, never enlarged.
  // transparentColour -1 takes the source's top-left pixel; any other
  // negative value names a system colour by its low byte. The copy's own
  // source context is always released; keepSourceDc is kept for callers that
  // pass it and changes nothing.
  virtual void TransparentCopy(DeviceContext destDc, const PixelRect& destRect, BitmapHandle bitmap,
                               const PixelRect& sourceRect, std::int32_t transparentColour, int& width,
                               int& height, DeviceContext backDc, int backX, int backY, bool flipH,
                               bool flipV, bool keepSourceDc) = 0;

  // create: puts a solid brush (and, withPen, a pen), a pen of width, or the
  // text colour into dc, remembering the replaced brush and pen in saved.
  // !create: selects the saved brush and/or pen back and deletes the
  // engine's own.
  virtual void SetDrawObject(bool create, DeviceContext dc, DrawObjectKind kind, std::int32_t colour,
                             bool withPen, int width, SavedDrawObjects& saved) = 0;
};

}  // namespace vantrel
