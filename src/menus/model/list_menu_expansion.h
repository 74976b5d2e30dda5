// The generated list menus as the popup preparation reaches them: an item
// bound to a list control, or carrying a list key, gets a fresh submenu of
// entries at every preparation, and the choice of an entry is a selection.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/menu_access.h"

namespace vantrel {

class cMenuItems;

class ListMenuExpansion {
 public:
  virtual ~ListMenuExpansion() = default;
  // Builds the submenu of a built-in list named by key ("lvColors:"...) for
  // the item at position of popup hMenu; its handle, 0 when none was made.
  virtual MenuHandle ExpandListMenu(cMenuItems& handler, std::int16_t position, MenuHandle hMenu,
                                    std::string_view key, std::string_view value, std::string_view tip) = 0;
  // Builds the submenu of the entries of a list control (listKind 1 list
  // box, 0 combo box); its handle, 0 when none was made.
  virtual MenuHandle ExpandListControl(cMenuItems& handler, std::int16_t position, MenuHandle hMenu,
                                       std::uint8_t listKind, WindowHandle listWindow, std::string_view markup) = 0;
  // Selection of a generated entry; true when the command was consumed.
  virtual bool MenuSelected(cMenuItems& handler, std::int32_t index, MenuHandle& hMenu, std::intptr_t lParam) = 0;
};

// The list keys in the order they are looked for: the first present wins.
inline constexpr std::string_view kListMenuKeys[] = {"lvColors:", "lvMonths:", "lvDays:", "lvStates:",
                                                     "lvMonth:",  "lvFonts:",  "lvDrives:"};

}  // namespace vantrel
