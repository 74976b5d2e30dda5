// The arithmetic of the drawing primitives: band colours and rectangles of a
// gradient, the strokes of a 3D frame, the sizes of a transparent copy.
// Plain integer work; the GDI side only carries it out.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/menu_canvas.h"

namespace vantrel {

// The n band colours from start to end, red, green and blue each moving by
// (end - start) / n per band: the first band is one step away from start,
// the last is end. Colours are 0x00BBGGRR; their top byte is ignored.
// Empty when n is not positive.
std::vector<std::int32_t> GradientColours(int n, std::int32_t start, std::int32_t end);

struct GradientBand {
  PixelRect box;
  std::int32_t colour = 0;
  friend bool operator==(const GradientBand&, const GradientBand&) = default;
};

// The bands of a gradient over rect. screenExtent is the screen's width
// (horizontal) or height in pixels, nothing when it could not be read:
// 1-pixel bands when the box spans less than a fifth of the screen, else
// 2-pixel bands (an odd last pixel stays unpainted). Horizontal bands are
// columns from colourA at the left to colourB at the right; vertical bands
// are rows from colourB at the top to colourA at the bottom. Colours must be
// resolved already.
std::vector<GradientBand> GradientBands(std::int32_t colourA, std::int32_t colourB, bool horizontal,
                                        const PixelRect& rect, std::optional<int> screenExtent);

struct FramePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const FramePoint&, const FramePoint&) = default;
};

// One pen stroke: a polyline from points[0] through the others, each line
// excluding its end point.
struct FrameStroke {
  int colourIndex = 0;
  int penWidth = 1;
  std::vector<FramePoint> points;
  friend bool operator==(const FrameStroke&, const FrameStroke&) = default;
};

constexpr int kColourMenu = 4;
constexpr int kColourButtonShadow = 16;
constexpr int kColourButtonHighlight = 20;

// The two strokes of Draw3DFrame, first to second.
std::array<FrameStroke, 2> Draw3DFrameStrokes(int left, int top, int right, int bottom, bool visible,
                                              bool sunken, bool linesOnly, int width1, int width2,
                                              int lightIndex, int darkIndex);

// The sizes a transparent copy works with.
struct TransparentCopySizes {
  int sourceWidth = 0;   // sw: what is taken from the bitmap
  int sourceHeight = 0;  // sh
  int destWidth = 0;     // dw: the destination area copied back
  int destHeight = 0;    // dh
  int width = 0;         // the drawn size, at most dw x dh
  int height = 0;
  friend bool operator==(const TransparentCopySizes&, const TransparentCopySizes&) = default;
};

// Sizes for a copy of a bitmapWidth x bitmapHeight bitmap. width and height
// are the requested drawn size (0: the source's). Nothing when there is
// nothing to draw (an empty source, destination or drawn size), which would
// otherwise divide by zero.
std::optional<TransparentCopySizes> PlanTransparentCopy(const PixelRect& destRect, int bitmapWidth,
                                                        int bitmapHeight, const PixelRect& sourceRect,
                                                        int width, int height);

}  // namespace vantrel
