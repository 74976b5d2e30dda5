// Menus as the menu engine reads and rewrites them: items by position or by
// command, their type, state, identifier, submenu, item data and caption.
// Menus and windows are plain numbers here; 0 is none.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/unique_handle.h"

namespace vantrel {

using MenuHandle = std::uintptr_t;
using WindowHandle = std::uintptr_t;

// Type bits of a menu item (the system's own values).
namespace menu_type {
inline constexpr std::uint32_t String = 0x0;
inline constexpr std::uint32_t BarBreak = 0x20;
inline constexpr std::uint32_t ColumnBreak = 0x40;
inline constexpr std::uint32_t OwnerDraw = 0x100;
inline constexpr std::uint32_t Separator = 0x800;
}  // namespace menu_type

// State bits of a menu item.
namespace menu_state {
inline constexpr std::uint32_t Grayed = 0x1;
inline constexpr std::uint32_t Disabled = 0x2;
inline constexpr std::uint32_t Checked = 0x8;
inline constexpr std::uint32_t Default = 0x1000;
}  // namespace menu_state

// Flags of an appended item.
namespace menu_append {
inline constexpr std::uint32_t String = 0x0;
inline constexpr std::uint32_t Grayed = 0x1;
inline constexpr std::uint32_t Disabled = 0x2;
inline constexpr std::uint32_t Checked = 0x8;
inline constexpr std::uint32_t Popup = 0x10;
inline constexpr std::uint32_t OwnerDraw = 0x100;
inline constexpr std::uint32_t Separator = 0x800;
}  // namespace menu_append

// Which fields of a MenuItemInfo a write sets.
namespace menu_field {
inline constexpr std::uint32_t Type = 0x1;
inline constexpr std::uint32_t State = 0x2;
inline constexpr std::uint32_t Id = 0x4;
inline constexpr std::uint32_t SubMenu = 0x8;
inline constexpr std::uint32_t Data = 0x10;
inline constexpr std::uint32_t Caption = 0x20;
inline constexpr std::uint32_t All = 0x3F;
}  // namespace menu_field

// One menu item as read or written.
struct MenuItemInfo {
  std::uint32_t type = 0;
  std::uint32_t state = 0;
  std::uint32_t id = 0;
  MenuHandle subMenu = 0;
  std::uintptr_t itemData = 0;
  // The item's text; an owner-drawn item reads back with none.
  std::string caption;
  friend bool operator==(const MenuItemInfo&, const MenuItemInfo&) = default;
};

// How an item is named: by its zero-based position, or by its command
// identifier (the first item with that identifier).
enum class MenuItemBy { Position, Command };

inline constexpr std::uint32_t kNoMenuItemID = 0xFFFFFFFFu;
// Longest caption read back, its terminating zero included.
inline constexpr std::size_t kMenuCaptionBuffer = 1024;

class MenuAccess {
 public:
  virtual ~MenuAccess() = default;

  // Number of items; -1 when menu is not a menu.
  virtual int GetItemCount(MenuHandle menu) = 0;
  // Reads every field of one item, the caption cut to kMenuCaptionBuffer - 1
  // bytes. False (info untouched) when there is no such item.
  virtual bool GetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, MenuItemInfo& info) = 0;
  // Writes the fields named by fields (menu_field bits).
  virtual bool SetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                           const MenuItemInfo& info) = 0;
  // Inserts a new item before the given one (past the end: appended).
  virtual bool InsertItem(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                          const MenuItemInfo& info) = 0;
  // Takes the item out of the menu; a submenu it opened is not destroyed.
  virtual bool RemoveItem(MenuHandle menu, std::uint32_t item, MenuItemBy by) = 0;
  virtual bool IsMenu(MenuHandle menu) = 0;
  // The window's system menu, the copy the program may change; with revert,
  // the window's default system menu is given back and the result is 0.
  virtual MenuHandle GetSystemMenu(WindowHandle window, bool revert) = 0;
  // The submenu opened by the item at position; 0 when none.
  virtual MenuHandle GetSubMenu(MenuHandle menu, int position) = 0;
  // Command identifier of the item at position; kNoMenuItemID when it opens
  // a submenu or does not exist.
  virtual std::uint32_t GetItemID(MenuHandle menu, int position) = 0;
  // A new empty popup menu, owned by the caller (see UniqueMenu); 0 on failure.
  virtual MenuHandle CreatePopupMenu() = 0;
  virtual bool DestroyMenu(MenuHandle menu) = 0;
  // Appends an item: flags are menu_append bits; idOrSubMenu is the command
  // identifier, or the submenu with menu_append::Popup.
  virtual bool AppendItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t idOrSubMenu,
                          std::string_view text) = 0;
  // Redraws the window's menu bar.
  virtual bool DrawMenuBar(WindowHandle window) = 0;
};

// Destroys a menu through the interface it was made with.
struct MenuAccessTraits {
  using Handle = MenuHandle;
  MenuAccess* menus = nullptr;
  static Handle Null() noexcept { return 0; }
  bool Close(Handle menu) const { return menus != nullptr && menus->DestroyMenu(menu); }
};

// Owner of a popup menu the program created: destroyed exactly once, moved
// but never copied. Release() hands it to a parent menu that destroys it.
class UniqueMenu : public UniqueHandle<MenuAccessTraits> {
 public:
  UniqueMenu() = default;
  UniqueMenu(MenuAccess& menus, MenuHandle menu) : UniqueHandle(menu, MenuAccessTraits{.menus = &menus}) {}
};

// A new popup menu and its owner.
inline UniqueMenu MakePopupMenu(MenuAccess& menus) { return UniqueMenu(menus, menus.CreatePopupMenu()); }

}  // namespace vantrel
