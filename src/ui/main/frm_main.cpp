#include "ui/main/frm_main.h"

#include "store/rule_lists.h"

namespace vantrel {
namespace {

constexpr UINT_PTR kActTimer = 1;
constexpr UINT kActInterval = 500;
constexpr const char* kClassName = "VantrelMain";
// 4950 x 4065 twips at 15 twips to the pixel.
constexpr int kWidth = 330;
constexpr int kHeight = 271;

}  // namespace

FrmMain::FrmMain(std::string programFolder)
    : programFolder_(std::move(programFolder)),
      ini_(profile_, programFolder_),
      settings_(store_, programFolder_),
      recorder_(files_, clock_, settings_, sound_, ListStat),
      engine_(desktop_, clock_, WatchLists{List0, List0b, List1, List1b, List2, List3, List4, List5, Num0, Num1, Num2},
              kApplicationTitle) {
  for (const char* header : {"- Microsoft Internet", "- Netscape", "- Mozilla"}) List5.Add(header);
  engine_.SetKillRecorder(&recorder_);
}

FrmMain::~FrmMain() {
  if (window_) {
    KillTimer(window_, kActTimer);
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool FrmMain::Load(HINSTANCE instance, int show) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassA(&wc);

  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  window_ = CreateWindowExA(0, kClassName, kApplicationTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            left, top, kWidth, kHeight, nullptr, nullptr, instance, this);
  if (!window_) return false;
  engine_.SetMainCaption(kApplicationTitle);

  // The titles to destroy, one scan with them, then the size rules: the
  // first scan destroys by title only.
  LoadTitleList(ini_, List2);
  Act_Timer();
  LoadSizeRules(ini_, List4);

  SetTimer(window_, kActTimer, kActInterval, nullptr);
  ShowWindow(window_, show);
  UpdateWindow(window_);
  return true;
}

void FrmMain::Act_Timer() {
  try {
    engine_.ScanWindows();
  } catch (...) {
    // A tick never ends the program; the next one scans again.
  }
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

LRESULT CALLBACK FrmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* created = static_cast<FrmMain*>(create->lpCreateParams);
    created->window_ = window;  // messages arrive before CreateWindowEx returns
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<FrmMain*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  try {
    return self->OnMessage(message, wParam, lParam);
  } catch (...) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT FrmMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kActTimer) Act_Timer();
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_DESTROY:
      KillTimer(window_, kActTimer);
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      return 0;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

void FrmMain::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  RECT r;
  GetClientRect(window_, &r);
  InflateRect(&r, -8, -8);
  std::string text = Num2.Caption() + "\nFen\xEAtres actives : " + Num1.Caption() + "\n";
  for (int i = 0; i < List1.Count(); ++i) text += "  " + List1.Item(i) + "\n";
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_END_ELLIPSIS);
  RestoreDC(dc, saved);
  EndPaint(window_, &ps);
}

}  // namespace vantrel
