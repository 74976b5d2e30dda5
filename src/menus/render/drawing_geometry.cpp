#include "menus/render/drawing_geometry.h"

#include <algorithm>

#include "common/text.h"

namespace vantrel {
namespace {

struct Rgb {
  float red, green, blue;
};

Rgb Split(std::int32_t colour) {
  const auto value = static_cast<std::uint32_t>(colour);
  return {static_cast<float>(value & 0xFFu), static_cast<float>((value >> 8) & 0xFFu),
          static_cast<float>((value >> 16) & 0xFFu)};
}

std::uint32_t Component(float value) {
  const float limited = std::clamp(value, 0.0f, 255.0f);
  return static_cast<std::uint32_t>(RoundHalfEven(limited));
}

}  // namespace

std::vector<std::int32_t> GradientColours(int n, std::int32_t start, std::int32_t end) {
  std::vector<std::int32_t> colours;
  if (n <= 0) return colours;
  colours.reserve(static_cast<std::size_t>(n));
  const Rgb from = Split(start);
  const Rgb to = Split(end);
  const auto bands = static_cast<float>(n);
  const Rgb step{(to.red - from.red) / bands, (to.green - from.green) / bands, (to.blue - from.blue) / bands};
  // Accumulated band by band in single precision, as the bands are painted.
  Rgb current = from;
  for (int i = 0; i < n; ++i) {
    current.red += step.red;
    current.green += step.green;
    current.blue += step.blue;
    colours.push_back(static_cast<std::int32_t>(Component(current.red) | (Component(current.green) << 8) |
                                                (Component(current.blue) << 16)));
  }
  return colours;
}

std::vector<GradientBand> GradientBands(std::int32_t colourA, std::int32_t colourB, bool horizontal,
                                        const PixelRect& rect, std::optional<int> screenExtent) {
  std::vector<GradientBand> bands;
  const int extent = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
  if (extent <= 0) return bands;
  const int k = screenExtent ? *screenExtent / extent : 0;
  const int step = k > 4 ? 1 : 2;
  const int n = extent / step;
  const std::vector<std::int32_t> colours =
      horizontal ? GradientColours(n, colourA, colourB) : GradientColours(n, colourB, colourA);
  bands.reserve(colours.size());
  for (int i = 0; i < n; ++i) {
    PixelRect box = rect;
    if (horizontal) {
      box.left = rect.left + i * step;
      box.right = box.left + step;
    } else {
      box.top = rect.top + i * step;
      box.bottom = box.top + step;
    }
    bands.push_back({box, colours[static_cast<std::size_t>(i)]});
  }
  return bands;
}

std::array<FrameStroke, 2> Draw3DFrameStrokes(int left, int top, int right, int bottom, bool visible,
                                              bool sunken, bool linesOnly, int width1, int width2,
                                              int lightIndex, int darkIndex) {
  FrameStroke first;
  first.colourIndex = !visible ? kColourMenu : (sunken ? darkIndex : lightIndex);
  first.penWidth = sunken ? width2 : width1;
  FrameStroke second;
  second.colourIndex = !visible ? kColourMenu : (sunken ? lightIndex : darkIndex);
  second.penWidth = sunken ? width1 : width2;
  if (linesOnly) {
    const int y1 = sunken ? top : top - 1;
    const int y2 = sunken ? bottom - 1 : bottom - 2;
    first.points = {{left, y1}, {right - 1, y1}};
    second.points = {{left, y2}, {right - 1, y2}};
  } else {
    first.points = {{left, bottom}, {left, top}, {right, top}};
    second.points = {{right, top}, {right, bottom}, {left, bottom}};
  }
  return {first, second};
}

std::optional<TransparentCopySizes> PlanTransparentCopy(const PixelRect& destRect, int bitmapWidth,
                                                        int bitmapHeight, const PixelRect& sourceRect,
                                                        int width, int height) {
  TransparentCopySizes sizes;
  sizes.sourceWidth = sourceRect.right != 0 ? sourceRect.right - sourceRect.left : bitmapWidth;
  sizes.sourceHeight = sourceRect.bottom != 0 ? sourceRect.bottom - sourceRect.top : bitmapHeight;
  sizes.width = width != 0 ? width : sizes.sourceWidth;
  sizes.height = height != 0 ? height : sizes.sourceHeight;
  sizes.destWidth = destRect.right != 0 ? destRect.right - destRect.left : sizes.width;
  sizes.destHeight = destRect.bottom != 0 ? destRect.bottom - destRect.top : sizes.height;
  if (sizes.sourceWidth <= 0 || sizes.sourceHeight <= 0 || sizes.width <= 0 || sizes.height <= 0 ||
      sizes.destWidth <= 0 || sizes.destHeight <= 0) {
    return std::nullopt;
  }
  if (sizes.destWidth < sizes.width || sizes.destHeight < sizes.height) {
    // Shrunk to fit, keeping the proportions; never enlarged.
    const float ratio = std::min(static_cast<float>(sizes.destWidth) / static_cast<float>(sizes.width),
                                 static_cast<float>(sizes.destHeight) / static_cast<float>(sizes.height));
    sizes.width = static_cast<int>(RoundHalfEven(static_cast<float>(sizes.width) * ratio));
    sizes.height = static_cast<int>(RoundHalfEven(static_cast<float>(sizes.height) * ratio));
    if (sizes.width <= 0 || sizes.height <= 0) return std::nullopt;
  }
  return sizes;
}

}  // namespace vantrel
