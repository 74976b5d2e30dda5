// Menu items drawn by the engine into a DIB section and read back at the
// points the drawing fixes: highlight and gradient ends, the image cell's
// frame, separator lines, check marks, glyphs and picture silhouettes. Text
// pixels are never compared.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dib_canvas.h"
#include "menus/render/c_tips.h"
#include "menus/render/menu_item_renderer.h"
#include "menus/render/menu_tooltips.h"
#include "menus/render/mod_menus.h"
#include "platform/win32/draw_request_win32.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/item_painter_win32.h"
#include "platform/win32/menu_access_win32.h"
#include "platform/win32/menu_canvas_win32.h"
#include "platform/win32/menu_fonts_win32.h"
#include "platform/win32/picture_inspector_win32.h"
#include "platform/win32/window_hooks_win32.h"

namespace vantrel {
namespace {

using wintest::DibCanvas;
using wintest::GdiObjectCount;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr MenuHandle kPopup = 0x3000;
constexpr RECT kItem{0, 20, 200, 42};

const char* PlainClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantrelItemDrawingTest";
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return "VantrelItemDrawingTest";
}

COLORREF Sys(int index) { return ::GetSysColor(index); }

// A 16 x 16 picture: green with a red 8 x 8 square at 4..11.
HBITMAP MakeSquarePicture() {
  const win32::WindowDC screen(nullptr);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen.Get(), 16, 16);
  const win32::UniqueMemoryDC dc = win32::UniqueMemoryDC::CompatibleWith(screen.Get());
  const win32::Selection selection(dc.Get(), bitmap);
  const win32::UniqueBrush green(::CreateSolidBrush(kGreen));
  const win32::UniqueBrush red(::CreateSolidBrush(kRed));
  RECT all{0, 0, 16, 16};
  ::FillRect(dc.Get(), &all, green.Get());
  RECT square{4, 4, 12, 12};
  ::FillRect(dc.Get(), &square, red.Get());
  return bitmap;
}

// A size x size icon: green with a red square in its middle, its left
// quarter transparent.
HICON MakeIcon(int size) {
  const win32::WindowDC screen(nullptr);
  const win32::UniqueBitmap colour(::CreateCompatibleBitmap(screen.Get(), size, size));
  const win32::UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, nullptr));
  {
    const win32::UniqueMemoryDC dc = win32::UniqueMemoryDC::CompatibleWith(screen.Get());
    const win32::Selection selection(dc.Get(), colour.Get());
    const win32::UniqueBrush green(::CreateSolidBrush(kGreen));
    const win32::UniqueBrush red(::CreateSolidBrush(kRed));
    RECT all{0, 0, size, size};
    ::FillRect(dc.Get(), &all, green.Get());
    RECT square{size / 4, size / 4, size * 3 / 4, size * 3 / 4};
    ::FillRect(dc.Get(), &square, red.Get());
  }
  {
    const win32::UniqueMemoryDC dc = win32::UniqueMemoryDC::CompatibleWith(screen.Get());
    const win32::Selection selection(dc.Get(), mask.Get());
    ::PatBlt(dc.Get(), 0, 0, size, size, BLACKNESS);
    ::PatBlt(dc.Get(), 0, 0, size / 4, size, WHITENESS);
  }
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask.Get();
  info.hbmColor = colour.Get();
  return ::CreateIconIndirect(&info);
}

class ItemDrawingWinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The system's own first-use objects, made before any count is taken.
    DibCanvas scratch(8, 8, kMagenta);
    Win32MenuCanvas primitives(Win32SystemColours());
    const win32::UniqueBitmap bitmap(MakeSquarePicture());
    int width = 0, height = 0;
    primitives.TransparentCopy(scratch.Context(), {0, 0, 8, 8}, win32::ToNumber(bitmap.Get()), {}, -1, width, height,
                               0, 0, 0, false, false, false);
  }

  void SetUp() override {
    window_ = ::CreateWindowExA(0, PlainClass(), "Items", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    engine.HookMenus(Handle(), nullptr, nullptr, hook_mode::Window);
    MenuHandle popup = kPopup;
    engine.SelectItemSet(Handle(), popup, false);
    picture_.Reset(MakeSquarePicture());
    pictureRef_ = std::to_string(win32::ToNumber(picture_.Get()));
    ASSERT_TRUE(canvas.Valid());
  }
  void TearDown() override {
    if (window_ != nullptr) ::DestroyWindow(window_);
  }

  WindowHandle Handle() const { return reinterpret_cast<WindowHandle>(window_); }
  cMenuItems& Handler() { return *engine.HandlerOf(Handle()); }

  void AddItem(std::int32_t id, std::string text, std::uint16_t flags, std::string imageRef = "",
               bool background = false) {
    MenuItemData item;
    item.ItemID = id;
    item.DisplayText = text;
    item.RawCaption = text;
    item.ItemFlags = flags;
    item.ImageRef = std::move(imageRef);
    item.ImageIsBackground = background;
    Handler().AddItem(item, kPopup);
  }
  void SetPanel(bool hasImages) {
    MenuPanelData panel;
    panel.MenuHandle = kPopup;
    panel.HasImages = hasImages;
    if (const auto n = Handler().FindPanel(kPopup)) {
      Handler().Panel(*n) = panel;
    } else {
      Handler().AddPanel(panel);
    }
  }
  bool Draw(UINT id, UINT action, UINT state, RECT rect = kItem) {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemID = id;
    dis.itemAction = action;
    dis.itemState = state;
    dis.hwndItem = reinterpret_cast<HWND>(kPopup);
    dis.hDC = canvas.Dc();
    dis.rcItem = rect;
    dis.itemData = kPopup;
    return renderer.DrawMenuItem(reinterpret_cast<std::intptr_t>(&dis));
  }

  Win32WindowHooks windows;
  Win32MenuAccess menus;
  Win32MenuFontTable fonts;
  Win32GraphicsObjects graphics;
  Win32DrawRequestReader requests;
  Win32MenuCanvas primitives{Win32SystemColours()};
  Win32MenuItemPainter painter{Win32SystemColours()};
  Win32PictureInspector inspector;
  modMenus engine{MenuEngineServices{windows, menus, fonts, Win32SystemColours(), &graphics}};
  MenuItemRenderer renderer{
      MenuItemRendererServices{engine, requests, primitives, fonts, Win32SystemColours(), painter, inspector}};
  DibCanvas canvas{200, 60, kMagenta};
  HWND window_ = nullptr;
  win32::UniqueBitmap picture_;
  std::string pictureRef_;
};

TEST_F(ItemDrawingWinTest, ASolidHighlightCoversTheWholeItemWithoutPictures) {
  AddItem(5, "Ouvrir", 0);
  SetPanel(false);
  ASSERT_TRUE(Draw(5, ODA_SELECT, ODS_SELECTED));
  const COLORREF highlight = static_cast<COLORREF>(engine.SavedHighlightColour());
  EXPECT_EQ(canvas.At(0, 21), highlight);
  EXPECT_EQ(canvas.At(199, 41), highlight);
  EXPECT_EQ(canvas.At(100, 19), kMagenta);  // nothing above the item
  EXPECT_EQ(canvas.At(100, 42), kMagenta);  // nor below
}

TEST_F(ItemDrawingWinTest, AGradientRunsFromTheHighlightRightOfTheImageCellToTheMenuColour) {
  engine.SetGradientSelection(true);
  engine.SetIconEffects(true);
  AddItem(5, "Options", 0, pictureRef_);
  SetPanel(true);
  ASSERT_TRUE(Draw(5, ODA_SELECT, ODS_SELECTED));
  const COLORREF highlight = static_cast<COLORREF>(engine.SavedHighlightColour());
  const COLORREF start = canvas.At(21, 30);
  // The first band is one step from the highlight: 179 bands of one pixel.
  EXPECT_NEAR(GetRValue(start), GetRValue(highlight), 2);
  EXPECT_NEAR(GetGValue(start), GetGValue(highlight), 2);
  EXPECT_NEAR(GetBValue(start), GetBValue(highlight), 2);
  EXPECT_EQ(canvas.At(199, 30), Sys(COLOR_MENU));
  // Left of the highlight: the raised frame of the selected image cell.
  EXPECT_EQ(canvas.At(20, 30), kMagenta);
  EXPECT_EQ(canvas.At(0, 30), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(10, 20), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(19, 30), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(10, 41), Sys(COLOR_BTNSHADOW));
}

TEST_F(ItemDrawingWinTest, TheSelectedPictureIsLiftedOverItsShadow) {
  engine.SetIconEffects(true);
  AddItem(5, "Options", 0, pictureRef_);
  SetPanel(true);
  ASSERT_TRUE(Draw(5, ODA_SELECT, ODS_SELECTED));
  // The square lies at 2 + 4 .. 2 + 11, 23 + 4 .. 23 + 11 in the cell: its
  // shadow one pixel down-right, the picture one pixel up-left, the place
  // between in the context's background colour; green is transparent.
  EXPECT_EQ(canvas.At(8, 30), kRed);
  EXPECT_EQ(canvas.At(5, 26), kRed);
  EXPECT_EQ(canvas.At(14, 35), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(13, 34), ::GetBkColor(canvas.Dc()));
  EXPECT_EQ(canvas.At(3, 24), Sys(COLOR_MENU));  // the cell, repainted
}

TEST_F(ItemDrawingWinTest, ADisabledPictureIsEmbossedInShadowAndLight) {
  AddItem(5, "Options", item_flag::Disabled, pictureRef_);
  SetPanel(true);
  ASSERT_TRUE(Draw(5, ODA_DRAWENTIRE, 0));
  EXPECT_EQ(canvas.At(10, 31), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(14, 35), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(4, 25), kMagenta);  // outside the shape nothing changes
}

TEST_F(ItemDrawingWinTest, AnOpaquePictureKeepsItsBackground) {
  AddItem(5, "Options", 0, pictureRef_, true);
  SetPanel(true);
  ASSERT_TRUE(Draw(5, ODA_DRAWENTIRE, 0));
  EXPECT_EQ(canvas.At(3, 24), kGreen);
  EXPECT_EQ(canvas.At(10, 31), kRed);
}

TEST_F(ItemDrawingWinTest, AnIconLooksAsItsCopyAtTheDrawingSizeWouldLook) {
  // At its own size and scaled down, the icon in the item's 16 x 16 cell is
  // what drawing a 16 x 16 copy of it gives, pixel for pixel.
  for (const int size : {16, 32}) {
    SCOPED_TRACE(size);
    const win32::UniqueIcon icon(MakeIcon(size));
    ASSERT_TRUE(icon.Valid());
    const std::int32_t id = 100 + size;
    AddItem(id, "Options", 0, std::to_string(win32::ToNumber(icon.Get())));
    SetPanel(true);
    canvas.Clear(kMagenta);
    ASSERT_TRUE(Draw(static_cast<UINT>(id), ODA_DRAWENTIRE, 0));

    DibCanvas expected(200, 60, kMagenta);
    const win32::UniqueIcon copy(static_cast<HICON>(::CopyImage(icon.Get(), IMAGE_ICON, 16, 16, 0)));
    ASSERT_TRUE(copy.Valid());
    ::DrawIconEx(expected.Dc(), 2, 23, copy.Get(), 16, 16, 0, nullptr, DI_NORMAL);
    int differing = 0;
    for (int y = 23; y < 39; ++y)
      for (int x = 2; x < 18; ++x) differing += canvas.At(x, y) != expected.At(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(canvas.At(10, 31), kRed);  // the square is there at all
  }
}

TEST_F(ItemDrawingWinTest, SeparatorsAreEtchedOrRaisedLines) {
  AddItem(5, "", item_flag::Separator | item_flag::Disabled);
  AddItem(6, "", item_flag::Separator | item_flag::Disabled | item_flag::RaisedSeparator);
  SetPanel(false);
  // mid = 31: etched is dark at 30 and light at 31; raised light at 31 and
  // dark at 32. The lines leave two pixels at each end.
  ASSERT_TRUE(Draw(5, ODA_DRAWENTIRE, 0));
  EXPECT_EQ(canvas.At(100, 30), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(100, 31), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(2, 30), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(1, 30), kMagenta);
  EXPECT_EQ(canvas.At(196, 31), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(197, 31), kMagenta);
  canvas.Clear(kMagenta);
  ASSERT_TRUE(Draw(6, ODA_DRAWENTIRE, 0));
  EXPECT_EQ(canvas.At(100, 30), kMagenta);
  EXPECT_EQ(canvas.At(100, 31), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(100, 32), Sys(COLOR_BTNSHADOW));
  // A selection change paints nothing.
  canvas.Clear(kMagenta);
  ASSERT_TRUE(Draw(5, ODA_SELECT, ODS_SELECTED));
  EXPECT_EQ(canvas.At(100, 30), kMagenta);
  EXPECT_EQ(canvas.At(100, 31), kMagenta);
}

TEST_F(ItemDrawingWinTest, ACheckMarkAndTheCloseGlyphArePaintedAtTheirPoints) {
  AddItem(5, "Coché", item_flag::Checked);
  AddItem(0xF060, "Fermer", 0);
  SetPanel(false);
  ASSERT_TRUE(Draw(5, ODA_DRAWENTIRE, 0));
  // y = 20 + (22 - 8) \ 2 = 27: the check starts at (6, 31) and ends at (12, 27).
  EXPECT_EQ(canvas.At(6, 31), Sys(COLOR_MENUTEXT));
  EXPECT_EQ(canvas.At(12, 28), Sys(COLOR_MENUTEXT));
  ASSERT_TRUE(Draw(0xF060, ODA_DRAWENTIRE, 0));
  // The close glyph's first stroke from (5, 26) to (14, 35).
  EXPECT_EQ(canvas.At(7, 28), Sys(COLOR_HIGHLIGHT));
  EXPECT_EQ(canvas.At(13, 34), Sys(COLOR_HIGHLIGHT));
}

TEST_F(ItemDrawingWinTest, ARequestForAnotherControlIsLeftToTheWindow) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_BUTTON;
  dis.hDC = canvas.Dc();
  dis.rcItem = kItem;
  EXPECT_FALSE(renderer.DrawMenuItem(reinterpret_cast<std::intptr_t>(&dis)));
  EXPECT_EQ(canvas.At(0, 21), kMagenta);
}

TEST_F(ItemDrawingWinTest, DrawingManyItemsLeavesNoGdiObjectBehind) {
  engine.SetGradientSelection(true);
  engine.SetIconEffects(true);
  engine.SetItalicSelection(true);
  AddItem(1, "Image", 0, pictureRef_);
  AddItem(2, "Grisé", item_flag::Disabled, pictureRef_);
  AddItem(3, "Défaut", item_flag::Default | item_flag::Checked);
  AddItem(4, "Titre", item_flag::Separator | item_flag::Disabled);
  AddItem(0xF020, "Réduire", 0);
  AddItem(6, "Fichier", 0, "C:\\windows\\notepad.exe");
  SetPanel(true);
  const UINT ids[] = {1, 2, 3, 4, 0xF020, 6};
  for (const UINT id : ids) Draw(id, ODA_DRAWENTIRE, 0);  // first-use objects of the system
  const DWORD before = GdiObjectCount();
  for (int round = 0; round < 50; ++round) {
    for (const UINT id : ids) {
      Draw(id, ODA_DRAWENTIRE, 0);
      Draw(id, ODA_SELECT, ODS_SELECTED);
      Draw(id, ODA_SELECT, 0);
    }
  }
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(ItemDrawingWinTest, TipsReachARegisteredHostOnRealMenuMessages) {
  cTips tips;
  std::vector<std::string> heard;
  tips.OnDisplayTip([&](std::string& text) { heard.push_back(text); });
  tips.OnCustomSelection([&](std::string&, std::string& category, TipValue&) { heard.push_back(category); });
  MenuTooltips tooltips(engine, menus);
  engine.SetTipEvents(&tooltips);
  const HWND other = ::CreateWindowExA(0, PlainClass(), "Tips", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                       ::GetModuleHandleA(nullptr), nullptr);
  const WindowHandle handle = reinterpret_cast<WindowHandle>(other);
  engine.HookMenus(handle, nullptr, &tips, hook_mode::Window);
  const HMENU popup = ::CreatePopupMenu();
  const MenuHandle popupHandle = reinterpret_cast<MenuHandle>(popup);
  MenuItemData item;
  item.ItemID = 7;
  item.ItemTip = "Ouvre un fichier";
  engine.HandlerOf(handle)->AddItem(item, popupHandle);
  MenuHandle selected = popupHandle;
  engine.SelectItemSet(handle, selected, false);
  ::SendMessageA(other, WM_MENUSELECT, MAKEWPARAM(7, MF_MOUSESELECT), reinterpret_cast<LPARAM>(popup));
  ::SendMessageA(other, WM_ENTERMENULOOP, 0, 0);
  ::SendMessageA(other, WM_EXITMENULOOP, 0, 0);
  ::DestroyWindow(other);
  ::DestroyMenu(popup);
  engine.SetTipEvents(nullptr);
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[0], "Ouvre un fichier");
  EXPECT_EQ(heard[1], "");
  EXPECT_EQ(heard[2], "MenusClosed");
}

}  // namespace
}  // namespace vantrel
