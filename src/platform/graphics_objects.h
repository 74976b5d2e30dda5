// Release of drawing objects (bitmaps, brushes, pens, fonts) that outlive
// one drawing operation, such as a rendered menu sidebar kept between
// openings.
#pragma once

#include <cstdint>

namespace vantrel {

class GraphicsObjects {
 public:
  virtual ~GraphicsObjects() = default;
  // Deletes the object; false when it was not one. The object must not be
  // selected into a device context.
  virtual bool DeleteGraphicsObject(std::uintptr_t object) = 0;
};

}  // namespace vantrel
