#include "ui/main/frm_main.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <ctime>

#include "assets/resource_ids.h"
#include "common/text.h"
#include "platform/win32/text_case_win32.h"
#include "store/kill_log.h"
#include "ui/model/twips.h"

namespace vantrel {
namespace {

constexpr UINT_PTR kWatchTimer = 1;   // Act
constexpr UINT_PTR kSecondTimer = 2;  // Timer1
constexpr UINT_PTR kHelpTimer = 3;    // Timer2, which scrolls the help text
constexpr UINT kWatchInterval = 500;
constexpr UINT kSecondInterval = 1000;
// The watch's threads announce a finished snapshot, and a new window to judge.
constexpr UINT kSnapshotReadyMessage = WM_APP + 0x40;
constexpr UINT kJudgeNewWindowMessage = WM_APP + 0x41;
// The page animation's next steps are due.
constexpr UINT kAnimationStepsMessage = WM_APP + 0x42;
// A box about the files the program cannot keep is due.
constexpr UINT kStorageNoticeMessage = WM_APP + 0x43;

}  // namespace

FrmMain::FrmMain(std::string programFolder)
    : programFolder_(std::move(programFolder)),
      ini_(profile_, programFolder_),
      settings_(store_, programFolder_),
      notices_([this] {
        if (Window()) PostMessageA(Window(), kStorageNoticeMessage, 0, 0);
      }),
      recorder_(files_, clock_, settings_, sound_, frames_.statistics.Rows()),
      engine_(desktop_, clock_,
              WatchLists{.activeWindows = frames_.windows.ActiveWindows(), .activeSources = activeSources_,
                         .titlesToDestroy = upper_.TitlesToDestroy(), .destructionTimes = destructionTimes_,
                         .sizeRules = frames_.options.SizeRules(), .browserHeaders = frames_.options.BrowserHeaders(),
                         .recordedCount = recordedCount_, .activeCount = activeCount_,
                         .toDestroyCaption = upper_.ToDestroyCount()},
              kApplicationTitle),
      pages_(*this, settings_, pop_, upper_.TabCaption(Page::Windows), upper_.TabCaption(Page::Options),
             upper_.TabCaption(Page::Statistics), frames_.windows.Title(),
             PageHooks{.loadStatistics = [this] { frames_.statistics.Operations().Load(); },
                       .runHelpScroller =
                           [this](bool on) {
                             frames_.help.Text().SetRunning(on);
                             SetHelpTimer(on);
                           },
                       .composeHelp = [this] { frames_.help.Text().Compose(); }}) {
  engine_.SetKillRecorder(&recorder_);
  engine_.SetDebugTrace(&debugTrace_);
  recorder_.SetLogRefusedHandler([this] { notices_.KillLogRefused(); });
  frames_.windows.Connect(upper_.TitleEntry(), upper_.AddOrRemoveCaption(), upper_.TitlesToDestroy(), destructionTimes_,
                   ini_, titles_, engine_, *this, [this] {
                     // After a switch the list is filled again from a reading
                     // that begins after it, in the new window order.
                     engine_.ReadAfresh();
                   });
  upper_.Connect(frames_.windows.Operations());
  frames_.options.Connect(ini_, titles_, settings_, files_, registry_, *this, sound_, loop_);
  frames_.statistics.Connect(files_, KillLogPath(programFolder_), *this);
  // A click on the help text pauses or resumes the scrolling.
  frames_.help.Text().onRunningChanged = [this](bool on) { SetHelpTimer(on); };
}

FrmMain::~FrmMain() { Unload(); }

bool FrmMain::Load(HINSTANCE instance) {
  skin_.Load(instance);
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  countsPerSecond_ = frequency.QuadPart;
  // Titles are compared without regard to case by the system's own rules
  // (its ANSI code page), before the first scan reads any.
  UseTextCase(SystemTextCase());
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  showRequest_ = RegisterWindowMessageA(kShowMessageName);

  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = FormWindow::Procedure;
  wc.hInstance = instance;
  wc.lpszClassName = kMainClassName;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
  RegisterClassA(&wc);

  // Borderless and captionless: the skin is the whole window. The title is
  // the application title, which the watch recognises as its own.
  mainWindow_ = OwnedWindow::Create(
      *this, FormWindowCreation{.exStyle = WS_EX_APPWINDOW,
                                .className = kMainClassName,
                                .title = kApplicationTitle,
                                .style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX,
                                .place = RECT{0, 0, PixelsFromTwips(kMainWindowWidthTwips),
                                              PixelsFromTwips(kMainWindowHeightTwips)},
                                .instance = instance});
  if (!mainWindow_) return false;
  heightPixels_ = PixelsFromTwips(heightTwips_);
  upper_.Create(Window(), skin_);
  frames_.Create(Window(), skin_);
  desktopReader_ = std::make_unique<SlicedDesktopReader>(Window(), kSnapshotReadyMessage);
  engine_.SetDesktopReader(desktopReader_.get());

  StartupContext context{.window = *this,
                         .settings = settings_,
                         .ini = ini_,
                         .files = files_,
                         .List2 = upper_.TitlesToDestroy(),
                         .List4 = frames_.options.SizeRules(),
                         .boxes = frames_.options.Boxes(),
                         .pages = pages_,
                         .tray = pop_,
                         .titles = titles_,
                         .loadTrayForm = [this] { pop_.Load(skin_.instance, TrayCommands()); },
                         .scan = [this] { WatchTick(); },
                         .addTrayIcon = [this] { tray_.AddTrayIcon(Window(), skin_.trayFrames[0].Get()); },
                         .notices = &notices_};
  RunStartup(context);

  SetTimer(Window(), kWatchTimer, kWatchInterval, nullptr);
  SetTimer(Window(), kSecondTimer, kSecondInterval, nullptr);
  // From here the desktop is read on the watch's thread and new windows are
  // judged as they appear; without that thread the tick reads the desktop
  // itself and alone finds new windows.
  watchThread_ = std::make_unique<WatchThread>(Window(), kJudgeNewWindowMessage, desktopReader_.get());
  watchThread_->Start();
  return true;
}

FrmPop::Commands FrmMain::TrayCommands() {
  return FrmPop::Commands{.showMain = [this] { ShowMainWindow(); },
                          .showWindowsPage = [this] { ShowPage(Page::Windows); },
                          .showOptionsPage = [this] { ShowPage(Page::Options); },
                          .showStatsPage = [this] { ShowPage(Page::Statistics); },
                          .showHelpPage = [this] { ShowPage(Page::Help); },
                          .destroyAll = [this] { frames_.windows.Operations().DestroyAll(); },
                          .hideMain = [this] { HideMainWindow(); },
                          .quit = [this] { Quit(); }};
}

void FrmMain::StopWork() {
  tray_.RemoveTrayIcon();
  // The thread ends first: nothing is read or posted for a closing window.
  watchThread_.reset();
  engine_.SetDesktopReader(nullptr);
  desktopReader_.reset();
  if (!Window()) return;
  for (const UINT_PTR timer : {kWatchTimer, kSecondTimer, kHelpTimer}) KillTimer(Window(), timer);
}

void FrmMain::Unload() {
  StopWork();
  mainWindow_.Reset();  // the page frames go with it
}

// ---- timers ---------------------------------------------------------------

void FrmMain::WatchTick() {
  try {
    engine_.Tick();
  } catch (...) {
    // A tick never ends the program; the next one scans again.
  }
}

void FrmMain::SetHelpTimer(bool on) {
  if (!Window()) return;
  if (on) SetTimer(Window(), kHelpTimer, kHelpScrollIntervalMs, nullptr);
  else KillTimer(Window(), kHelpTimer);
}

void FrmMain::SecondTick() {
  const double fraction = static_cast<double>(std::rand()) / (static_cast<double>(RAND_MAX) + 1.0);
  upper_.Title().SetForeColor(TrayAnimation::TitleColour(fraction));
  tray_.SetIcon(skin_.trayFrames[animation_.NextFrame()].Get());
  tray_.UpdateTrayIcon();
}

// ---- commands -----------------------------------------------------------------

void FrmMain::MakeTopmost() {
  if (Window()) SetWindowPos(Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FrmMain::MakeNotTopmost() {
  if (Window()) SetWindowPos(Window(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool FrmMain::AskYesNo(const std::string& text, const std::string& title) {
  return MessageBoxA(Window(), text.c_str(), title.c_str(), MB_YESNO) == IDYES;
}

void FrmMain::Inform(const std::string& text, const std::string& title) {
  MessageBoxA(Window(), text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

void FrmMain::ShowMainWindow() {
  pages_.StopAnimation();
  SetSizeTwips(kMainWindowWidthTwips, kMainWindowHeightTwips);
  pages_.BlackenTabs();
  pop_.SetEnabled(TrayItem::ShowMain, false);
  MakeTopmost();
  ShowWindow(Window(), SW_SHOWNORMAL);
}

void FrmMain::ShowPage(Page page) {
  switch (page) {
    case Page::Windows: pages_.LabFActive_Click(); break;
    case Page::Options: pages_.LabFOption_Click(); break;
    case Page::Statistics: pages_.LabFStat_Click(); break;
    case Page::Help: pages_.BtnAide_Click(); break;
    case Page::None: break;
  }
  MakeTopmost();
  if (Window()) ShowWindow(Window(), SW_SHOWNORMAL);
}

void FrmMain::HideMainWindow() {
  if (Window()) ShowWindow(Window(), SW_HIDE);
}

void FrmMain::Minimise() {
  HideMainWindow();
  for (TrayItem item : {TrayItem::ShowMain, TrayItem::WindowsPage, TrayItem::OptionsPage, TrayItem::StatisticsPage})
    pop_.SetEnabled(item, true);
}

void FrmMain::Quit() {
  const std::string question = std::string("Etes vous sur de vouloir quitter ") + kApplicationTitle + " ?";
  MakeNotTopmost();
  const int answer = MessageBoxA(Window(), question.c_str(), kApplicationTitle, MB_YESNO | MB_ICONQUESTION);
  MakeTopmost();
  if (answer != IDYES) return;
  Unload();
  pop_.Unload();
  PostQuitMessage(0);
}

// ---- the frame as the page switching sees it -------------------------------

void FrmMain::SetHeightTwips(int twips) {
  heightTwips_ = twips;
  const int pixels = PixelsFromTwips(twips);
  // Thousands of one-twip steps make a few hundred pixel heights: only a
  // new pixel height is worth a move and a repaint. The uncovered row is
  // erased and painted once, by UpdateWindow, rather than erased during the
  // move and painted after it.
  if (pixels == heightPixels_ || !Window()) return;
  const int previous = heightPixels_;
  heightPixels_ = pixels;
  ++heightRepaints_;
  SetWindowPos(Window(), nullptr, 0, 0, PixelsFromTwips(widthTwips_), pixels,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_DEFERERASE);
  if (pixels > previous) LeaveCoveredRowsToPage(previous, pixels);
  UpdateWindow(Window());
}

// Rows the open page covers from side to side are the page's to paint: the
// main window would draw nothing there (its children are clipped out of its
// painting) and would still pay for a whole paint of its own at each step.
void FrmMain::LeaveCoveredRowsToPage(int fromPixel, int toPixel) {
  if (!frames_.AnyVisible()) return;
  RECT client{};
  GetClientRect(Window(), &client);
  const RECT rows{client.left, fromPixel, client.right, toPixel};
  const RECT page = PageFrames::Place();
  RECT covered{};
  if (IntersectRect(&covered, &rows, &page) && EqualRect(&covered, &rows)) ValidateRect(Window(), &rows);
}

void FrmMain::ShowFrame(Page frame, bool visible) {
  if (PageForm* form = frames_.Form(frame)) form->SetVisible(visible);
}

bool FrmMain::FrameVisible(Page frame) const {
  const PageForm* form = frames_.Form(frame);
  return form && form->Visible();
}

void FrmMain::ShowTabPicture(Page tab, bool visible) { upper_.ShowTabPicture(tab, visible); }

void FrmMain::RequestAnimationSteps() {
  if (Window()) PostMessageA(Window(), kAnimationStepsMessage, 0, 0);
}

// The page animation's steps, a few milliseconds' worth at a time: each
// step moves and repaints the window by one pixel, and between two rounds
// whatever else waits in the window's loop (the watch's snapshot, a new
// window to judge) is handled.
void FrmMain::RunAnimationSteps() {
  LARGE_INTEGER start{}, now{};
  QueryPerformanceCounter(&start);
  constexpr LONGLONG kRoundMs = 8;
  bool more = true;
  do {
    more = pages_.AnimationStep();
    QueryPerformanceCounter(&now);
  } while (more && (now.QuadPart - start.QuadPart) * 1000 < kRoundMs * countsPerSecond_);
  if (more) RequestAnimationSteps();
}

double FrmMain::ScreenWidthTwips() const { return static_cast<double>(GetSystemMetrics(SM_CXSCREEN)) * kTwipsPerPixel; }
double FrmMain::ScreenHeightTwips() const {
  return static_cast<double>(GetSystemMetrics(SM_CYSCREEN)) * kTwipsPerPixel;
}

void FrmMain::SetSizeTwips(int width, int height) {
  widthTwips_ = width;
  heightTwips_ = height;
  heightPixels_ = PixelsFromTwips(height);
  if (Window())
    SetWindowPos(Window(), nullptr, 0, 0, PixelsFromTwips(width), heightPixels_,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmMain::SetPositionTwips(double left, double top) {
  leftTwips_ = left;
  topTwips_ = top;
  if (Window())
    SetWindowPos(Window(), nullptr, PixelsFromTwips(left), PixelsFromTwips(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmMain::PlaceFrames() { frames_.HideAll(); }

void FrmMain::SetVisible(bool visible) {
  if (Window()) ShowWindow(Window(), visible ? SW_SHOWNA : SW_HIDE);
}

// ---- painting and the mouse --------------------------------------------------

void FrmMain::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Window(), &ps);
  {
    win32::SavedDC saved(dc);
    if (skin_.back.Valid()) {
      auto memory = win32::UniqueMemoryDC::CompatibleWith(dc);
      win32::Selection selected(memory.Get(), skin_.back.Get());
      const RECT& r = ps.rcPaint;
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Get(), r.left, r.top, SRCCOPY);
    }
    upper_.Paint(dc);
  }
  EndPaint(Window(), &ps);
}

void FrmMain::OnTrayMessage(UINT mouseMessage) {
  if (mouseMessage == WM_LBUTTONDBLCLK) ShowWindow(Window(), SW_SHOWNORMAL);
  else if (mouseMessage == WM_RBUTTONUP) pop_.Popup(IsWindowVisible(Window()) != FALSE);
}

void FrmMain::OnMouseMove(POINT p) {
  const Hit hit = upper_.HitTest(p);
  upper_.ShowPointerOn(hit);
  if (hit != Hit::Background || !dragging_) return;
  // Where the pointer stood for this move. GetCursorPos would say where it
  // stands now, and Wine answers that from the display server, which can
  // lag the input by a move or more: the window would stop short.
  const DWORD at = GetMessagePos();
  const POINT screen{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  const double top = static_cast<double>(screen.y) * kTwipsPerPixel - dragFrom_.y;
  const double left = static_cast<double>(screen.x) * kTwipsPerPixel - dragFrom_.x;
  SetPositionTwips(left, top);
  dragMoved_ = true;
}

void FrmMain::OnButtonDown(POINT p) {
  pressed_ = upper_.HitTest(p);
  SetCapture(Window());
  if (pressed_ == Hit::Background) {
    dragging_ = true;
    dragMoved_ = false;
    dragFrom_ = POINT{p.x * kTwipsPerPixel, p.y * kTwipsPerPixel};
  }
}

// The place is stored once, where the drag ends: a drag is hundreds of
// moves, and each store is a write to the settings.
void FrmMain::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  if (!dragMoved_) return;
  dragMoved_ = false;
  settings_.SavePosition(setting::kMainTop, static_cast<float>(topTwips_));
  settings_.SavePosition(setting::kMainLeft, static_cast<float>(leftTwips_));
}

void FrmMain::OnButtonUp(POINT p, bool rightButton) {
  const bool wasDragging = dragging_;
  const Hit pressed = pressed_;
  EndDrag();
  pressed_ = Hit::Other;
  if (GetCapture() == Window()) ReleaseCapture();  // WM_CAPTURECHANGED finds nothing left to end
  if (wasDragging) return;
  const Hit hit = upper_.HitTest(p);
  if (hit == Hit::Minimise) {
    if (rightButton) pop_.Popup(IsWindowVisible(Window()) != FALSE);
    else Minimise();
    return;
  }
  if (hit == pressed && !rightButton) Click(hit);
}

void FrmMain::Click(Hit hit) {
  switch (hit) {
    case Hit::TabWindows: pages_.LabFActive_Click(); break;
    case Hit::TabOptions: pages_.LabFOption_Click(); break;
    case Hit::TabStats: pages_.LabFStat_Click(); break;
    case Hit::Help: pages_.BtnAide_Click(); break;
    case Hit::AddOrRemove: frames_.windows.Operations().AddOrRemove(); break;
    default: break;
  }
}

LRESULT FrmMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && message != 0) {
    tray_.Readd();
    return 0;
  }
  if (message == showRequest_ && message != 0) {
    ShowMainWindow();
    SetForegroundWindow(Window());
    return 0;
  }
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) upper_.RelayMouse(message, wParam, lParam);
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case kSnapshotReadyMessage:
      if (desktopReader_) {
        if (auto snapshot = desktopReader_->TakeSnapshot()) engine_.SnapshotArrived(std::move(*snapshot));
      }
      return 0;
    case kJudgeNewWindowMessage: engine_.JudgeNewWindow(static_cast<WindowHandle>(wParam)); return 0;
    case kAnimationStepsMessage: RunAnimationSteps(); return 0;
    case kStorageNoticeMessage: notices_.ShowDue(*this); return 0;
    case WM_TIMER:
      if (wParam == kWatchTimer) WatchTick();
      else if (wParam == kSecondTimer) SecondTick();
      else if (wParam == kHelpTimer) frames_.help.Text().Tick();
      return 0;
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_NCPAINT:
      // A borderless window has no frame to paint. The default handling
      // also tells the shell's taskbar (Wine's, at least) to lay its buttons
      // out anew, which every step of the page animation would pay for.
      return 0;
    case kTrayCallbackMessage: OnTrayMessage(LOWORD(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(at); return 0;
    case WM_CAPTURECHANGED:
      // The button-up can be lost (another window took the mouse): the drag
      // ends here all the same, or the window would follow the pointer.
      EndDrag();
      pressed_ = Hit::Other;
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: OnButtonDown(at); return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP: OnButtonUp(at, message == WM_RBUTTONUP); return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && upper_.ShowPointer(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_COMMAND: upper_.OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam)); return 0;
    case WM_SIZE:
      // Minimising (from the taskbar, say) hides the window in the tray instead.
      if (wParam == SIZE_MINIMIZED) {
        ShowWindow(Window(), SW_RESTORE);
        ShowWindow(Window(), SW_HIDE);
        return 0;
      }
      break;
    case WM_CLOSE: Quit(); return 0;
    case WM_DESTROY: StopWork(); return 0;  // destroyed by the system rather than unloaded
    default: break;
  }
  return DefWindowProcA(Window(), message, wParam, lParam);
}

}  // namespace vantrel
