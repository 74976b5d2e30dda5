// Font sizes of the menu engine: points from the system menu font's height,
// the small font's points, and the height a size in points is built with
// on a screen of a given resolution. Both the font table of the drawing and
// the sidebar of the preparation size their fonts by these rules.
#pragma once

#include <cstdint>

namespace vantrel {

// The menu font size in points from the menu font's height in pixels:
// |height| x 0.72, in single precision.
float MenuFontSizeFromHeight(std::int32_t height);

// Points of the small font: 0.8 of the menu font size when that is at least
// 7.5, else half a point less.
float SmallFontPoints(float menuFontSize);

// Twips per pixel of a screen with that many pixels per inch (15 at 96);
// 15 when the resolution is unknown.
double TwipsPerPixelFor(int pixelsPerInch);

// The font height of a size in points: -(points x 20 / twipsPerPixelY),
// rounded half to even.
std::int32_t MenuFontHeight(float points, double twipsPerPixelY);

}  // namespace vantrel
