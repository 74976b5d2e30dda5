// The current colours of the system's display elements (menu, button face,
// highlight...), as the user's colour scheme sets them.
#pragma once

#include <cstdint>

namespace vantrel {

class SystemColours {
 public:
  virtual ~SystemColours() = default;
  // Colour 0x00BBGGRR of the display element with this index (COLOR_MENU = 4,
  // COLOR_BTNFACE = 15...). Unknown indices give 0.
  virtual std::uint32_t SysColor(int index) const = 0;
};

// The system's own colours (GetSysColor). Windows builds only.
const SystemColours& Win32SystemColours();

}  // namespace vantrel
