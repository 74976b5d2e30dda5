#include "menus/model/popup_preparation.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <exception>

#include "common/text.h"
#include "menus/model/caption_markup.h"
#include "menus/model/file_information.h"
#include "menus/model/picture_looks.h"

namespace vantrel {
namespace {

bool Has(std::uint32_t flags, std::uint32_t bit) { return (flags & bit) != 0; }
bool Present(std::string_view markup, std::string_view key) { return !GetMarkupValue(markup, key).empty(); }

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
  std::string result;
  std::size_t start = 0;
  for (;;) {
    const std::size_t p = text.find(what, start);
    if (p == std::string_view::npos) break;
    result.append(text.substr(start, p - start));
    result.append(with);
    start = p + what.size();
  }
  result.append(text.substr(start));
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

bool HasUpperCase(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// A caption as read: character 0 bytes dropped, blanks trimmed.
std::string CleanCaption(std::string_view caption) {
  std::string cleaned;
  cleaned.reserve(caption.size());
  for (const char c : caption) {
    if (c != '\0') cleaned.push_back(c);
  }
  return std::string(TrimSpaces(cleaned));
}

// A whole 32-bit number from a markup number; out of range counts as 0.
std::int32_t WholeNumber(double value) {
  if (std::isnan(value)) return 0;
  const long long whole = RoundHalfEven(value);
  if (whole < INT32_MIN || whole > INT32_MAX) return 0;
  return static_cast<std::int32_t>(whole);
}

// A window handle written in decimal: 32-bit values, the negative ones
// sign-extended as the system does; 0 when the number is none.
WindowHandle WindowFromNumber(double value) {
  if (std::isnan(value)) return 0;
  const long long whole = RoundHalfEven(value);
  if (whole < INT32_MIN || whole > static_cast<long long>(UINT32_MAX)) return 0;
  if (whole < 0) return static_cast<WindowHandle>(static_cast<std::intptr_t>(whole));
  return static_cast<WindowHandle>(whole);
}

constexpr std::uint16_t kReplacedFlags = item_flag::Disabled | item_flag::Checked | item_flag::Default;

}  // namespace

MenuPopupPreparation::MenuPopupPreparation(MenuPreparationServices services) : services_(std::move(services)) {
  if (services_.files != nullptr) driveIcon_.emplace(*services_.files);
}

void MenuPopupPreparation::ReleaseEngineResources() {
  if (driveIcon_) driveIcon_->Destroy();
}

bool MenuPopupPreparation::MenuSelected(cMenuItems& handler, std::int32_t index, MenuHandle& menu,
                                        std::intptr_t lParam) {
  if (services_.lists == nullptr) return false;
  return services_.lists->MenuSelected(handler, index, menu, lParam);
}

bool MenuPopupPreparation::IsWindowList(cMenuItems& handler, MenuHandle popup, bool& isSysMenu) {
  try {
    // A generated list popup is prepared by the handler that serves it.
    if (cMenuItems* delegate = handler.Delegate(popup)) {
      bool delegateSysMenu = false;
      delegate->IsWindowList(popup, delegateSysMenu);
      return false;
    }
    return PreparePopup(handler, popup, isSysMenu);
  } catch (const std::exception&) {
    return false;
  }
}

// What the preparation of one popup carries from item to item: the layout
// of its columns, where the current column stands, and what the items told
// of the popup.
struct MenuPopupPreparation::PopupPass {
  MenuHandle popup = 0;
  PopupLayout layout;
  // A column wraps past this height; without a known screen height nothing
  // wraps.
  long long limit = LLONG_MAX;
  long long columnHeight = 0;
  bool sidebarSeen = false;
  // The item after the sidebar starts a column of its own.
  bool breakAfterSidebar = false;
  bool isSysMenu = false;
  bool windowList = false;
};

namespace {

std::uint16_t SetupFlagsOf(const MenuItemInfo& info) {
  std::uint16_t flags = 0;
  if (Has(info.state, menu_state::Grayed | menu_state::Disabled)) flags |= setup_flag::Disabled;
  if (Has(info.state, menu_state::Checked)) flags |= setup_flag::Checked;
  if (Has(info.state, menu_state::Default)) flags |= setup_flag::Default;
  if (info.subMenu != 0) flags |= setup_flag::HasSubMenu;
  return flags;
}

// Writes the item back owner-drawn, with the popup as its item data. Written
// by position: separators and other items may share an identifier, and a
// write by command would also search the submenus. A rewritten item gets the
// owner-draw bit only at a second write.
void WriteItemBack(MenuAccess& menus, MenuHandle popup, std::uint32_t position, const MenuItemInfo& read,
                   std::uint32_t type, std::uint32_t state, MenuHandle newSubMenu, bool rewrite) {
  MenuItemInfo written;
  written.state = state;
  written.id = read.id;
  written.type = rewrite ? type : type | menu_type::OwnerDraw;
  written.itemData = popup;
  std::uint32_t fields = menu_field::State | menu_field::Id | menu_field::Type | menu_field::Data;
  if (read.subMenu != 0 || newSubMenu != 0) {
    written.subMenu = newSubMenu != 0 ? newSubMenu : read.subMenu;
    fields |= menu_field::SubMenu;
  }
  menus.SetItemInfo(popup, position, MenuItemBy::Position, fields, written);
  if (rewrite) {
    written.type |= menu_type::OwnerDraw;
    menus.SetItemInfo(popup, position, MenuItemBy::Position, fields, written);
  }
}

}  // namespace

bool MenuPopupPreparation::PreparePopup(cMenuItems& handler, MenuHandle popup, bool& isSysMenu) {
  MenuAccess& menus = handler.Services().menus;
  // The popup opens anew: its pictures are looked at again.
  if (services_.looks != nullptr) services_.looks->BeginPopup(popup);
  const int count = menus.GetItemCount(popup);
  if (count < 0) return false;  // not a menu

  PopupPass pass;
  pass.popup = popup;
  pass.isSysMenu = isSysMenu;
  pass.layout.ids.assign(static_cast<std::size_t>(count) + 1, 0);
  const int screenHeight = services_.text.ScreenHeight();
  if (screenHeight > 0) pass.limit = screenHeight - kColumnLimitMargin;

  for (int p = 0; p < count; ++p) {
    try {
      PrepareItem(handler, p, pass);
    } catch (const std::exception&) {
      // This item stays as it is; the others are prepared.
    }
  }
  isSysMenu = pass.isSysMenu;

  if (pass.sidebarSeen) PlaceColumns(handler, pass);

  try {
    MeasurePanel(handler, popup, isSysMenu, pass.layout, services_);
  } catch (const std::exception&) {
  }
  menus.DrawMenuBar(handler.Form());
  return pass.windowList;
}

void MenuPopupPreparation::PrepareItem(cMenuItems& handler, int p, PopupPass& pass) {
  MenuAccess& menus = handler.Services().menus;
  const auto position = static_cast<std::uint32_t>(p);
  MenuItemInfo info;
  if (!menus.GetItemInfo(pass.popup, position, MenuItemBy::Position, info)) return;
  const std::string caption = CleanCaption(info.caption);
  const auto id = static_cast<std::int32_t>(info.id);
  const bool hasSubMenu = info.subMenu != 0;

  if (id >= kFirstSysCommandID && !hasSubMenu) {
    pass.isSysMenu = true;
  } else if (id > kLastPlainItemID && !hasSubMenu) {
    pass.windowList = true;
  }
  pass.layout.ids[static_cast<std::size_t>(p) + 1] = id;

  std::uint32_t type = info.type;
  std::uint32_t state = info.state;
  // Column starts are laid out anew below; items of a system menu are
  // written twice, the owner-draw bit only at the second write.
  bool rewrite = false;
  if (Has(type, menu_type::BarBreak | menu_type::ColumnBreak)) {
    type &= ~(menu_type::BarBreak | menu_type::ColumnBreak);
    rewrite = true;
  }
  if (pass.isSysMenu) rewrite = true;

  const ItemSetupResult setup =
      SetupMenuItem(handler, caption, SetupFlagsOf(info), type, state, pass.popup, id, static_cast<std::int16_t>(p));
  long long height = setup.Height;

  if (pass.breakAfterSidebar) {
    pass.layout.breaks.push_back(ColumnBreak{id, p});
    pass.breakAfterSidebar = false;
    pass.columnHeight = 0;
    rewrite = true;
  }
  if (setup.IsSidebar && !pass.sidebarSeen) {
    pass.breakAfterSidebar = true;
    pass.layout.breaks[0] = ColumnBreak{id, p};
    pass.sidebarSeen = true;
    rewrite = true;
    height = 0;
  }

  pass.columnHeight += height;
  if (pass.columnHeight > pass.limit && pass.sidebarSeen) {
    pass.layout.breaks.push_back(ColumnBreak{id, p});
    // Later columns are no taller than the first.
    if (pass.layout.breaks.size() == 3) pass.limit = pass.columnHeight - height;
    pass.columnHeight = height;
  }

  WriteItemBack(menus, pass.popup, position, info, type, state, setup.NewSubMenu, rewrite);
}

// The sidebar of a popup that wraps goes when its markup says "NoScroll";
// every column after the sidebar's begins with a break (the first beside
// the sidebar, the others with a bar).
void MenuPopupPreparation::PlaceColumns(cMenuItems& handler, PopupPass& pass) {
  MenuAccess& menus = handler.Services().menus;
  PopupLayout& layout = pass.layout;
  try {
    if (const auto sidebar = handler.FindItem(layout.breaks[0].id, pass.popup)) {
      MenuItemData& record = handler.Item(*sidebar);
      if (Present(SplitCaption(record.RawCaption).markup, "NoScroll") && layout.breaks.size() > 2) {
        record.ItemFlags |= item_flag::SidebarRemoved;
        menus.RemoveItem(pass.popup, static_cast<std::uint32_t>(layout.breaks[0].position), MenuItemBy::Position);
        layout.breaks.resize(1);
      }
    }
  } catch (const std::exception&) {
  }
  for (std::size_t i = 1; i < layout.breaks.size(); ++i) {
    const auto position = static_cast<std::uint32_t>(layout.breaks[i].position);
    MenuItemInfo info;
    if (!menus.GetItemInfo(pass.popup, position, MenuItemBy::Position, info)) continue;
    info.type |= menu_type::OwnerDraw | (i == 1 ? menu_type::ColumnBreak : menu_type::BarBreak);
    menus.SetItemInfo(pass.popup, position, MenuItemBy::Position, menu_field::Type, info);
  }
}

void MenuPopupPreparation::BindListControl(cMenuItems& handler, MenuItemData& record, std::string_view markup) {
  std::string value = GetMarkupValue(markup, "LB:");
  if (!value.empty()) {
    record.ListKind = 1;
  } else {
    value = GetMarkupValue(markup, "CB:");
    if (!value.empty()) record.ListKind = 0;
  }
  if (value.empty()) return;
  if (IsNumeric(value)) {
    const WindowHandle window = WindowFromNumber(Val(value));
    if (window != 0 && services_.windows != nullptr && services_.windows->IsWindow(window)) {
      record.ListWindow = window;
    }
    return;
  }
  try {
    if (const auto control = handler.FindNamedControl(value)) record.ListWindow = control->window;
  } catch (const std::exception&) {
    // An unknown control leaves the binding as it was.
  }
}

void MenuPopupPreparation::ApplyGeneratedKeys(MenuItemData& record, std::string_view markup,
                                              const std::string& defaultTip) {
  const std::string control = GetMarkupValue(markup, "gControl:");
  if (!control.empty()) {
    record.ListSource = WholeNumber(MarkupNumber(control));
    const std::string kind = GetMarkupValue(markup, "gType:");
    if (!kind.empty()) record.ListKind = static_cast<std::uint8_t>(WholeNumber(MarkupNumber(kind)) & 0xFF);
    if (Present(markup, "LColor:")) record.ItemFlags |= item_flag::ColourItem;
    if (Present(markup, "LFont:")) record.ItemFlags |= item_flag::FontItem;
    const std::string stateCode = GetMarkupValue(markup, "LState:");
    if (!stateCode.empty()) record.RightText = stateCode;
  }

  // File items: the entry is a file name of the folder in "gEXE:".
  const std::string folder = GetMarkupValue(markup, "gEXE:");
  if (!folder.empty()) {
    const std::string path = folder + record.DisplayText;
    record.ImageRef = services_.files != nullptr ? GetShortFileName(path, *services_.files) : path;
    std::string name = PathPart(record.DisplayText, "m");
    const std::string extension = PathPart(record.DisplayText, "E");
    if (!HasUpperCase(name)) name = UCase(name);
    record.DisplayText = name + "." + LowerCase(extension);
    const std::string description =
        services_.files != nullptr ? GetFileDescription(record.ImageRef, *services_.files) : std::string();
    record.ItemTip = description.empty() ? defaultTip : description;
  }

  // Drive items: the entry is a drive root.
  const std::string drive = GetMarkupValue(markup, "LDrv:");
  if (!drive.empty()) {
    const std::size_t slash = drive.find('\\');
    record.ImageRef = slash == std::string::npos ? drive : drive.substr(0, slash + 1);
    if (record.ItemTip == "Removable Media") {
      const PictureHandle icon = driveIcon_ ? driveIcon_->Get(record.ImageRef) : 0;
      record.ImageRef = icon != 0 ? MenuKeyNumber(icon) : std::string();
      record.DisplayText += " Removable";
    } else if (services_.volumes != nullptr) {
      const auto buffer = services_.volumes->LabelBuffer(record.ImageRef);
      const std::string label = buffer ? TextUpToNul(*buffer) : std::string();
      if (!label.empty()) {
        record.DisplayText +=
            record.ItemTip == "Network/Mapped Drive" ? "  (" + label + ")" : " " + label;
      }
    }
  }

  // A submenu's arrow takes the place of the right-hand text.
  if (Has(record.ItemFlags, item_flag::HasSubMenu)) record.RightText.clear();
}

namespace {

// Converted items read back without caption: the record stands, with the
// states the item has now. False when it has no list to expand again.
bool KeepRecord(MenuItemData& record, std::uint16_t itemFlags, std::uint32_t& type, ItemSetupResult& result) {
  record.ItemFlags = static_cast<std::uint16_t>((record.ItemFlags & ~kReplacedFlags) | (itemFlags & kReplacedFlags));
  if (record.ListWindow != 0 || Has(record.ItemFlags, item_flag::OwnsListMenu)) return true;
  if (Has(record.ItemFlags, item_flag::Sidebar)) {
    result.IsSidebar = true;
    record.RightText.clear();
  } else if (Has(record.ItemFlags, item_flag::Separator)) {
    type |= menu_type::Separator;
  }
  return false;
}

void MakeSeparator(MenuItemData& record, std::string_view markup, std::uint32_t& state) {
  record.ItemFlags = item_flag::Separator | item_flag::Disabled;
  if (Present(markup, "RAISED")) record.ItemFlags |= item_flag::RaisedSeparator;
  state = menu_state::Disabled;
  record.RightText.clear();
  record.ImageRef.clear();
  record.ListWindow = 0;
}

}  // namespace

ItemSetupResult MenuPopupPreparation::SetupMenuItem(cMenuItems& handler, std::string_view Caption,
                                                    std::uint16_t ItemFlags, std::uint32_t& Type,
                                                    std::uint32_t& State, MenuHandle hMenu, std::int32_t ID,
                                                    std::int16_t Position) {
  ItemSetupResult result;
  const std::optional<int> found = handler.FindItem(ID, hMenu);
  MenuItemData record = found ? handler.Item(*found) : MenuItemData{};
  std::string markup;
  bool expandLists = true;

  const bool lostDefault = !Has(ItemFlags, item_flag::Default) && Has(record.ItemFlags, item_flag::Default);
  if (found && (Caption.empty() || Caption == record.RawCaption) && !lostDefault) {
    markup = SplitCaption(record.RawCaption).markup;
    expandLists = KeepRecord(record, ItemFlags, Type, result);
  } else {
    // A converted item reads back without caption; one rebuilt for a lost
    // default state is built again from the caption it had.
    const std::string caption = Caption.empty() && found ? record.RawCaption : std::string(Caption);
    markup = BuildRecord(handler, record, caption, ItemFlags, Type, State, Position, result);
  }

  if (expandLists) ExpandLists(handler, record, markup, hMenu, Position, result);
  ResolvePicture(handler, record, markup, hMenu);

  record.ItemID = ID;
  int number = found.value_or(0);
  if (number == 0) {
    number = handler.AddItem(record, hMenu);
  } else {
    handler.Item(number) = record;
  }
  if (result.NewSubMenu != 0) handler.AddItemKey(MenuKeyNumber(result.NewSubMenu) + "." + MenuKeyNumber(hMenu), number);
  result.Height = handler.Item(number).ItemHeight;
  return result;
}

std::string MenuPopupPreparation::BuildRecord(cMenuItems& handler, MenuItemData& record, const std::string& caption,
                                              std::uint16_t itemFlags, std::uint32_t& type, std::uint32_t& state,
                                              std::int16_t position, ItemSetupResult& result) {
  record.RawCaption = caption;
  record.ItemPosition = position;
  record.ItemFlags = itemFlags;
  const CaptionParts parts = SplitCaption(caption);
  const std::string& markup = parts.markup;
  record.DisplayText = ReplaceAll(parts.displayText, "& ", "&& ");
  if (!parts.rightText.empty()) record.RightText = parts.rightText;
  const std::string tip = GetMarkupValue(markup, "TIP:");
  record.ItemTip = tip.empty() ? handler.DefaultTip() : tip;

  if (Present(markup, "SIDEBAR")) {
    if (position == 0) {
      state &= ~menu_state::Checked;
      type &= ~menu_type::Separator;
      record.ItemFlags = static_cast<std::uint16_t>((itemFlags & item_flag::Disabled) | item_flag::Sidebar);
      record.RightText = "Remeasure";
      result.IsSidebar = true;
      return markup;
    }
    record.DisplayText.clear();  // a separator
  }

  if (!record.DisplayText.empty() && record.DisplayText.front() == '-') {
    record.DisplayText.erase(0, 1);
    type |= menu_type::Separator;
  }
  if (record.DisplayText.empty()) type |= menu_type::Separator;
  if (Has(type, menu_type::Separator)) {
    MakeSeparator(record, markup, state);
  } else {
    if (Present(markup, "DEFAULT")) record.ItemFlags |= item_flag::Default;
    if (!markup.empty()) ApplyItemMarkup(handler, record, markup);
  }
  MeasureItemSize(record, markup, handler.Form(), services_);
  return markup;
}

void MenuPopupPreparation::ApplyItemMarkup(cMenuItems& handler, MenuItemData& record, std::string_view markup) {
  const std::string hotKey = GetMarkupValue(markup, "HotKey:");
  if (!hotKey.empty()) record.RightText = hotKey;
  if (!Has(record.ItemFlags, item_flag::HasSubMenu) || record.ListWindow != 0) BindListControl(handler, record, markup);
  ApplyGeneratedKeys(record, markup, handler.DefaultTip());
}

void MenuPopupPreparation::ExpandLists(cMenuItems& handler, MenuItemData& record, std::string_view markup,
                                       MenuHandle hMenu, std::int16_t position, ItemSetupResult& result) {
  std::string_view listKey;
  std::string listValue;
  for (const std::string_view key : kListMenuKeys) {
    listValue = GetMarkupValue(markup, key);
    if (!listValue.empty()) {
      listKey = key;
      break;
    }
  }
  if (!listKey.empty()) {
    if (services_.lists != nullptr) {
      result.NewSubMenu = services_.lists->ExpandListMenu(handler, position, hMenu, listKey, listValue, record.ItemTip);
    }
    record.ItemFlags |= item_flag::OwnsListMenu;
  } else if (record.ListWindow != 0 && services_.lists != nullptr) {
    result.NewSubMenu =
        services_.lists->ExpandListControl(handler, position, hMenu, record.ListKind, record.ListWindow, markup);
  }
  if (result.NewSubMenu != 0) {
    record.ItemFlags |= item_flag::HasSubMenu;
    RemoveRightText(record, handler.Form(), services_);
  }
}

// Pictures are resolved at every preparation: handles may have changed.
void MenuPopupPreparation::ResolvePicture(cMenuItems& handler, MenuItemData& record, std::string_view markup,
                                          MenuHandle hMenu) {
  record.ImageIsBackground = false;
  if (Present(markup, "gControl:") || Has(record.ItemFlags, item_flag::Separator)) return;
  const ResolvedPicture picture = services_.looks != nullptr
                                      ? ResolveItemImage(markup, handler, services_.looks->Of(hMenu))
                                      : ResolveItemImage(markup, handler, services_.pictures);
  if (services_.looks != nullptr) services_.looks->Learn(hMenu, picture);
  record.ImageRef = picture.handle != 0 ? MenuKeyNumber(picture.handle) : std::string();
  if (picture.kind == PictureKind::Bitmap && Present(markup, "IMGBKG")) record.ImageIsBackground = true;
}

}  // namespace vantrel
