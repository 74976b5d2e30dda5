// The owners of GDI objects, contexts and icons against the real GDI.
#include "platform/win32/gdi_handles.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/win32/image_list_win32.h"

#include "dib_canvas.h"

namespace vantrel {
namespace {

using namespace win32;
using wintest::DibCanvas;
using wintest::GdiObjectCount;

TEST(GdiHandlesWinTest, TheProcessCountFollowsObjects) {
  // The leak checks below rely on this count.
  const DWORD before = GdiObjectCount();
  HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(GdiObjectCount(), before + 1);
  ::DeleteObject(brush);
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST(GdiHandlesWinTest, ObjectIsDeletedOnceByItsLastOwner) {
  const DWORD before = GdiObjectCount();
  HBRUSH handle = nullptr;
  {
    UniqueBrush brush(::CreateSolidBrush(RGB(10, 20, 30)));
    handle = brush.Get();
    EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
    UniqueBrush moved(std::move(brush));
    EXPECT_FALSE(brush.Valid());
    EXPECT_EQ(moved.Get(), handle);
    UniqueBrush assigned;
    assigned = std::move(moved);
    EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
  }
  EXPECT_EQ(::GetObjectType(handle), 0u);
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST(GdiHandlesWinTest, ResetDeletesTheOldObjectAndReleaseGivesItUp) {
  UniquePen pen(::CreatePen(PS_SOLID, 1, RGB(1, 1, 1)));
  HPEN first = pen.Get();
  pen.Reset(::CreatePen(PS_SOLID, 2, RGB(2, 2, 2)));
  EXPECT_EQ(::GetObjectType(first), 0u);
  HPEN second = pen.Release();
  EXPECT_FALSE(pen.Valid());
  EXPECT_EQ(::GetObjectType(second), static_cast<DWORD>(OBJ_PEN));
  ::DeleteObject(second);
}

TEST(GdiHandlesWinTest, SelectionPutsThePreviousObjectBack) {
  DibCanvas canvas(4, 4, RGB(0, 0, 0));
  ASSERT_TRUE(canvas.Valid());
  const HGDIOBJ original = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
  UniquePen pen(::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
  {
    Selection selection(canvas.Dc(), pen.Get());
    ASSERT_TRUE(selection.Valid());
    EXPECT_EQ(selection.Context(), canvas.Dc());
    EXPECT_EQ(selection.Previous(), original);
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_PEN), pen.Get());
    Selection moved(std::move(selection));
    EXPECT_FALSE(selection.Valid());
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_PEN), pen.Get());
  }
  EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_PEN), original);
}

TEST(GdiHandlesWinTest, FailedSelectionRestoresNothing) {
  DibCanvas canvas(4, 4, RGB(0, 0, 0));
  const HGDIOBJ original = ::GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
  { Selection none(canvas.Dc(), nullptr); EXPECT_FALSE(none.Valid()); }
  { Selection noContext(nullptr, ::GetStockObject(BLACK_BRUSH)); EXPECT_FALSE(noContext.Valid()); }
  EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_BRUSH), original);
}

TEST(GdiHandlesWinTest, SavedContextComesBackWhole) {
  DibCanvas canvas(4, 4, RGB(0, 0, 0));
  ::SetTextColor(canvas.Dc(), RGB(1, 2, 3));
  const HGDIOBJ originalBrush = ::GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
  UniqueBrush brush(::CreateSolidBrush(RGB(9, 9, 9)));
  {
    SavedDC saved(canvas.Dc());
    ASSERT_TRUE(saved.Valid());
    ::SetTextColor(canvas.Dc(), RGB(200, 100, 0));
    ::SelectObject(canvas.Dc(), brush.Get());
  }
  EXPECT_EQ(::GetTextColor(canvas.Dc()), RGB(1, 2, 3));
  EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_BRUSH), originalBrush);
}

TEST(GdiHandlesWinTest, ContextsAreDeletedOrReleased) {
  // The process's first screen context makes objects of the display driver
  // that stay: they are made before counting.
  { WindowDC first(nullptr); }
  const DWORD before = GdiObjectCount();
  HDC memory = nullptr;
  {
    UniqueMemoryDC dc = UniqueMemoryDC::CompatibleWith(nullptr);
    ASSERT_TRUE(dc.Valid());
    memory = dc.Get();
    UniqueMemoryDC moved(std::move(dc));
    EXPECT_FALSE(dc.Valid());
    EXPECT_EQ(::GetObjectType(memory), static_cast<DWORD>(OBJ_MEMDC));
    WindowDC screen(nullptr);
    ASSERT_TRUE(screen.Valid());
    WindowDC movedScreen(std::move(screen));
    EXPECT_FALSE(screen.Valid());
    EXPECT_NE(::GetDeviceCaps(movedScreen.Get(), LOGPIXELSY), 0);
  }
  EXPECT_EQ(::GetObjectType(memory), 0u);
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST(GdiHandlesWinTest, IconIsDestroyedByItsOwner) {
  const BYTE andMask[32 * 4] = {};
  const BYTE xorMask[32 * 4] = {};
  HICON handle = nullptr;
  {
    UniqueIcon icon(::CreateIcon(::GetModuleHandleA(nullptr), 32, 32, 1, 1, andMask, xorMask));
    ASSERT_TRUE(icon.Valid());
    handle = icon.Get();
    UniqueIcon moved(std::move(icon));
    EXPECT_FALSE(icon.Valid());
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(handle, &info));
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
  }
  ICONINFO after{};
  EXPECT_FALSE(::GetIconInfo(handle, &after));
}

// An image list holds bitmaps and contexts of its own: all of them go with it.
TEST(GdiHandlesWinTest, ImageListIsDestroyedWithItsPictures) {
  const DWORD before = GdiObjectCount();
  {
    UniqueImageList list(::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0));
    ASSERT_TRUE(list.Valid());
    UniqueBitmap picture(::CreateBitmap(16, 16, 1, 32, nullptr));
    EXPECT_EQ(::ImageList_AddMasked(list.Get(), picture.Get(), RGB(255, 0, 255)), 0);
    EXPECT_GT(GdiObjectCount(), before + 1);
    UniqueImageList moved(std::move(list));
    EXPECT_FALSE(list.Valid());
    EXPECT_EQ(::ImageList_GetImageCount(moved.Get()), 1);
  }
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST(GdiHandlesWinTest, HandlesAsNumbersRoundTrip) {
  UniqueBrush brush(::CreateSolidBrush(RGB(0, 0, 0)));
  EXPECT_EQ(FromNumber<HBRUSH>(ToNumber(brush.Get())), brush.Get());
  EXPECT_EQ(ToNumber<HBRUSH>(nullptr), 0u);
}

}  // namespace
}  // namespace vantrel
