// Watches for top-level windows as other programs create, show or rename
// them, on a thread of its own, and hands each one that can be judged to a
// window of the program as a message (the window handle in wParam). The
// thread holds an out-of-context WinEvent hook and the candidates: a window
// reported created but still hidden is looked at again every few
// milliseconds until it shows (Wine reports only creations). The thread
// touches no window of the program; the program's own windows are not
// reported at all.
#pragma once

#include <windows.h>

#include <thread>

namespace vantrel {

class NewWindowWatch {
 public:
  NewWindowWatch(HWND notify, UINT judgeMessage) : notify_(notify), judgeMessage_(judgeMessage) {}
  // Unhooks and ends the thread.
  ~NewWindowWatch();
  NewWindowWatch(const NewWindowWatch&) = delete;
  NewWindowWatch& operator=(const NewWindowWatch&) = delete;

  // Starts the thread and waits until its hook is in place. False when
  // either fails; the watch then relies on its tick alone.
  bool Start();

 private:
  void Run(HANDLE started) noexcept;

  HWND notify_;
  UINT judgeMessage_;
  DWORD threadId_ = 0;
  bool hooked_ = false;
  std::thread thread_;
};

}  // namespace vantrel
