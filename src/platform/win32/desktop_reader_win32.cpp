#include "platform/win32/desktop_reader_win32.h"

#include "platform/win32/win32_desktop.h"

namespace vantrel {

ThreadedDesktopReader::~ThreadedDesktopReader() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

bool ThreadedDesktopReader::StartReading(PlacementWanted placementWanted) {
  try {
    {
      std::lock_guard lock(mutex_);
      request_ = std::move(placementWanted);
    }
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
  } catch (...) {
    std::lock_guard lock(mutex_);
    request_.reset();
    return false;
  }
  wake_.notify_one();
  return true;
}

std::optional<DesktopSnapshot> ThreadedDesktopReader::TakeSnapshot() {
  std::lock_guard lock(mutex_);
  std::optional<DesktopSnapshot> taken = std::move(finished_);
  finished_.reset();
  return taken;
}

void ThreadedDesktopReader::Run() noexcept {
  const DWORD ownProcess = GetCurrentProcessId();
  SnapshotOptions options;
  options.readLater = [ownProcess](WindowHandle window) {
    DWORD process = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &process);
    return process == ownProcess;
  };
  options.stop = &stop_;
  const Win32Desktop desktop;
  for (;;) {
    PlacementWanted wanted;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return stop_ || request_.has_value(); });
      if (stop_) return;
      wanted = std::move(*request_);
      request_.reset();
    }
    try {
      DesktopSnapshot snapshot = ReadDesktopSnapshot(desktop, wanted, options);
      if (stop_) return;
      {
        std::lock_guard lock(mutex_);
        finished_ = std::move(snapshot);
      }
      PostMessageA(notify_, message_, 0, 0);
    } catch (...) {
      // Out of memory while reading: this reading is lost and the watch's
      // next tick asks again.
    }
  }
}

}  // namespace vantrel
