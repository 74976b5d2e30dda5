#include "platform/win32/volume_labels_win32.h"

#include <windows.h>

#include <string>

namespace vantrel {

std::optional<std::string> Win32VolumeLabels::LabelBuffer(std::string_view root) {
  const std::string path(root);
  std::string buffer(kVolumeLabelBuffer, '\0');
  // No error box for an empty drive.
  const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const BOOL read = ::GetVolumeInformationA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()), nullptr,
                                            nullptr, nullptr, nullptr, 0);
  ::SetErrorMode(previousMode);
  if (!read) return std::nullopt;
  return buffer;
}

}  // namespace vantrel
