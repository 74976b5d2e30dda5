#include "engine/kill_sound.h"

#include <string>

namespace vantrel {

void StopKillSound(SoundDevice& device) {
  // Results ignored: with no device open both simply fail.
  device.SendCommand("stop sound", kSoundReturnLength);
  device.SendCommand("close sound", kSoundReturnLength);
}

void PlayKillSound(SoundDevice& device, std::string_view path) {
  StopKillSound(device);
  // The quotes keep a path with spaces in one piece.
  std::string open = "open \"";
  open += path;
  open += "\" alias sound";
  if (device.SendCommand(open, kSoundReturnLength) != 0) return;
  device.SendCommand("set sound time format milliseconds", kSoundReturnLength);
  device.SendCommand("play sound from 0", kSoundReturnLength);
}

}  // namespace vantrel
