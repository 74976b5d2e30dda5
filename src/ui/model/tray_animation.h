// The one-second tick of the tray icon: the next of the three frames, and a
// new shade of red for the window's title.
#pragma once

#include <cstdint>

namespace vantrel {

class TrayAnimation {
 public:
  // The frame to show after this tick: 1, 2, 0, 1, 2, 0, ...
  int NextFrame();
  int Frame() const { return frame_; }

  // A red of intensity 1..255 (0x000000RR) from a fraction in [0, 1).
  static std::uint32_t TitleColour(double randomFraction);

 private:
  int frame_ = 0;
};

}  // namespace vantrel
