// Drives a running Vantrel from inside the same Wine prefix, for the
// end-to-end tests. One action per run; prints what it reads and exits with
// 0 when the action succeeded.
//
//   driver.exe wait-window CLASS [SECONDS]   waits until a window of CLASS exists
//   driver.exe gone-window CLASS [SECONDS]   waits until none exists
//   driver.exe rect CLASS                    prints "left top right bottom"
//   driver.exe visible CLASS                 prints 1 or 0
//   driver.exe pid CLASS                     prints the window's process id, 8 hex digits
//   driver.exe tray MOUSEMESSAGE             the tray icon reports a mouse message
//   driver.exe command CLASS ID              posts WM_COMMAND ID to the window
//   driver.exe close CLASS                   posts WM_CLOSE to the window
//   driver.exe click CLASS X Y [right]       a click at client X, Y of the window
//   driver.exe drag CLASS X Y DX DY          presses at X, Y, moves by DX, DY, releases
//   driver.exe answer TITLE yes|no|ok [SECONDS] answers the message box titled TITLE
//   driver.exe box-text TITLE [SECONDS]      prints the text of the message box titled TITLE
//   driver.exe box-open TITLE [SECONDS]      waits until a message box titled TITLE stands
//   driver.exe count CLASS                   prints how many windows of CLASS exist
//   driver.exe menu-open [SECONDS]           waits until a pop-up menu is open
//   driver.exe menu-close                    closes the open pop-up menu
//   driver.exe setting KEY                   prints the stored setting KEY
// Controls are named by a place: the top-level CLASS, the page frame of
// the main window (0 to 3, or -1 for the window itself), the control's class
// and its rank among the controls of that class there (0 first).
//   driver.exe settext CLASS FRAME CTLCLASS N TEXT   sets a control's text
//   driver.exe key CLASS FRAME CTLCLASS N VK         a key pressed in the control
//   driver.exe count-items CLASS FRAME CTLCLASS N    entries of a list box or list view
//   driver.exe select CLASS FRAME CTLCLASS N ROW     selects a list box entry or list view row
//   driver.exe click-frame FRAME X Y                 a click on a page of the main window
//   driver.exe frame-visible FRAME                   prints 1 when that page of the main window shows, else 0
//   driver.exe press CLASS BUTTONTEXT                clicks the button with that caption
//   driver.exe reset-settings                removes every stored setting
// Real input, as the user's hand gives it (SendInput):
//   driver.exe input-click X Y [right]       a click at screen X, Y
//   driver.exe input-tray [right]            a click on the tray icon (the rightmost one)
//   driver.exe input-keys VK [VK ...]        each key pressed and released, in turn
// More actions, about Vantrel as it is shipped, are listed in driver_release.cpp.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver_release.h"
#include "support/send_input.h"

namespace {

HWND FindTopLevel(const char* cls) { return FindWindowA(cls, nullptr); }

template <class Condition>
bool WaitFor(Condition done, double seconds) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > static_cast<DWORD>(seconds * 1000)) return false;
    Sleep(50);
  }
  return true;
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }


HWND Place(const char* top, int frame, const char* cls, int n) {
  HWND parent = FindWindowA(top, nullptr);
  if (!parent) return nullptr;
  if (frame >= 0) parent = NthChild(parent, "VantrelPage", frame);
  return parent ? NthChild(parent, cls, n) : nullptr;
}

void PostClick(HWND w, int x, int y) {
  PostMessageA(w, WM_MOUSEMOVE, 0, Point(x, y));
  PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
  PostMessageA(w, WM_LBUTTONUP, 0, Point(x, y));
}

struct BoxSearch {
  const char* title;
  HWND found;
};

BOOL CALLBACK FindBox(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<BoxSearch*>(p);
  char cls[64] = {}, title[256] = {};
  GetClassNameA(w, cls, sizeof cls);
  GetWindowTextA(w, title, sizeof title);
  if (std::string(cls) == "#32770" && std::string(title) == s->title && IsWindowVisible(w)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

// The visible box of that title, waited for up to the given seconds;
// null when none came.
HWND WaitForBox(const char* title, double seconds) {
  BoxSearch s{title, nullptr};
  WaitFor(
      [&] {
        s.found = nullptr;
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&s));
        return s.found != nullptr;
      },
      seconds);
  return s.found;
}

BOOL CALLBACK CountClass(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<std::pair<const char*, int>*>(p);
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (std::string(cls) == s->first) ++s->second;
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string action = argv[1];
  if (const int done = RunReleaseAction(action, argc, argv); done != kNotAReleaseAction) return done;
  const auto arg = [&](int i, const char* fallback = "") { return i < argc ? argv[i] : fallback; };

  if (action == "input-click") {
    vantrel::test::ClickScreen(POINT{std::atoi(arg(2)), std::atoi(arg(3))}, std::string(arg(4)) == "right");
    return 0;
  }
  if (action == "input-tray") {
    // Wine's taskbar draws the tray icons itself, from its right end.
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (!tray) return 1;
    RECT r{};
    GetWindowRect(tray, &r);
    vantrel::test::ClickScreen(POINT{r.right - 11, (r.top + r.bottom) / 2}, std::string(arg(2)) == "right");
    return 0;
  }
  if (action == "input-keys") {
    for (int i = 2; i < argc; ++i) {
      vantrel::test::PressKey(static_cast<WORD>(std::atoi(argv[i])));
      Sleep(50);
    }
    return 0;
  }
  if (action == "wait-window")
    return WaitFor([&] { return FindTopLevel(arg(2)) != nullptr; }, std::atof(arg(3, "20"))) ? 0 : 1;
  if (action == "gone-window")
    return WaitFor([&] { return FindTopLevel(arg(2)) == nullptr; }, std::atof(arg(3, "20"))) ? 0 : 1;
  if (action == "count") {
    std::pair<const char*, int> s{arg(2), 0};
    EnumWindows(CountClass, reinterpret_cast<LPARAM>(&s));
    std::printf("%d\n", s.second);
    return 0;
  }
  if (action == "menu-open")
    return WaitFor([&] { return FindWindowA("#32768", nullptr) != nullptr && IsWindowVisible(FindWindowA("#32768", nullptr)); },
                   std::atof(arg(2, "10")))
               ? 0
               : 1;
  if (action == "setting") {
    char value[256] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Vantrel\\Settings", arg(2), RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
      return 1;
    std::printf("%s\n", value);
    return 0;
  }
  if (action == "reset-settings") {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vantrel");
    return 0;
  }
  if (action == "menu-close") {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu) return 1;
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(menu, WM_KEYUP, VK_ESCAPE, 0);
    return 0;
  }
  if (action == "box-open") return WaitForBox(arg(2), std::atof(arg(3, "10"))) ? 0 : 1;
  if (action == "answer") {
    HWND box = WaitForBox(arg(2), std::atof(arg(4, "10")));
    if (!box) return 1;
    const std::string answer = arg(3);
    const int button = answer == "yes" ? IDYES : answer == "ok" ? IDOK : IDNO;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    return 0;
  }
  if (action == "box-text") {
    HWND box = WaitForBox(arg(2), std::atof(arg(3, "10")));
    if (!box) return 1;
    // The message box's text is its static control 0xFFFF.
    char text[2048] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    std::printf("%s\n", text);
    return 0;
  }

  if (action == "settext" || action == "key" || action == "count-items" || action == "select") {
    HWND control = Place(arg(2), std::atoi(arg(3)), arg(4), std::atoi(arg(5)));
    if (!control) return 1;
    const std::string cls = arg(4);
    if (action == "settext") {
      SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(arg(6)));
    } else if (action == "key") {
      PostMessageA(control, WM_KEYDOWN, static_cast<WPARAM>(std::atoi(arg(6))), 0);
      PostMessageA(control, WM_KEYUP, static_cast<WPARAM>(std::atoi(arg(6))), 0);
    } else if (action == "count-items") {
      const UINT message = cls == "LISTBOX" ? LB_GETCOUNT : 0x1004;  // LVM_GETITEMCOUNT
      std::printf("%ld\n", static_cast<long>(SendMessageA(control, message, 0, 0)));
    } else {
      const int row = std::atoi(arg(6));
      if (cls == "LISTBOX") {
        SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control));
      } else {
        // A click in the row's middle: the list view selects it itself.
        PostClick(control, 40, 8 + 20 + row * 15);
      }
    }
    return 0;
  }
  if (action == "frame-visible") {
    HWND frame = Place("VantrelMain", -1, "VantrelPage", std::atoi(arg(2)));
    if (!frame) return 1;
    std::printf("%d\n", IsWindowVisible(frame) ? 1 : 0);
    return 0;
  }
  if (action == "click-frame") {
    HWND frame = Place("VantrelMain", -1, "VantrelPage", std::atoi(arg(2)));
    if (!frame) return 1;
    PostClick(frame, std::atoi(arg(3)), std::atoi(arg(4)));
    return 0;
  }
  if (action == "press") {
    HWND top = FindTopLevel(arg(2));
    HWND button = top ? FindWindowExA(top, nullptr, "BUTTON", arg(3)) : nullptr;
    if (!button) return 1;
    SendMessageA(button, BM_CLICK, 0, 0);
    return 0;
  }

  HWND w = FindTopLevel(arg(2));
  if (action == "tray") {
    w = FindTopLevel("VantrelMain");
    if (!w) return 1;
    // The tray's callback message of the program, with the icon's identifier.
    PostMessageA(w, WM_APP + 1, 1, static_cast<LPARAM>(std::atoi(arg(2))));
    return 0;
  }
  if (!w) return 1;
  if (action == "rect") {
    RECT r{};
    GetWindowRect(w, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  if (action == "pid") {
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    std::printf("%08lx\n", static_cast<unsigned long>(process));
    return 0;
  }
  if (action == "visible") {
    std::printf("%d\n", IsWindowVisible(w) ? 1 : 0);
    return 0;
  }
  if (action == "close") {
    PostMessageA(w, WM_CLOSE, 0, 0);
    return 0;
  }
  if (action == "command") {
    PostMessageA(w, WM_COMMAND, static_cast<WPARAM>(std::atoi(arg(3))), 0);
    return 0;
  }
  if (action == "click") {
    const int x = std::atoi(arg(3)), y = std::atoi(arg(4));
    const bool right = std::string(arg(5)) == "right";
    PostMessageA(w, WM_MOUSEMOVE, 0, Point(x, y));
    PostMessageA(w, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, Point(x, y));
    PostMessageA(w, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, Point(x, y));
    return 0;
  }
  if (action == "drag") {
    const int x = std::atoi(arg(3)), y = std::atoi(arg(4)), dx = std::atoi(arg(5)), dy = std::atoi(arg(6));
    RECT r{};
    GetWindowRect(w, &r);
    SetCursorPos(r.left + x, r.top + y);
    PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    Sleep(200);
    for (int step = 1; step <= 4; ++step) {
      SetCursorPos(r.left + x + dx * step / 4, r.top + y + dy * step / 4);
      PostMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, Point(x, y));
      Sleep(100);
    }
    PostMessageA(w, WM_LBUTTONUP, 0, Point(x, y));
    return 0;
  }
  return 2;
}
