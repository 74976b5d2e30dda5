// Each popup looks at each of its pictures once: when it is prepared, and
// never again while it stays open, however often its items are drawn; the
// next opening looks again, as a handle may by then name another picture.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "menus/model/picture_looks.h"
#include "menus/model/popup_preparation.h"
#include "menus/render/menu_item_renderer.h"
#include "menus/render/mod_menus.h"
#include "support/drawing_log.h"
#include "support/fake_menu_fonts.h"
#include "support/fake_menu_services.h"
#include "support/fake_menus.h"
#include "support/fake_picture_sources.h"
#include "support/fake_system_colours.h"
#include "support/fake_window_hooks.h"
#include "support/fixed_menu_text_measure.h"
#include "support/recording_sidebar_painter.h"

namespace vantrel {
namespace {

namespace msg = menu_message;
using test::DrawingLog;
using test::FakeDrawRequests;
using test::FakeGraphicsObjects;
using test::FakeMenuFontTable;
using test::FakeMenus;
using test::FakePictureInspector;
using test::FakeWindowHooks;
using test::FixedMenuTextMeasure;
using test::LoggingFontTable;
using test::LoggingMenuCanvas;
using test::MemoryPictureList;
using test::RecordingItemPainter;
using test::RecordingSidebarPainter;

constexpr WindowHandle kForm = 0x100;
constexpr PictureHandle kIcon = 0x4400;
constexpr PictureHandle kBitmap = 0x4500;

// Counts every question asked about every handle.
class CountingPictureInspector final : public PictureInspector {
 public:
  std::optional<PictureSize> BitmapSize(PictureHandle handle) const override {
    ++bitmapQuestions[handle];
    return known.BitmapSize(handle);
  }
  std::optional<PictureSize> IconColourSize(PictureHandle handle) const override {
    ++iconQuestions[handle];
    return known.IconColourSize(handle);
  }

  FakePictureInspector known;
  mutable std::map<PictureHandle, int> bitmapQuestions;
  mutable std::map<PictureHandle, int> iconQuestions;
};

class PictureLooksTest : public ::testing::Test {
 protected:
  PictureLooksTest() {
    pictures.known.AddIcon(kIcon, PictureSize{16, 16});
    pictures.known.AddBitmap(kBitmap, PictureSize{16, 16});
    windows.AddWindow(kForm, 0, "ThunderForm", "Tray");
    engine.SetPreparation(&preparation);
    engine.SetItemDrawing(&renderer);
    engine.SetMenuLoopMemory(&looks);
    engine.SetIconEffects(true);
    engine.HookMenus(kForm, &images, nullptr, hook_mode::Window);
    // The system menu converted at the hook asked its own questions.
    pictures.bitmapQuestions.clear();
    pictures.iconQuestions.clear();
  }

  void Send(std::uint32_t message, std::uintptr_t wParam = 0) {
    engine.MenuWindowProc(kForm, message, wParam, 0);
  }
  // What the system sends for one item of an open popup: its full drawing,
  // then the highlight coming onto it and leaving it.
  void DrawItem(MenuHandle popup, std::uint32_t id) {
    for (const auto& [action, state] : {std::pair{draw_action::DrawEntire, 0u},
                                        std::pair{draw_action::Select, draw_state::Selected},
                                        std::pair{draw_action::Select, 0u}}) {
      DrawItemRecord request;
      request.controlType = kDrawMenuControl;
      request.itemId = id;
      request.itemAction = action;
      request.itemState = state;
      request.itemWindow = popup;
      request.itemData = popup;
      request.dc = 0x77;
      request.rect = PixelRect{0, 0, 200, 22};
      engine.MenuWindowProc(kForm, msg::DrawItem, 0, requests.Place(request));
    }
  }
  void DrawAll(MenuHandle popup, std::uint32_t firstId, int count) {
    for (int i = 0; i < count; ++i) DrawItem(popup, firstId + static_cast<std::uint32_t>(i));
  }
  std::map<PictureHandle, int> Questions() const {
    std::map<PictureHandle, int> all = pictures.bitmapQuestions;
    for (const auto& [handle, n] : pictures.iconQuestions) all[handle] += n;
    return all;
  }

  FakeWindowHooks windows;
  FakeMenus menus;
  DrawingLog log;
  LoggingFontTable fonts{log};
  FakeMenuFontTable measureFonts;
  FixedMenuTextMeasure text{measureFonts};
  RecordingSidebarPainter sidebars;
  FakeSystemColours colours;
  FakeGraphicsObjects graphics;
  LoggingMenuCanvas canvas{log};
  RecordingItemPainter painter{log};
  FakeDrawRequests requests;
  CountingPictureInspector pictures;
  MemoryPictureList images{{kIcon, kBitmap}};
  PictureLooks looks{pictures};
  modMenus engine{MenuEngineServices{windows, menus, fonts, colours, &graphics}};
  MenuItemRenderer renderer{MenuItemRendererServices{engine, requests, canvas, fonts, colours, painter, pictures,
                                                     &looks}};
  MenuPopupPreparation preparation{MenuPreparationServices{
      measureFonts, text, sidebars, canvas, colours, pictures, &windows, nullptr, nullptr, nullptr, {}, &looks}};
};

TEST_F(PictureLooksTest, AnOpeningAsksOnceAboutEachPictureAndTheNextOpeningAsksAgain) {
  // Two items share the icon; an icon is first asked whether it is a bitmap.
  const MenuHandle popup = menus.AddPopupWithCaptions({"Ouvrir{IMG:i1}", "Fermer{IMG:i2}", "Quitter{IMG:i1}"}, 10);
  const std::map<PictureHandle, int> oncePerQuestion = {{kIcon, 2}, {kBitmap, 1}};
  const std::map<PictureHandle, int> twicePerQuestion = {{kIcon, 4}, {kBitmap, 2}};

  Send(msg::EnterMenuLoop);
  Send(msg::InitMenuPopup, popup);
  DrawAll(popup, 10, 3);
  DrawAll(popup, 10, 3);  // shown again in the same loop
  EXPECT_EQ(Questions(), oncePerQuestion);
  // Every item was drawn with its picture, as the first look found it.
  EXPECT_EQ(log.Starting("Picture 17408 icon").size(), 12u);
  EXPECT_EQ(log.Starting("Picture 17664 bitmap").size(), 6u);
  Send(msg::ExitMenuLoop);

  Send(msg::EnterMenuLoop);
  Send(msg::InitMenuPopup, popup);
  DrawAll(popup, 10, 3);
  Send(msg::ExitMenuLoop);
  EXPECT_EQ(Questions(), twicePerQuestion);
  EXPECT_EQ(looks.Remembered(), 0u);
}

TEST_F(PictureLooksTest, EachPopupAsksForItselfAndADrawingAfterTheLoopAsksAgain) {
  const MenuHandle sub = menus.AddPopupWithCaptions({"Couper{IMG:i1}"}, 30);
  const MenuHandle popup = menus.AddPopupWithCaptions({"Ouvrir{IMG:i1}"}, 20);
  Send(msg::EnterMenuLoop);
  Send(msg::InitMenuPopup, popup);
  DrawAll(popup, 20, 1);
  Send(msg::InitMenuPopup, sub);  // the submenu opens: the parent stays open
  DrawAll(sub, 30, 1);
  DrawAll(popup, 20, 1);
  EXPECT_EQ(pictures.iconQuestions[kIcon], 2);
  Send(msg::ExitMenuLoop);

  // A drawing outside any prepared opening looks for itself.
  DrawItem(popup, 20);
  EXPECT_EQ(pictures.iconQuestions[kIcon], 3);
}

TEST_F(PictureLooksTest, PicturesOfAListThatKnowsItsIconsAreNeverLookedAt) {
  images.SetIconSize(PictureSize{16, 16});
  const std::string bitmapByNumber = "Fermer{IMG:" + std::to_string(kBitmap) + "}";
  const MenuHandle popup = menus.AddPopupWithCaptions({"Ouvrir{IMG:i1}", bitmapByNumber, "Quitter{IMG:i1}"}, 10);
  for (int opening = 0; opening < 2; ++opening) {
    Send(msg::EnterMenuLoop);
    Send(msg::InitMenuPopup, popup);
    DrawAll(popup, 10, 3);
    Send(msg::ExitMenuLoop);
  }
  // The list's icon was never asked about; the bitmap named by its number
  // was, once per opening.
  EXPECT_EQ(Questions(), (std::map<PictureHandle, int>{{kBitmap, 2}}));
  EXPECT_EQ(log.Starting("Picture 17408 icon").size(), 12u);
  EXPECT_EQ(log.Starting("Picture 17664 bitmap").size(), 6u);
}

TEST(PictureLooksAloneTest, AFileIconMadeForOneDrawingIsNeverRemembered) {
  CountingPictureInspector pictures;
  pictures.known.AddIcon(0x6600, PictureSize{16, 16});
  PictureLooks looks{pictures};
  FakeWindowHooks windows;
  FakeMenus menus;
  DrawingLog log;
  LoggingFontTable fonts{log};
  FakeSystemColours colours;
  LoggingMenuCanvas canvas{log};
  RecordingItemPainter painter{log};
  painter.fileIcons["C:\\A.TXT"] = 0x6600;
  FakeDrawRequests requests;
  modMenus engine{MenuEngineServices{windows, menus, fonts, colours}};
  MenuItemRenderer renderer{MenuItemRendererServices{engine, requests, canvas, fonts, colours, painter, pictures,
                                                     &looks}};
  const PixelRect place{0, 0, 16, 16};
  EXPECT_TRUE(renderer.DrawItemImage(0x77, "C:\\A.TXT", place, false, false, false, 0, 0, 16, 16, MenuHandle{5}));
  EXPECT_TRUE(renderer.DrawItemImage(0x77, "C:\\A.TXT", place, false, false, false, 0, 0, 16, 16, MenuHandle{5}));
  EXPECT_EQ(pictures.iconQuestions[0x6600], 2);
  EXPECT_EQ(looks.Remembered(), 0u);
  EXPECT_EQ(log.Starting("Picture 26112 icon").size(), 2u);
}

}  // namespace
}  // namespace vantrel
