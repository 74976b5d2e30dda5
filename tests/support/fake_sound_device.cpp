#include "support/fake_sound_device.h"

namespace vantrel::test {

std::uint32_t FakeSoundDevice::SendCommand(std::string_view command, std::size_t returnLength) {
  commands_.push_back({std::string(command), returnLength});
  for (const auto& [prefix, code] : answers_)
    if (command.starts_with(prefix)) return code;
  return 0;
}

std::vector<std::string> FakeSoundDevice::CommandTexts() const {
  std::vector<std::string> texts;
  for (const auto& c : commands_) texts.push_back(c.command);
  return texts;
}

}  // namespace vantrel::test
