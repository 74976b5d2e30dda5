// The kill sound: one wave file at a time through the media control
// interface, under the device alias "sound".
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/sound_device.h"

namespace vantrel {

// Every command passes a return buffer of this many characters.
inline constexpr std::size_t kSoundReturnLength = 128;

// Stops the sound and closes the device, whether or not one is open.
void StopKillSound(SoundDevice& device);

// Stops any sound playing, then opens the wave file at path and plays it
// from its beginning without waiting for its end. A file that cannot be
// opened (missing, not a wave file, no sound device) plays nothing, silently.
void PlayKillSound(SoundDevice& device, std::string_view path);

}  // namespace vantrel
