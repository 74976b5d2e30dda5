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

QueuedSoundDevice::~QueuedSoundDevice() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

std::uint32_t QueuedSoundDevice::SendCommand(std::string_view command, std::size_t returnLength) {
  try {
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
    std::lock_guard lock(mutex_);
    queue_.emplace_back(std::string(command), returnLength);
  } catch (...) {
    // No thread (or no memory): the command goes on this one.
    return target_.SendCommand(command, returnLength);
  }
  wake_.notify_one();
  return 0;
}

void QueuedSoundDevice::Run() noexcept {
  for (;;) {
    std::pair<std::string, std::size_t> next;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return stop_ || !queue_.empty(); });
      if (queue_.empty()) return;  // stopping, with nothing left to send
      next = std::move(queue_.front());
      queue_.pop_front();
    }
    try {
      target_.SendCommand(next.first, next.second);
    } catch (...) {
    }
  }
}

}  // namespace vantrel
