// The main window. For now a plain window titled with the application title
// that owns the rule and work lists and runs the watch every 500 ms; the
// skinned frame and its pages take its place later.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "engine/stored_kill_recorder.h"
#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/settings_store_win32.h"
#include "platform/win32/sound_device_win32.h"
#include "platform/win32/profile_file_win32.h"
#include "platform/win32/win32_desktop.h"
#include "store/module_ini.h"
#include "store/settings.h"

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
  const ReportList& Statistics() const { return ListStat; }

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
  Win32FileSystem files_;
  Win32SettingsStore store_;
  Settings settings_;
  Win32SoundDevice sound_;
  MemoryList List0, List0b, List1, List1b, List2, List3, List4, List5;
  MemoryLabel Num0, Num1, Num2;
  MemoryReportList ListStat;  // the statistics of this run, one row per kill
  StoredKillRecorder recorder_;
  WatchEngine engine_;
  HWND window_ = nullptr;
};

}  // namespace vantrel
