#include "ui/main/frm_main.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <ctime>

#include "assets/resource_ids.h"
#include "common/text.h"
#include "platform/win32/text_case_win32.h"
#include "store/kill_log.h"
#include "ui/control_subclass.h"

namespace vantrel {
namespace {

constexpr UINT_PTR kActTimer = 1;
constexpr UINT_PTR kTimer1 = 2;
constexpr UINT_PTR kTimer2 = 3;
constexpr UINT kActInterval = 500;
// The watch's threads announce a finished snapshot, and a new window to judge.
constexpr UINT kSnapshotReadyMessage = WM_APP + 0x40;
constexpr UINT kJudgeNewWindowMessage = WM_APP + 0x41;
// The page animation's next steps are due.
constexpr UINT kAnimationStepsMessage = WM_APP + 0x42;
// A box about the files the program cannot keep is due.
constexpr UINT kStorageNoticeMessage = WM_APP + 0x43;
constexpr UINT kTimer1Interval = 1000;
constexpr const char* kPageClassName = "VantrelPage";
constexpr int kTwipsPerPixel = 15;

// Layout of the upper area, in pixels.
constexpr RECT kTitre{8, 6, 200, 26};
constexpr POINT kHelpAt{282, 4};
constexpr POINT kMinimiseAt{306, 4};
constexpr RECT kAddWin{12, 39, 232, 61};
constexpr POINT kAddDeleteAt{238, 38};
constexpr RECT kList2{8, 74, 322, 220};
constexpr RECT kNum2{8, 226, 324, 242};
constexpr POINT kTabsAt[3] = {{6, 245}, {112, 245}, {218, 245}};
constexpr int kTabWidth = 106, kTabHeight = 24;
// The pages lie below the upper area: 5 twips from the left, 4040 from the top.
constexpr int kFrameLeftTwips = 5, kFrameTopTwips = 4040;
constexpr int kPageWidth = 330, kPageHeight = 237;
constexpr RECT kEntete2{8, 3, 322, 19};

int Pixels(double twips) { return static_cast<int>(RoundHalfEven(twips / kTwipsPerPixel)); }

int FrameIndex(Page page) { return static_cast<int>(page) - 1; }

// Where each page frame stands in the main window's client area.
RECT PagePlace() {
  const POINT at{Pixels(kFrameLeftTwips), Pixels(kFrameTopTwips)};
  return RECT{at.x, at.y, at.x + kPageWidth, at.y + kPageHeight};
}

}  // namespace

FrmMain::FrmMain(std::string programFolder)
    : programFolder_(std::move(programFolder)),
      ini_(profile_, programFolder_),
      settings_(store_, programFolder_),
      notices_([this] {
        if (Window()) PostMessageA(Window(), kStorageNoticeMessage, 0, 0);
      }),
      recorder_(files_, clock_, settings_, sound_, ListStat),
      engine_(desktop_, clock_, WatchLists{.activeWindows = List1, .activeSources = List1b, .titlesToDestroy = List2,
                                           .destructionTimes = List3, .sizeRules = List4, .browserHeaders = List5,
                                           .recordedCount = Num0, .activeCount = Num1, .toDestroyCaption = Num2},
              kApplicationTitle),
      pages_(*this, settings_, pop_, LabFActive, LabFOption, LabFStat, Entete2,
             PageHooks{[this] { statsPage_->Load(); }, [this](bool on) { RunHelpScroller(on); },
                       [this] { help_.Compose(); }}) {
  engine_.SetKillRecorder(&recorder_);
  engine_.SetDebugTrace(&debugTrace_);
  recorder_.SetLogRefusedHandler([this] { notices_.KillLogRefused(); });
  options_ = std::make_unique<OptionHandlers>(OptionBoxes{chkStart, ChkDefaut, chkMin}, settings_, registry_, files_,
                                              List5, *this, [this] {
                                                AddEntete.SetText("");
                                                AddEntete.Focus();
                                              });
  windowsPage_ = std::make_unique<WindowsPage>(WindowsPageParts{AddWin, LabAddDelete, List1, List2, List3}, ini_,
                                               titles_, engine_, *this, [this] { Act_Timer(); });
  optionsPage_ = std::make_unique<OptionsPage>(
      OptionsPageParts{AddH, AddL, LabBoutonHL, List4, AddEntete, LabAjoutEntete, List5, ChkDefaut},
      ini_, titles_, settings_, files_, *this);
  statsPage_ = std::make_unique<StatisticsPage>(ListStat, files_, KillLogPath(programFolder_), *this,
                                                [this](int twips) { SetTitleColumnWidth(twips); });
}

FrmMain::~FrmMain() { Unload(); }

bool FrmMain::Load(HINSTANCE instance) {
  instance_ = instance;
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
  WNDCLASSA page{};
  page.lpfnWndProc = FormWindow::Procedure;
  page.hInstance = instance;
  page.lpszClassName = kPageClassName;
  page.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&page);

  // Borderless and captionless: the skin is the whole window. The title is
  // the application title, which the watch recognises as its own.
  mainWindow_ = OwnedWindow::Create(
      *this, FormWindowCreation{.exStyle = WS_EX_APPWINDOW,
                            .className = kMainClassName,
                            .title = kApplicationTitle,
                            .style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX,
                            .place = RECT{0, 0, Pixels(kMainWindowWidthTwips), Pixels(kMainWindowHeightTwips)},
                            .instance = instance});
  if (!mainWindow_) return false;
  heightPixels_ = Pixels(heightTwips_);
  CreateControls(instance);
  desktopReader_ = std::make_unique<SlicedDesktopReader>(Window(), kSnapshotReadyMessage);
  engine_.SetDesktopReader(desktopReader_.get());

  StartupContext context{.window = *this,
                         .settings = settings_,
                         .ini = ini_,
                         .files = files_,
                         .List2 = List2,
                         .List4 = List4,
                         .boxes = OptionBoxes{chkStart, ChkDefaut, chkMin},
                         .pages = pages_,
                         .tray = pop_,
                         .titles = titles_,
                         .loadTrayForm = [this] { pop_.Load(instance_, TrayCommands()); },
                         .scan = [this] { Act_Timer(); },
                         .addTrayIcon = [this] { tray_.AddTrayIcon(Window(), frameIcons_[0].Get()); },
                         .notices = &notices_};
  RunStartup(context);

  SetTimer(Window(), kActTimer, kActInterval, nullptr);
  SetTimer(Window(), kTimer1, kTimer1Interval, nullptr);
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
                          .destroyAll = [this] { LabKillAll_Click(); },
                          .hideMain = [this] { HideMainWindow(); },
                          .quit = [this] { Quit(); }};
}

void FrmMain::CreateControls(HINSTANCE instance) {
  backBitmap_.Reset(LoadSkinBitmap(instance, IDB_MAIN_BACK));
  tabBitmap_.Reset(LoadSkinBitmap(instance, IDB_TAB));
  buttonBitmap_.Reset(LoadSkinBitmap(instance, IDB_BUTTON));
  buttonHover_.Reset(LoadSkinBitmap(instance, IDB_BUTTON_HOVER));
  helpBitmap_.Reset(LoadSkinBitmap(instance, IDB_HELP));
  helpHover_.Reset(LoadSkinBitmap(instance, IDB_HELP_HOVER));
  minimiseBitmap_.Reset(LoadSkinBitmap(instance, IDB_MINIMISE));
  minimiseHover_.Reset(LoadSkinBitmap(instance, IDB_MINIMISE_HOVER));
  const int small = GetSystemMetrics(SM_CXSMICON);
  const int iconIds[3] = {IDI_TRAY0, IDI_TRAY1, IDI_TRAY2};
  for (int i = 0; i < 3; ++i)
    frameIcons_[i].Reset(
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconIds[i]), IMAGE_ICON, small, small, 0)));
  pointer_ = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_POINTER));
  if (!pointer_) pointer_ = LoadCursor(nullptr, IDC_HAND);

  normalFont_.Reset(CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma"));
  titleFont_.Reset(CreateFontA(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, "Tahoma"));
  HFONT font = normalFont_.Get();
  const UINT centred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

  Titre = SkinLabel(Window(), kTitre, titleFont_.Get());
  Titre.SetCaption(kApplicationTitle);
  Num2 = SkinLabel(Window(), kNum2, font);
  Num2.SetForeColor(RGB(255, 255, 255));
  for (int i = 0; i < 3; ++i) {
    tabs_[i] = SkinPicture(Window(), kTabsAt[i], tabBitmap_.Get());
  }
  const auto tabRect = [](int i) {
    return RECT{kTabsAt[i].x, kTabsAt[i].y, kTabsAt[i].x + kTabWidth, kTabsAt[i].y + kTabHeight};
  };
  LabFActive = SkinLabel(Window(), tabRect(0), font, centred);
  LabFActive.SetCaption(AnsiFromUtf8("Fenêtres"));
  LabFOption = SkinLabel(Window(), tabRect(1), font, centred);
  LabFOption.SetCaption("Options");
  LabFStat = SkinLabel(Window(), tabRect(2), font, centred);
  LabFStat.SetCaption("Statistiques");
  btnAide_ = SkinPicture(Window(), kHelpAt, helpBitmap_.Get(), helpHover_.Get());
  minimise_ = SkinPicture(Window(), kMinimiseAt, minimiseBitmap_.Get(), minimiseHover_.Get());
  addDelete_ = SkinPicture(Window(), kAddDeleteAt, buttonBitmap_.Get(), buttonHover_.Get());
  if (tips_.Create(Window(), instance)) {
    tips_.Add(btnAide_.Bounds(), "Voir l'aide");
    tips_.Add(minimise_.Bounds(), "Minimiser");
  }
  LabAddDelete = SkinLabel(Window(), addDelete_.Bounds(), font, centred);
  LabAddDelete.SetCaption("Ajouter");

  HWND addWin = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_TABSTOP,
                                kAddWin.left, kAddWin.top, kAddWin.right - kAddWin.left, kAddWin.bottom - kAddWin.top,
                                Window(), nullptr, instance, nullptr);
  AddWin.Attach(addWin);
  HWND list2 = CreateWindowExA(0, "LISTBOX", "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER,
                               kList2.left, kList2.top, kList2.right - kList2.left, kList2.bottom - kList2.top, Window(),
                               nullptr, instance, nullptr);
  List2.Attach(list2);
  for (HWND child : {addWin, list2}) {
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    AttachControlFilter(child, FilterControl, this);
  }

  for (int i = 0; i < 4; ++i) {
    frameWindows_[i] = OwnedWindow::Create(
        pageFrames_[i], FormWindowCreation{.className = kPageClassName,
                                       .style = WS_CHILD | WS_CLIPCHILDREN,
                                       .place = PagePlace(),
                                       .parent = Window(),
                                       .instance = instance});
  }
  Entete2 = SkinLabel(Frame(FrameIndex(Page::Windows)), kEntete2, titleFont_.Get());
  Entete2.SetForeColor(RGB(255, 255, 255));
  CreatePages(instance);

  help_.Create(Frame(FrameIndex(Page::Help)), RECT{0, 28, 329, 235}, instance);
  // A click on the text pauses or resumes the scrolling.
  help_.onRunningChanged = [this](bool on) { SetHelpTimer(on); };
  helpTitle_ = SkinLabel(Frame(FrameIndex(Page::Help)), kEntete2, titleFont_.Get());
  helpTitle_.SetCaption(HelpPage::Title());
  helpTitle_.SetForeColor(RGB(255, 255, 255));
}

void FrmMain::Unload() {
  tray_.RemoveTrayIcon();
  // The thread ends first: nothing is read or posted for a closing window.
  watchThread_.reset();
  engine_.SetDesktopReader(nullptr);
  desktopReader_.reset();
  if (Window()) {
    KillTimer(Window(), kActTimer);
    KillTimer(Window(), kTimer1);
    KillTimer(Window(), kTimer2);
    mainWindow_.Reset();  // the page frames go with it
  }
}

// ---- timers ---------------------------------------------------------------

void FrmMain::Act_Timer() {
  try {
    engine_.Tick();
  } catch (...) {
    // A tick never ends the program; the next one scans again.
  }
}

void FrmMain::RunHelpScroller(bool on) {
  help_.SetRunning(on);
  SetHelpTimer(on);
}

void FrmMain::SetHelpTimer(bool on) {
  if (!Window()) return;
  if (on) SetTimer(Window(), kTimer2, kHelpScrollIntervalMs, nullptr);
  else KillTimer(Window(), kTimer2);
}

void FrmMain::Timer1_Timer() {
  const double fraction = static_cast<double>(std::rand()) / (static_cast<double>(RAND_MAX) + 1.0);
  Titre.SetForeColor(TrayAnimation::TitleColour(fraction));
  const int frame = animation_.NextFrame();
  tray_.SetIcon(frameIcons_[frame].Get());
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

int FrmMain::MessageBoxBetweenTopmost(const std::string& text, const std::string& caption, UINT flags) {
  MakeNotTopmost();
  const int answer = MessageBoxA(Window(), text.c_str(), caption.c_str(), flags);
  MakeTopmost();
  return answer;
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

void FrmMain::LabKillAll_Click() { windowsPage_->DestroyAll(); }

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
  const int answer = MessageBoxBetweenTopmost(question, kApplicationTitle, MB_YESNO | MB_ICONQUESTION);
  if (answer != IDYES) return;
  Unload();
  pop_.Unload();
  PostQuitMessage(0);
}

// ---- the frame as the page switching sees it -------------------------------

void FrmMain::SetHeightTwips(int twips) {
  heightTwips_ = twips;
  const int pixels = Pixels(twips);
  // Thousands of one-twip steps make a few hundred pixel heights: only a
  // new pixel height is worth a move and a repaint. The uncovered row is
  // erased and painted once, by UpdateWindow, rather than erased during the
  // move and painted after it.
  if (pixels == heightPixels_ || !Window()) return;
  const int previous = heightPixels_;
  heightPixels_ = pixels;
  ++heightRepaints_;
  SetWindowPos(Window(), nullptr, 0, 0, Pixels(widthTwips_), pixels,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_DEFERERASE);
  if (pixels > previous) LeaveCoveredRowsToPage(previous, pixels);
  UpdateWindow(Window());
}

// Rows the open page covers from side to side are the page's to paint: the
// main window would draw nothing there (its children are clipped out of its
// painting) and would still pay for a whole paint of its own at each step.
void FrmMain::LeaveCoveredRowsToPage(int fromPixel, int toPixel) {
  bool pageShown = false;
  for (const Page page : {Page::Windows, Page::Options, Page::Statistics, Page::Help})
    pageShown = pageShown || FrameVisible(page);
  if (!pageShown) return;
  RECT client{};
  GetClientRect(Window(), &client);
  const RECT rows{client.left, fromPixel, client.right, toPixel};
  const RECT page = PagePlace();
  RECT covered{};
  if (IntersectRect(&covered, &rows, &page) && EqualRect(&covered, &rows)) ValidateRect(Window(), &rows);
}

void FrmMain::ShowFrame(Page frame, bool visible) {
  const int i = FrameIndex(frame);
  if (i < 0 || i > 3 || !Frame(i)) return;
  ShowWindow(Frame(i), visible ? SW_SHOWNA : SW_HIDE);
}

bool FrmMain::FrameVisible(Page frame) const {
  const int i = FrameIndex(frame);
  return i >= 0 && i <= 3 && Frame(i) && (GetWindowLongA(Frame(i), GWL_STYLE) & WS_VISIBLE) != 0;
}

void FrmMain::ShowTabPicture(Page tab, bool visible) {
  const int i = FrameIndex(tab);
  if (i >= 0 && i < 3) tabs_[i].SetVisible(visible);
}

void FrmMain::RequestAnimationSteps() {
  if (Window()) PostMessageA(Window(), kAnimationStepsMessage, 0, 0);
}

// The page animation's steps, a few milliseconds' worth at a time: each
// step moves and repaints the window by one pixel, and between two rounds
// whatever else waits in the window's loop (the watch's snapshot, a new
// window to judge) is handled.
void FrmMain::RunAnimationSteps() {
  static LARGE_INTEGER frequency{};
  if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER start{}, now{};
  QueryPerformanceCounter(&start);
  constexpr LONGLONG kRoundMs = 8;
  bool more = true;
  do {
    more = pages_.AnimationStep();
    QueryPerformanceCounter(&now);
  } while (more && (now.QuadPart - start.QuadPart) * 1000 < kRoundMs * frequency.QuadPart);
  if (more) RequestAnimationSteps();
}

double FrmMain::ScreenWidthTwips() const { return static_cast<double>(GetSystemMetrics(SM_CXSCREEN)) * kTwipsPerPixel; }
double FrmMain::ScreenHeightTwips() const {
  return static_cast<double>(GetSystemMetrics(SM_CYSCREEN)) * kTwipsPerPixel;
}

void FrmMain::SetSizeTwips(int width, int height) {
  widthTwips_ = width;
  heightTwips_ = height;
  heightPixels_ = Pixels(height);
  if (Window())
    SetWindowPos(Window(), nullptr, 0, 0, Pixels(width), heightPixels_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmMain::SetPositionTwips(double left, double top) {
  leftTwips_ = left;
  topTwips_ = top;
  if (Window())
    SetWindowPos(Window(), nullptr, Pixels(left), Pixels(top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The pointer is given by WM_SETCURSOR to the clickable controls.
void FrmMain::ApplyPointer() {}

void FrmMain::PlaceFrames() {
  for (int i = 0; i < 4; ++i) {
    HWND frame = Frame(i);
    if (!frame) continue;
    const RECT place = PagePlace();
    SetWindowPos(frame, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(frame, SW_HIDE);
  }
}

void FrmMain::SetVisible(bool visible) {
  if (Window()) ShowWindow(Window(), visible ? SW_SHOWNA : SW_HIDE);
}

// ---- painting and the mouse --------------------------------------------------

void FrmMain::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Window(), &ps);
  {
    win32::SavedDC saved(dc);
    if (backBitmap_.Valid()) {
      auto memory = win32::UniqueMemoryDC::CompatibleWith(dc);
      win32::Selection selected(memory.Get(), backBitmap_.Get());
      const RECT& r = ps.rcPaint;
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Get(), r.left, r.top, SRCCOPY);
    }
    for (const SkinPicture& tab : tabs_) tab.Paint(dc);
    btnAide_.Paint(dc);
    minimise_.Paint(dc);
    addDelete_.Paint(dc);
    for (const SkinLabel* label : {&Titre, &Num2, &LabFActive, &LabFOption, &LabFStat, &LabAddDelete})
      label->Paint(dc);
  }
  EndPaint(Window(), &ps);
}

// A page's picture is loaded when the page is first painted: most runs show
// one page or none, and the pictures are the bulk of the skin.
HBITMAP FrmMain::PagePicture(int page) {
  static constexpr int kPageIds[4] = {IDB_PAGE_WINDOWS, IDB_PAGE_OPTIONS, IDB_PAGE_STATS, IDB_PAGE_HELP};
  if (page < 0 || page > 3) return nullptr;
  if (!pagePictureTried_[page]) {
    pagePictureTried_[page] = true;
    pageBitmaps_[page].Reset(LoadSkinBitmap(instance_, kPageIds[page]));
  }
  return pageBitmaps_[page].Get();
}

void FrmMain::PaintPage(int page) {
  HWND frame = Frame(page);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(frame, &ps);
  if (PagePicture(page)) {
    win32::SavedDC saved(dc);
    auto memory = win32::UniqueMemoryDC::CompatibleWith(dc);
    win32::Selection selected(memory.Get(), pageBitmaps_[page].Get());
    const RECT& r = ps.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Get(), r.left, r.top, SRCCOPY);
  }
  if (page == FrameIndex(Page::Windows)) Entete2.Paint(dc);
  if (page == FrameIndex(Page::Help)) helpTitle_.Paint(dc);
  PaintPageControls(page, dc);
  EndPaint(frame, &ps);
}

FrmMain::Hit FrmMain::HitTest(POINT p) const {
  if (minimise_.Contains(p)) return Hit::Minimise;
  if (btnAide_.Contains(p)) return Hit::Help;
  const RECT tabs[3] = {LabFActive.Bounds(), LabFOption.Bounds(), LabFStat.Bounds()};
  if (PtInRect(&tabs[0], p)) return Hit::TabWindows;
  if (PtInRect(&tabs[1], p)) return Hit::TabOptions;
  if (PtInRect(&tabs[2], p)) return Hit::TabStats;
  if (addDelete_.Contains(p)) return Hit::AddDelete;
  if (Titre.Contains(p) || Num2.Contains(p)) return Hit::Other;
  return Hit::Background;
}

void FrmMain::OnTrayMessage(UINT mouseMessage) {
  if (mouseMessage == WM_LBUTTONDBLCLK) ShowWindow(Window(), SW_SHOWNORMAL);
  else if (mouseMessage == WM_RBUTTONUP) pop_.Popup(IsWindowVisible(Window()) != FALSE);
}

void FrmMain::OnMouseMove(int x, int y) {
  const POINT p{x, y};
  switch (HitTest(p)) {
    case Hit::Minimise: minimise_.SetHighlighted(true); return;
    case Hit::Help: btnAide_.SetHighlighted(true); return;
    case Hit::Background: break;
    default: return;
  }
  minimise_.SetHighlighted(false);
  btnAide_.SetHighlighted(false);
  if (!dragging_) return;
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
  pressed_ = HitTest(p);
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
  const Hit hit = HitTest(p);
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
    case Hit::AddDelete: windowsPage_->AddOrRemove(); break;
    default: break;
  }
}

bool FrmMain::OnSetCursor(HWND over) {
  bool clickable = over == List2.Handle();
  if (over == Window()) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(Window(), &p);
    const Hit hit = HitTest(p);
    clickable = hit != Hit::Background && hit != Hit::Other;
  }
  if (!clickable || !pointer_) return false;
  SetCursor(pointer_);
  return true;
}

LRESULT FrmMain::OnPageMessage(int page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintPage(page);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;  // a page has no border
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
      OnPageMouse(page, message, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_COMMAND:
      OnChildCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush = PageBackBrush(page, reinterpret_cast<HWND>(lParam))) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnPageSetCursor(page, reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    default:
      break;
  }
  return DefWindowProcA(Frame(page), message, wParam, lParam);
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
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) tips_.Relay(message, wParam, lParam);
  switch (message) {
    case kSnapshotReadyMessage:
      if (desktopReader_) {
        if (auto snapshot = desktopReader_->TakeSnapshot()) engine_.SnapshotArrived(std::move(*snapshot));
      }
      return 0;
    case kJudgeNewWindowMessage:
      engine_.JudgeNewWindow(static_cast<WindowHandle>(wParam));
      return 0;
    case kAnimationStepsMessage:
      RunAnimationSteps();
      return 0;
    case kStorageNoticeMessage:
      notices_.ShowDue(*this);
      return 0;
    case WM_TIMER:
      if (wParam == kActTimer) Act_Timer();
      else if (wParam == kTimer1) Timer1_Timer();
      else if (wParam == kTimer2) help_.Tick();
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      // A borderless window has no frame to paint. The default handling
      // also tells the shell's taskbar (Wine's, at least) to lay its buttons
      // out anew, which every step of the page animation would pay for.
      return 0;
    case kTrayCallbackMessage:
      OnTrayMessage(LOWORD(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      // The button-up can be lost (another window took the mouse): the drag
      // ends here all the same, or the window would follow the pointer.
      EndDrag();
      pressed_ = Hit::Other;
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
      OnButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, message == WM_RBUTTONUP);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_COMMAND:
      if (lParam != 0) OnChildCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_SIZE:
      // Minimising (from the taskbar, say) hides the window in the tray instead.
      if (wParam == SIZE_MINIMIZED) {
        ShowWindow(Window(), SW_RESTORE);
        ShowWindow(Window(), SW_HIDE);
        return 0;
      }
      break;
    case WM_CLOSE:
      Quit();
      return 0;
    case WM_DESTROY:
      tray_.RemoveTrayIcon();
      KillTimer(Window(), kActTimer);
      KillTimer(Window(), kTimer1);
      KillTimer(Window(), kTimer2);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(Window(), message, wParam, lParam);
}

}  // namespace vantrel
