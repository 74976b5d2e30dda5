// The popup preparation and the generated list menus, as the per-window
// handler reaches them. The preparation turns a popup about to open into
// owner-drawn items with their records and measurements; the list menus
// turn the choice of a generated item into a selection.
#pragma once

#include <cstdint>

#include "platform/menu_access.h"

namespace vantrel {

class cMenuItems;

class MenuPreparation {
 public:
  virtual ~MenuPreparation() = default;
  // Prepares popup for handler. isSysMenu becomes true when the popup turns
  // out to be a system menu. True when the popup holds window-list items
  // (such a popup is prepared again at every opening).
  virtual bool IsWindowList(cMenuItems& handler, MenuHandle popup, bool& isSysMenu) = 0;
  // Selection of a generated list item; true when the command was consumed.
  virtual bool MenuSelected(cMenuItems& handler, std::int32_t index, MenuHandle& menu, std::intptr_t lParam) = 0;
};

}  // namespace vantrel
