// The form's menu bar is redrawn when it has one, and a form without one is
// left alone (its frame is not recomputed at every popup).
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/menu_access_win32.h"

namespace vantrel {
namespace {

int g_frameCalculations = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCALCSIZE) ++g_frameCalculations;
  return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeForm(HMENU bar) {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantrelMenuBarTest";
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return ::CreateWindowExA(0, "VantrelMenuBarTest", "Form", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, nullptr, bar,
                           ::GetModuleHandleA(nullptr), nullptr);
}

TEST(Win32MenuAccessDrawMenuBar, RedrawsTheBarOfAFormThatHasOne) {
  HMENU bar = ::CreateMenu();
  ::AppendMenuA(bar, MF_STRING, 1, "Fichier");
  HWND withBar = MakeForm(bar);
  HWND withoutBar = MakeForm(nullptr);
  ASSERT_NE(withBar, nullptr);
  ASSERT_NE(withoutBar, nullptr);
  Win32MenuAccess menus;

  g_frameCalculations = 0;
  EXPECT_TRUE(menus.DrawMenuBar(reinterpret_cast<WindowHandle>(withBar)));
  EXPECT_GT(g_frameCalculations, 0);

  g_frameCalculations = 0;
  EXPECT_TRUE(menus.DrawMenuBar(reinterpret_cast<WindowHandle>(withoutBar)));
  EXPECT_EQ(g_frameCalculations, 0);

  EXPECT_FALSE(menus.DrawMenuBar(0));  // no form at all
  ::DestroyWindow(withBar);              // destroys its bar too
  ::DestroyWindow(withoutBar);
}

}  // namespace
}  // namespace vantrel
