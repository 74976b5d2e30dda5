// The main window: a skinned, borderless window whose upper area holds the
// list of windows to destroy and whose lower part opens one of four pages.
// It owns the rule and work lists, the timers and the tray icon.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>
#include <string>

#include "engine/stored_kill_recorder.h"
#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/debug_trace_win32.h"
#include "platform/win32/desktop_reader_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/profile_file_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/settings_store_win32.h"
#include "platform/win32/sound_device_win32.h"
#include "platform/win32/win32_desktop.h"
#include "store/module_ini.h"
#include "store/settings.h"
#include "ui/form_window.h"
#include "ui/main/help_page.h"
#include "ui/model/main_startup.h"
#include "ui/model/options_page.h"
#include "ui/model/statistics_page.h"
#include "ui/model/storage_notices.h"
#include "ui/model/user_prompts.h"
#include "ui/model/windows_page.h"
#include "ui/model/option_handlers.h"
#include "ui/model/page_switcher.h"
#include "ui/model/tray_animation.h"
#include "ui/skin_controls.h"
#include "ui/skin_tips.h"
#include "ui/sound/frm_son.h"
#include "ui/tray/frm_pop.h"
#include "ui/tray/tray_icon.h"
#include "ui/watch/watch_thread.h"

namespace vantrel {

inline constexpr const char* kApplicationTitle = "Vantrel";
inline constexpr const char* kMainClassName = "VantrelMain";
// Asks a running Vantrel to show its main window (sent by a second start).
inline constexpr const char* kShowMessageName = "Vantrel.ShowMainWindow";

class FrmMain final : public MainFrameView, public MainWindowShell, public UserPrompts, public FormWindow {
 public:
  explicit FrmMain(std::string programFolder);
  ~FrmMain() override;
  FrmMain(const FrmMain&) = delete;
  FrmMain& operator=(const FrmMain&) = delete;

  // Creates the window and runs the start-up sequence. False when the
  // window cannot be created.
  bool Load(HINSTANCE instance);
  // Removes the tray icon, stops the timers and destroys the window.
  void Unload();

  WatchEngine& Engine() { return engine_; }
  const ReportList& Statistics() const { return ListStat; }
  const ListControl& TitleRules() const { return List2; }
  const ListControl& SizeRules() const { return List4; }
  const ListControl& BrowserHeaders() const { return List5; }
  PageSwitcher& Pages() { return pages_; }
  const HelpPage& Help() const { return help_; }
  // How many times the page animation has moved and repainted the window.
  long HeightRepaints() const { return heightRepaints_; }
  FrmPop& Pop() { return pop_; }
  const TrayIcon& Tray() const { return tray_; }

  // The watch tick: has the desktop read for one scan (the rules run when
  // the snapshot arrives).
  void Act_Timer();
  // The one-second tick: title colour and tray icon frame.
  void Timer1_Timer();

  // The tray menu's commands.
  void ShowMainWindow();
  void ShowPage(Page page);
  void LabKillAll_Click();
  void HideMainWindow();
  void Minimise();
  void Quit();

  void MakeTopmost() override;
  void MakeNotTopmost() override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  void Inform(const std::string& text, const std::string& title) override;

  WindowsPage& Windows() { return *windowsPage_; }
  OptionsPage& Options() { return *optionsPage_; }
  StatisticsPage& StatisticsOps() { return *statsPage_; }
  const ListControl& ActiveWindows() const { return List1; }
  CheckBox& StartWithWindows() { return chkStart; }
  CheckBox& StartHidden() { return chkMin; }
  CheckBox& DefaultHeaders() { return ChkDefaut; }

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
  void ApplyPointer() override;
  void PlaceFrames() override;
  void SetVisible(bool visible) override;

 private:
  enum class Hit { Background, Minimise, Help, TabWindows, TabOptions, TabStats, AddDelete, Other };
  // A picture button of a page, with the label lying on it.
  struct PageButton {
    SkinPicture* picture;
    SkinLabel* label;
    std::function<void()> click;
  };

  // One page's frame: the four frames are windows of one class, each served
  // by the main form with its page's number.
  class PageFrame final : public FormWindow {
   public:
    PageFrame(FrmMain& main, int page) : main_(main), page_(page) {}

   private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
      return main_.OnPageMessage(page_, message, wParam, lParam);
    }
    FrmMain& main_;
    int page_;
  };

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnPageMessage(int page, UINT message, WPARAM wParam, LPARAM lParam);
  HWND Frame(int page) const { return page >= 0 && page < 4 ? pageFrames_[page].Window() : nullptr; }
  void CreateControls(HINSTANCE instance);
  // What the tray menu's items run.
  FrmPop::Commands TrayCommands();
  // The page's skin picture, loaded at its first use; null when it cannot be.
  HBITMAP PagePicture(int page);
  void Paint();
  void PaintPage(int page);
  Hit HitTest(POINT p) const;
  // A mouse message of the tray icon.
  void OnTrayMessage(UINT mouseMessage);
  void OnMouseMove(int x, int y);
  void EndDrag();
  void OnButtonDown(POINT p);
  void OnButtonUp(POINT p, bool rightButton);
  void Click(Hit hit);
  bool OnSetCursor(HWND over);
  int MessageBoxBetweenTopmost(const std::string& text, const std::string& caption, UINT flags);
  // The pages' controls (main_pages.cpp).
  void CreatePages(HINSTANCE instance);
  // A picture button of a page with its caption label lying on it.
  void PlaceButton(int page, SkinPicture& picture, SkinLabel& label, POINT at, bool wide, const char* caption);
  void CreateWindowsPage(HINSTANCE instance);
  void CreateOptionsPage(HINSTANCE instance);
  void CreateStatisticsPage(HINSTANCE instance);
  void PaintPageControls(int page, HDC dc);
  void OnPageMouse(int page, UINT message, POINT p);
  bool OnPageSetCursor(int page, HWND over);
  void OnChildCommand(HWND control, UINT code);
  HBRUSH PageBackBrush(int page, HWND control);
  static bool FilterControl(void* self, HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool OnControlMessage(HWND control, UINT message, WPARAM wParam);
  HWND MakeChild(int page, const char* cls, DWORD style, RECT r, const char* text = "", DWORD exStyle = 0);
  void SetTitleColumnWidth(int twips);
  void OpenSoundDialog();
  void RunHelpScroller(bool on);
  void SetHelpTimer(bool on);  // Timer2, which scrolls the help text
  void RunAnimationSteps();
  void LeaveCoveredRowsToPage(int fromPixel, int toPixel);

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

  MemoryList List1b, List3;
  Win32ListBox List1, List2, List4, List5;
  MemoryLabel Num0, Num1;
  SkinLabel Num2, Titre, LabFActive, LabFOption, LabFStat, LabAddDelete, Entete2;
  // The pages' picture buttons and their labels.
  SkinPicture KillAll, BtnDestroy, BtnSwitchTo, AddHL, AjoutEntete, KillAllStat, KillStat;
  SkinLabel LabKillAll, LabKill, LabSwitchTo, LabBoutonHL, LabAjoutEntete, LabKillAllStat, LabKillStat;
  Win32ReportList ListStat;
  Win32TextBox AddWin, AddH, AddL, AddEntete;
  // Designed values: start with Windows clear, built-in headers set, start hidden set.
  Win32CheckBox chkStart{false}, ChkDefaut{true}, chkMin{true};
  TitleRuleState titles_;

  // Shown from a message of the window's loop, never inside the watch's work.
  StorageNotices notices_;
  StoredKillRecorder recorder_;
  WatchEngine engine_;
  FrmPop pop_;
  PageSwitcher pages_;
  std::unique_ptr<OptionHandlers> options_;
  std::unique_ptr<WindowsPage> windowsPage_;
  std::unique_ptr<OptionsPage> optionsPage_;
  std::unique_ptr<StatisticsPage> statsPage_;
  std::vector<PageButton> pageButtons_[4];
  std::vector<SkinLabel> pageLabels_[4];
  SkinPicture iconSon_;
  HelpPage help_;
  SkinLabel helpTitle_;
  win32::UniqueBitmap buttonWide_, buttonWideHover_, soundBitmap_, soundHover_;
  win32::UniqueBrush pageBrushes_[4];
  win32::UniqueFont boldFont_;
  TrayIcon tray_;
  TrayAnimation animation_;
  // The watch's thread reads the desktop for each scan and reports new
  // windows as the system reports them; it only posts to the window.
  std::unique_ptr<SlicedDesktopReader> desktopReader_;
  std::unique_ptr<WatchThread> watchThread_;

  PageFrame pageFrames_[4]{{*this, 0}, {*this, 1}, {*this, 2}, {*this, 3}};
  // Declared after the forms they own windows for.
  OwnedWindow mainWindow_;
  OwnedWindow frameWindows_[4];
  std::unique_ptr<FrmSon> soundDialog_;  // the latest one shown
  HINSTANCE instance_ = nullptr;
  UINT taskbarCreated_ = 0;
  UINT showRequest_ = 0;

  bool pagePictureTried_[4] = {};
  win32::UniqueBitmap backBitmap_, pageBitmaps_[4], tabBitmap_, buttonBitmap_, buttonHover_, helpBitmap_, helpHover_,
      minimiseBitmap_, minimiseHover_;
  win32::UniqueIcon frameIcons_[3];
  HCURSOR pointer_ = nullptr;
  win32::UniqueFont normalFont_, titleFont_;
  SkinPicture tabs_[3], btnAide_, minimise_, addDelete_;
  SkinTips tips_;  // "Voir l'aide" and "Minimiser"

  int heightTwips_ = kUpperAreaHeightTwips;
  int widthTwips_ = kMainWindowWidthTwips;
  double leftTwips_ = 0, topTwips_ = 0;
  int heightPixels_ = 0;
  long heightRepaints_ = 0;
  bool dragging_ = false;
  bool dragMoved_ = false;
  POINT dragFrom_{};  // twips within the window
  Hit pressed_ = Hit::Other;
};

}  // namespace vantrel
