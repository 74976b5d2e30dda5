#include "menus/model/menu_font_sizes.h"

#include <cstdlib>

#include "common/text.h"

namespace vantrel {

float MenuFontSizeFromHeight(std::int32_t height) {
  return static_cast<float>(std::abs(static_cast<long long>(height))) * 0.72f;
}

float SmallFontPoints(float menuFontSize) {
  const float reduced = menuFontSize * 0.8f;
  return reduced >= 7.5f ? reduced : menuFontSize - 0.5f;
}

double TwipsPerPixelFor(int pixelsPerInch) { return pixelsPerInch > 0 ? 1440.0 / pixelsPerInch : 15.0; }

std::int32_t MenuFontHeight(float points, double twipsPerPixelY) {
  return static_cast<std::int32_t>(-RoundHalfEven(static_cast<double>(points) * 20.0 / twipsPerPixelY));
}

}  // namespace vantrel
