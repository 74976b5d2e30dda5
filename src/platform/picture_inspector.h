// What a picture handle is: a bitmap with its size, or an icon with the size
// of its colour bitmap.
#pragma once

#include <optional>

#include "platform/picture_list.h"

namespace vantrel {

class PictureInspector {
 public:
  virtual ~PictureInspector() = default;
  // The size of a bitmap; nothing when handle is not a bitmap.
  virtual std::optional<PictureSize> BitmapSize(PictureHandle handle) const = 0;
  // The size of an icon's colour bitmap; nothing when handle is not an icon
  // or the icon has no colour bitmap. The icon itself is left as it is.
  virtual std::optional<PictureSize> IconColourSize(PictureHandle handle) const = 0;
};

}  // namespace vantrel
