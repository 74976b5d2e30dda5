// The menu font table on the real system fonts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dib_canvas.h"
#include "menus/render/menu_font_slots.h"
#include "platform/win32/menu_fonts_win32.h"

namespace vantrel {
namespace {

using wintest::DibCanvas;
using wintest::GdiObjectCount;

LOGFONTA SystemMenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  EXPECT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
  return metrics.lfMenuFont;
}

// The description of the font selected into dc now.
LOGFONTA SelectedFont(HDC dc) {
  LOGFONTA font{};
  EXPECT_NE(::GetObjectA(::GetCurrentObject(dc, OBJ_FONT), sizeof font, &font), 0);
  return font;
}

class MenuFontsWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(canvas_.Valid());
    gdiBefore_ = GdiObjectCount();
  }

  DibCanvas canvas_{8, 8, RGB(255, 255, 255)};
  DWORD gdiBefore_ = 0;
};

TEST_F(MenuFontsWinTest, FaceIsTheSystemMenuFonts) {
  Win32MenuFontTable table;
  const LOGFONTA menuFont = SystemMenuFont();
  EXPECT_EQ(table.GetMenuFontFace(), std::string(menuFont.lfFaceName));
  EXPECT_FALSE(table.GetMenuFontFace().empty());
}

TEST_F(MenuFontsWinTest, BaseSlotsCarryTheDescriptionRules) {
  const LOGFONTA menuFont = SystemMenuFont();
  const float size = MenuFontSizeFromHeight(menuFont.lfHeight);
  const HDC screen = ::GetDC(nullptr);
  const double twips = TwipsPerPixelFor(::GetDeviceCaps(screen, LOGPIXELSY));
  ::ReleaseDC(nullptr, screen);
  EXPECT_DOUBLE_EQ(twips, 15.0);  // the test prefix pins 96 dpi

  Win32MenuFontTable table;
  table.BuildMenuFonts(true, false, "");
  const HFONT own = static_cast<HFONT>(::GetCurrentObject(canvas_.Dc(), OBJ_FONT));
  struct Expected {
    int slot;
    LONG height;
    LONG weight;
    BYTE italic;
  };
  for (const Expected e : {Expected{1, MenuFontHeight(size, twips), menuFont.lfWeight, 0},
                           Expected{2, MenuFontHeight(size, twips), 800, 0},
                           Expected{3, MenuFontHeight(SmallFontPoints(size), twips), menuFont.lfWeight, 0}}) {
    ASSERT_TRUE(table.HasFont(e.slot));
    table.SelectMenuFont(e.slot, canvas_.Context());
    const LOGFONTA font = SelectedFont(canvas_.Dc());
    EXPECT_EQ(font.lfHeight, e.height) << e.slot;
    EXPECT_EQ(font.lfWeight, e.weight) << e.slot;
    EXPECT_EQ(font.lfItalic, e.italic) << e.slot;
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET) << e.slot;
    EXPECT_STREQ(font.lfFaceName, menuFont.lfFaceName) << e.slot;
    table.SelectMenuFont(0, canvas_.Context());
    EXPECT_EQ(::GetCurrentObject(canvas_.Dc(), OBJ_FONT), own) << e.slot;
  }
  EXPECT_LT(MenuFontHeight(SmallFontPoints(size), twips), 0);
  EXPECT_GT(MenuFontHeight(SmallFontPoints(size), twips), MenuFontHeight(size, twips));
}

TEST_F(MenuFontsWinTest, ItalicAndSampleSlots) {
  Win32MenuFontTable table;
  table.BuildMenuFonts(true, false, "");
  table.BuildMenuFonts(true, true, "");
  table.BuildMenuFonts(true, false, "Liberation Serif");
  for (int slot = 1; slot <= 7; ++slot) EXPECT_TRUE(table.HasFont(slot)) << slot;

  table.SelectMenuFont(5, canvas_.Context());
  LOGFONTA font = SelectedFont(canvas_.Dc());
  EXPECT_EQ(font.lfWeight, 800);
  EXPECT_NE(font.lfItalic, 0);
  table.SelectMenuFont(0, canvas_.Context());

  table.SelectMenuFont(7, canvas_.Context());
  font = SelectedFont(canvas_.Dc());
  EXPECT_STREQ(font.lfFaceName, "Liberation Serif");
  EXPECT_EQ(font.lfWeight, 400);
  EXPECT_NE(font.lfItalic, 0);
  table.SelectMenuFont(0, canvas_.Context());
}

TEST_F(MenuFontsWinTest, BuildingAndReleasingLeavesNoObject) {
  const HFONT own = static_cast<HFONT>(::GetCurrentObject(canvas_.Dc(), OBJ_FONT));
  {
    Win32MenuFontTable table;
    table.BuildMenuFonts(true, false, "");
    EXPECT_EQ(GdiObjectCount(), gdiBefore_ + 3);
    table.BuildMenuFonts(true, true, "");
    table.BuildMenuFonts(true, false, "Liberation Sans");
    table.BuildMenuFonts(true, false, "Liberation Mono");  // the sample is replaced, not added
    EXPECT_EQ(GdiObjectCount(), gdiBefore_ + 7);
    table.SelectMenuFont(6, canvas_.Context());
    table.BuildMenuFonts(false, false, "");
    EXPECT_EQ(GdiObjectCount(), gdiBefore_);
    EXPECT_EQ(::GetCurrentObject(canvas_.Dc(), OBJ_FONT), own);
    for (int slot = 1; slot <= 7; ++slot) EXPECT_FALSE(table.HasFont(slot)) << slot;

    table.BuildMenuFonts(true, false, "");  // a new first hook builds them again
    EXPECT_EQ(GdiObjectCount(), gdiBefore_ + 3);
  }
  EXPECT_EQ(GdiObjectCount(), gdiBefore_);
}

}  // namespace
}  // namespace vantrel
