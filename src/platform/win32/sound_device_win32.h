// The media control interface's text commands through mciSendStringA.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "platform/sound_device.h"

namespace vantrel {

class Win32SoundDevice final : public SoundDevice {
 public:
  std::uint32_t SendCommand(std::string_view command, std::size_t returnLength) override;
};

// Sends the commands to another device on a thread of its own, in the order
// they came, so that opening a wave file (a tenth of a second on a busy
// desktop) never holds up the window and the watch. A command's result is
// not known when it is queued: 0 is answered. After an "open" that fails,
// the commands that follow for its alias fail quietly on that thread, as
// not sending them would. The thread starts with the first command.
class QueuedSoundDevice final : public SoundDevice {
 public:
  explicit QueuedSoundDevice(SoundDevice& target) : target_(target) {}
  // Sends what is still queued (a last "stop sound"), then ends the thread.
  ~QueuedSoundDevice() override;
  QueuedSoundDevice(const QueuedSoundDevice&) = delete;
  QueuedSoundDevice& operator=(const QueuedSoundDevice&) = delete;

  std::uint32_t SendCommand(std::string_view command, std::size_t returnLength) override;

 private:
  void Run() noexcept;

  SoundDevice& target_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::pair<std::string, std::size_t>> queue_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace vantrel
