// Picture references resolved against a real image list, real bitmaps and
// real icons.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/text.h"
#include "dib_canvas.h"
#include "menus/model/icon_sources.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/image_list_win32.h"
#include "platform/win32/picture_inspector_win32.h"

namespace vantrel {
namespace {

using wintest::GdiObjectCount;

// A bitmap of width x height: a DIB section, or a device bitmap.
win32::UniqueBitmap MakeBitmap(int width, int height, bool dibSection) {
  const win32::WindowDC screen(nullptr);
  if (!dibSection) return win32::UniqueBitmap(::CreateCompatibleBitmap(screen.Get(), width, height));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  return win32::UniqueBitmap(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

// A colour icon of width x height.
win32::UniqueIcon MakeIcon(int width, int height) {
  win32::UniqueBitmap colour = MakeBitmap(width, height, false);
  win32::UniqueBitmap mask(::CreateBitmap(width, height, 1, 1, nullptr));
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour.Get();
  info.hbmMask = mask.Get();
  return win32::UniqueIcon(::CreateIconIndirect(&info));  // copies both bitmaps
}

// The owning window's picture controls by name, as the menu handler offers them.
class WindowPictures final : public PictureSources {
 public:
  void SetImageList(const PictureList* list) { list_ = list; }
  void Add(std::string name, HBITMAP bitmap) { named_[std::move(name)] = win32::ToNumber(bitmap); }
  const PictureList* ImageList() const override { return list_; }
  PictureHandle NamedPicture(std::string_view name) const override {
    const auto it = named_.find(std::string(name));
    return it == named_.end() ? 0 : it->second;
  }

 private:
  const PictureList* list_ = nullptr;
  std::map<std::string, PictureHandle> named_;
};

class PictureSourcesWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list_.Reset(::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 14, 0));
    ASSERT_TRUE(list_.Valid());
    for (int i = 0; i < 14; ++i) {
      win32::UniqueIcon icon = MakeIcon(16, 16);
      ASSERT_EQ(::ImageList_AddIcon(list_.Get(), icon.Get()), i);
    }
  }

  UniqueImageList list_;
  Win32PictureInspector inspector_;
  WindowPictures window_;
};

TEST_F(PictureSourcesWinTest, ImageListPicturesByOneBasedIndex) {
  Win32ImageListPictures pictures(list_.Get());
  window_.SetImageList(&pictures);
  EXPECT_EQ(pictures.Count(), 14);
  const ResolvedPicture eighth = ResolveItemImage("{IMG:i8|", window_, inspector_);
  EXPECT_NE(eighth.handle, 0u);
  EXPECT_EQ(eighth.kind, PictureKind::Icon);
  EXPECT_EQ(eighth.width, 16);
  EXPECT_EQ(eighth.height, 16);
  // The same picture twice is the same handle, owned by the list.
  EXPECT_EQ(ResolveItemImage("{IMG:I8|", window_, inspector_).handle, eighth.handle);
  EXPECT_NE(ResolveItemImage("{IMG:i14|", window_, inspector_).handle, 0u);
  EXPECT_EQ(ResolveItemImage("{IMG:i15|", window_, inspector_), ResolvedPicture{});
  EXPECT_EQ(ResolveItemImage("{IMG:i0|", window_, inspector_), ResolvedPicture{});
}

TEST_F(PictureSourcesWinTest, NamedBitmapsOfTheWindow) {
  const win32::UniqueBitmap section = MakeBitmap(24, 20, true);
  const win32::UniqueBitmap device = MakeBitmap(13, 11, false);
  window_.Add("ImTool(1)", section.Get());
  window_.Add("ImTool(2)", device.Get());
  EXPECT_EQ(ResolveItemImage("{IMG:ImTool(1)|", window_, inspector_),
            (ResolvedPicture{win32::ToNumber(section.Get()), PictureKind::Bitmap, 24, 20}));
  EXPECT_EQ(ResolveItemImage("{IMG:ImTool(2)|", window_, inspector_),
            (ResolvedPicture{win32::ToNumber(device.Get()), PictureKind::Bitmap, 13, 11}));
  EXPECT_EQ(ResolveItemImage("{IMG:ImTool(3)|", window_, inspector_), ResolvedPicture{});
  // Without an image list an index names nothing.
  EXPECT_EQ(ResolveItemImage("{IMG:i1|", window_, inspector_), ResolvedPicture{});
}

TEST_F(PictureSourcesWinTest, IconSizeComesFromItsColourBitmapAndNothingLeaks) {
  const win32::UniqueIcon icon = MakeIcon(32, 24);
  ASSERT_TRUE(icon.Valid());
  const DWORD before = GdiObjectCount();
  const std::string decimal = CStr(static_cast<long long>(win32::ToNumber(icon.Get())));
  const ResolvedPicture picture = ResolveItemImage("{IMG:" + decimal + "|", window_, inspector_);
  EXPECT_EQ(picture, (ResolvedPicture{win32::ToNumber(icon.Get()), PictureKind::Icon, 32, 24}));
  // The description's bitmaps are deleted, the icon itself is not.
  EXPECT_EQ(GdiObjectCount(), before);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(icon.Get(), &info));
  ::DeleteObject(info.hbmMask);
  ::DeleteObject(info.hbmColor);
}

TEST_F(PictureSourcesWinTest, HexadecimalHandleAndHandlesOfNothing) {
  const win32::UniqueBitmap bitmap = MakeBitmap(5, 7, true);
  char hex[32];
  std::snprintf(hex, sizeof hex, "{IMG:&H%llX|", static_cast<unsigned long long>(win32::ToNumber(bitmap.Get())));
  EXPECT_EQ(ResolveItemImage(hex, window_, inspector_),
            (ResolvedPicture{win32::ToNumber(bitmap.Get()), PictureKind::Bitmap, 5, 7}));
  // A brush is neither a bitmap nor an icon.
  const win32::UniqueBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
  const std::string brushRef = "{IMG:" + CStr(static_cast<long long>(win32::ToNumber(brush.Get()))) + "|";
  EXPECT_EQ(ResolveItemImage(brushRef, window_, inspector_), ResolvedPicture{});
  EXPECT_EQ(ResolveItemImage("{IMG:12345|", window_, inspector_), ResolvedPicture{});
}

TEST_F(PictureSourcesWinTest, AListTellsTheSizeALookAtEachOfItsIconsFinds) {
  UniqueImageList wide(::ImageList_Create(24, 20, ILC_COLOR32 | ILC_MASK, 2, 0));
  ASSERT_TRUE(wide.Valid());
  for (int i = 0; i < 2; ++i) {
    const win32::UniqueIcon icon = MakeIcon(24, 20);
    ASSERT_EQ(::ImageList_AddIcon(wide.Get(), icon.Get()), i);
  }
  for (HIMAGELIST list : {list_.Get(), wide.Get()}) {
    const Win32ImageListPictures pictures(list);
    ASSERT_TRUE(pictures.IconSize().has_value());
    for (int n = 1; n <= pictures.Count(); ++n) {
      EXPECT_FALSE(inspector_.BitmapSize(pictures.Picture(n)).has_value()) << n;
      EXPECT_EQ(inspector_.IconColourSize(pictures.Picture(n)), pictures.IconSize()) << n;
    }
  }
  EXPECT_EQ(Win32ImageListPictures(wide.Get()).IconSize(), (PictureSize{24, 20}));
  EXPECT_EQ(Win32ImageListPictures(nullptr).IconSize(), std::nullopt);
}

TEST_F(PictureSourcesWinTest, ImageListIconsGoWithTheList) {
  HICON first = nullptr;
  {
    Win32ImageListPictures pictures(list_.Get());
    first = win32::FromNumber<HICON>(pictures.Picture(1));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(pictures.Picture(0), 0u);
    EXPECT_EQ(pictures.Picture(15), 0u);
  }
  ICONINFO info{};
  EXPECT_FALSE(::GetIconInfo(first, &info));
}

}  // namespace
}  // namespace vantrel
