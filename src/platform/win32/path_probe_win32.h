// Files and folders by their attributes (GetFileAttributesA).
#pragma once

#include "platform/path_probe.h"

namespace vantrel {

class Win32PathProbe final : public PathProbe {
 public:
  PathKind Probe(std::string_view path) const override;
};

}  // namespace vantrel
