// The draw request of an owner-drawn item, in the program's own terms: what
// to draw (control type, item, action, state), where (context, rectangle)
// and the item data the owner gave the item.
#pragma once

#include <cstdint>

#include "platform/menu_canvas.h"

namespace vantrel {

// Item action bits.
namespace draw_action {
inline constexpr std::uint32_t DrawEntire = 0x1;
inline constexpr std::uint32_t Select = 0x2;
inline constexpr std::uint32_t Focus = 0x4;
}  // namespace draw_action

// Item state bits.
namespace draw_state {
inline constexpr std::uint32_t Selected = 0x1;
}  // namespace draw_state

// Control type of a menu item.
inline constexpr std::uint32_t kDrawMenuControl = 1;

struct DrawItemRecord {
  std::uint32_t controlType = 0;
  std::uint32_t controlId = 0;
  std::uint32_t itemId = 0;
  std::uint32_t itemAction = 0;
  std::uint32_t itemState = 0;
  // For a menu: the popup that holds the item.
  std::uintptr_t itemWindow = 0;
  DeviceContext dc = 0;
  PixelRect rect;
  std::uintptr_t itemData = 0;
  friend bool operator==(const DrawItemRecord&, const DrawItemRecord&) = default;
};

class DrawRequestReader {
 public:
  virtual ~DrawRequestReader() = default;
  // Reads the request at the address a draw message carries; false when the
  // address holds none.
  virtual bool ReadDrawItem(std::intptr_t address, DrawItemRecord& record) = 0;
};

}  // namespace vantrel
