// The media control interface's text commands through mciSendStringA.
#pragma once

#include "platform/sound_device.h"

namespace vantrel {

class Win32SoundDevice final : public SoundDevice {
 public:
  std::uint32_t SendCommand(std::string_view command, std::size_t returnLength) override;
};

}  // namespace vantrel
