// A list of pictures numbered from 1, as an image list control holds them.
// The list owns its pictures; handles stay valid while the list lives.
#pragma once

#include <cstdint>
#include <optional>

namespace vantrel {

// A bitmap or icon as a plain number; 0 is none.
using PictureHandle = std::uintptr_t;

struct PictureSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

class PictureList {
 public:
  virtual ~PictureList() = default;
  virtual int Count() const = 0;
  // Picture n, 1 <= n <= Count(); 0 for any other n.
  virtual PictureHandle Picture(int n) const = 0;
  // When every picture of the list is an icon of one size the list knows
  // without asking the system: that size (an icon's colour bitmap's). Nothing
  // when the list cannot tell; its pictures are then looked at one by one.
  virtual std::optional<PictureSize> IconSize() const { return std::nullopt; }
};

}  // namespace vantrel
