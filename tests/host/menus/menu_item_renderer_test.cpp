// The item drawing's decisions, read from the ordered log of what it asks of
// the primitives, the font table and the painter. System colour n reads as
// 1234nn (hexadecimal), so every colour names the index it came from.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/render/menu_item_renderer.h"
#include "menus/render/mod_menus.h"
#include "support/drawing_log.h"
#include "support/fake_menu_services.h"
#include "support/fake_menus.h"
#include "support/fake_picture_sources.h"
#include "support/fake_system_colours.h"
#include "support/fake_window_hooks.h"

namespace vantrel {
namespace {

using test::DrawingLog;
using test::FakeDrawRequests;
using test::FakeGraphicsObjects;
using test::FakeMenus;
using test::FakePictureInspector;
using test::FakeWindowHooks;
using test::LoggingFontTable;
using test::LoggingMenuCanvas;
using test::RecordingItemPainter;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr WindowHandle kForm = 0x100;
constexpr MenuHandle kPopup = 0x3000;
constexpr DeviceContext kDc = 0x77;
// An item 200 x 22 at the second row of its popup.
constexpr PixelRect kRect{0, 20, 200, 42};

// Colour strings of the fake system colours.
const std::string kMenu = "123404";
const std::string kMenuText = "123407";
const std::string kHighlight = "12340D";
const std::string kHighlightText = "12340E";
const std::string kShadow = "123410";
const std::string kGrey = "123411";
const std::string kButtonLight = "123414";
const std::string kLight3D = "123416";

constexpr std::uint32_t kFull = draw_action::DrawEntire;
constexpr std::uint32_t kSelect = draw_action::Select;
constexpr std::uint32_t kSelected = draw_state::Selected;

constexpr PictureHandle kIcon = 0x4400;
constexpr PictureHandle kBitmap = 0x4500;

class ItemDrawingTest : public ::testing::Test {
 protected:
  ItemDrawingTest() {
    windows.AddWindow(kForm, 0, "ThunderForm", "Gallery");
    engine.HookMenus(kForm, nullptr, nullptr, hook_mode::Window);
    MenuHandle popup = kPopup;
    engine.SelectItemSet(kForm, popup, false);
    pictures.AddIcon(kIcon, PictureSize{16, 16});
    pictures.AddBitmap(kBitmap, PictureSize{16, 16});
  }

  cMenuItems& Handler() { return *engine.HandlerOf(kForm); }

  void AddItem(std::int32_t id, std::string text, std::uint16_t flags = 0, std::string imageRef = "",
               std::string rightText = "", std::string rawCaption = "") {
    MenuItemData item;
    item.ItemID = id;
    item.DisplayText = std::move(text);
    item.ItemFlags = flags;
    item.ImageRef = std::move(imageRef);
    item.RightText = std::move(rightText);
    item.RawCaption = rawCaption.empty() ? item.DisplayText : std::move(rawCaption);
    Handler().AddItem(item, kPopup);
  }
  void SetPanel(bool hasImages, bool hasSysCommands = false, std::uintptr_t bitmap = 0) {
    MenuPanelData panel;
    panel.MenuHandle = kPopup;
    panel.HasImages = hasImages;
    panel.HasSysCommands = hasSysCommands;
    panel.PanelBitmap = bitmap;
    if (const auto n = Handler().FindPanel(kPopup)) {
      Handler().Panel(*n) = panel;
    } else {
      Handler().AddPanel(panel);
    }
  }
  // A highlight change made with the keyboard (or with the mouse).
  void MoveHighlight(bool keyboard) {
    const std::uintptr_t flags = keyboard ? 0x0080u : 0x8080u;
    engine.MenuWindowProc(kForm, menu_message::MenuSelect, flags << 16, static_cast<std::intptr_t>(kPopup));
  }

  std::vector<std::string> Draw(std::uint32_t id, std::uint32_t action, std::uint32_t state,
                                PixelRect rect = kRect) {
    DrawItemRecord request;
    request.controlType = kDrawMenuControl;
    request.itemId = id;
    request.itemAction = action;
    request.itemState = state;
    request.itemWindow = kPopup;
    request.dc = kDc;
    request.rect = rect;
    request.itemData = kPopup;
    log.Clear();
    EXPECT_TRUE(renderer.DrawMenuItem(requests.Place(request)));
    return log.Lines();
  }
  // The first highlight painted (a FillBox or Gradient of the background).
  std::string Highlight(std::uint32_t id, std::uint32_t state) {
    for (const std::string& line : Draw(id, kFull, state)) {
      if (line.rfind("FillBox", 0) == 0 || line.rfind("Gradient", 0) == 0) return line;
    }
    return "";
  }

  FakeWindowHooks windows;
  FakeMenus menus;
  DrawingLog log;
  LoggingFontTable fonts{log};
  FakeSystemColours colours;
  FakeGraphicsObjects graphics;
  LoggingMenuCanvas canvas{log};
  RecordingItemPainter painter{log};
  FakeDrawRequests requests;
  FakePictureInspector pictures;
  modMenus engine{MenuEngineServices{windows, menus, fonts, colours, &graphics}};
  MenuItemRenderer renderer{MenuItemRendererServices{engine, requests, canvas, fonts, colours, painter, pictures}};
};

// --- Requests ---

TEST_F(ItemDrawingTest, ARequestForAnotherControlIsNotHandled) {
  AddItem(5, "Open");
  DrawItemRecord request;
  request.controlType = 4;  // a list box
  request.itemId = 5;
  request.dc = kDc;
  log.Clear();
  EXPECT_FALSE(renderer.DrawMenuItem(requests.Place(request)));
  EXPECT_FALSE(renderer.DrawMenuItem(0x9999));
  EXPECT_THAT(log.Lines(), IsEmpty());
}

TEST_F(ItemDrawingTest, WithoutAServingHandlerTheRequestIsHandledAndNothingDrawn) {
  AddItem(5, "Open");
  engine.HookMenus(kForm, nullptr, nullptr, hook_mode::Window);  // ActiveHandlerKey back to "h0"
  EXPECT_THAT(Draw(5, kFull, 0), IsEmpty());
}

// --- A plain item ---

// Text is drawn transparently (mode 1) so that the highlight shows through it.
TEST_F(ItemDrawingTest, APlainItemPaintsItsBackgroundThenItsTextInTheNormalFont) {
  AddItem(5, "Open");
  SetPanel(false);
  EXPECT_THAT(Draw(5, kFull, 0), ElementsAre("BkMode 1", "FillBox 0,20,200,42 " + kMenu + " -1", "Font 1",
                                            "TextColour " + kMenuText, "Text 23,20,200,42 124 'Open'", "Font 0"));
}

TEST_F(ItemDrawingTest, RightTextIsRightAlignedFifteenPixelsBeforeTheEdge) {
  AddItem(5, "Open", 0, "", "Ctrl+O");
  SetPanel(false);
  const auto lines = Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("Text "), ElementsAre("Text 23,20,200,42 124 'Open'", "Text 23,20,185,42 126 'Ctrl+O'"));
  EXPECT_EQ(lines.back(), "Font 0");
}

TEST_F(ItemDrawingTest, TheDefaultItemIsDrawnInTheBoldSlot) {
  AddItem(5, "Afficher", item_flag::Default);
  SetPanel(false);
  Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("Font"), ElementsAre("Font 2", "Font 0"));
}

struct ItalicCase {
  bool italicOption;
  std::uint16_t flags;
  std::uint32_t state;
  std::vector<std::string> fonts;
};

TEST_F(ItemDrawingTest, SelectedTextTakesTheItalicSlotOnlyWithTheOption) {
  const std::vector<ItalicCase> cases = {
      {false, 0, kSelected, {"Font 1", "Font 0"}},
      {true, 0, kSelected, {"Font 1", "Font 0", "Font 4", "Font 0"}},
      {true, item_flag::Default, kSelected, {"Font 2", "Font 0", "Font 5", "Font 0"}},
      {true, 0, 0, {"Font 1", "Font 0"}},
  };
  std::int32_t id = 10;
  for (const ItalicCase& c : cases) {
    engine.SetItalicSelection(c.italicOption);
    AddItem(id, "Item", c.flags);
    SetPanel(false);
    Draw(static_cast<std::uint32_t>(id), kFull, c.state);
    EXPECT_EQ(log.Starting("Font"), c.fonts) << "italic " << c.italicOption << " flags " << c.flags;
    ++id;
  }
}

TEST_F(ItemDrawingTest, SelectedTextIsInHighlightTextColour) {
  AddItem(5, "Open");
  SetPanel(false);
  Draw(5, kFull, kSelected);
  EXPECT_THAT(log.Starting("TextColour"), ElementsAre("TextColour " + kHighlightText));
}

// --- Highlight ---

struct HighlightCase {
  const char* name;
  bool panelHasImages;
  std::string imageRef;
  std::uint16_t flags;
  std::int32_t id;
  bool gradient;
  std::uint32_t state;
  std::string expected;
};

TEST_F(ItemDrawingTest, HighlightStartsRightOfTheImageCellOnlyWhereTheCellIsShown) {
  const std::string icon = std::to_string(kIcon);
  const std::vector<HighlightCase> cases = {
      {"plain, selected, solid", false, "", 0, 5, false, kSelected, "FillBox 0,20,200,42 " + kHighlight + " -1"},
      {"plain, selected, gradient", false, "", 0, 6, true, kSelected,
       "Gradient 0,20,200,42 " + kHighlight + " " + kMenu + " horizontal"},
      {"plain, not selected, gradient", false, "", 0, 7, true, 0, "FillBox 0,20,200,42 " + kMenu + " -1"},
      {"picture in a popup with pictures", true, icon, 0, 8, true, kSelected,
       "Gradient 21,20,200,42 " + kHighlight + " " + kMenu + " horizontal"},
      {"no picture in a popup with pictures", true, "", 0, 9, false, kSelected,
       "FillBox 0,20,200,42 " + kHighlight + " -1"},
      {"checked in a popup with pictures", true, "", item_flag::Checked, 11, false, kSelected,
       "FillBox 21,20,200,42 " + kHighlight + " -1"},
      {"checked in a popup without pictures", false, "", item_flag::Checked, 12, false, kSelected,
       "FillBox 0,20,200,42 " + kHighlight + " -1"},
      {"system command", false, "", 0, 0xF060, false, kSelected, "FillBox 21,20,200,42 " + kHighlight + " -1"},
      {"colour item", false, "", item_flag::ColourItem, 13, false, kSelected,
       "FillBox 0,20,162,42 " + kHighlight + " -1"},
  };
  for (const HighlightCase& c : cases) {
    engine.SetGradientSelection(c.gradient);
    const std::string raw = (c.flags & item_flag::ColourItem) != 0 ? "Red{gControl:1|LColor:255}" : "";
    AddItem(c.id, "Item", c.flags, c.imageRef, "", raw);
    SetPanel(c.panelHasImages);
    EXPECT_EQ(Highlight(static_cast<std::uint32_t>(c.id), c.state), c.expected) << c.name;
  }
}

TEST_F(ItemDrawingTest, TheHighlightUsesTheColourSavedAtTheFirstHook) {
  colours.Set(13, 0x00ABCDEF);  // the scheme changes after the engine started
  AddItem(5, "Open");
  SetPanel(false);
  EXPECT_EQ(Highlight(5, kSelected), "FillBox 0,20,200,42 " + kHighlight + " -1");
}

// --- Disabled items ---

struct DisabledCase {
  const char* name;
  bool keyboard;
  bool sysCommands;
  bool option;
  bool flat;
};

TEST_F(ItemDrawingTest, ASelectedDisabledItemIsHighlightedAndFlatOnlyByTheThreeConditions) {
  const std::vector<DisabledCase> cases = {
      {"mouse, nothing else", false, false, false, false},
      {"keyboard", true, false, false, true},
      {"system menu", false, true, false, true},
      {"option", false, false, true, true},
  };
  AddItem(5, "Grey", item_flag::Disabled);
  for (const DisabledCase& c : cases) {
    engine.SetHighlightDisabled(c.option);
    MoveHighlight(c.keyboard);
    SetPanel(false, c.sysCommands);
    Draw(5, kFull | kSelect, kSelected);
    if (c.flat) {
      EXPECT_THAT(log.Starting("FillBox"), ElementsAre("FillBox 0,20,200,42 " + kHighlight + " -1")) << c.name;
      EXPECT_THAT(log.Starting("TextColour"), ElementsAre("TextColour " + kGrey)) << c.name;
      EXPECT_THAT(log.Starting("Text "), ElementsAre("Text 23,20,200,42 124 'Grey'")) << c.name;
    } else {
      EXPECT_THAT(log.Starting("FillBox"), IsEmpty()) << c.name;
      EXPECT_THAT(log.Starting("TextColour"), ElementsAre("TextColour " + kHighlightText, "TextColour " + kGrey))
          << c.name;
      EXPECT_THAT(log.Starting("Text "),
                  ElementsAre("Text 24,21,201,43 124 'Grey'", "Text 23,20,199,42 124 'Grey'"))
          << c.name;
    }
  }
}

TEST_F(ItemDrawingTest, EmbossedRightTextLiesOnePixelRightOfItsGreyCopy) {
  AddItem(5, "Grey", item_flag::Disabled, "", "F1");
  SetPanel(false);
  Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("Text "), ElementsAre("Text 24,21,201,43 124 'Grey'", "Text 24,21,185,43 126 'F1'",
                                                 "Text 23,20,199,42 124 'Grey'", "Text 23,20,184,42 126 'F1'"));
}

// --- Check marks and the image cell ---

std::string CheckLine(const std::string& colour, int x, int y) {
  std::string line = "Line " + colour + ":";
  const int points[][2] = {{6, 4}, {7, 4}, {7, 5}, {8, 5}, {8, 6}, {9, 6}, {9, 4},
                           {10, 4}, {10, 2}, {11, 2}, {11, 1}, {12, 1}, {12, 0}};
  // Appended piece by piece, as the recording painter writes it (GCC 12's
  // -Wrestrict false positive on " " + std::string, GCC bug 105329).
  for (const auto& p : points) {
    line.append(" ").append(std::to_string(x + p[0])).append(",").append(std::to_string(y + p[1]));
  }
  return line;
}

TEST_F(ItemDrawingTest, ACheckedItemWithoutPictureInAPopupWithPicturesHasALightSunkenCell) {
  engine.SetIconEffects(true);
  AddItem(5, "Checked", item_flag::Checked);
  SetPanel(true);
  Draw(5, kFull, 0);
  // y of the check: 20 + (22 - 8) \ 2 = 27. The cell is left out of the
  // background.
  EXPECT_THAT(log.Starting("FillBox"),
              ElementsAre("FillBox 21,20,200,42 " + kMenu + " -1", "FillBox 1,21,19,41 " + kLight3D + " -1"));
  EXPECT_THAT(log.Starting("Frame"), ElementsAre("Frame 0,20,19,41 visible sunken box 1 1 20 16"));
  EXPECT_THAT(log.Starting("Line"), ElementsAre(CheckLine(kMenuText, 0, 27)));

  Draw(5, kSelect, kSelected);
  EXPECT_THAT(log.Starting("Frame"), ElementsAre("Frame 0,20,19,41 visible raised box 1 1 20 16"));
}

struct CheckCase {
  const char* name;
  bool panelHasImages;
  std::uint16_t flags;
  std::uint32_t state;
  bool option;
  std::vector<std::string> lines;
};

TEST_F(ItemDrawingTest, CheckMarkColoursFollowTheItemAndPopup) {
  const std::vector<CheckCase> cases = {
      {"plain", false, item_flag::Checked, 0, false, {CheckLine(kMenuText, 0, 27)}},
      {"plain selected", false, item_flag::Checked, kSelected, false, {CheckLine(kHighlightText, 0, 27)}},
      {"disabled", false, item_flag::Checked | item_flag::Disabled, 0, false,
       {CheckLine(kHighlightText, 0, 28), CheckLine(kGrey, 0, 27)}},
      {"disabled selected, flat", false, item_flag::Checked | item_flag::Disabled, kSelected, true,
       {CheckLine(kGrey, 0, 27)}},
      {"pictures, selected", true, item_flag::Checked, kSelected, false, {CheckLine(kMenuText, 0, 27)}},
      {"pictures, disabled", true, item_flag::Checked | item_flag::Disabled, 0, false,
       {CheckLine(kHighlightText, 0, 28), CheckLine(kGrey, 0, 27)}},
  };
  std::int32_t id = 20;
  for (const CheckCase& c : cases) {
    engine.SetHighlightDisabled(c.option);
    AddItem(id, "Item", c.flags);
    SetPanel(c.panelHasImages);
    Draw(static_cast<std::uint32_t>(id), kFull, c.state);
    EXPECT_EQ(log.Starting("Line"), c.lines) << c.name;
    ++id;
  }
}

TEST_F(ItemDrawingTest, APictureItemWithIconEffectsRepaintsItsCellAndLiftsThePictureWhenSelected) {
  engine.SetIconEffects(true);
  AddItem(5, "Options", 0, std::to_string(kIcon));
  SetPanel(true);
  Draw(5, kSelect, kSelected);
  const std::string icon = std::to_string(kIcon);
  EXPECT_THAT(log.Starting("FillBox"),
              ElementsAre("FillBox 21,20,200,42 " + kHighlight + " -1", "FillBox 1,21,19,41 " + kMenu + " -1"));
  EXPECT_THAT(log.Starting("Frame"), ElementsAre("Frame 0,20,19,41 visible raised box 1 1 20 16"));
  // The picture is 16 x 16 at left + 2, top + (22 - 16) \ 2.
  EXPECT_THAT(log.Starting("Silhouette"), ElementsAre("Silhouette " + icon + " icon 2,23 16,16 +1,1 " + kShadow + " +0,0 back"));
  EXPECT_THAT(log.Starting("Picture"), ElementsAre("Picture " + icon + " icon 1,22 16,16 transparent"));
  EXPECT_LT(log.IndexOf("Silhouette " + icon + " icon 2,23 16,16 +1,1 " + kShadow + " +0,0 back"),
            log.IndexOf("Picture " + icon + " icon 1,22 16,16 transparent"));
}

TEST_F(ItemDrawingTest, WithoutIconEffectsASelectionChangeLeavesCellAndPictureAlone) {
  engine.SetIconEffects(false);
  AddItem(5, "Options", 0, std::to_string(kIcon));
  SetPanel(true);
  Draw(5, kSelect, kSelected);
  EXPECT_THAT(log.Starting("FillBox"), ElementsAre("FillBox 21,20,200,42 " + kHighlight + " -1"));
  EXPECT_THAT(log.Starting("Picture"), IsEmpty());
  EXPECT_THAT(log.Starting("Silhouette"), IsEmpty());
  Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("Picture"), ElementsAre("Picture " + std::to_string(kIcon) + " icon 2,23 16,16 transparent"));
}

TEST_F(ItemDrawingTest, ADisabledPictureIsAnEmbossedSilhouette) {
  AddItem(5, "Options", item_flag::Disabled, std::to_string(kBitmap));
  SetPanel(true);
  Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("Silhouette"), ElementsAre("Silhouette " + std::to_string(kBitmap) + " bitmap 2,23 16,16 +1,1 " +
                                                      kButtonLight + " +0,0 " + kShadow));
  EXPECT_THAT(log.Starting("Picture"), IsEmpty());
}

TEST_F(ItemDrawingTest, ACheckedPictureSitsPressedOnePixelHigher) {
  engine.SetIconEffects(true);
  AddItem(5, "Options", item_flag::Checked, std::to_string(kBitmap));
  SetPanel(true);
  Handler().Item(*Handler().FindItem(5, kPopup)).ImageIsBackground = true;
  Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("Picture"), ElementsAre("Picture " + std::to_string(kBitmap) + " bitmap 2,22 16,16 opaque"));
}

TEST_F(ItemDrawingTest, AFileItemShowsTheFilesIconAndDestroysIt) {
  painter.fileIcons["C:\\DOCS\\NOTES.TXT"] = 0x4600;
  pictures.AddIcon(0x4600, PictureSize{16, 16});
  AddItem(5, "notes.txt", 0, "C:\\DOCS\\NOTES.TXT");
  SetPanel(true);
  Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("FileIcon"), ElementsAre("FileIcon C:\\DOCS\\NOTES.TXT"));
  EXPECT_THAT(log.Starting("Picture"), ElementsAre("Picture " + std::to_string(0x4600) + " icon 2,23 16,16 transparent"));
  EXPECT_THAT(log.Starting("DestroyIcon"), ElementsAre("DestroyIcon " + std::to_string(0x4600)));
}

TEST_F(ItemDrawingTest, DrawItemImageDrawsNothingWithoutAPicture) {
  pictures.AddIcon(0x4700, std::nullopt);  // an icon without colour bitmap
  log.Clear();
  EXPECT_FALSE(renderer.DrawItemImage(kDc, "", kRect, false, false, false, 0, 0, 16, 16));
  EXPECT_FALSE(renderer.DrawItemImage(kDc, "0", kRect, false, false, false, 0, 0, 16, 16));
  EXPECT_FALSE(renderer.DrawItemImage(kDc, std::to_string(0x4700), kRect, false, false, false, 0, 0, 16, 16));
  EXPECT_FALSE(renderer.DrawItemImage(kDc, "12345", kRect, false, false, false, 0, 0, 16, 16));
  EXPECT_FALSE(renderer.DrawItemImage(kDc, "C:\\none.xyz", kRect, false, false, false, 0, 0, 16, 16));
  EXPECT_THAT(log.Starting("Picture"), IsEmpty());
  EXPECT_THAT(log.Starting("DestroyIcon"), IsEmpty());
  EXPECT_TRUE(renderer.DrawItemImage(kDc, std::to_string(kIcon), kRect, false, false, false, 3, -2, 16, 16));
  EXPECT_THAT(log.Starting("Picture"), ElementsAre("Picture " + std::to_string(kIcon) + " icon 3,18 16,16 transparent"));
}

// --- Separators ---

TEST_F(ItemDrawingTest, APlainSeparatorIsAnEtchedLineOnFullDrawsOnly) {
  AddItem(5, "", item_flag::Separator | item_flag::Disabled);
  SetPanel(false);
  // mid = 20 + 22 \ 2 = 31; the line pair is drawn at mid + 1.
  EXPECT_THAT(Draw(5, kFull, 0),
              ElementsAre("BkMode 1", "Font 1", "Frame 2,32,198,32 visible raised lines 1 1 20 16", "Font 0"));
  EXPECT_THAT(Draw(5, kSelect, kSelected), IsEmpty());
  EXPECT_THAT(Draw(5, draw_action::Focus, 0), IsEmpty());
}

TEST_F(ItemDrawingTest, ARaisedSeparatorIsDrawnSunkenSoItsLightLineIsOnTop) {
  AddItem(5, "", item_flag::Separator | item_flag::Disabled | item_flag::RaisedSeparator);
  SetPanel(false);
  Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("Frame"), ElementsAre("Frame 2,32,198,32 visible sunken lines 1 1 20 16"));
}

TEST_F(ItemDrawingTest, ATitledSeparatorCentresItsTitleBetweenTwoLines) {
  AddItem(5, "Options", item_flag::Separator | item_flag::Disabled);
  SetPanel(false);
  // The title measures 42 wide; moved right by (200 - 42) \ 2 = 79.
  EXPECT_THAT(Draw(5, kFull, 0),
              ElementsAre("BkMode 1", "Font 3", "TextColour " + kHighlight, "Measure 0,21,200,43 525 'Options'",
                          "Text 79,21,121,34 124 'Options'", "Frame 0,32,76,32 visible raised lines 1 1 20 16",
                          "Frame 124,32,200,32 visible raised lines 1 1 20 16", "Font 0"));
}

TEST_F(ItemDrawingTest, ASeparatorGetsTheMenuBackgroundOnlyWhenDisabledItemsMayHighlight) {
  AddItem(5, "", item_flag::Separator | item_flag::Disabled);
  SetPanel(false);
  engine.SetHighlightDisabled(true);
  Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("FillBox"), ElementsAre("FillBox 0,20,200,42 " + kMenu + " -1"));
}

// --- Colour items ---

TEST_F(ItemDrawingTest, AColourItemShowsItsSampleWithABlackBorder) {
  AddItem(5, "Rouge", item_flag::ColourItem, "", "", "Rouge{gControl:1|LColor:255|lvID:Fore}");
  SetPanel(false);
  Draw(5, kFull, kSelected);
  EXPECT_THAT(log.Starting("FillBox"),
              ElementsAre("FillBox 0,20,162,42 " + kHighlight + " -1", "FillBox 165,22,195,40 0000FF 000000"));
  Draw(5, kSelect, 0);
  EXPECT_THAT(log.Starting("FillBox"), ElementsAre("FillBox 0,20,162,42 " + kMenu + " -1"));
}

TEST_F(ItemDrawingTest, TheDefaultColourEntryHasTheFullHighlightAndNoSample) {
  AddItem(5, "Autre...", item_flag::ColourItem, "", "", "Autre...{gControl:1|LColor:-1}");
  SetPanel(false);
  Draw(5, kFull, kSelected);
  EXPECT_THAT(log.Starting("FillBox"), ElementsAre("FillBox 0,20,200,42 " + kHighlight + " -1"));
}

// --- Font items ---

TEST_F(ItemDrawingTest, AFontItemDrawsItsSampleInTheSampleSlot) {
  engine.SetItalicSelection(true);
  AddItem(5, "Courier", item_flag::FontItem, "", "AaBb", "Courier{gControl:1|LFont:Courier New}\tAaBb");
  SetPanel(false);
  Draw(5, kFull, 0);
  EXPECT_THAT(log.Starting("BuildFonts"), ElementsAre("BuildFonts create Courier New"));
  EXPECT_THAT(log.Starting("Font"), ElementsAre("Font 1", "Font 0", "Font 6", "Font 0"));
  Draw(5, kSelect, kSelected);
  EXPECT_THAT(log.Starting("Font"), ElementsAre("Font 1", "Font 0", "Font 4", "Font 0", "Font 7", "Font 0"));
}

// --- Sidebar ---

TEST_F(ItemDrawingTest, TheSidebarIsCopiedAndFramedWhenSelected) {
  AddItem(5, "", item_flag::Sidebar);
  Handler().Item(*Handler().FindItem(5, kPopup)).ItemWidth = 35;
  Handler().Item(*Handler().FindItem(5, kPopup)).ItemHeight = 200;
  SetPanel(true, false, 0x9000);
  const PixelRect side{0, 0, 35, 200};
  EXPECT_THAT(Draw(5, kFull, 0, side), ElementsAre("Copy 36864 0,0,35,200 from 35,200",
                                                   "Frame 0,0,35,199 hidden raised box 1 1 20 16"));
  EXPECT_THAT(Draw(5, kSelect, kSelected, side),
              ElementsAre("Copy 36864 2,2,33,198 from 35,200", "Frame 1,1,34,199 hidden raised box 1 1 20 16",
                          "Frame 0,0,35,199 visible raised box 1 1 20 16"));
}

TEST_F(ItemDrawingTest, ADisabledSidebarIsCopiedOnFullDrawsOnlyAndNeverFramed) {
  AddItem(5, "", item_flag::Sidebar | item_flag::Disabled);
  SetPanel(true, false, 0x9000);
  const PixelRect side{0, 0, 35, 200};
  EXPECT_THAT(Draw(5, kFull, 0, side), ElementsAre("Copy 36864 0,0,35,200 from 35,200"));
  EXPECT_THAT(Draw(5, kSelect, kSelected, side), IsEmpty());
}

// --- System commands ---

struct GlyphCase {
  std::uint32_t id;
  std::vector<std::string> main;
  std::vector<std::string> light;
};

std::vector<std::string> WithColour(const std::string& colour, std::vector<std::string> points) {
  for (std::string& line : points) line = "Line " + colour + ": " + line;
  return points;
}

TEST_F(ItemDrawingTest, DrawSysGlyphDrawsTheFourGlyphsAtTheirOffsets) {
  // rect 0,20,200,42: origin (5, 20 + (22 - 8) \ 2 - 1) = (5, 26).
  const std::vector<GlyphCase> cases = {
      {0xF060,
       {"5,26 14,35", "13,26 4,35", "5,27 13,35", "6,26 14,34", "12,26 4,34", "13,27 5,35"},
       {"7,26 10,29", "14,26 14,27 11,30 14,33 14,34", "6,35 10,31"}},
      {0xF020, {"6,34 14,34", "6,33 14,33"}, {"14,34 14,35 6,35"}},
      {0xF030, {"5,26 14,26 14,35 5,35 5,27 14,27"}, {"15,27 15,36 6,36 6,28 15,28"}},
      {0xF120,
       {"7,28 7,26 14,26 14,31 12,31 12,29 5,29 5,34 12,34 12,30 5,30", "8,27 14,27"},
       {"8,28 13,28", "13,30 13,31 6,31 6,35 13,35 13,32 15,32 15,26"}},
  };
  for (const GlyphCase& c : cases) {
    log.Clear();
    renderer.DrawSysGlyph(kDc, kRect, c.id, false, true);
    std::vector<std::string> expected = WithColour(kHighlight, c.main);
    expected.push_back("Frame 0,20,19,41 visible raised box 1 1 20 16");
    EXPECT_EQ(log.Lines(), expected) << std::hex << c.id;

    log.Clear();
    renderer.DrawSysGlyph(kDc, kRect, c.id, true, false);
    expected = WithColour(kLight3D, c.light);
    for (const std::string& line : WithColour(kShadow, c.main)) expected.push_back(line);
    expected.push_back("Frame 0,20,19,41 hidden raised box 1 1 20 16");
    EXPECT_EQ(log.Lines(), expected) << std::hex << c.id;
  }
  log.Clear();
  renderer.DrawSysGlyph(kDc, kRect, 0xF010, false, true);  // move: no glyph
  EXPECT_THAT(log.Lines(), IsEmpty());
}

TEST_F(ItemDrawingTest, ASystemCommandItemShowsItsGlyphInsteadOfACheckMark) {
  AddItem(0xF060, "Fermer", item_flag::Checked, "", "Alt+F4");
  SetPanel(false, true);
  Draw(0xF060, kFull, kSelected);
  EXPECT_THAT(log.Starting("FillBox"), ElementsAre("FillBox 21,20,200,42 " + kHighlight + " -1"));
  const auto lines = log.Starting("Line");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines.front(), "Line " + kHighlight + ": 5,26 14,35");
  EXPECT_TRUE(MenuItemRenderer::IsSysCommandItem(0xFFFFF060u));
  EXPECT_FALSE(MenuItemRenderer::IsSysCommandItem(0xF061));
}

}  // namespace
}  // namespace vantrel
