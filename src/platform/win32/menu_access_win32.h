// Menu access on the system's menus (the ANSI menu functions).
#pragma once

#include "platform/graphics_objects.h"
#include "platform/menu_access.h"

namespace vantrel {

class Win32MenuAccess final : public MenuAccess {
 public:
  int GetItemCount(MenuHandle menu) override;
  bool GetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, MenuItemInfo& info) override;
  bool SetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                   const MenuItemInfo& info) override;
  bool InsertItem(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                  const MenuItemInfo& info) override;
  bool RemoveItem(MenuHandle menu, std::uint32_t item, MenuItemBy by) override;
  bool IsMenu(MenuHandle menu) override;
  MenuHandle GetSystemMenu(WindowHandle window, bool revert) override;
  MenuHandle GetSubMenu(MenuHandle menu, int position) override;
  std::uint32_t GetItemID(MenuHandle menu, int position) override;
  MenuHandle CreatePopupMenu() override;
  bool DestroyMenu(MenuHandle menu) override;
  bool AppendItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t idOrSubMenu, std::string_view text) override;
  bool DrawMenuBar(WindowHandle window) override;
};

// DeleteObject on the system's drawing objects.
class Win32GraphicsObjects final : public GraphicsObjects {
 public:
  bool DeleteGraphicsObject(std::uintptr_t object) override;
};

}  // namespace vantrel
