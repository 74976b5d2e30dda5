#include "platform/win32/menu_access_win32.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace vantrel {

namespace {

HMENU Menu(MenuHandle menu) { return reinterpret_cast<HMENU>(menu); }
HWND Window(WindowHandle window) { return reinterpret_cast<HWND>(window); }
MenuHandle Handle(HMENU menu) { return reinterpret_cast<MenuHandle>(menu); }

// The item description for a write; caption must outlive its use.
MENUITEMINFOA Describe(std::uint32_t fields, const MenuItemInfo& info, std::string& caption) {
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof(mii);
  if ((fields & menu_field::Type) != 0) {
    mii.fMask |= MIIM_FTYPE;
    mii.fType = info.type;
  }
  if ((fields & menu_field::State) != 0) {
    mii.fMask |= MIIM_STATE;
    mii.fState = info.state;
  }
  if ((fields & menu_field::Id) != 0) {
    mii.fMask |= MIIM_ID;
    mii.wID = info.id;
  }
  if ((fields & menu_field::SubMenu) != 0) {
    mii.fMask |= MIIM_SUBMENU;
    mii.hSubMenu = Menu(info.subMenu);
  }
  if ((fields & menu_field::Data) != 0) {
    mii.fMask |= MIIM_DATA;
    mii.dwItemData = info.itemData;
  }
  if ((fields & menu_field::Caption) != 0) {
    caption = info.caption;
    mii.fMask |= MIIM_STRING;
    mii.dwTypeData = caption.data();
    mii.cch = static_cast<UINT>(caption.size());
  }
  return mii;
}

}  // namespace

int Win32MenuAccess::GetItemCount(MenuHandle menu) { return ::GetMenuItemCount(Menu(menu)); }

bool Win32MenuAccess::GetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, MenuItemInfo& info) {
  char buffer[kMenuCaptionBuffer] = {};
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
  mii.dwTypeData = buffer;
  mii.cch = static_cast<UINT>(sizeof(buffer) - 1);
  if (!::GetMenuItemInfoA(Menu(menu), item, by == MenuItemBy::Position, &mii)) return false;
  info.type = mii.fType;
  info.state = mii.fState;
  info.id = mii.wID;
  info.subMenu = Handle(mii.hSubMenu);
  info.itemData = mii.dwItemData;
  // An owner-drawn item has no caption of its own, whatever text it kept.
  if ((mii.fType & MFT_OWNERDRAW) != 0) {
    info.caption.clear();
  } else {
    info.caption.assign(buffer, ::strnlen(buffer, sizeof(buffer) - 1));
  }
  return true;
}

bool Win32MenuAccess::SetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                                  const MenuItemInfo& info) {
  std::string caption;
  MENUITEMINFOA mii = Describe(fields, info, caption);
  return ::SetMenuItemInfoA(Menu(menu), item, by == MenuItemBy::Position, &mii) != 0;
}

bool Win32MenuAccess::InsertItem(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                                 const MenuItemInfo& info) {
  std::string caption;
  MENUITEMINFOA mii = Describe(fields, info, caption);
  return ::InsertMenuItemA(Menu(menu), item, by == MenuItemBy::Position, &mii) != 0;
}

bool Win32MenuAccess::RemoveItem(MenuHandle menu, std::uint32_t item, MenuItemBy by) {
  return ::RemoveMenu(Menu(menu), item, by == MenuItemBy::Position ? MF_BYPOSITION : MF_BYCOMMAND) != 0;
}

bool Win32MenuAccess::IsMenu(MenuHandle menu) { return menu != 0 && ::IsMenu(Menu(menu)) != 0; }

MenuHandle Win32MenuAccess::GetSystemMenu(WindowHandle window, bool revert) {
  return Handle(::GetSystemMenu(Window(window), revert ? TRUE : FALSE));
}

MenuHandle Win32MenuAccess::GetSubMenu(MenuHandle menu, int position) {
  return Handle(::GetSubMenu(Menu(menu), position));
}

std::uint32_t Win32MenuAccess::GetItemID(MenuHandle menu, int position) {
  return ::GetMenuItemID(Menu(menu), position);
}

MenuHandle Win32MenuAccess::CreatePopupMenu() { return Handle(::CreatePopupMenu()); }

bool Win32MenuAccess::DestroyMenu(MenuHandle menu) { return ::DestroyMenu(Menu(menu)) != 0; }

bool Win32MenuAccess::AppendItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t idOrSubMenu,
                                 std::string_view text) {
  const std::string caption(text);
  const bool separator = (flags & menu_append::Separator) != 0;
  return ::AppendMenuA(Menu(menu), flags, idOrSubMenu, separator ? nullptr : caption.c_str()) != 0;
}

bool Win32MenuAccess::DrawMenuBar(WindowHandle window) {
  HWND form = Window(window);
  // A top-level form without a menu bar has nothing to redraw. The call would
  // still recompute and repaint the form's frame (it does under Wine), at
  // every opening of every popup.
  const bool child = (::GetWindowLongPtrA(form, GWL_STYLE) & WS_CHILD) != 0;
  if (::IsWindow(form) && !child && ::GetMenu(form) == nullptr) return true;
  return ::DrawMenuBar(form) != 0;
}

bool Win32GraphicsObjects::DeleteGraphicsObject(std::uintptr_t object) {
  return object != 0 && ::DeleteObject(reinterpret_cast<HGDIOBJ>(object)) != 0;
}

}  // namespace vantrel
