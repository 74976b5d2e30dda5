// Where the pictures named in menu markup come from: the image list given to
// a window's menu handler, and the named picture controls of that window.
// The handler offers both; ResolveItemImage reads them.
#pragma once

#include <string_view>

#include "platform/picture_list.h"

namespace vantrel {

class PictureSources {
 public:
  virtual ~PictureSources() = default;
  // The image list of the handler; null when it was given none.
  virtual const PictureList* ImageList() const = 0;
  // The picture of a named picture source of the owning window: a control
  // name, or a control array name with its index ("ImTool(1)"), as written
  // in the markup. 0 when no such control or it holds no picture.
  virtual PictureHandle NamedPicture(std::string_view name) const = 0;
};

}  // namespace vantrel
