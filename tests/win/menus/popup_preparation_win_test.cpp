// Popup preparation on real windows and menus: a popup opened by a real menu
// loop becomes owner-drawn, text and picture sidebars are rendered into real
// bitmaps (their backgrounds read back at fixed points), and preparing and
// destroying popups leaves no drawing object behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "dib_canvas.h"
#include "menus/model/popup_preparation.h"
#include "menus/render/mod_menus.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/menu_access_win32.h"
#include "platform/win32/menu_canvas_win32.h"
#include "platform/win32/menu_fonts_win32.h"
#include "platform/win32/menu_text_measure_win32.h"
#include "platform/win32/picture_inspector_win32.h"
#include "platform/win32/sidebar_painter_win32.h"
#include "platform/win32/volume_labels_win32.h"
#include "platform/win32/window_hooks_win32.h"

namespace vantrel {
namespace {

using wintest::GdiObjectCount;

int& OwnMeasureRequests() {
  static int count = 0;
  return count;
}

LRESULT CALLBACK PreparedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM) ++OwnMeasureRequests();
  return ::DefWindowProcA(window, message, wParam, lParam);
}

const char* PreparedClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &PreparedProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantrelPreparedWindow";
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return "VantrelPreparedWindow";
}

class Window {
 public:
  Window() {
    window_ = ::CreateWindowExA(0, PreparedClass(), "Prepared", WS_OVERLAPPEDWINDOW, 120, 120, 300, 200, nullptr,
                                nullptr, ::GetModuleHandleA(nullptr), nullptr);
  }
  ~Window() {
    if (::IsWindow(window_)) ::DestroyWindow(window_);
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  HWND Get() const { return window_; }
  WindowHandle Handle() const { return reinterpret_cast<WindowHandle>(window_); }

 private:
  HWND window_ = nullptr;
};

// A width x height bitmap: a border of 4 pixels in one colour around another.
win32::UniqueBitmap FramedPicture(int width, int height, COLORREF border, COLORREF inside) {
  const win32::WindowDC screen(nullptr);
  win32::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), width, height));
  const win32::UniqueMemoryDC dc = win32::UniqueMemoryDC::CompatibleWith(screen.Get());
  const win32::Selection selection(dc.Get(), bitmap.Get());
  const win32::UniqueBrush outer(::CreateSolidBrush(border));
  const win32::UniqueBrush inner(::CreateSolidBrush(inside));
  RECT all{0, 0, width, height};
  ::FillRect(dc.Get(), &all, outer.Get());
  RECT centre{4, 4, width - 4, height - 4};
  ::FillRect(dc.Get(), &centre, inner.Get());
  return bitmap;
}

// Pixels of a bitmap no context holds.
class BitmapReader {
 public:
  explicit BitmapReader(std::uintptr_t bitmap)
      : dc_(win32::UniqueMemoryDC::CompatibleWith(nullptr)),
        selection_(dc_.Get(), reinterpret_cast<HBITMAP>(bitmap)) {
    BITMAP description{};
    if (::GetObjectA(reinterpret_cast<HBITMAP>(bitmap), sizeof description, &description) != 0) {
      width_ = description.bmWidth;
      height_ = description.bmHeight;
    }
  }
  bool Valid() const { return selection_.Valid(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF At(int x, int y) const { return ::GetPixel(dc_.Get(), x, y); }

 private:
  win32::UniqueMemoryDC dc_;
  win32::Selection selection_;
  int width_ = 0;
  int height_ = 0;
};

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class RealPreparationTest : public ::testing::Test {
 protected:
  RealPreparationTest() {
    OwnMeasureRequests() = 0;
    engine.SetPreparation(&preparation);
    engine.SetEngineResources(&preparation);
  }
  MenuPreparationServices Services() {
    MenuPreparationServices s{fonts, text, sidebars, canvas, Win32SystemColours(), pictures, nullptr, nullptr, nullptr, nullptr, {}};
    s.windows = &windows;
    s.volumes = &volumes;
    s.platformIndent = [this] { return engine.PlatformIndent(); };
    return s;
  }
  // The popup's rendered sidebar; 0 when there is none.
  std::uintptr_t SidebarBitmap(WindowHandle window, MenuHandle popup) {
    cMenuItems* handler = engine.HandlerOf(window);
    if (handler == nullptr) return 0;
    const auto panel = handler->FindPanel(popup);
    return panel ? handler->Panel(*panel).PanelBitmap : 0;
  }
  const MenuItemData* Record(WindowHandle window, std::int32_t id, MenuHandle popup) {
    cMenuItems* handler = engine.HandlerOf(window);
    if (handler == nullptr) return nullptr;
    const auto n = handler->FindItem(id, popup);
    return n ? &handler->Item(*n) : nullptr;
  }
  UniqueMenu PopupWith(std::initializer_list<std::string> captions, UINT firstId = 200) {
    UniqueMenu popup = MakePopupMenu(menus);
    for (const std::string& caption : captions) menus.AppendItem(popup.Get(), menu_append::String, firstId++, caption);
    return popup;
  }
  bool Prepare(WindowHandle window, MenuHandle popup) {
    bool isSysMenu = false;
    return engine.HandlerOf(window)->IsWindowList(popup, isSysMenu);
  }

  Win32WindowHooks windows;
  Win32MenuAccess menus;
  Win32MenuFontTable fonts;
  Win32GraphicsObjects graphics;
  Win32MenuCanvas canvas{Win32SystemColours()};
  Win32PictureInspector pictures;
  Win32MenuTextMeasure text;
  Win32SidebarPainter sidebars;
  Win32VolumeLabels volumes;
  modMenus engine{MenuEngineServices{windows, menus, fonts, Win32SystemColours(), &graphics}};
  MenuPopupPreparation preparation{Services()};
};

void CALLBACK EndTheMenu(HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); }

TEST_F(RealPreparationTest, ARealMenuLoopLeavesTheItemsOwnerDrawnWithThePopupAsTheirData) {
  Window w;
  ASSERT_NE(w.Get(), nullptr);
  ::ShowWindow(w.Get(), SW_SHOW);
  ::SetForegroundWindow(w.Get());
  engine.HookMenus(w.Handle(), nullptr, nullptr, hook_mode::Window);
  UniqueMenu popup = PopupWith({"{Sidebar|Text:Vantrel|BColor:16776960}", "Ouvrir\tCtrl+O", "", "-Options",
                                "Quitter{Default}"});
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, &EndTheMenu);
  ::TrackPopupMenu(reinterpret_cast<HMENU>(popup.Get()), TPM_RETURNCMD, 150, 150, 0, w.Get(), nullptr);
  ::KillTimer(nullptr, timer);

  // The loop's end put the sidebar back as a plain item at position 0.
  ASSERT_EQ(menus.GetItemCount(popup.Get()), 5);
  MenuItemInfo info;
  ASSERT_TRUE(menus.GetItemInfo(popup.Get(), 0, MenuItemBy::Position, info));
  EXPECT_EQ(info.type & menu_type::OwnerDraw, 0u);
  EXPECT_EQ(info.caption, "{Sidebar|Text:Vantrel|BColor:16776960}");
  for (UINT p = 1; p < 5; ++p) {
    ASSERT_TRUE(menus.GetItemInfo(popup.Get(), p, MenuItemBy::Position, info));
    EXPECT_NE(info.type & menu_type::OwnerDraw, 0u) << p;
    EXPECT_EQ(info.itemData, popup.Get()) << p;
    EXPECT_EQ(info.id, 200u + p);
  }
  ASSERT_TRUE(menus.GetItemInfo(popup.Get(), 2, MenuItemBy::Position, info));
  EXPECT_NE(info.type & menu_type::Separator, 0u);
  EXPECT_NE(info.state & menu_state::Disabled, 0u);

  // The sizes came from the records; the window's own procedure was never asked.
  EXPECT_EQ(OwnMeasureRequests(), 0);
  const MenuItemData* open = Record(w.Handle(), 201, popup.Get());
  ASSERT_NE(open, nullptr);
  EXPECT_GT(open->ItemWidth, 40);
  EXPECT_GE(open->ItemHeight, 22);
  EXPECT_EQ(open->TextOffset, 15);
  const MenuItemData* quit = Record(w.Handle(), 204, popup.Get());
  ASSERT_NE(quit, nullptr);
  EXPECT_EQ(quit->ItemFlags, item_flag::Default);
  EXPECT_NE(SidebarBitmap(w.Handle(), popup.Get()), 0u);
}

TEST_F(RealPreparationTest, ATextSidebarIsRenderedOnItsBackground) {
  Window w;
  engine.HookMenus(w.Handle(), nullptr, nullptr, hook_mode::Window);
  // Cyan, plain; the text at the top leaves the bottom free.
  UniqueMenu plain = PopupWith({"{Sidebar|Text:Vantrel|BColor:16776960|Align:Top|Width:40}", "Un", "Deux", "Trois"});
  Prepare(w.Handle(), plain.Get());
  const MenuItemData* sidebar = Record(w.Handle(), 200, plain.Get());
  ASSERT_NE(sidebar, nullptr);
  {
    BitmapReader reader(SidebarBitmap(w.Handle(), plain.Get()));
    ASSERT_TRUE(reader.Valid());
    EXPECT_EQ(reader.Width(), 40);
    EXPECT_EQ(reader.Height(), sidebar->ItemHeight);
    EXPECT_EQ(sidebar->ItemWidth, 40);
    const int h = reader.Height();
    EXPECT_EQ(reader.At(0, h - 1), RGB(0, 255, 255));
    EXPECT_EQ(reader.At(39, h - 1), RGB(0, 255, 255));
    EXPECT_EQ(reader.At(20, h - 2), RGB(0, 255, 255));
  }

  // Red at the bottom turning to blue at the top.
  UniqueMenu gradient =
      PopupWith({"{Sidebar|Text:V|BColor:255|GColor:16711680|Align:Top}", "Un", "Deux", "Trois", "Quatre"}, 300);
  Prepare(w.Handle(), gradient.Get());
  BitmapReader reader(SidebarBitmap(w.Handle(), gradient.Get()));
  ASSERT_TRUE(reader.Valid());
  const int h = reader.Height();
  ASSERT_GT(h, 40);
  EXPECT_EQ(reader.At(0, h - 1), RGB(255, 0, 0));
  EXPECT_TRUE(Near(reader.At(0, 0), RGB(0, 0, 255), 8)) << std::hex << reader.At(0, 0);
  const COLORREF middle = reader.At(1, h / 2);
  EXPECT_TRUE(Near(middle, RGB(128, 0, 128), 12)) << std::hex << middle;
}

TEST_F(RealPreparationTest, APictureSidebarIsScaledCentredAndCopiedWithOrWithoutItsBackground) {
  Window w;
  engine.HookMenus(w.Handle(), nullptr, nullptr, hook_mode::Window);
  const win32::UniqueBitmap picture = FramedPicture(48, 48, RGB(255, 0, 255), RGB(0, 255, 0));
  const std::string handle = MenuKeyNumber(reinterpret_cast<std::uintptr_t>(picture.Get()));
  for (const bool transparent : {false, true}) {
    SCOPED_TRACE(transparent ? "transparent" : "opaque");
    UniqueMenu popup = PopupWith({"{Sidebar|IMG:" + handle + "|BColor:16776960|GColor:8404992|Width:0" +
                                      (transparent ? "|Transparent}" : "}"),
                                  "Voir la fenetre", "Options", "Statistiques", "Aide", "Quitter"},
                                 transparent ? 400 : 500);
    Prepare(w.Handle(), popup.Get());
    BitmapReader reader(SidebarBitmap(w.Handle(), popup.Get()));
    ASSERT_TRUE(reader.Valid());
    EXPECT_EQ(reader.Width(), 35);
    const int h = reader.Height();
    ASSERT_GT(h, 60);
    const int top = (h - 35) / 2;  // 48 x 48 shrunk to 35 x 35, centred
    EXPECT_EQ(reader.At(0, h - 1), RGB(0, 255, 255));  // BColor at the bottom edge
    EXPECT_TRUE(Near(reader.At(0, 0), RGB(0, 0x40, 0x80), 8)) << std::hex << reader.At(0, 0);
    EXPECT_EQ(reader.At(17, top + 17), RGB(0, 255, 0));  // the picture's middle
    const COLORREF corner = reader.At(1, top + 1);
    if (transparent) {
      EXPECT_NE(corner, RGB(255, 0, 255));  // the frame colour left out
    } else {
      EXPECT_EQ(corner, RGB(255, 0, 255));
    }
    // Above and below the picture: the background.
    EXPECT_NE(reader.At(17, top - 3), RGB(0, 255, 0));
    EXPECT_NE(reader.At(17, top + 38), RGB(0, 255, 0));
  }
}

TEST_F(RealPreparationTest, PreparingAndDestroyingPopupsLeavesNoDrawingObjectBehind) {
  const win32::UniqueBitmap picture = FramedPicture(48, 48, RGB(255, 0, 255), RGB(0, 255, 0));
  const std::string handle = MenuKeyNumber(reinterpret_cast<std::uintptr_t>(picture.Get()));
  const DWORD before = GdiObjectCount();
  for (int round = 0; round < 4; ++round) {
    Window w;
    engine.HookMenus(w.Handle(), nullptr, nullptr, hook_mode::Window);
    for (int i = 0; i < 3; ++i) {
      UniqueMenu text = PopupWith({"{Sidebar|Text:Vantrel menu<br>engine|BColor:255|GColor:65280}", "Un", "Deux"});
      UniqueMenu image =
          PopupWith({"{Sidebar|IMG:" + handle + "|BColor:16776960|GColor:8404992|Transparent}", "Un", "Deux"}, 300);
      Prepare(w.Handle(), text.Get());
      Prepare(w.Handle(), image.Get());
      // A taller column renders the sidebar again.
      engine.HandlerOf(w.Handle())->UpdateMenuItems(text.Get());
      menus.AppendItem(text.Get(), menu_append::String, 299, "Trois");
      Prepare(w.Handle(), text.Get());
      engine.HandlerOf(w.Handle())->UpdateMenuItems(text.Get());
      engine.HandlerOf(w.Handle())->UpdateMenuItems(image.Get());
    }
    // While the window is hooked its sidebars and the fonts are held.
    EXPECT_GT(GdiObjectCount(), before + 1);
  }
  EXPECT_FALSE(engine.HasMenuHandlers());
  EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
}  // namespace vantrel
