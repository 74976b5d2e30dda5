// The media control interface, driven by text commands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vantrel {

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  // Sends command with a return buffer of returnLength characters and no
  // callback window; returns the interface's result code, 0 on success.
  // The return text is dropped: no caller uses it.
  virtual std::uint32_t SendCommand(std::string_view command, std::size_t returnLength) = 0;
};

}  // namespace vantrel
