// Popup preparation: a popup about to open is read item by item, each item's
// record is built from its caption (or reused when the caption did not
// change), the sidebar gets a column of its own, long popups wrap into
// columns at the screen's height, and every item is written back owner-drawn
// with the popup's handle as its item data. The popup's measurements are
// then completed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "menus/model/c_menu_items.h"
#include "menus/model/icon_sources.h"
#include "menus/model/item_measurement.h"
#include "menus/model/menu_engine_parts.h"
#include "menus/model/menu_preparation.h"
#include "menus/model/preparation_services.h"

namespace vantrel {

// Menu item identifiers with a meaning of their own: system commands from
// kFirstSysCommandID on, window-list items above kLastPlainItemID.
inline constexpr std::int32_t kFirstSysCommandID = 0xF000;
inline constexpr std::int32_t kLastPlainItemID = 0x7FFF;
// The column limit is the screen's height less this.
inline constexpr int kColumnLimitMargin = 7;

// Flags the preparation hands to the set-up of one item.
namespace setup_flag {
inline constexpr std::uint16_t Disabled = item_flag::Disabled;
inline constexpr std::uint16_t Checked = item_flag::Checked;
inline constexpr std::uint16_t Default = item_flag::Default;
inline constexpr std::uint16_t HasSubMenu = item_flag::HasSubMenu;
}  // namespace setup_flag

// What the set-up of one item reports.
struct ItemSetupResult {
  bool IsSidebar = false;
  std::int32_t Height = 0;
  // The submenu a list expansion made for the item; 0 when none.
  MenuHandle NewSubMenu = 0;
  friend bool operator==(const ItemSetupResult&, const ItemSetupResult&) = default;
};

// One preparation serves every handler of the engine; modMenus receives it
// through SetPreparation (and SetEngineResources, for the drive icon it
// keeps while the engine is active).
class MenuPopupPreparation final : public MenuPreparation, public EngineResources {
 public:
  explicit MenuPopupPreparation(MenuPreparationServices services);
  MenuPopupPreparation(const MenuPopupPreparation&) = delete;
  MenuPopupPreparation& operator=(const MenuPopupPreparation&) = delete;
  ~MenuPopupPreparation() override = default;

  // Prepares popup for handler; never throws (a failing step is skipped).
  bool IsWindowList(cMenuItems& handler, MenuHandle popup, bool& isSysMenu) override;
  // The selection of a generated list entry, handed to the list menus; false
  // without them.
  bool MenuSelected(cMenuItems& handler, std::int32_t index, MenuHandle& menu, std::intptr_t lParam) override;
  // Destroys the drive icon of removable drive items.
  void ReleaseEngineResources() override;

  // Builds or refreshes the record of item ID of popup hMenu at Position
  // from its caption. ItemFlags are setup_flag bits; Type and State are the
  // item's menu type and state, changed where the item becomes a separator
  // or the sidebar.
  ItemSetupResult SetupMenuItem(cMenuItems& handler, std::string_view Caption, std::uint16_t ItemFlags,
                                std::uint32_t& Type, std::uint32_t& State, MenuHandle hMenu, std::int32_t ID,
                                std::int16_t Position);

  const MenuPreparationServices& Services() const { return services_; }
  // The drive icon shared by removable drive items; 0 when none is kept.
  PictureHandle DriveIconHandle() const { return driveIcon_ ? driveIcon_->Current() : 0; }

 private:
  struct PopupPass;

  bool PreparePopup(cMenuItems& handler, MenuHandle popup, bool& isSysMenu);
  // Sets up the item at position and writes it back owner-drawn, noting
  // where a column begins.
  void PrepareItem(cMenuItems& handler, int position, PopupPass& pass);
  // Marks the column starts once every item is set up.
  void PlaceColumns(cMenuItems& handler, PopupPass& pass);
  // Builds the record of an item from its caption; gives the caption's
  // markup.
  std::string BuildRecord(cMenuItems& handler, MenuItemData& record, const std::string& caption,
                          std::uint16_t itemFlags, std::uint32_t& type, std::uint32_t& state, std::int16_t position,
                          ItemSetupResult& result);
  // The keys of an ordinary item's markup: hot key, bound list control,
  // generated list entries.
  void ApplyItemMarkup(cMenuItems& handler, MenuItemData& record, std::string_view markup);
  // A list the markup names (or a bound list control) becomes the item's
  // submenu.
  void ExpandLists(cMenuItems& handler, MenuItemData& record, std::string_view markup, MenuHandle hMenu,
                   std::int16_t position, ItemSetupResult& result);
  void ResolvePicture(cMenuItems& handler, MenuItemData& record, std::string_view markup, MenuHandle hMenu);
  void ApplyGeneratedKeys(MenuItemData& record, std::string_view markup, const std::string& defaultTip);
  void BindListControl(cMenuItems& handler, MenuItemData& record, std::string_view markup);

  MenuPreparationServices services_;
  std::optional<DriveIcon> driveIcon_;
};

}  // namespace vantrel
