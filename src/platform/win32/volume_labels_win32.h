// Volume labels read with GetVolumeInformationA.
#pragma once

#include "platform/volume_labels.h"

namespace vantrel {

class Win32VolumeLabels final : public VolumeLabels {
 public:
  std::optional<std::string> LabelBuffer(std::string_view root) override;
};

}  // namespace vantrel
