// The list menus behind a popup preparation over in-memory menus, with list
// controls, settings, a colour chooser, date names and a clock of the test's
// own, and one handler bound to a form with a recording tooltip callback.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/model/c_menu_items.h"
#include "menus/model/popup_preparation.h"
#include "menus/render/c_tips.h"
#include "menus/render/list_menus.h"
#include "support/fake_file_information.h"
#include "support/fake_list_controls.h"
#include "support/fake_list_menu_services.h"
#include "support/fake_menu_fonts.h"
#include "support/fake_menu_services.h"
#include "support/fake_menus.h"
#include "support/fake_picture_sources.h"
#include "support/fake_settings_store.h"
#include "support/fake_system_colours.h"
#include "support/fake_volume_labels.h"
#include "support/fake_window_hooks.h"
#include "support/fixed_menu_text_measure.h"
#include "support/recording_menu_canvas.h"
#include "support/recording_sidebar_painter.h"
#include "support/settable_clock.h"

namespace vantrel::test {

inline constexpr WindowHandle kListForm = 0x4A0;

// One generated entry as it stands in the generated popup.
struct ListEntry {
  std::string caption;
  std::int32_t id = 0;
  bool checked = false;
  bool disabled = false;
  friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const ListEntry& e) {
  return out << "{'" << e.caption << "', " << e.id << (e.checked ? ", checked" : "")
             << (e.disabled ? ", disabled" : "") << "}";
}

struct Selection {
  std::string userId;
  std::string category;
  TipValue value;
  friend bool operator==(const Selection&, const Selection&) = default;
};

class ListMenusFixture : public ::testing::Test {
 protected:
  ListMenusFixture() {
    forms.AddForm(kListForm);
    windows.AddWindow(kListForm, 0, "ThunderForm", "Form1");
    tips.OnCustomSelection([this](std::string& userId, std::string& category, TipValue& value) {
      selections.push_back({userId, category, value});
    });
    handler.InitializeSubMenu(kListForm, &images, tips.Token(), true, 0, "Astuce");
  }

  MenuPreparationServices PreparationServices() {
    MenuPreparationServices s{fonts, text, sidebars, canvas, colours, pictures, nullptr, nullptr, nullptr, nullptr, {}};
    s.windows = &windows;
    s.files = &files;
    s.volumes = &volumes;
    s.lists = &lists;
    return s;
  }

  // A popup holding one item with this caption (ID 100), prepared.
  MenuHandle PrepareItem(const std::string& caption) {
    const MenuHandle popup = menus.AddPopupWithCaptions({caption}, 100);
    Prepare(popup);
    return popup;
  }
  void Prepare(MenuHandle popup) {
    bool isSysMenu = false;
    handler.IsWindowList(popup, isSysMenu);
  }
  // The generated popup of the item at position of popup; 0 when none.
  MenuHandle SubMenuOf(MenuHandle popup, int position = 0) { return menus.GetSubMenu(popup, position); }
  // The generated popup of an item with this caption.
  MenuHandle Expand(const std::string& caption) { return SubMenuOf(PrepareItem(caption)); }

  std::vector<ListEntry> Entries(MenuHandle popup) {
    std::vector<ListEntry> entries;
    if (!menus.Exists(popup)) return entries;
    for (const MenuItemInfo& item : menus.Items(popup)) {
      entries.push_back({item.caption, static_cast<std::int32_t>(item.id), (item.state & menu_state::Checked) != 0,
                         (item.state & menu_state::Disabled) != 0 || (item.state & menu_state::Grayed) != 0});
    }
    return entries;
  }
  std::vector<std::string> CheckedCaptions(MenuHandle popup) {
    std::vector<std::string> checked;
    for (const ListEntry& e : Entries(popup)) {
      if (e.checked) checked.push_back(e.caption);
    }
    return checked;
  }
  // Chooses entry id of generated popup sub the way the dispatch does.
  bool Choose(MenuHandle sub, std::int32_t id) {
    Prepare(sub);  // the generated popup opens: its records are built
    MenuHandle menu = sub;
    return handler.MenuSelected(id, menu, 0);
  }
  std::string Stored(std::string_view key) {
    return settings.Value("Vantrel", "Font", key).value_or("<absent>");
  }

  FakeMenus menus;
  MenuCurrentRecords current;
  FakeGraphicsObjects graphics;
  FakeApplicationForms forms;
  FakeWindowHooks windows;
  FakeMenuFontTable fonts;
  FixedMenuTextMeasure text{fonts};
  RecordingSidebarPainter sidebars;
  RecordingMenuCanvas canvas;
  FakeSystemColours colours;
  FakePictureInspector pictures;
  FakeFileInformation files;
  FakeVolumeLabels volumes;
  MemoryPictureList images{{0x3001, 0x3002, 0x3003}};
  FakeListControls controls;
  test::FakeSettingsStore settings;
  FakeColourDialog colourDialog;
  FakeDateNames dates;
  SettableClock clock;
  FakePathProbe paths;
  ListMenus lists{ListMenuServices{controls, windows, settings, colourDialog, dates, clock, colours, paths, &files}};
  MenuPopupPreparation preparation{PreparationServices()};
  cTips tips;
  std::vector<Selection> selections;
  cMenuItems handler{MenuHandlerServices{menus, current, &graphics, &forms, &preparation}};
};

}  // namespace vantrel::test
