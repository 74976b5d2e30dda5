// The watch's thread. It watches for top-level windows as other programs
// create, show or rename them, and hands each one that can be judged to a
// window of the program as a message (the window handle in wParam): it
// holds an out-of-context WinEvent hook and the candidates, and a window
// reported created but still hidden is looked at again every few
// milliseconds until it shows (Wine reports only creations). Between
// events it reads the desktop snapshots the watch's tick asks for, a slice
// at a time. The thread touches no window of the program; the program's
// own windows are not reported at all.
//
// One thread for both: each thread of a program costs about a megabyte
// under Wine, and a slice of the reading holds an event up for well under
// a millisecond.
#pragma once

#include <windows.h>

#include <thread>

#include "platform/win32/desktop_reader_win32.h"

namespace vantrel {

class WatchThread {
 public:
  // The reader, when given, must outlive the thread.
  WatchThread(HWND notify, UINT judgeMessage, SlicedDesktopReader* reader)
      : notify_(notify), judgeMessage_(judgeMessage), reader_(reader) {}
  // Unhooks and ends the thread.
  ~WatchThread();
  WatchThread(const WatchThread&) = delete;
  WatchThread& operator=(const WatchThread&) = delete;

  // Starts the thread and waits until it runs. False when it cannot start:
  // the tick then reads the desktop on its own thread.
  bool Start();
  // Whether the hook is in place; without it the tick alone finds new
  // windows.
  bool WatchesNewWindows() const { return hooked_; }

 private:
  void Run(HANDLE started) noexcept;

  HWND notify_;
  UINT judgeMessage_;
  SlicedDesktopReader* reader_;
  DWORD threadId_ = 0;
  bool hooked_ = false;
  std::thread thread_;
};

}  // namespace vantrel
