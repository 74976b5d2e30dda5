// Volume labels of drive roots, for the generated drive items of menus.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Size of the label buffer the system fills.
inline constexpr std::size_t kVolumeLabelBuffer = 255;

class VolumeLabels {
 public:
  virtual ~VolumeLabels() = default;
  // The label buffer of the volume at root ("C:\"), as the system filled
  // it (the text ends at its first character 0); nothing when the volume
  // cannot be read.
  virtual std::optional<std::string> LabelBuffer(std::string_view root) = 0;
};

}  // namespace vantrel
