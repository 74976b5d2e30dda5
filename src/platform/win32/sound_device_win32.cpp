#include "platform/win32/sound_device_win32.h"

#include <windows.h>
// mmsystem.h is left out of windows.h when it is built lean.
#include <mmsystem.h>

#include <algorithm>
#include <limits>
#include <string>

namespace vantrel {

std::uint32_t Win32SoundDevice::SendCommand(std::string_view command, std::size_t returnLength) {
  const std::string text(command);
  // The return buffer starts as blanks and ends with a zero the interface may overwrite.
  std::string returned(returnLength + 1, ' ');
  returned.back() = '\0';
  const auto length =
      static_cast<UINT>(std::min<std::size_t>(returnLength, std::numeric_limits<UINT>::max()));
  return ::mciSendStringA(text.c_str(), returnLength == 0 ? nullptr : returned.data(), length,
                          nullptr);
}

}  // namespace vantrel
