#include "ui/model/tray_animation.h"

namespace vantrel {

int TrayAnimation::NextFrame() {
  ++frame_;
  if (frame_ > 2) frame_ = 0;
  return frame_;
}

std::uint32_t TrayAnimation::TitleColour(double randomFraction) {
  if (!(randomFraction >= 0.0)) randomFraction = 0.0;
  if (randomFraction >= 1.0) randomFraction = 0.999999;
  const auto c = static_cast<std::uint32_t>(randomFraction * 255.0 + 1.0);
  return c > 255 ? 255u : c;
}

}  // namespace vantrel
