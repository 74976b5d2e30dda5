// The main window. For now a plain window titled with the application title
// that owns the rule and work lists and runs the watch every 500 ms; the
// skinned frame and its pages take its place later.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/profile_file_win32.h"
#include "platform/win32/win32_desktop.h"
#include "store/module_ini.h"

namespace vantrel {

inline constexpr const char* kApplicationTitle = "Vantrel";

class FrmMain {
 public:
  explicit FrmMain(std::string programFolder);
  ~FrmMain();
  FrmMain(const FrmMain&) = delete;
  FrmMain& operator=(const FrmMain&) = delete;

  // Creates the window and runs the start-up sequence. False when the
  // window cannot be created.
  bool Load(HINSTANCE instance, int show);
  HWND Window() const { return window_; }
  WatchEngine& Engine() { return engine_; }

  // The watch tick: one scan.
  void Act_Timer();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  std::string programFolder_;
  Win32ProfileFile profile_;
  ModuleINI ini_;
  Win32Desktop desktop_;
  Win32Clock clock_;
  MemoryList List0, List0b, List1, List1b, List2, List3, List4, List5;
  MemoryLabel Num0, Num1, Num2;
  WatchEngine engine_;
  HWND window_ = nullptr;
};

}  // namespace vantrel
