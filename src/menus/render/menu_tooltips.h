// The tooltip events of the engine: on every highlight change the tooltip
// text of the highlighted item goes to the cTips object the hooked window's
// host registered, and the closing of the menus is announced to it.
#pragma once

#include <cstdint>

#include "menus/model/menu_engine_parts.h"
#include "platform/menu_access.h"

namespace vantrel {

class modMenus;

class MenuTooltips final : public MenuTipEvents {
 public:
  // Both must outlive this object.
  MenuTooltips(modMenus& engine, MenuAccess& menus) : engine_(engine), menus_(menus) {}

  // itemParam and menuParam are the menu-select parameters (low word: item
  // command or position; high word: menu flags; the popup), lastMenu the
  // last popup that reported a highlight; all 0 when the menus close.
  void NotifyMenuTip(std::uintptr_t itemParam, std::intptr_t menuParam, MenuHandle lastMenu) override;

 private:
  modMenus& engine_;
  MenuAccess& menus_;
};

}  // namespace vantrel
