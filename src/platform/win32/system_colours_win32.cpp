#include <windows.h>

#include "platform/system_colours.h"

namespace vantrel {
namespace {

class Win32SystemColoursImpl final : public SystemColours {
 public:
  std::uint32_t SysColor(int index) const override { return static_cast<std::uint32_t>(GetSysColor(index)); }
};

}  // namespace

const SystemColours& Win32SystemColours() {
  // Stateless: every call reads the live colour scheme.
  static const Win32SystemColoursImpl colours;
  return colours;
}

}  // namespace vantrel
