#include "menus/model/c_menu_items.h"

#include <cmath>
#include <limits>

namespace vantrel {

namespace {

// A raw caption no menu can hold: restored records never match again.
std::string StaleCaption(int n) { return std::string("\x01\x02\x03") + CStr(n); }

}  // namespace

cMenuItems::cMenuItems(const MenuHandlerServices& services) : services_(services) {
  items_.emplace_back();
  panels_.emplace_back();
  sizeRestriction_.maxSize.x = -1;  // nothing stored
}

cMenuItems::~cMenuItems() { DeletePanelBitmaps(); }

void cMenuItems::DeletePanelBitmaps() {
  for (MenuPanelData& panel : panels_) {
    if (panel.PanelBitmap != 0 && services_.graphics != nullptr) services_.graphics->DeleteGraphicsObject(panel.PanelBitmap);
    panel.PanelBitmap = 0;
  }
}

void cMenuItems::InitializeSubMenu(WindowHandle hForm, const PictureList* oImgList, std::uintptr_t CallBacks,
                                   bool bNoSysMenu, MenuHandle TimeConsumingMenu, std::string_view DefaultTip,
                                   std::int32_t /*Flags*/) {
  form_ = hForm;

  // Registering the value already current changes nothing, so a repeated
  // binding keeps the value a zero can bring back.
  if (CallBacks == 0) {
    callBacks_ = previousCallBacks_;
  } else if (CallBacks != callBacks_) {
    previousCallBacks_ = callBacks_;
    callBacks_ = CallBacks;
  }

  if (oImgList != nullptr) imageList_ = oImgList;

  if (!bNoSysMenu && systemMenu_ == 0) {
    systemMenu_ = services_.menus.GetSystemMenu(hForm, false);
    if (systemMenu_ != 0) {
      bool isSysMenu = true;
      IsWindowList(systemMenu_, isSysMenu);
    }
  }

  if (TimeConsumingMenu != 0) {
    // The panels start over; their rendered sidebars go with them, and so do
    // the keys that named them.
    DeletePanelBitmaps();
    panels_.assign(1, MenuPanelData{});
    panelIndex_.clear();
    MenuPanelData slow;
    slow.SlowPanel = true;
    panels_.push_back(slow);
    panelIndex_[MenuPanelKey(TimeConsumingMenu)] = 1;
  }

  defaultTip_ = std::string(DefaultTip);
}

std::string cMenuItems::Tips(std::int32_t MenuID, MenuHandle hMenu) const {
  if (const auto n = FindItem(MenuID, hMenu)) return Item(*n).ItemTip;
  if (const cMenuItems* delegate = Delegate(hMenu)) return delegate->Tips(MenuID, hMenu);
  return {};
}

bool cMenuItems::RestrictSize(MinMaxRecord& record, bool bSet) {
  if (bSet) {
    sizeRestriction_ = record;
    return false;
  }
  if (sizeRestriction_.maxSize.x < 0) return false;
  record = sizeRestriction_;
  return true;
}

bool cMenuItems::MenuSelected(std::int32_t Index, MenuHandle& hMenu, std::intptr_t lParam) {
  if (services_.preparation == nullptr) return false;
  return services_.preparation->MenuSelected(*this, Index, hMenu, lParam);
}

void cMenuItems::GetMenuItem(std::int32_t ID, MenuHandle hMenu) {
  services_.current.item = MenuItemData{};
  if (const auto n = FindItem(ID, hMenu)) {
    services_.current.item = Item(*n);
  } else if (cMenuItems* delegate = Delegate(hMenu)) {
    delegate->GetMenuItem(ID, hMenu);
  }
}

void cMenuItems::GetPanelItem(MenuHandle hMenu) {
  services_.current.panel = MenuPanelData{};
  if (const auto n = FindPanel(hMenu)) {
    services_.current.panel = Panel(*n);
  } else if (cMenuItems* delegate = Delegate(hMenu)) {
    delegate->GetPanelItem(hMenu);
  }
}

void cMenuItems::UpdateMenuItems(MenuHandle hMenu) {
  const auto panel = FindPanel(hMenu);
  if (!panel) return;
  const std::int32_t sidebarId = Panel(*panel).SidebarID;
  if (sidebarId == 0) return;
  // Without its record there is no caption to put back.
  const auto n = FindItem(sidebarId, hMenu);
  if (!n) return;
  MenuItemData& sidebar = Item(*n);
  if ((sidebar.ItemFlags & item_flag::SidebarRemoved) != 0) {
    sidebar.ItemFlags = static_cast<std::uint16_t>(sidebar.ItemFlags & ~item_flag::SidebarRemoved);
  } else {
    services_.menus.RemoveItem(hMenu, static_cast<std::uint32_t>(sidebarId), MenuItemBy::Command);
  }
  MenuItemInfo plain;
  plain.type = menu_type::String;
  plain.state = (sidebar.ItemFlags & item_flag::Disabled) != 0 ? menu_state::Disabled : 0;
  plain.id = static_cast<std::uint32_t>(sidebarId);
  plain.caption = sidebar.RawCaption;
  if (services_.menus.InsertItem(hMenu, 0, MenuItemBy::Position,
                                 menu_field::Type | menu_field::State | menu_field::Id | menu_field::Caption, plain)) {
    services_.menus.DrawMenuBar(form_);
  }
}

bool cMenuItems::IsWindowList(MenuHandle hSubMenu, bool& bIsSysMenu) {
  if (services_.preparation == nullptr) return false;
  return services_.preparation->IsWindowList(*this, hSubMenu, bIsSysMenu);
}

void cMenuItems::RestoreMenus() {
  MenuAccess& menus = services_.menus;
  for (int p = 1; p <= PanelCount(); ++p) {
    const MenuHandle popup = Panel(p).MenuHandle;
    if (popup == 0 || !menus.IsMenu(popup)) continue;

    // The owner-drawn items this handler has records for, with their
    // submenus; items it does not know are left where they are.
    struct Collected {
      std::uint32_t position;
      int item;
      MenuHandle subMenu;
    };
    std::vector<Collected> collected;
    const int count = menus.GetItemCount(popup);
    for (int position = 0; position < count; ++position) {
      MenuItemInfo info;
      if (!menus.GetItemInfo(popup, static_cast<std::uint32_t>(position), MenuItemBy::Position, info)) continue;
      if ((info.type & menu_type::OwnerDraw) == 0) continue;
      const auto n = FindItem(static_cast<std::int32_t>(info.id), popup);
      if (!n) continue;
      collected.push_back({static_cast<std::uint32_t>(position), *n, info.subMenu});
    }
    // By position, last to first: identifiers repeat (separators) and a
    // removal by command would also search the submenus.
    for (auto it = collected.rbegin(); it != collected.rend(); ++it) {
      menus.RemoveItem(popup, it->position, MenuItemBy::Position);
    }
    // Each goes back where it stood, first to last, so the items left in
    // place and the restored ones keep their order. Items sharing one record
    // (the separators of a popup all have the identifier 0) are all restored
    // from it before it is made stale.
    for (const Collected& c : collected) {
      const MenuItemData& record = Item(c.item);
      MenuItemInfo plain;
      const bool separator = (record.ItemFlags & item_flag::Separator) != 0 && record.RawCaption.empty();
      plain.type = separator ? menu_type::Separator : menu_type::String;
      plain.state = 0;
      if ((record.ItemFlags & item_flag::Checked) != 0) plain.state |= menu_state::Checked;
      if ((record.ItemFlags & item_flag::Disabled) != 0) plain.state |= menu_state::Grayed | menu_state::Disabled;
      plain.id = static_cast<std::uint32_t>(record.ItemID);
      plain.subMenu = c.subMenu;
      plain.caption = record.RawCaption;
      std::uint32_t fields = menu_field::Type | menu_field::State | menu_field::Id | menu_field::SubMenu;
      if (!separator) fields |= menu_field::Caption;
      menus.InsertItem(popup, c.position, MenuItemBy::Position, fields, plain);
    }
    for (const Collected& c : collected) Item(c.item).RawCaption = StaleCaption(c.item);
  }
}

void cMenuItems::EraseItemKeysOf(int n) {
  for (auto it = itemIndex_.begin(); it != itemIndex_.end();) {
    if (it->second == n) {
      it = itemIndex_.erase(it);
    } else {
      ++it;
    }
  }
}

void cMenuItems::DestroyPopup(MenuHandle /*hMenu*/, std::int32_t /*hMenuID*/) {
  if (ItemCount() >= 1) {
    // Its keys go too, so that every key names an existing record.
    EraseItemKeysOf(ItemCount());
    items_.pop_back();
  }
  if (!delegates_.empty()) delegates_.pop_back();
}

std::optional<std::size_t> cMenuItems::FindOwnerFormIndex() const {
  const ApplicationForms* forms = services_.forms;
  if (forms == nullptr) return std::nullopt;
  for (std::size_t i = forms->FormCount(); i-- > 0;) {
    if (forms->FormWindow(i) == form_) return i;
  }
  return std::nullopt;
}

std::optional<FormControl> cMenuItems::FindNamedControl(std::string_view Name) const {
  const auto form = FindOwnerFormIndex();
  if (!form) return std::nullopt;
  const std::string_view name = TrimSpaces(Name);
  if (name.empty()) return std::nullopt;
  if (name.back() != ')') return services_.forms->Control(*form, name);

  const std::size_t open = name.rfind('(');
  if (open == std::string_view::npos) return std::nullopt;
  const std::string_view indexText = name.substr(open + 1, name.size() - open - 2);
  const double index = Val(indexText);
  // Only a whole index names an element.
  if (index != std::floor(index) || index < std::numeric_limits<int>::min() || index > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return services_.forms->ControlItem(*form, name.substr(0, open), static_cast<int>(index));
}

PictureHandle cMenuItems::NamedPicture(std::string_view name) const {
  const auto control = FindNamedControl(name);
  return control ? control->picture : 0;
}

std::optional<int> cMenuItems::FindItem(std::string_view key) const {
  const auto it = itemIndex_.find(std::string(key));
  if (it == itemIndex_.end()) return std::nullopt;
  return it->second;
}

int cMenuItems::AddItem(MenuItemData record, MenuHandle hMenu) {
  const std::string key = MenuItemKey(record.ItemID, hMenu);
  items_.push_back(std::move(record));
  const int n = ItemCount();
  itemIndex_.emplace(key, n);
  return n;
}

bool cMenuItems::AddItemKey(std::string key, int n) {
  if (n < 1 || n > ItemCount()) return false;
  return itemIndex_.emplace(std::move(key), n).second;
}

bool cMenuItems::RemoveItemKey(std::string_view key) { return itemIndex_.erase(std::string(key)) != 0; }

std::optional<int> cMenuItems::FindPanel(MenuHandle hMenu) const {
  const auto it = panelIndex_.find(MenuPanelKey(hMenu));
  if (it == panelIndex_.end()) return std::nullopt;
  return it->second;
}

int cMenuItems::AddPanel(MenuPanelData panel) {
  const std::string key = MenuPanelKey(panel.MenuHandle);
  panels_.push_back(panel);
  const int n = PanelCount();
  panelIndex_.emplace(key, n);
  return n;
}

void cMenuItems::ReplacePanelBitmap(int n, std::uintptr_t bitmap) {
  MenuPanelData& panel = Panel(n);
  if (panel.PanelBitmap != 0 && panel.PanelBitmap != bitmap && services_.graphics != nullptr) {
    services_.graphics->DeleteGraphicsObject(panel.PanelBitmap);
  }
  panel.PanelBitmap = bitmap;
}

cMenuItems* cMenuItems::Delegate(MenuHandle hMenu) const {
  const std::string key = MenuDelegateKey(hMenu);
  for (const auto& [k, handler] : delegates_) {
    if (k == key) return handler.get();
  }
  return nullptr;
}

bool cMenuItems::AddDelegate(MenuHandle hMenu, std::unique_ptr<cMenuItems> handler) {
  if (handler == nullptr || Delegate(hMenu) != nullptr) return false;
  delegates_.emplace_back(MenuDelegateKey(hMenu), std::move(handler));
  return true;
}

bool cMenuItems::RemoveDelegate(MenuHandle hMenu) {
  const std::string key = MenuDelegateKey(hMenu);
  for (auto it = delegates_.begin(); it != delegates_.end(); ++it) {
    if (it->first == key) {
      delegates_.erase(it);
      return true;
    }
  }
  return false;
}

}  // namespace vantrel
