// A list of pictures numbered from 1, as an image list control holds them.
// The list owns its pictures; handles stay valid while the list lives.
#pragma once

#include <cstdint>

namespace vantrel {

// A bitmap or icon as a plain number; 0 is none.
using PictureHandle = std::uintptr_t;

class PictureList {
 public:
  virtual ~PictureList() = default;
  virtual int Count() const = 0;
  // Picture n, 1 <= n <= Count(); 0 for any other n.
  virtual PictureHandle Picture(int n) const = 0;
};

}  // namespace vantrel
