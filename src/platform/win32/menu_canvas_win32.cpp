#include "platform/win32/menu_canvas_win32.h"

#include <windows.h>

#include <exception>

#include "menus/model/colour_values.h"
#include "menus/render/drawing_geometry.h"
#include "platform/win32/gdi_handles.h"

namespace vantrel {
namespace {

using win32::FromNumber;
using win32::Selection;
using win32::ToNumber;
using win32::UniqueBitmap;
using win32::UniqueBrush;
using win32::UniqueMemoryDC;
using win32::UniquePen;

constexpr DWORD kMaskAndNot = 0x00220326;  // DSna: destination AND NOT source

HDC Dc(DeviceContext dc) { return FromNumber<HDC>(dc); }

std::optional<int> ScreenExtent(bool horizontal) {
  const int extent = ::GetSystemMetrics(horizontal ? SM_CXSCREEN : SM_CYSCREEN);
  return extent > 0 ? std::optional<int>(extent) : std::nullopt;
}

// A work bitmap of the destination's kind, selected into a memory context of
// its own with the destination's mapping mode.
struct WorkSurface {
  UniqueMemoryDC dc;
  UniqueBitmap bitmap;
  Selection selection;

  WorkSurface(HDC like, int width, int height)
      : dc(UniqueMemoryDC::CompatibleWith(like)), bitmap(::CreateCompatibleBitmap(like, width, height)),
        selection(dc.Get(), bitmap.Get()) {
    if (Valid()) ::SetMapMode(dc.Get(), ::GetMapMode(like));
  }
  bool Valid() const { return selection.Valid(); }
};

}  // namespace

std::uint32_t Win32MenuCanvas::Resolve(std::int32_t colour) const {
  return static_cast<std::uint32_t>(SysColorValue(colour, colours_));
}

void Win32MenuCanvas::FillBox(DeviceContext dc, int left, int top, int right, int bottom, std::int32_t fill,
                              std::int32_t border) {
  if (dc == 0) return;
  const COLORREF fillColour = Resolve(fill);
  const COLORREF borderColour = border == -1 ? fillColour : Resolve(border);
  const UniqueBrush brush(::CreateSolidBrush(fillColour));
  const UniquePen pen(::CreatePen(PS_SOLID, 1, borderColour));
  const Selection brushSelection(Dc(dc), brush.Get());
  const Selection penSelection(Dc(dc), pen.Get());
  if (!brushSelection.Valid() || !penSelection.Valid()) return;
  ::Rectangle(Dc(dc), left, top, right, bottom);
}

void Win32MenuCanvas::Draw3DFrame(DeviceContext dc, int left, int top, int right, int bottom, bool visible,
                                  bool sunken, bool linesOnly, int width1, int width2, int lightIndex,
                                  int darkIndex) {
  if (dc == 0) return;
  const auto strokes = Draw3DFrameStrokes(left, top, right, bottom, visible, sunken, linesOnly, width1, width2,
                                          lightIndex, darkIndex);
  for (const FrameStroke& stroke : strokes) {
    const UniquePen pen(::CreatePen(PS_SOLID, stroke.penWidth, colours_.SysColor(stroke.colourIndex)));
    const Selection selection(Dc(dc), pen.Get());
    if (!selection.Valid()) continue;
    ::MoveToEx(Dc(dc), stroke.points.front().x, stroke.points.front().y, nullptr);
    for (std::size_t i = 1; i < stroke.points.size(); ++i) ::LineTo(Dc(dc), stroke.points[i].x, stroke.points[i].y);
  }
}

void Win32MenuCanvas::GradientFill(std::int32_t colourA, std::int32_t colourB, bool horizontal, DeviceContext dc,
                                   const PixelRect& rect) {
  const auto bands = GradientBands(static_cast<std::int32_t>(Resolve(colourA)),
                                   static_cast<std::int32_t>(Resolve(colourB)), horizontal, rect,
                                   ScreenExtent(horizontal));
  for (const GradientBand& band : bands) {
    FillBox(dc, band.box.left, band.box.top, band.box.right, band.box.bottom, band.colour, -1);
  }
}

void Win32MenuCanvas::TransparentCopy(DeviceContext destDc, const PixelRect& destRect, BitmapHandle bitmap,
                                      const PixelRect& sourceRect, std::int32_t transparentColour, int& width,
                                      int& height, DeviceContext backDc, int backX, int backY, bool flipH,
                                      bool flipV, bool /*keepSourceDc*/) {
  if (destDc == 0 || bitmap == 0) return;
  const HDC dest = Dc(destDc);
  BITMAP description{};
  if (::GetObjectA(FromNumber<HBITMAP>(bitmap), sizeof description, &description) == 0) return;
  const auto sizes =
      PlanTransparentCopy(destRect, description.bmWidth, description.bmHeight, sourceRect, width, height);
  if (!sizes) return;
  width = sizes->width;
  height = sizes->height;
  const int sw = sizes->sourceWidth, sh = sizes->sourceHeight;
  const int dw = sizes->destWidth, dh = sizes->destHeight;

  // The source bitmap in a context of its own; released with this copy.
  const UniqueMemoryDC sourceDc = UniqueMemoryDC::CompatibleWith(dest);
  const Selection sourceSelection(sourceDc.Get(), FromNumber<HBITMAP>(bitmap));
  if (!sourceSelection.Valid()) return;

  COLORREF transparent = 0;
  if (transparentColour == -1) {
    transparent = ::GetPixel(sourceDc.Get(), sourceRect.left, sourceRect.top);
  } else {
    transparent = Resolve(transparentColour);
  }

  // 1. The background the picture lies on.
  WorkSurface back(dest, dw, dh);
  if (!back.Valid()) return;
  if (backDc != 0) {
    ::BitBlt(back.dc.Get(), 0, 0, dw, dh, Dc(backDc), backX, backY, SRCCOPY);
  } else {
    ::BitBlt(back.dc.Get(), 0, 0, dw, dh, dest, destRect.left, destRect.top, SRCCOPY);
  }

  // 2. The picture, mirrored as asked.
  WorkSurface picture(dest, sw, sh);
  if (!picture.Valid()) return;
  ::StretchBlt(picture.dc.Get(), flipH ? sw - 1 : 0, flipV ? sh - 1 : 0, flipH ? -sw : sw, flipV ? -sh : sh,
               sourceDc.Get(), sourceRect.left, sourceRect.top, sw, sh, SRCCOPY);

  // 3. The mask: 1 where the picture has the transparent colour. Copying a
  // colour picture into one bit per pixel compares with its background
  // colour.
  const UniqueMemoryDC maskDc = UniqueMemoryDC::CompatibleWith(dest);
  const UniqueBitmap mask(::CreateBitmap(sw, sh, 1, 1, nullptr));
  const Selection maskSelection(maskDc.Get(), mask.Get());
  if (!maskSelection.Valid()) return;
  ::SetBkColor(picture.dc.Get(), transparent);
  ::BitBlt(maskDc.Get(), 0, 0, sw, sh, picture.dc.Get(), 0, 0, SRCCOPY);

  // One-bit sources paint 1 in the background colour and 0 in the text
  // colour of the colour context they are copied into.
  ::SetBkColor(picture.dc.Get(), RGB(255, 255, 255));
  ::SetTextColor(picture.dc.Get(), RGB(0, 0, 0));
  ::BitBlt(picture.dc.Get(), 0, 0, sw, sh, maskDc.Get(), 0, 0, kMaskAndNot);

  ::SetBkColor(back.dc.Get(), RGB(255, 255, 255));
  ::SetTextColor(back.dc.Get(), RGB(0, 0, 0));
  ::SetStretchBltMode(back.dc.Get(), COLORONCOLOR);
  ::StretchBlt(back.dc.Get(), 0, 0, width, height, maskDc.Get(), 0, 0, sw, sh, SRCAND);
  ::StretchBlt(back.dc.Get(), 0, 0, width, height, picture.dc.Get(), 0, 0, sw, sh, SRCPAINT);

  // 4. Back to the destination in one copy.
  ::BitBlt(dest, destRect.left, destRect.top, dw, dh, back.dc.Get(), 0, 0, SRCCOPY);
}

void Win32MenuCanvas::SetDrawObject(bool create, DeviceContext dc, DrawObjectKind kind, std::int32_t colour,
                                    bool withPen, int width, SavedDrawObjects& saved) {
  if (dc == 0) return;
  const HDC context = Dc(dc);
  const auto selectPen = [&] {
    UniquePen pen(::CreatePen(PS_SOLID, width, Resolve(colour)));
    if (!pen.Valid()) return;
    const HGDIOBJ replaced = ::SelectObject(context, pen.Get());
    if (replaced == nullptr || replaced == HGDI_ERROR) return;
    pen.Release();  // selected: deleted when released
    if (saved.SavedPen == 0) {
      saved.SavedPen = ToNumber(replaced);
    } else {
      // Already holding an engine pen: that one is replaced and deleted, the
      // context's own stays saved.
      ::DeleteObject(replaced);
    }
  };
  const auto releasePen = [&] {
    if (saved.SavedPen == 0) return;
    const HGDIOBJ engine = ::SelectObject(context, FromNumber<HGDIOBJ>(saved.SavedPen));
    if (engine != nullptr && engine != HGDI_ERROR) ::DeleteObject(engine);
    saved.SavedPen = 0;
  };

  switch (kind) {
    case DrawObjectKind::Brush:
      if (create) {
        UniqueBrush brush(::CreateSolidBrush(Resolve(colour)));
        if (brush.Valid()) {
          const HGDIOBJ replaced = ::SelectObject(context, brush.Get());
          if (replaced != nullptr && replaced != HGDI_ERROR) {
            brush.Release();
            if (saved.SavedBrush == 0) {
              saved.SavedBrush = ToNumber(replaced);
            } else {
              ::DeleteObject(replaced);
            }
          }
        }
        if (withPen) selectPen();
      } else {
        if (saved.SavedBrush != 0) {
          const HGDIOBJ engine = ::SelectObject(context, FromNumber<HGDIOBJ>(saved.SavedBrush));
          if (engine != nullptr && engine != HGDI_ERROR) ::DeleteObject(engine);
          saved.SavedBrush = 0;
        }
        releasePen();
      }
      break;
    case DrawObjectKind::Pen:
      if (create) {
        selectPen();
      } else {
        releasePen();
      }
      break;
    case DrawObjectKind::TextColour:
      if (create) ::SetTextColor(context, Resolve(colour));
      break;
  }
}

}  // namespace vantrel
