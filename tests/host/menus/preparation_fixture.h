// A popup preparation over in-memory menus, fonts with fixed metrics, a
// recording sidebar painter and canvas, and one handler bound to a form.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "menus/model/c_menu_items.h"
#include "menus/model/popup_preparation.h"
#include "support/fake_file_information.h"
#include "support/fake_menu_fonts.h"
#include "support/fake_menu_services.h"
#include "support/fake_menus.h"
#include "support/fake_picture_sources.h"
#include "support/fake_system_colours.h"
#include "support/fake_volume_labels.h"
#include "support/fake_window_hooks.h"
#include "support/fixed_menu_text_measure.h"
#include "support/recording_menu_canvas.h"
#include "support/recording_sidebar_painter.h"

namespace vantrel::test {

inline constexpr WindowHandle kPreparedForm = 0x4A0;
inline constexpr char kDefaultTip[] = "Astuce";

class PreparationFixture : public ::testing::Test {
 protected:
  PreparationFixture() {
    forms.AddForm(kPreparedForm);
    windows.AddWindow(kPreparedForm, 0, "ThunderForm", "FrmPop");
    handler.InitializeSubMenu(kPreparedForm, &images, 0, true, 0, kDefaultTip);
  }

  MenuPreparationServices Services() {
    MenuPreparationServices s{fonts, text, sidebars, canvas, colours, pictures, nullptr, nullptr, nullptr, nullptr, {}};
    s.windows = &windows;
    s.files = &files;
    s.volumes = &volumes;
    s.platformIndent = [this] { return indent; };
    return s;
  }

  // A popup of plain string items with these captions, identifiers from
  // firstId on.
  MenuHandle Popup(const std::vector<std::string>& captions, std::uint32_t firstId = 100) {
    return menus.AddPopupWithCaptions(captions, firstId);
  }
  bool Prepare(MenuHandle popup, bool sysMenu = false) {
    bool isSysMenu = sysMenu;
    const bool result = handler.IsWindowList(popup, isSysMenu);
    lastSysMenu = isSysMenu;
    return result;
  }
  // The record of item id of popup; fails the test when there is none.
  const MenuItemData& RecordOf(std::int32_t id, MenuHandle popup) {
    const auto n = handler.FindItem(id, popup);
    EXPECT_TRUE(n.has_value()) << "no record for " << id;
    static const MenuItemData none;
    return n ? handler.Item(*n) : none;
  }
  const MenuPanelData& PanelOf(MenuHandle popup) {
    const auto n = handler.FindPanel(popup);
    EXPECT_TRUE(n.has_value());
    static const MenuPanelData none;
    return n ? handler.Panel(*n) : none;
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
  std::int16_t indent = 0;
  bool lastSysMenu = false;
  MenuPopupPreparation preparation{Services()};
  cMenuItems handler{MenuHandlerServices{menus, current, &graphics, &forms, &preparation}};
};

}  // namespace vantrel::test
