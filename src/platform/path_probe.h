// Whether a path names an existing file or folder.
#pragma once

#include <string_view>

namespace vantrel {

enum class PathKind { None, File, Folder };

class PathProbe {
 public:
  virtual ~PathProbe() = default;
  // What the path names; a trailing "\" is accepted on a folder.
  virtual PathKind Probe(std::string_view path) const = 0;
};

}  // namespace vantrel
