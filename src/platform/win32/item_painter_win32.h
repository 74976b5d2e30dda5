// The item drawing's text, lines, bitmap copies and pictures with GDI.
#pragma once

#include "platform/item_painter.h"
#include "platform/system_colours.h"
#include "platform/win32/menu_canvas_win32.h"

namespace vantrel {

class Win32MenuItemPainter final : public MenuItemPainter {
 public:
  // colours resolves negative colours of the transparent copies.
  explicit Win32MenuItemPainter(const SystemColours& colours) : canvas_(colours) {}

  void SetBackgroundMode(DeviceContext dc, int mode) override;
  void SetTextColour(DeviceContext dc, std::int32_t colour) override;
  void DrawMenuText(DeviceContext dc, std::string_view text, PixelRect& rect, std::uint32_t flags) override;
  void DrawPolyline(DeviceContext dc, std::int32_t colour, const std::vector<PixelPoint>& points) override;
  void CopyBitmap(DeviceContext dc, BitmapHandle bitmap, const PixelRect& dest, int sourceWidth,
                  int sourceHeight) override;
  PictureHandle LoadFileSmallIcon(std::string_view path) override;
  void DestroyFileIcon(PictureHandle icon) override;
  void DrawPicture(DeviceContext dc, const PictureToDraw& picture, int x, int y, int cx, int cy,
                   bool opaque) override;
  void DrawSilhouette(DeviceContext dc, const PictureToDraw& picture, int x, int y, int cx, int cy, bool opaque,
                      const std::array<SilhouettePass, 2>& passes) override;

 private:
  Win32MenuCanvas canvas_;
};

}  // namespace vantrel
