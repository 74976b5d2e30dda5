// Bitmap and icon descriptions from GDI and the window manager.
#pragma once

#include "platform/picture_inspector.h"

namespace vantrel {

class Win32PictureInspector final : public PictureInspector {
 public:
  // Any GDI bitmap: a device-independent section or a device bitmap.
  std::optional<PictureSize> BitmapSize(PictureHandle handle) const override;
  // The description's mask and colour bitmaps are deleted again; the icon
  // itself is left alone.
  std::optional<PictureSize> IconColourSize(PictureHandle handle) const override;
};

}  // namespace vantrel
