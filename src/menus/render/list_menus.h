// List menus: an item bound to a list box or combo box of its window
// ("LB:", "CB:") or carrying a list key ("lvColors:", "lvMonths:",
// "lvDays:", "lvStates:", "lvMonth:") gets, at every preparation of its
// popup, a fresh submenu of generated entries served by a child handler of
// its own. The choice of a generated entry selects it in the control (with
// the parent's selection-change notification) or raises CustomSelection on
// the host's tooltip callback, and keeps a chosen colour or font in the
// settings store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "menus/model/c_menu_items.h"
#include "menus/model/list_menu_expansion.h"
#include "platform/clock.h"
#include "platform/colour_dialog.h"
#include "platform/date_names.h"
#include "platform/file_information.h"
#include "platform/list_controls.h"
#include "platform/path_probe.h"
#include "platform/settings_store.h"
#include "platform/system_colours.h"
#include "platform/window_hooks.h"

namespace vantrel {

// Generated entries take command identifiers counting down from here.
inline constexpr std::int32_t kFirstListEntryID = 32500;
// A list control shows at most this many entries: the identifiers stay
// above 0 and below the system commands.
inline constexpr int kMaxListControlEntries = kFirstListEntryID;

// Flags of appended entries.
namespace list_entry_flag {
inline constexpr std::uint32_t Plain = 0;
inline constexpr std::uint32_t Checked = 8;
inline constexpr std::uint32_t Separator = 2;  // disabled
inline constexpr std::uint32_t Unavailable = 3;  // grayed and disabled
}  // namespace list_entry_flag

// Keys of the settings store (section "Font").
inline constexpr std::string_view kFontColorKey = "FontColor";
inline constexpr std::string_view kFontNameKey = "FontName";

struct NamedColour {
  const char* name;  // UTF-8
  std::int32_t colour;
};
struct NamedState {
  const char* name;
  const char* code;
};
// The 24 colours of the colour list and the 51 entries of the state list.
extern const NamedColour kListColours[24];
extern const NamedState kListStates[51];

// What the list menus work with; all must outlive them. files may be absent:
// file entries then keep their long paths.
struct ListMenuServices {
  ListControls& lists;
  WindowHooks& windows;
  SettingsStore& settings;
  ColourDialog& colourDialog;
  DateNames& dates;
  const Clock& clock;
  const SystemColours& colours;
  const PathProbe& paths;
  const FileInformationService* files = nullptr;
};

// A sub-value of a list key's value ("ID:" in '255:ID:Fore'): found only
// after a ":", its text running to the end of the value; "" when absent.
std::string ListSubValue(std::string_view value, std::string_view key);

class ListMenus final : public ListMenuExpansion {
 public:
  explicit ListMenus(const ListMenuServices& services) : s_(services) {}

  // Never throw: a failing step is skipped.
  MenuHandle ExpandListMenu(cMenuItems& handler, std::int16_t position, MenuHandle hMenu, std::string_view key,
                            std::string_view value, std::string_view tip) override;
  MenuHandle ExpandListControl(cMenuItems& handler, std::int16_t position, MenuHandle hMenu, std::uint8_t listKind,
                               WindowHandle listWindow, std::string_view markup) override;
  bool MenuSelected(cMenuItems& handler, std::int32_t index, MenuHandle& hMenu, std::intptr_t lParam) override;

 private:
  // The first steps of both expansions: a new popup takes the place of the
  // item's old generated one, which goes with its handler. 0 when no popup
  // could be made (the old one then stays).
  MenuHandle ReplaceSubMenu(cMenuItems& handler, std::int16_t position, MenuHandle hMenu);
  // The last step: the child handler that serves the new popup.
  void RegisterPopup(cMenuItems& handler, MenuHandle popup, bool slow, std::string_view tip);
  struct Builder;
  void BuildColours(Builder& b, const std::string& value);
  void BuildMonths(Builder& b, const std::string& value);
  void BuildWeekDays(Builder& b, const std::string& value);
  void BuildStates(Builder& b, const std::string& value);
  void BuildMonthDays(Builder& b, const std::string& value);

  bool SelectBuiltInEntry(cMenuItems& handler, std::string_view markup, std::string_view key, std::string value);
  void SelectControlEntry(const MenuItemData& record, std::string_view markup);

  ListMenuServices s_;
};

}  // namespace vantrel
