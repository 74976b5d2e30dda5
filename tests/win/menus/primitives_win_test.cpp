// The drawing primitives drawn into a DIB section and read back.
#include <windows.h>

#include <gtest/gtest.h>

#include "dib_canvas.h"
#include "menus/render/drawing_geometry.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/menu_canvas_win32.h"

namespace vantrel {
namespace {

using wintest::DibCanvas;
using wintest::GdiObjectCount;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

std::int32_t C(COLORREF colour) { return static_cast<std::int32_t>(colour); }

class MenuPrimitivesWinTest : public ::testing::Test {
 protected:
  // The system keeps a few objects of its own for the process from the first
  // use of the display and of a transparent copy on: made once here, before
  // any count is taken.
  static void SetUpTestSuite() {
    Win32MenuCanvas primitives(Win32SystemColours());
    DibCanvas scratch(8, 8, kWhite);
    const win32::WindowDC screen(nullptr);
    const win32::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), 4, 4));
    int width = 0, height = 0;
    primitives.TransparentCopy(scratch.Context(), {0, 0, 8, 8}, win32::ToNumber(bitmap.Get()), {}, -1, width, height,
                               0, 0, 0, true, true, false);
  }

  void SetUp() override {
    ASSERT_TRUE(canvas_.Valid());
    gdiBefore_ = GdiObjectCount();
  }
  void TearDown() override { EXPECT_EQ(GdiObjectCount(), gdiBefore_) << "GDI objects left behind"; }

  Win32MenuCanvas primitives_{Win32SystemColours()};
  DibCanvas canvas_{64, 48, kWhite};
  DWORD gdiBefore_ = 0;
};

TEST_F(MenuPrimitivesWinTest, FillBoxWithoutBorderPaintsTheWholeBoxInTheFill) {
  primitives_.FillBox(canvas_.Context(), 2, 3, 12, 9, C(kRed), -1);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool inside = x >= 2 && x < 12 && y >= 3 && y < 9;
      EXPECT_EQ(canvas_.At(x, y), inside ? kRed : kWhite) << x << "," << y;
    }
  }
}

TEST_F(MenuPrimitivesWinTest, FillBoxBorderIsTheOutermostRing) {
  primitives_.FillBox(canvas_.Context(), 2, 3, 12, 9, C(kRed), C(kBlue));
  EXPECT_EQ(canvas_.At(2, 3), kBlue);
  EXPECT_EQ(canvas_.At(11, 8), kBlue);
  EXPECT_EQ(canvas_.At(6, 3), kBlue);
  EXPECT_EQ(canvas_.At(2, 6), kBlue);
  EXPECT_EQ(canvas_.At(3, 4), kRed);
  EXPECT_EQ(canvas_.At(10, 7), kRed);
  EXPECT_EQ(canvas_.At(12, 6), kWhite);
  EXPECT_EQ(canvas_.At(6, 9), kWhite);
}

TEST_F(MenuPrimitivesWinTest, FillBoxResolvesSystemColours) {
  const std::int32_t menuColour = static_cast<std::int32_t>(0x80000000u | COLOR_MENU);
  const std::int32_t highlight = static_cast<std::int32_t>(0x80000000u | COLOR_HIGHLIGHT);
  primitives_.FillBox(canvas_.Context(), 0, 0, 10, 10, menuColour, highlight);
  EXPECT_EQ(canvas_.At(5, 5), ::GetSysColor(COLOR_MENU));
  EXPECT_EQ(canvas_.At(0, 0), ::GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(MenuPrimitivesWinTest, NoContextDrawsNothing) {
  primitives_.FillBox(0, 0, 0, 10, 10, C(kRed), -1);
  primitives_.Draw3DFrame(0, 0, 0, 10, 10, true, false, false, 1, 1, 20, 16);
  int width = 0, height = 0;
  primitives_.TransparentCopy(0, {0, 0, 10, 10}, win32::ToNumber(canvas_.Bitmap()), {}, -1, width, height, 0, 0, 0,
                              false, false, false);
  EXPECT_EQ(width, 0);
  EXPECT_EQ(canvas_.At(5, 5), kWhite);
}

TEST_F(MenuPrimitivesWinTest, EtchedAndRaisedSeparatorLines) {
  const COLORREF light = ::GetSysColor(kColourButtonHighlight);
  const COLORREF dark = ::GetSysColor(kColourButtonShadow);
  ASSERT_NE(light, dark);
  ASSERT_NE(light, kGreen);
  ASSERT_NE(dark, kGreen);
  canvas_.Clear(kGreen);

  // A line stops before its end point: the separator covers left .. right - 2.
  const int mid = 10;  // etched: dark at mid - 1, light at mid
  primitives_.Draw3DFrame(canvas_.Context(), 4, mid + 1, 40, mid + 1, true, false, true, 1, 1,
                          kColourButtonHighlight, kColourButtonShadow);
  for (const int x : {4, 20, 38}) {
    EXPECT_EQ(canvas_.At(x, mid - 2), kGreen) << x;
    EXPECT_EQ(canvas_.At(x, mid - 1), dark) << x;
    EXPECT_EQ(canvas_.At(x, mid), light) << x;
    EXPECT_EQ(canvas_.At(x, mid + 1), kGreen) << x;
  }
  EXPECT_EQ(canvas_.At(3, mid), kGreen);
  EXPECT_EQ(canvas_.At(39, mid), kGreen);
  EXPECT_EQ(canvas_.At(39, mid - 1), kGreen);

  const int mid2 = 30;  // raised: light at mid, dark at mid + 1
  primitives_.Draw3DFrame(canvas_.Context(), 4, mid2 + 1, 40, mid2 + 1, true, true, true, 1, 1,
                          kColourButtonHighlight, kColourButtonShadow);
  for (const int x : {4, 20, 38}) {
    EXPECT_EQ(canvas_.At(x, mid2 - 1), kGreen) << x;
    EXPECT_EQ(canvas_.At(x, mid2), light) << x;
    EXPECT_EQ(canvas_.At(x, mid2 + 1), dark) << x;
    EXPECT_EQ(canvas_.At(x, mid2 + 2), kGreen) << x;
  }
}

TEST_F(MenuPrimitivesWinTest, RaisedFrameIsLightTopLeftAndDarkBottomRight) {
  const COLORREF light = ::GetSysColor(kColourButtonHighlight);
  const COLORREF dark = ::GetSysColor(kColourButtonShadow);
  const COLORREF menu = ::GetSysColor(COLOR_MENU);
  ASSERT_NE(menu, kGreen);
  canvas_.Clear(kGreen);
  primitives_.Draw3DFrame(canvas_.Context(), 5, 5, 25, 20, true, false, false, 1, 1, kColourButtonHighlight,
                          kColourButtonShadow);
  EXPECT_EQ(canvas_.At(5, 10), light);   // left side
  EXPECT_EQ(canvas_.At(15, 5), light);   // top side
  EXPECT_EQ(canvas_.At(25, 10), dark);   // right side, drawn on the right coordinate
  EXPECT_EQ(canvas_.At(15, 20), dark);   // bottom side
  EXPECT_EQ(canvas_.At(15, 12), kGreen); // inside untouched
  EXPECT_EQ(canvas_.At(26, 10), kGreen);

  // Sunken swaps the sides.
  primitives_.Draw3DFrame(canvas_.Context(), 30, 5, 50, 20, true, true, false, 1, 1, kColourButtonHighlight,
                          kColourButtonShadow);
  EXPECT_EQ(canvas_.At(30, 10), dark);
  EXPECT_EQ(canvas_.At(50, 10), light);

  // Invisible: the same frame in the menu colour erases it.
  primitives_.Draw3DFrame(canvas_.Context(), 5, 5, 25, 20, false, false, false, 1, 1, kColourButtonHighlight,
                          kColourButtonShadow);
  EXPECT_EQ(canvas_.At(5, 10), menu);
  EXPECT_EQ(canvas_.At(25, 10), menu);
}

TEST_F(MenuPrimitivesWinTest, HorizontalGradientEndBands) {
  const PixelRect box{2, 4, 42, 14};  // 40 wide: 1-pixel columns on a 1280 wide screen
  primitives_.GradientFill(C(RGB(0, 0, 0)), C(kWhite), true, canvas_.Context(), box);
  const auto bands = GradientBands(0, C(kWhite), true, box, ::GetSystemMetrics(SM_CXSCREEN));
  ASSERT_EQ(bands.size(), 40u);
  EXPECT_EQ(canvas_.At(2, 4), static_cast<COLORREF>(bands.front().colour));
  EXPECT_EQ(canvas_.At(2, 13), static_cast<COLORREF>(bands.front().colour));
  EXPECT_NE(canvas_.At(2, 4), canvas_.At(3, 4));
  EXPECT_EQ(canvas_.At(41, 9), kWhite);
  EXPECT_EQ(canvas_.At(40, 9), static_cast<COLORREF>(bands[38].colour));
  EXPECT_EQ(canvas_.At(1, 9), kWhite);   // outside
  EXPECT_EQ(canvas_.At(20, 14), kWhite);
}

TEST_F(MenuPrimitivesWinTest, VerticalGradientEndBands) {
  const PixelRect box{10, 5, 30, 45};
  primitives_.GradientFill(C(kRed), C(kBlue), false, canvas_.Context(), box);
  const auto bands = GradientBands(C(kRed), C(kBlue), false, box, ::GetSystemMetrics(SM_CYSCREEN));
  ASSERT_EQ(bands.size(), 40u);
  // B at the top, A at the bottom.
  EXPECT_EQ(canvas_.At(10, 5), static_cast<COLORREF>(bands.front().colour));
  EXPECT_EQ(canvas_.At(29, 5), static_cast<COLORREF>(bands.front().colour));
  EXPECT_EQ(canvas_.At(20, 44), kRed);
  EXPECT_NE(canvas_.At(20, 5), kRed);
  EXPECT_EQ(canvas_.At(20, 4), kWhite);
}

TEST_F(MenuPrimitivesWinTest, WideGradientPaintsTwoPixelBands) {
  DibCanvas wide(400, 4, kWhite);
  const PixelRect box{0, 0, 400, 4};  // 1280 \ 400 = 3: 2-pixel bands
  primitives_.GradientFill(0, C(kWhite), true, wide.Context(), box);
  EXPECT_EQ(wide.At(0, 0), wide.At(1, 0));
  EXPECT_NE(wide.At(1, 0), wide.At(2, 0));
  EXPECT_EQ(wide.At(398, 2), kWhite);
  EXPECT_EQ(wide.At(399, 2), kWhite);
}

// A 16 x 16 picture: magenta ground with a red square at 4..11.
class TransparentCopyWinTest : public MenuPrimitivesWinTest {
 protected:
  void SetUp() override {
    MenuPrimitivesWinTest::SetUp();
    picture_.Clear(kMagenta);
    for (int y = 4; y < 12; ++y) {
      for (int x = 4; x < 12; ++x) picture_.Set(x, y, kRed);
    }
    canvas_.Clear(kGreen);
  }
  DibCanvas picture_{16, 16, kMagenta};
};

// A bitmap in no context at all, as pictures are kept.
class FreeBitmap {
 public:
  explicit FreeBitmap(const DibCanvas& from) {
    win32::WindowDC screen(nullptr);
    bitmap_.Reset(::CreateCompatibleBitmap(screen.Get(), from.Width(), from.Height()));
    const win32::UniqueMemoryDC dc = win32::UniqueMemoryDC::CompatibleWith(nullptr);
    const win32::Selection selection(dc.Get(), bitmap_.Get());
    ::BitBlt(dc.Get(), 0, 0, from.Width(), from.Height(), from.Dc(), 0, 0, SRCCOPY);
  }
  BitmapHandle Handle() const { return win32::ToNumber(bitmap_.Get()); }

 private:
  win32::UniqueBitmap bitmap_;
};

TEST_F(TransparentCopyWinTest, SixteenIntoThirtyTwoStaysSixteenAtTheTopLeft) {
  const FreeBitmap bitmap(picture_);
  int width = 0, height = 0;
  primitives_.TransparentCopy(canvas_.Context(), {8, 4, 40, 36}, bitmap.Handle(), {}, -1, width, height, 0, 0, 0,
                              false, false, false);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
  // Red square at 8+4 .. 8+11, 4+4 .. 4+11; magenta shows the green below.
  EXPECT_EQ(canvas_.At(12, 8), kRed);
  EXPECT_EQ(canvas_.At(19, 15), kRed);
  EXPECT_EQ(canvas_.At(20, 16), kGreen);  // enlarged twice it would be red here
  EXPECT_EQ(canvas_.At(30, 28), kGreen);
  EXPECT_EQ(canvas_.At(8, 4), kGreen);
  EXPECT_EQ(canvas_.At(11, 8), kGreen);
}

TEST_F(TransparentCopyWinTest, ShrinksIntoASmallerBox) {
  const FreeBitmap bitmap(picture_);
  int width = 0, height = 0;
  primitives_.TransparentCopy(canvas_.Context(), {0, 0, 8, 8}, bitmap.Handle(), {}, C(kMagenta), width, height, 0,
                              0, 0, false, false, false);
  EXPECT_EQ(width, 8);
  EXPECT_EQ(height, 8);
  EXPECT_EQ(canvas_.At(4, 4), kRed);    // the square now at 2..5
  EXPECT_EQ(canvas_.At(0, 0), kGreen);
  EXPECT_EQ(canvas_.At(8, 4), kGreen);  // nothing beyond the box
}

TEST_F(TransparentCopyWinTest, MirrorsAndTakesItsBackgroundFromAnotherContext) {
  // Left half red, right half blue, no transparent pixel but the corner.
  picture_.Clear(kRed);
  for (int y = 0; y < 16; ++y) {
    for (int x = 8; x < 16; ++x) picture_.Set(x, y, kBlue);
  }
  picture_.Set(0, 0, kMagenta);
  const FreeBitmap bitmap(picture_);
  DibCanvas back(16, 16, RGB(1, 2, 3));
  int width = 0, height = 0;
  primitives_.TransparentCopy(canvas_.Context(), {0, 0, 16, 16}, bitmap.Handle(), {}, C(kMagenta), width, height,
                              back.Context(), 0, 0, true, false, false);
  EXPECT_EQ(canvas_.At(1, 5), kBlue);
  EXPECT_EQ(canvas_.At(14, 5), kRed);
  // The corner went to the right when mirrored and shows the other context.
  EXPECT_EQ(canvas_.At(15, 0), RGB(1, 2, 3));
  EXPECT_EQ(canvas_.At(0, 0), kBlue);
}

TEST_F(TransparentCopyWinTest, SourceRectanglePicksPartOfTheBitmap) {
  const FreeBitmap bitmap(picture_);
  int width = 0, height = 0;
  // Picture pixels 2..9: magenta at the part's top-left, the square from 4 on.
  primitives_.TransparentCopy(canvas_.Context(), {20, 20, 40, 40}, bitmap.Handle(), {2, 2, 10, 10}, -1, width,
                              height, 0, 0, 0, false, false, false);
  EXPECT_EQ(width, 8);
  EXPECT_EQ(height, 8);
  EXPECT_EQ(canvas_.At(20, 20), kGreen);
  EXPECT_EQ(canvas_.At(21, 27), kGreen);
  EXPECT_EQ(canvas_.At(22, 22), kRed);
  EXPECT_EQ(canvas_.At(27, 27), kRed);
  EXPECT_EQ(canvas_.At(28, 28), kGreen);  // beyond the part
}

TEST_F(TransparentCopyWinTest, OnlyMinusOneTakesTheCornerAnyOtherNegativeValueIsASystemColour) {
  // A ground of the system window colour, the red square, a blue corner.
  const COLORREF windowColour = ::GetSysColor(COLOR_WINDOW);
  for (const COLORREF other : {kRed, kGreen, kBlue}) ASSERT_NE(windowColour, other);
  picture_.Clear(windowColour);
  for (int y = 4; y < 12; ++y) {
    for (int x = 4; x < 12; ++x) picture_.Set(x, y, kRed);
  }
  picture_.Set(0, 0, kBlue);
  const FreeBitmap bitmap(picture_);

  struct Case {
    std::int32_t transparent;
    COLORREF corner;  // what shows at the picture's top-left
    COLORREF ground;  // and on its ground
  };
  const Case cases[] = {
      {-1, kGreen, windowColour},
      {static_cast<std::int32_t>(0x80000000u | COLOR_WINDOW), kBlue, kGreen},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.transparent);
    canvas_.Clear(kGreen);
    int width = 0, height = 0;
    primitives_.TransparentCopy(canvas_.Context(), {0, 0, 16, 16}, bitmap.Handle(), {}, c.transparent, width, height,
                                0, 0, 0, false, false, false);
    EXPECT_EQ(canvas_.At(0, 0), c.corner);
    EXPECT_EQ(canvas_.At(2, 2), c.ground);
    EXPECT_EQ(canvas_.At(14, 1), c.ground);
    EXPECT_EQ(canvas_.At(6, 6), kRed);
  }
}

TEST_F(MenuPrimitivesWinTest, SetDrawObjectSelectsAndRestores) {
  const HDC dc = canvas_.Dc();
  const HGDIOBJ brush = ::GetCurrentObject(dc, OBJ_BRUSH);
  const HGDIOBJ pen = ::GetCurrentObject(dc, OBJ_PEN);
  SavedDrawObjects saved;
  primitives_.SetDrawObject(true, canvas_.Context(), DrawObjectKind::Brush, C(kRed), true, 1, saved);
  EXPECT_EQ(saved.SavedBrush, win32::ToNumber(brush));
  EXPECT_EQ(saved.SavedPen, win32::ToNumber(pen));
  ::Rectangle(dc, 0, 0, 10, 10);
  EXPECT_EQ(canvas_.At(5, 5), kRed);
  EXPECT_EQ(canvas_.At(0, 0), kRed);

  // A second brush replaces the engine's first, the context's own stays saved.
  primitives_.SetDrawObject(true, canvas_.Context(), DrawObjectKind::Brush, C(kBlue), false, 1, saved);
  EXPECT_EQ(saved.SavedBrush, win32::ToNumber(brush));
  ::Rectangle(dc, 20, 0, 30, 10);
  EXPECT_EQ(canvas_.At(25, 5), kBlue);

  primitives_.SetDrawObject(false, canvas_.Context(), DrawObjectKind::Brush, 0, false, 0, saved);
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(saved.SavedBrush, 0u);
  EXPECT_EQ(saved.SavedPen, 0u);

  primitives_.SetDrawObject(true, canvas_.Context(), DrawObjectKind::Pen, C(kBlue), false, 3, saved);
  EXPECT_EQ(saved.SavedBrush, 0u);
  EXPECT_EQ(saved.SavedPen, win32::ToNumber(pen));
  LOGPEN logPen{};
  ASSERT_NE(::GetObjectA(::GetCurrentObject(dc, OBJ_PEN), sizeof logPen, &logPen), 0);
  EXPECT_EQ(logPen.lopnWidth.x, 3);
  EXPECT_EQ(logPen.lopnColor, kBlue);
  primitives_.SetDrawObject(false, canvas_.Context(), DrawObjectKind::Pen, 0, false, 0, saved);
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);

  primitives_.SetDrawObject(true, canvas_.Context(), DrawObjectKind::TextColour,
                            static_cast<std::int32_t>(0x80000000u | COLOR_HIGHLIGHT), false, 0, saved);
  EXPECT_EQ(::GetTextColor(dc), ::GetSysColor(COLOR_HIGHLIGHT));
  // Releasing what was never created changes nothing.
  primitives_.SetDrawObject(false, canvas_.Context(), DrawObjectKind::Brush, 0, false, 0, saved);
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);
}

}  // namespace
}  // namespace vantrel
