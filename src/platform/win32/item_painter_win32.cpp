#include "platform/win32/item_painter_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/gdi_handles.h"

namespace vantrel {
namespace {

using win32::FromNumber;
using win32::Selection;
using win32::UniqueBitmap;
using win32::UniqueBrush;
using win32::UniqueIcon;
using win32::UniqueMemoryDC;
using win32::UniquePen;

// Where the work pixel is white the destination stays; elsewhere the brush
// is painted (PSDPxax).
constexpr DWORD kPaintThroughMask = 0x00B8074A;

HDC Dc(DeviceContext dc) { return FromNumber<HDC>(dc); }

}  // namespace

void Win32MenuItemPainter::SetBackgroundMode(DeviceContext dc, int mode) {
  if (dc == 0) return;
  ::SetBkMode(Dc(dc), mode);
}

void Win32MenuItemPainter::SetTextColour(DeviceContext dc, std::int32_t colour) {
  if (dc == 0) return;
  ::SetTextColor(Dc(dc), static_cast<COLORREF>(colour));
}

void Win32MenuItemPainter::DrawMenuText(DeviceContext dc, std::string_view text, PixelRect& rect,
                                        std::uint32_t flags) {
  if (dc == 0) return;
  RECT box{rect.left, rect.top, rect.right, rect.bottom};
  const std::string copy(text);
  ::DrawTextA(Dc(dc), copy.c_str(), static_cast<int>(copy.size()), &box, flags);
  if ((flags & text_format::CalcRect) != 0) rect = PixelRect{box.left, box.top, box.right, box.bottom};
}

void Win32MenuItemPainter::DrawPolyline(DeviceContext dc, std::int32_t colour, const std::vector<PixelPoint>& points) {
  if (dc == 0 || points.empty()) return;
  const UniquePen pen(::CreatePen(PS_SOLID, 1, static_cast<COLORREF>(colour)));
  const Selection selection(Dc(dc), pen.Get());
  if (!selection.Valid()) return;
  POINT previous{};
  ::MoveToEx(Dc(dc), points.front().x, points.front().y, &previous);
  for (std::size_t i = 1; i < points.size(); ++i) ::LineTo(Dc(dc), points[i].x, points[i].y);
  ::MoveToEx(Dc(dc), previous.x, previous.y, nullptr);
}

void Win32MenuItemPainter::CopyBitmap(DeviceContext dc, BitmapHandle bitmap, const PixelRect& dest, int sourceWidth,
                                      int sourceHeight) {
  if (dc == 0 || bitmap == 0) return;
  const UniqueMemoryDC source = UniqueMemoryDC::CompatibleWith(Dc(dc));
  const Selection selection(source.Get(), FromNumber<HBITMAP>(bitmap));
  if (!selection.Valid()) return;
  const int width = dest.right - dest.left;
  const int height = dest.bottom - dest.top;
  if (width == sourceWidth && height == sourceHeight) {
    ::BitBlt(Dc(dc), dest.left, dest.top, width, height, source.Get(), 0, 0, SRCCOPY);
  } else {
    const int mode = ::SetStretchBltMode(Dc(dc), COLORONCOLOR);
    ::StretchBlt(Dc(dc), dest.left, dest.top, width, height, source.Get(), 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    if (mode != 0) ::SetStretchBltMode(Dc(dc), mode);
  }
}

PictureHandle Win32MenuItemPainter::LoadFileSmallIcon(std::string_view path) {
  const std::string name(path);
  SHFILEINFOA info{};
  if (::SHGetFileInfoA(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES) == 0) {
    return 0;
  }
  return win32::ToNumber(info.hIcon);
}

void Win32MenuItemPainter::DestroyFileIcon(PictureHandle icon) {
  if (icon != 0) ::DestroyIcon(FromNumber<HICON>(icon));
}

void Win32MenuItemPainter::DrawPicture(DeviceContext dc, const PictureToDraw& picture, int x, int y, int cx, int cy,
                                       bool opaque) {
  if (dc == 0 || picture.handle == 0 || cx <= 0 || cy <= 0) return;
  if (picture.isIcon) {
    const auto icon = FromNumber<HICON>(picture.handle);
    // A copy at the icon's own size is the icon itself, pixel for pixel:
    // making one (a score of round trips to the window server under Wine,
    // for every item of every opening) changes nothing that is drawn.
    if (picture.size == PictureSize{cx, cy}) {
      ::DrawIconEx(Dc(dc), x, y, icon, cx, cy, 0, nullptr, DI_NORMAL);
      return;
    }
    const UniqueIcon copy(static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, cx, cy, 0)));
    if (!copy.Valid()) return;
    ::DrawIconEx(Dc(dc), x, y, copy.Get(), cx, cy, 0, nullptr, DI_NORMAL);
    return;
  }
  const UniqueBitmap copy(
      static_cast<HBITMAP>(::CopyImage(FromNumber<HBITMAP>(picture.handle), IMAGE_BITMAP, cx, cy, 0)));
  if (!copy.Valid()) return;
  if (opaque) {
    const UniqueMemoryDC source = UniqueMemoryDC::CompatibleWith(Dc(dc));
    const Selection selection(source.Get(), copy.Get());
    if (!selection.Valid()) return;
    ::StretchBlt(Dc(dc), x, y, cx, cy, source.Get(), 0, 0, cx, cy, SRCCOPY);
  } else {
    int width = cx;
    int height = cy;
    canvas_.TransparentCopy(dc, PixelRect{x, y, x + cx, y + cy}, win32::ToNumber(copy.Get()), PixelRect{}, -1, width,
                            height, 0, 0, 0, false, false, false);
  }
}

void Win32MenuItemPainter::DrawSilhouette(DeviceContext dc, const PictureToDraw& picture, int x, int y, int cx,
                                          int cy, bool opaque, const std::array<SilhouettePass, 2>& passes) {
  if (dc == 0 || picture.handle == 0 || cx <= 0 || cy <= 0) return;
  // The picture's shape: drawn on white in the destination's colours, then
  // turned into one bit per pixel where white gives 1 and every other colour
  // 0 (a colour-to-monochrome copy compares with the source's background).
  const UniqueMemoryDC canvas = UniqueMemoryDC::CompatibleWith(Dc(dc));
  const UniqueBitmap colourWork(::CreateCompatibleBitmap(Dc(dc), cx, cy));
  const Selection colourSelection(canvas.Get(), colourWork.Get());
  if (!colourSelection.Valid()) return;
  ::PatBlt(canvas.Get(), 0, 0, cx, cy, WHITENESS);
  DrawPicture(win32::ToNumber(canvas.Get()), picture, 0, 0, cx, cy, opaque);
  const UniqueMemoryDC work = UniqueMemoryDC::CompatibleWith(Dc(dc));
  const UniqueBitmap shape(::CreateBitmap(cx, cy, 1, 1, nullptr));
  const Selection shapeSelection(work.Get(), shape.Get());
  if (!shapeSelection.Valid()) return;
  ::SetBkColor(canvas.Get(), RGB(255, 255, 255));
  ::BitBlt(work.Get(), 0, 0, cx, cy, canvas.Get(), 0, 0, SRCCOPY);

  // A one-bit source paints its 1 bits in the background colour and its 0
  // bits in the text colour: white and black, so the raster operation sees
  // the shape exactly.
  const COLORREF oldBack = ::SetBkColor(Dc(dc), RGB(255, 255, 255));
  const COLORREF oldText = ::SetTextColor(Dc(dc), RGB(0, 0, 0));
  for (const SilhouettePass& pass : passes) {
    const COLORREF colour = pass.colour ? static_cast<COLORREF>(*pass.colour) : oldBack;
    const UniqueBrush brush(::CreateSolidBrush(colour));
    const Selection brushSelection(Dc(dc), brush.Get());
    if (!brushSelection.Valid()) continue;
    ::BitBlt(Dc(dc), x + pass.dx, y + pass.dy, cx, cy, work.Get(), 0, 0, kPaintThroughMask);
  }
  if (oldBack != CLR_INVALID) ::SetBkColor(Dc(dc), oldBack);
  if (oldText != CLR_INVALID) ::SetTextColor(Dc(dc), oldText);
}

}  // namespace vantrel
