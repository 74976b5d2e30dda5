// The kill sound's commands sent from a thread of their own.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "engine/kill_sound.h"
#include "platform/win32/sound_device_win32.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;

class RecordingDevice final : public SoundDevice {
 public:
  std::uint32_t SendCommand(std::string_view command, std::size_t) override {
    std::lock_guard lock(mutex);
    commands.emplace_back(command);
    threads.push_back(GetCurrentThreadId());
    return command.rfind("open", 0) == 0 ? 263 : 0;  // the file cannot be opened
  }
  std::mutex mutex;
  std::vector<std::string> commands;
  std::vector<DWORD> threads;
};

TEST(QueuedSoundDevice, SendsEveryCommandInOrderFromAnotherThread) {
  RecordingDevice device;
  {
    QueuedSoundDevice queued(device);
    PlayKillSound(queued, "C:\\Vantrel\\wave\\1.wav");
    StopKillSound(queued);
  }  // the queue is sent before the thread ends
  // The open's result is not known when it is queued: the commands after it
  // are sent, and fail on the device without one open.
  EXPECT_THAT(device.commands,
              ElementsAre("stop sound", "close sound", "open \"C:\\Vantrel\\wave\\1.wav\" alias sound",
                          "set sound time format milliseconds", "play sound from 0", "stop sound", "close sound"));
  for (const DWORD thread : device.threads) EXPECT_NE(thread, GetCurrentThreadId());
}

TEST(QueuedSoundDevice, StartsNoThreadUntilTheFirstCommand) {
  RecordingDevice device;
  { QueuedSoundDevice queued(device); }
  EXPECT_TRUE(device.commands.empty());
}

}  // namespace
}  // namespace vantrel
