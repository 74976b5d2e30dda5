// The forms place and size their windows in twips, as the program stores
// places; the screen is taken at 96 dots an inch, 15 twips a pixel.
#pragma once

#include "common/text.h"

namespace vantrel {

inline constexpr int kTwipsPerPixel = 15;

// Twips as whole pixels, rounded half to even.
inline int PixelsFromTwips(double twips) { return static_cast<int>(RoundHalfEven(twips / kTwipsPerPixel)); }

}  // namespace vantrel
