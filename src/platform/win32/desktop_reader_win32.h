// Reads desktop snapshots on the watch's thread, a slice of windows at a
// time between that thread's other work (the window events), so that
// reading a thousand windows never holds up the user interface nor the
// events. Each finished snapshot is announced to a window with a message;
// the window's thread takes it with TakeSnapshot. The reading touches no
// window of the program: the program's own windows are left for the
// receiving thread to read (a title read of them would wait for that
// thread).
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <mutex>
#include <optional>

#include "platform/desktop_snapshot.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_handles.h"

namespace vantrel {

class SlicedDesktopReader final : public DesktopReader {
 public:
  // Windows read between two looks at the serving thread's other work:
  // well under a millisecond.
  static constexpr std::size_t kWindowsPerSlice = 32;

  SlicedDesktopReader(HWND notify, UINT message);
  SlicedDesktopReader(const SlicedDesktopReader&) = delete;
  SlicedDesktopReader& operator=(const SlicedDesktopReader&) = delete;

  // Asks for a reading. A request made while one is under way is served
  // when it ends (requests in between make one). False while no thread
  // serves the reader.
  bool StartReading(FactsWanted wanted) override;

  // The latest finished snapshot, once.
  std::optional<DesktopSnapshot> TakeSnapshot();

  // For the serving thread: the event set when a reading is asked for; the
  // thread says when it starts and stops serving, and reads one slice at a
  // time. ReadSlice is true while work remains.
  HANDLE WakeEvent() const { return wake_.Get(); }
  void SetServed(bool served) { served_ = served; }
  bool ReadSlice() noexcept;

 private:
  HWND notify_;
  UINT message_;
  win32::UniqueKernelHandle wake_;
  std::atomic<bool> served_{false};
  std::mutex mutex_;
  std::optional<FactsWanted> request_;
  std::optional<DesktopSnapshot> finished_;
  // Touched by the serving thread only.
  const Win32Desktop desktop_;
  SnapshotOptions options_;  // the program's own windows are read later
  std::optional<SnapshotReading> reading_;
};

}  // namespace vantrel
