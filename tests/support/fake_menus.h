// Menus in memory, with the rules of the system's menus the engine relies
// on: items by position or by command, owner-drawn items read back without
// caption, captions cut to the read buffer, removal that leaves submenus
// alone. Handles are chosen by the test or handed out from 0x5000 on.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/menu_access.h"

namespace vantrel::test {

class FakeMenus final : public MenuAccess {
 public:
  // A new empty popup; handle 0 takes the next free one.
  MenuHandle AddPopup(MenuHandle handle = 0);
  // A popup holding plain string items with these captions, identifiers
  // firstId, firstId + 1...
  MenuHandle AddPopupWithCaptions(const std::vector<std::string>& captions, std::uint32_t firstId,
                                  MenuHandle handle = 0);
  void SetSystemMenu(WindowHandle window, MenuHandle menu) { systemMenus_[window] = menu; }

  // The items as stored (an owner-drawn item keeps the caption it had).
  const std::vector<MenuItemInfo>& Items(MenuHandle menu) const;
  std::vector<MenuItemInfo>& Items(MenuHandle menu);
  bool Exists(MenuHandle menu) const { return menus_.count(menu) != 0; }

  // What the engine did.
  const std::vector<WindowHandle>& MenuBarRedraws() const { return menuBarRedraws_; }
  const std::vector<WindowHandle>& SystemMenuReverts() const { return systemMenuReverts_; }
  int SystemMenuReads() const { return systemMenuReads_; }
  const std::vector<MenuHandle>& Destroyed() const { return destroyed_; }
  // Every insertion fails while set.
  void FailInsertions(bool fail) { failInsertions_ = fail; }

  int GetItemCount(MenuHandle menu) override;
  bool GetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, MenuItemInfo& info) override;
  bool SetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                   const MenuItemInfo& info) override;
  bool InsertItem(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                  const MenuItemInfo& info) override;
  bool RemoveItem(MenuHandle menu, std::uint32_t item, MenuItemBy by) override;
  bool IsMenu(MenuHandle menu) override { return Exists(menu); }
  MenuHandle GetSystemMenu(WindowHandle window, bool revert) override;
  MenuHandle GetSubMenu(MenuHandle menu, int position) override;
  std::uint32_t GetItemID(MenuHandle menu, int position) override;
  MenuHandle CreatePopupMenu() override { return AddPopup(); }
  bool DestroyMenu(MenuHandle menu) override;
  bool AppendItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t idOrSubMenu, std::string_view text) override;
  bool DrawMenuBar(WindowHandle window) override {
    menuBarRedraws_.push_back(window);
    return true;
  }

 private:
  // Index of the item in menu, -1 when none.
  int Find(MenuHandle menu, std::uint32_t item, MenuItemBy by) const;

  std::map<MenuHandle, std::vector<MenuItemInfo>> menus_;
  std::map<WindowHandle, MenuHandle> systemMenus_;
  MenuHandle next_ = 0x5000;
  std::vector<WindowHandle> menuBarRedraws_;
  std::vector<WindowHandle> systemMenuReverts_;
  int systemMenuReads_ = 0;
  std::vector<MenuHandle> destroyed_;
  bool failInsertions_ = false;
};

}  // namespace vantrel::test
