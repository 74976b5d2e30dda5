#include "platform/win32/sidebar_painter_win32.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "platform/win32/gdi_handles.h"

namespace vantrel {
namespace {

using win32::FromNumber;
using win32::Selection;
using win32::ToNumber;
using win32::UniqueBitmap;
using win32::UniqueFont;
using win32::UniqueMemoryDC;
using win32::WindowDC;

LOGFONTA ToLogFont(const MenuFontDescription& description) {
  LOGFONTA font{};
  font.lfHeight = description.height;
  font.lfWidth = description.width;
  font.lfEscapement = description.escapement;
  font.lfOrientation = description.orientation;
  font.lfWeight = description.weight;
  font.lfItalic = description.italic;
  font.lfUnderline = description.underline;
  font.lfStrikeOut = description.strikeOut;
  font.lfCharSet = description.charSet;
  font.lfOutPrecision = description.outPrecision;
  font.lfClipPrecision = description.clipPrecision;
  font.lfQuality = description.quality;
  font.lfPitchAndFamily = description.pitchAndFamily;
  const std::size_t length = description.faceName.size() < LF_FACESIZE - 1 ? description.faceName.size() : LF_FACESIZE - 1;
  std::memcpy(font.lfFaceName, description.faceName.data(), length);
  font.lfFaceName[length] = '\0';
  return font;
}

// The members are declared so that every selection ends before the object
// it selected is deleted, and every object before its context.
class Win32SidebarSurface final : public SidebarSurface {
 public:
  explicit Win32SidebarSurface(HWND window)
      : windowDc_(window), dc_(UniqueMemoryDC::CompatibleWith(windowDc_.Get())) {}

  bool Valid() const { return windowDc_.Valid() && dc_.Valid(); }

  bool UseFont(const MenuFontDescription& description) override {
    fontSelection_.End();
    font_.Reset();
    const LOGFONTA logFont = ToLogFont(description);
    font_.Reset(::CreateFontIndirectA(&logFont));
    if (!font_.Valid()) return false;
    fontSelection_ = Selection(dc_.Get(), font_.Get());
    return fontSelection_.Valid();
  }

  TextExtent MeasureText(std::string_view text, bool multiLine) override {
    const std::string copy(text);
    RECT box{0, 0, 0, 0};
    const UINT layout = multiLine ? DT_CENTER : DT_SINGLELINE;
    ::DrawTextA(dc_.Get(), copy.c_str(), static_cast<int>(copy.size()), &box, DT_CALCRECT | DT_NOPREFIX | layout);
    return {box.right - box.left, box.bottom - box.top};
  }

  bool CreateBitmap(int width, int height) override {
    bitmapSelection_.End();
    bitmap_.Reset();
    if (width <= 0 || height <= 0) return false;
    bitmap_.Reset(::CreateCompatibleBitmap(windowDc_.Get(), width, height));
    if (!bitmap_.Valid()) return false;
    bitmapSelection_ = Selection(dc_.Get(), bitmap_.Get());
    if (!bitmapSelection_.Valid()) {
      bitmap_.Reset();
      return false;
    }
    return true;
  }

  DeviceContext Context() const override { return bitmapSelection_.Valid() ? ToNumber(dc_.Get()) : 0; }

  void DrawTextAt(std::string_view text, int x, int y, std::int32_t colour) override {
    if (!bitmapSelection_.Valid()) return;
    const std::string copy(text);
    const int previousMode = ::SetBkMode(dc_.Get(), TRANSPARENT);
    const COLORREF previousColour = ::SetTextColor(dc_.Get(), static_cast<COLORREF>(colour));
    RECT box{x, y, x, y};
    ::DrawTextA(dc_.Get(), copy.c_str(), static_cast<int>(copy.size()), &box,
                DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    ::SetTextColor(dc_.Get(), previousColour);
    ::SetBkMode(dc_.Get(), previousMode);
  }

  bool CopyPicture(PictureHandle bitmap) override {
    copySelection_.End();
    copy_.Reset();
    copyDc_.Reset();
    copy_.Reset(static_cast<HBITMAP>(::CopyImage(FromNumber<HANDLE>(bitmap), IMAGE_BITMAP, 0, 0, 0)));
    if (!copy_.Valid()) return false;
    BITMAP description{};
    if (::GetObjectA(copy_.Get(), sizeof description, &description) == 0) return false;
    copyWidth_ = description.bmWidth;
    copyHeight_ = description.bmHeight;
    copyDc_ = UniqueMemoryDC::CompatibleWith(windowDc_.Get());
    copySelection_ = Selection(copyDc_.Get(), copy_.Get());
    return copySelection_.Valid();
  }

  std::int32_t CopyCornerColour() override {
    if (!copySelection_.Valid()) return -1;
    const COLORREF pixel = ::GetPixel(copyDc_.Get(), 0, 0);
    return pixel == CLR_INVALID ? -1 : static_cast<std::int32_t>(pixel);
  }

  void StretchCopy(int x, int y, int width, int height) override {
    if (!copySelection_.Valid() || !bitmapSelection_.Valid()) return;
    const int previousMode = ::SetStretchBltMode(dc_.Get(), COLORONCOLOR);
    ::StretchBlt(dc_.Get(), x, y, width, height, copyDc_.Get(), 0, 0, copyWidth_, copyHeight_, SRCCOPY);
    ::SetStretchBltMode(dc_.Get(), previousMode);
  }

  BitmapHandle CopyForPrimitives() override {
    // A bitmap can be selected into one context only.
    copySelection_.End();
    return copy_.Valid() ? ToNumber(copy_.Get()) : 0;
  }

  void DrawIcon(PictureHandle icon, int x, int y, int width, int height) override {
    if (!bitmapSelection_.Valid()) return;
    ::DrawIconEx(dc_.Get(), x, y, FromNumber<HICON>(icon), width, height, 0, nullptr, DI_NORMAL);
  }

  BitmapHandle TakeBitmap() override {
    bitmapSelection_.End();
    return ToNumber(bitmap_.Release());
  }

 private:
  WindowDC windowDc_;
  UniqueMemoryDC dc_;
  UniqueMemoryDC copyDc_;
  UniqueBitmap bitmap_;
  UniqueBitmap copy_;
  UniqueFont font_;
  Selection bitmapSelection_;
  Selection copySelection_;
  Selection fontSelection_;
  int copyWidth_ = 0;
  int copyHeight_ = 0;
};

}  // namespace

std::unique_ptr<SidebarSurface> Win32SidebarPainter::BeginSidebar(WindowHandle window) {
  auto surface = std::make_unique<Win32SidebarSurface>(FromNumber<HWND>(window));
  if (!surface->Valid()) return nullptr;
  return surface;
}

int Win32SidebarPainter::ScreenPixelsPerInchY() {
  const WindowDC screen(nullptr);
  if (!screen.Valid()) return 0;
  return ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

}  // namespace vantrel
