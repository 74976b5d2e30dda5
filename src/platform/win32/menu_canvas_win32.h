// The menu engine's drawing primitives with GDI.
#pragma once

#include <optional>

#include "platform/menu_canvas.h"
#include "platform/system_colours.h"

namespace vantrel {

class Win32MenuCanvas final : public MenuCanvas {
 public:
  // colours resolves negative colours and the frame's colour indexes.
  explicit Win32MenuCanvas(const SystemColours& colours) : colours_(colours) {}

  void FillBox(DeviceContext dc, int left, int top, int right, int bottom, std::int32_t fill,
               std::int32_t border) override;
  void Draw3DFrame(DeviceContext dc, int left, int top, int right, int bottom, bool visible, bool sunken,
                   bool linesOnly, int width1, int width2, int lightIndex, int darkIndex) override;
  void GradientFill(std::int32_t colourA, std::int32_t colourB, bool horizontal, DeviceContext dc,
                    const PixelRect& rect) override;
  void TransparentCopy(DeviceContext destDc, const PixelRect& destRect, BitmapHandle bitmap,
                       const PixelRect& sourceRect, std::int32_t transparentColour, int& width, int& height,
                       DeviceContext backDc, int backX, int backY, bool flipH, bool flipV,
                       bool keepSourceDc) override;
  void SetDrawObject(bool create, DeviceContext dc, DrawObjectKind kind, std::int32_t colour, bool withPen,
                     int width, SavedDrawObjects& saved) override;

 private:
  std::uint32_t Resolve(std::int32_t colour) const;

  const SystemColours& colours_;
};

}  // namespace vantrel
