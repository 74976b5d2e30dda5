// Reads desktop snapshots on a thread of its own, so that reading a
// thousand windows never holds up the user interface, and announces each
// finished snapshot to a window with a message; the window's thread takes
// it with TakeSnapshot. The thread touches no window of the program: the
// program's own windows are left for the receiving thread to read (a title
// read of them would wait for that thread).
#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/desktop_snapshot.h"

namespace vantrel {

class ThreadedDesktopReader final : public DesktopReader {
 public:
  ThreadedDesktopReader(HWND notify, UINT message) : notify_(notify), message_(message) {}
  // Stops the thread: a reading under way ends at its next window.
  ~ThreadedDesktopReader() override;
  ThreadedDesktopReader(const ThreadedDesktopReader&) = delete;
  ThreadedDesktopReader& operator=(const ThreadedDesktopReader&) = delete;

  // Asks for a reading. A request made while one is under way is served
  // when it ends (requests in between make one). False when the thread
  // cannot be started.
  bool StartReading(PlacementWanted placementWanted) override;

  // The latest finished snapshot, once.
  std::optional<DesktopSnapshot> TakeSnapshot();

 private:
  void Run() noexcept;

  HWND notify_;
  UINT message_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<PlacementWanted> request_;
  std::optional<DesktopSnapshot> finished_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace vantrel
