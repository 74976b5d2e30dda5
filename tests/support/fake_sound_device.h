// A media control interface that records every command in order and
// answers each with a chosen result code (0 unless told otherwise).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/sound_device.h"

namespace vantrel::test {

struct SoundCommand {
  std::string command;
  std::size_t returnLength;
  bool operator==(const SoundCommand&) const = default;
};

class FakeSoundDevice final : public SoundDevice {
 public:
  std::uint32_t SendCommand(std::string_view command, std::size_t returnLength) override;

  // Commands starting with prefix answer code.
  void Answer(std::string_view prefix, std::uint32_t code) { answers_[std::string(prefix)] = code; }
  const std::vector<SoundCommand>& Commands() const { return commands_; }
  std::vector<std::string> CommandTexts() const;

 private:
  std::map<std::string, std::uint32_t> answers_;
  std::vector<SoundCommand> commands_;
};

}  // namespace vantrel::test
