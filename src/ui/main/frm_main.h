// The main window: a skinned, borderless window whose upper area holds the
// list of windows to destroy and whose lower part opens one of four pages,
// each a form of its own. The window keeps the frame and its upper area,
// the page switching, the timers, the tray icon and the watch's wiring.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "engine/stored_kill_recorder.h"
#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/debug_trace_win32.h"
#include "platform/win32/desktop_reader_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/profile_file_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/settings_store_win32.h"
#include "platform/win32/sound_device_win32.h"
#include "platform/win32/win32_desktop.h"
#include "store/module_ini.h"
#include "store/settings.h"
#include "ui/form_window.h"
#include "ui/main/main_skin.h"
#include "ui/main/page_frames.h"
#include "ui/main/upper_area.h"
#include "ui/message_loop.h"
#include "ui/model/main_startup.h"
#include "ui/model/page_switcher.h"
#include "ui/model/storage_notices.h"
#include "ui/model/tray_animation.h"
#include "ui/model/user_prompts.h"
#include "ui/tray/frm_pop.h"
#include "ui/tray/tray_icon.h"
#include "platform/win32/watch_thread.h"

namespace vantrel {

inline constexpr const char* kApplicationTitle = "Vantrel";
inline constexpr const char* kMainClassName = "VantrelMain";
// Asks a running Vantrel to show its main window (sent by a second start).
inline constexpr const char* kShowMessageName = "Vantrel.ShowMainWindow";

class FrmMain final : public MainFrameView, public MainWindowShell, public UserPrompts, public FormWindow {
 public:
  explicit FrmMain(std::string programFolder);
  ~FrmMain() override;

  // Creates the window and runs the start-up sequence. False when the
  // window cannot be created.
  bool Load(HINSTANCE instance);
  // Stops the work, removes the tray icon and destroys the window.
  void Unload();
  // The program's message loop, until the user quits.
  int RunMessageLoop() { return loop_.Run(); }

  const ListControl& TitleRules() const { return upper_.TitlesToDestroy(); }
  OptionsPageForm& OptionsForm() { return frames_.options; }
  StatisticsPageForm& StatisticsForm() { return frames_.statistics; }
  PageSwitcher& Pages() { return pages_; }
  // How many times the page animation has moved and repainted the window.
  long HeightRepaints() const { return heightRepaints_; }
  FrmPop& Pop() { return pop_; }
  const TrayIcon& Tray() const { return tray_; }

  // The tray menu's commands.
  void ShowMainWindow();
  void ShowPage(Page page);
  void HideMainWindow();
  void Minimise();
  void Quit();

  // UserPrompts
  void MakeTopmost() override;
  void MakeNotTopmost() override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  void Inform(const std::string& text, const std::string& title) override;

  // MainFrameView
  int HeightTwips() const override { return heightTwips_; }
  void SetHeightTwips(int twips) override;
  void ShowFrame(Page frame, bool visible) override;
  bool FrameVisible(Page frame) const override;
  void ShowTabPicture(Page tab, bool visible) override;
  void RequestAnimationSteps() override;

  // MainWindowShell
  double ScreenWidthTwips() const override;
  double ScreenHeightTwips() const override;
  void SetSizeTwips(int width, int height) override;
  void SetPositionTwips(double left, double top) override;
  void ApplyPointer() override {}  // WM_SETCURSOR gives the clickable controls the hand
  void PlaceFrames() override;
  void SetVisible(bool visible) override;

 private:
  using Hit = UpperArea::Hit;

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // What the tray menu's items run.
  FrmPop::Commands TrayCommands();
  // The watch tick (Act_Timer): has the desktop read for one scan; the
  // rules run when the snapshot arrives.
  void WatchTick();
  // The one-second tick (Timer1_Timer): the title's colour, the tray icon's frame.
  void SecondTick();
  void SetHelpTimer(bool on);
  // The timers, the watch's thread and the tray icon stop; once however the
  // window goes.
  void StopWork();
  void RunAnimationSteps();
  void LeaveCoveredRowsToPage(int fromPixel, int toPixel);
  void Paint();
  void OnTrayMessage(UINT mouseMessage);
  void OnMouseMove(POINT p);
  void EndDrag();
  void OnButtonDown(POINT p);
  void OnButtonUp(POINT p, bool rightButton);
  void Click(Hit hit);

  std::string programFolder_;
  Win32ProfileFile profile_;
  ModuleINI ini_;
  Win32Desktop desktop_;
  OutputDebugTrace debugTrace_;
  Win32Clock clock_;
  Win32FileSystem files_;
  Win32SettingsStore store_;
  Win32Registry registry_;
  Settings settings_;
  Win32SoundDevice mci_;
  QueuedSoundDevice sound_{mci_};  // the kill sound never holds up the window
  MessageLoop loop_;

  // The watch's lists no one sees.
  MemoryList activeSources_, destructionTimes_;  // List1b, List3
  MemoryLabel recordedCount_, activeCount_;      // Num0, Num1
  TitleRuleState titles_;
  // Shown from a message of the window's loop, never inside the watch's work.
  StorageNotices notices_;

  MainSkin skin_;
  UpperArea upper_;
  PageFrames frames_;

  StoredKillRecorder recorder_;
  WatchEngine engine_;
  FrmPop pop_;
  PageSwitcher pages_;
  TrayIcon tray_;
  TrayAnimation animation_;
  // The watch's thread reads the desktop for each scan and reports new
  // windows as the system reports them; it only posts to the window.
  std::unique_ptr<SlicedDesktopReader> desktopReader_;
  std::unique_ptr<WatchThread> watchThread_;

  OwnedWindow mainWindow_;  // declared after the forms it owns windows for
  UINT taskbarCreated_ = 0;
  UINT showRequest_ = 0;

  int heightTwips_ = kUpperAreaHeightTwips;
  int widthTwips_ = kMainWindowWidthTwips;
  double leftTwips_ = 0, topTwips_ = 0;
  int heightPixels_ = 0;
  long heightRepaints_ = 0;
  LONGLONG countsPerSecond_ = 0;  // of the performance counter
  bool dragging_ = false;
  bool dragMoved_ = false;
  POINT dragFrom_{};  // twips within the window
  Hit pressed_ = Hit::Other;
};

}  // namespace vantrel
