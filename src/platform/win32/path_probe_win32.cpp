#include "platform/win32/path_probe_win32.h"

#include <windows.h>

#include <string>

namespace vantrel {

PathKind Win32PathProbe::Probe(std::string_view path) const {
  if (path.empty()) return PathKind::None;
  const std::string name(path);
  const DWORD attributes = ::GetFileAttributesA(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::None;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

}  // namespace vantrel
