// A 32-bit top-down DIB section in a memory context: drawn into through the
// context, read back pixel by pixel. Also the count of this process's GDI
// objects, to show that drawing leaves none behind.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/menu_fonts.h"

namespace vantrel::wintest {

class DibCanvas {
 public:
  DibCanvas(int width, int height, COLORREF background) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = ::CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = ::SelectObject(dc_, bitmap_);
    Clear(background);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;
  ~DibCanvas() {
    ::SelectObject(dc_, previous_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }

  bool Valid() const { return dc_ != nullptr && bits_ != nullptr; }
  HDC Dc() const { return dc_; }
  DeviceContext Context() const { return reinterpret_cast<DeviceContext>(dc_); }
  HBITMAP Bitmap() const { return bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Clear(COLORREF colour) {
    ::GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = ToPixel(colour);
  }
  void Set(int x, int y, COLORREF colour) {
    ::GdiFlush();
    bits_[y * width_ + x] = ToPixel(colour);
  }
  // The colour at (x, y) as 0x00BBGGRR.
  COLORREF At(int x, int y) const {
    ::GdiFlush();
    const std::uint32_t pixel = bits_[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }

 private:
  static std::uint32_t ToPixel(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  }

  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// Live GDI objects of this process. Wine answers GetGuiResources with 0;
// there the objects are counted by probing every handle table index, which
// Wine accepts without the handle's generation bits.
inline DWORD GdiObjectCount() {
  const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return reported;
  DWORD count = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index) {
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  }
  return count;
}

}  // namespace vantrel::wintest
