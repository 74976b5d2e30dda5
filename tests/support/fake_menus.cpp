#include "support/fake_menus.h"

#include <stdexcept>

namespace vantrel::test {

namespace {

void Apply(MenuItemInfo& item, std::uint32_t fields, const MenuItemInfo& info) {
  if ((fields & menu_field::Type) != 0) item.type = info.type;
  if ((fields & menu_field::State) != 0) item.state = info.state;
  if ((fields & menu_field::Id) != 0) item.id = info.id;
  if ((fields & menu_field::SubMenu) != 0) item.subMenu = info.subMenu;
  if ((fields & menu_field::Data) != 0) item.itemData = info.itemData;
  if ((fields & menu_field::Caption) != 0) item.caption = info.caption;
}

}  // namespace

MenuHandle FakeMenus::AddPopup(MenuHandle handle) {
  if (handle == 0) {
    while (menus_.count(next_) != 0) next_ += 2;
    handle = next_;
    next_ += 2;
  }
  if (menus_.count(handle) != 0) throw std::logic_error("menu handle taken");
  menus_[handle];
  return handle;
}

MenuHandle FakeMenus::AddPopupWithCaptions(const std::vector<std::string>& captions, std::uint32_t firstId,
                                           MenuHandle handle) {
  const MenuHandle menu = AddPopup(handle);
  for (const std::string& caption : captions) {
    MenuItemInfo item;
    item.id = firstId++;
    item.caption = caption;
    menus_[menu].push_back(item);
  }
  return menu;
}

const std::vector<MenuItemInfo>& FakeMenus::Items(MenuHandle menu) const { return menus_.at(menu); }
std::vector<MenuItemInfo>& FakeMenus::Items(MenuHandle menu) { return menus_.at(menu); }

int FakeMenus::Find(MenuHandle menu, std::uint32_t item, MenuItemBy by) const {
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return -1;
  const auto& items = it->second;
  if (by == MenuItemBy::Position) return item < items.size() ? static_cast<int>(item) : -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].id == item) return static_cast<int>(i);
  }
  return -1;
}

int FakeMenus::GetItemCount(MenuHandle menu) {
  const auto it = menus_.find(menu);
  return it == menus_.end() ? -1 : static_cast<int>(it->second.size());
}

bool FakeMenus::GetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, MenuItemInfo& info) {
  const int i = Find(menu, item, by);
  if (i < 0) return false;
  info = menus_[menu][static_cast<std::size_t>(i)];
  if ((info.type & menu_type::OwnerDraw) != 0) info.caption.clear();
  if (info.caption.size() > kMenuCaptionBuffer - 1) info.caption.resize(kMenuCaptionBuffer - 1);
  return true;
}

bool FakeMenus::SetItemInfo(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                            const MenuItemInfo& info) {
  const int i = Find(menu, item, by);
  if (i < 0) return false;
  Apply(menus_[menu][static_cast<std::size_t>(i)], fields, info);
  return true;
}

bool FakeMenus::InsertItem(MenuHandle menu, std::uint32_t item, MenuItemBy by, std::uint32_t fields,
                           const MenuItemInfo& info) {
  if (failInsertions_) return false;
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return false;
  auto& items = it->second;
  std::size_t at = items.size();
  if (by == MenuItemBy::Position) {
    if (item < items.size()) at = item;
  } else {
    const int i = Find(menu, item, by);
    if (i < 0) return false;
    at = static_cast<std::size_t>(i);
  }
  MenuItemInfo created;
  Apply(created, fields, info);
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), created);
  return true;
}

bool FakeMenus::RemoveItem(MenuHandle menu, std::uint32_t item, MenuItemBy by) {
  const int i = Find(menu, item, by);
  if (i < 0) return false;
  auto& items = menus_[menu];
  items.erase(items.begin() + i);
  return true;
}

MenuHandle FakeMenus::GetSystemMenu(WindowHandle window, bool revert) {
  if (revert) {
    systemMenuReverts_.push_back(window);
    return 0;
  }
  ++systemMenuReads_;
  const auto it = systemMenus_.find(window);
  return it == systemMenus_.end() ? 0 : it->second;
}

MenuHandle FakeMenus::GetSubMenu(MenuHandle menu, int position) {
  if (position < 0) return 0;
  const int i = Find(menu, static_cast<std::uint32_t>(position), MenuItemBy::Position);
  return i < 0 ? 0 : menus_[menu][static_cast<std::size_t>(i)].subMenu;
}

std::uint32_t FakeMenus::GetItemID(MenuHandle menu, int position) {
  if (position < 0) return kNoMenuItemID;
  const int i = Find(menu, static_cast<std::uint32_t>(position), MenuItemBy::Position);
  if (i < 0) return kNoMenuItemID;
  const MenuItemInfo& item = menus_[menu][static_cast<std::size_t>(i)];
  return item.subMenu != 0 ? kNoMenuItemID : item.id;
}

bool FakeMenus::DestroyMenu(MenuHandle menu) {
  if (menus_.erase(menu) == 0) return false;
  destroyed_.push_back(menu);
  return true;
}

bool FakeMenus::AppendItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t idOrSubMenu, std::string_view text) {
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return false;
  MenuItemInfo item;
  item.type = flags & (menu_append::OwnerDraw | menu_append::Separator);
  item.state = flags & (menu_append::Grayed | menu_append::Disabled | menu_append::Checked);
  if ((flags & menu_append::Popup) != 0) {
    item.subMenu = idOrSubMenu;
    item.id = static_cast<std::uint32_t>(idOrSubMenu);
  } else {
    item.id = static_cast<std::uint32_t>(idOrSubMenu);
  }
  if ((flags & menu_append::Separator) == 0) item.caption = std::string(text);
  it->second.push_back(item);
  return true;
}

}  // namespace vantrel::test
