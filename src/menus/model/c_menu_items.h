// cMenuItems: the per-window half of the owner-drawn menu engine. One
// handler serves one hooked window: it keeps a record per converted menu
// item and per converted popup, answers the lookups of measuring, drawing
// and tooltips, and puts sidebars (or every item) back in plain form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "menus/model/application_forms.h"
#include "menus/model/menu_preparation.h"
#include "menus/model/menu_records.h"
#include "menus/model/picture_sources.h"
#include "platform/graphics_objects.h"
#include "platform/menu_access.h"
#include "platform/window_hooks.h"

namespace vantrel {

// What a handler works with. menus and current must outlive the handler;
// the others may be absent: without graphics rendered sidebars are not
// deleted (there are none without a preparation), without forms no control
// name resolves, without a preparation popups stay as the program built them.
struct MenuHandlerServices {
  MenuAccess& menus;
  MenuCurrentRecords& current;
  GraphicsObjects* graphics = nullptr;
  const ApplicationForms* forms = nullptr;
  MenuPreparation* preparation = nullptr;
};

class cMenuItems final : public PictureSources {
 public:
  explicit cMenuItems(const MenuHandlerServices& services);
  ~cMenuItems() override;
  cMenuItems(const cMenuItems&) = delete;
  cMenuItems& operator=(const cMenuItems&) = delete;

  // Binds the handler to its window. A zero CallBacks brings the previous
  // callbacks value back; Flags is accepted for callers and not used.
  void InitializeSubMenu(WindowHandle hForm, const PictureList* oImgList, std::uintptr_t CallBacks, bool bNoSysMenu,
                         MenuHandle TimeConsumingMenu = 0, std::string_view DefaultTip = {}, std::int32_t Flags = 0);

  WindowHandle MDIClient() const { return mdiClient_; }
  void MDIClient(WindowHandle hwnd) { mdiClient_ = hwnd; }
  bool IsMDIclient() const { return isMdiClient_; }
  void IsMDIclient(bool bYesNo) { isMdiClient_ = bYesNo; }
  bool IsMenuLess() const { return isMenuLess_; }
  void IsMenuLess(bool bYesNo) { isMenuLess_ = bYesNo; }
  // The converted system menu; 0 before.
  MenuHandle SystemMenu() const { return systemMenu_; }
  // The current callbacks value (the token of the tooltip callback object).
  std::uintptr_t ShowTips() const { return callBacks_; }
  std::uintptr_t PreviousCallBacks() const { return previousCallBacks_; }
  const PictureList* ImageListObject() const { return imageList_; }
  WindowProcedure hPrevProc() const { return previousProcedure_; }
  void hPrevProc(WindowProcedure hProc) { previousProcedure_ = hProc; }

  // ItemTip of the item, asked of the popup's delegate when unknown here;
  // "" when nobody knows the item.
  std::string Tips(std::int32_t MenuID, MenuHandle hMenu) const;

  // bSet: keeps a copy of record and returns false. Otherwise copies the kept
  // record into record and returns true, or returns false (record untouched)
  // when none is kept.
  bool RestrictSize(MinMaxRecord& record, bool bSet);

  // Selection handling of generated list items; false without list menus.
  bool MenuSelected(std::int32_t Index, MenuHandle& hMenu, std::intptr_t lParam);

  // Publish the record as the engine's current item / current panel; a
  // lookup that finds nothing leaves the published record cleared.
  void GetMenuItem(std::int32_t ID, MenuHandle hMenu);
  void GetPanelItem(MenuHandle hMenu);

  // Gives the popup's sidebar item back its plain form at position 0.
  void UpdateMenuItems(MenuHandle hMenu);

  // Prepares a popup about to open (through the preparation); true when the
  // popup holds window-list items. Without a preparation the popup is left
  // as it is and the result is false.
  bool IsWindowList(MenuHandle hSubMenu, bool& bIsSysMenu);

  // Gives every converted item of every living popup its plain form back and
  // makes every record stale.
  void RestoreMenus();

  // Drops the most recently created item record (and its keys) and the most
  // recently added delegate, whatever the arguments name.
  void DestroyPopup(MenuHandle hMenu, std::int32_t hMenuID);

  // The form's control named Name, or element n of the control named by what
  // stands before "(n)". Nothing when the form or the control is not found.
  std::optional<FormControl> FindNamedControl(std::string_view Name) const;
  // The index of the loaded form whose window is this handler's form,
  // searched from the last form down; nothing when none is.
  std::optional<std::size_t> FindOwnerFormIndex() const;

  // The picture sources of this window, for the image references.
  const PictureList* ImageList() const override { return imageList_; }
  PictureHandle NamedPicture(std::string_view name) const override;

  // --- The records, for the preparation, measurement and list menus. ---

  const MenuHandlerServices& Services() const { return services_; }
  WindowHandle Form() const { return form_; }
  const std::string& DefaultTip() const { return defaultTip_; }

  // Item numbers run from 1 in creation order; ItemCount() is the last one.
  int ItemCount() const { return static_cast<int>(items_.size()) - 1; }
  std::optional<int> FindItem(std::string_view key) const;
  std::optional<int> FindItem(std::int32_t id, MenuHandle hMenu) const { return FindItem(MenuItemKey(id, hMenu)); }
  // n must be 1..ItemCount().
  MenuItemData& Item(int n) { return items_.at(static_cast<std::size_t>(n)); }
  const MenuItemData& Item(int n) const { return items_.at(static_cast<std::size_t>(n)); }
  // Appends a record under the key of its ItemID in hMenu; its number. When
  // that key is already taken the record is appended without it.
  int AddItem(MenuItemData record, MenuHandle hMenu);
  // A further key for item n (the generated submenu of an item); false when
  // the key is taken or n names no item.
  bool AddItemKey(std::string key, int n);
  // Takes one key out of the item index (the record stays); false when absent.
  bool RemoveItemKey(std::string_view key);

  int PanelCount() const { return static_cast<int>(panels_.size()) - 1; }
  std::optional<int> FindPanel(MenuHandle hMenu) const;
  MenuPanelData& Panel(int n) { return panels_.at(static_cast<std::size_t>(n)); }
  const MenuPanelData& Panel(int n) const { return panels_.at(static_cast<std::size_t>(n)); }
  // Appends a panel under the key of its MenuHandle; its number.
  int AddPanel(MenuPanelData panel);
  // Gives panel n a new rendered sidebar, deleting the one it had.
  void ReplacePanelBitmap(int n, std::uintptr_t bitmap);

  // The handler that serves generated popup hMenu; nullptr when none.
  cMenuItems* Delegate(MenuHandle hMenu) const;
  bool AddDelegate(MenuHandle hMenu, std::unique_ptr<cMenuItems> handler);
  // Ends the handler serving hMenu; false when there is none.
  bool RemoveDelegate(MenuHandle hMenu);
  std::size_t DelegateCount() const { return delegates_.size(); }

 private:
  void DeletePanelBitmaps();
  void EraseItemKeysOf(int n);

  MenuHandlerServices services_;
  const PictureList* imageList_ = nullptr;
  WindowProcedure previousProcedure_ = 0;
  std::uintptr_t callBacks_ = 0;
  std::uintptr_t previousCallBacks_ = 0;
  MenuHandle systemMenu_ = 0;
  WindowHandle mdiClient_ = 0;
  bool isMdiClient_ = false;
  bool isMenuLess_ = false;
  MinMaxRecord sizeRestriction_{};
  std::vector<MenuItemData> items_;
  std::vector<MenuPanelData> panels_;
  std::unordered_map<std::string, int> itemIndex_;
  std::unordered_map<std::string, int> panelIndex_;
  // In the order they were added.
  std::vector<std::pair<std::string, std::unique_ptr<cMenuItems>>> delegates_;
  WindowHandle form_ = 0;
  std::string defaultTip_;
};

}  // namespace vantrel
