// The watch engine against real windows: victims in another process, and
// windows of this process where Wine only reports the restored rectangle of
// its own windows.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/kill_recorder.h"
#include "support/recording_kill_recorder.h"
#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "platform/win32/win32_desktop.h"
#include "support/memory_watch_lists.h"
#include "support/settable_clock.h"
#include "victims.h"

namespace vantrel {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
using test::PumpFor;
using test::VictimProcess;

class RealWatchTest : public ::testing::Test {
 protected:
  RealWatchTest() {
    lists.AddBuiltInHeaders();
    engine.SetKillRecorder(&recorder);
  }

  test::MemoryWatchLists lists;
  Win32Desktop desktop;
  test::SettableClock clock;
  test::RecordingKillRecorder recorder;
  WatchEngine engine{desktop, clock, lists.Lists(), "Vantrel"};
};

// A sentinel killed last: once its close request arrives, every request
// posted before it to the same victim has been handled.
constexpr const char* kSentinel = "Sentinel window|200|100|refuse";

TEST_F(RealWatchTest, SizeRuleBoundsAreInclusiveOnTheRestoredSize) {
  VictimProcess victims({"Pub - Netscape|300|200|refuse", kSentinel});
  ASSERT_TRUE(victims.Started());
  ASSERT_TRUE(victims.WaitReady());

  lists.sizeRules.Add("199 - 400");
  engine.ScanWindows();
  lists.sizeRules.Clear();
  lists.sizeRules.Add("250 - 400");
  engine.ScanWindows();
  engine.KillWindow("Sentinel window");

  ASSERT_TRUE(victims.WaitCloseOf("Sentinel window"));
  EXPECT_THAT(victims.Closes(), ElementsAre("CLOSE 0 Pub - Netscape", "CLOSE 1 Sentinel window"));
}

TEST_F(RealWatchTest, TitleRuleIsCaseSensitiveWhileTheBrowserTestIsNot) {
  VictimProcess victims({"pub - netscape|800|600|refuse", "Pub - Netscape|800|600|refuse", kSentinel});
  ASSERT_TRUE(victims.WaitReady());
  lists.titlesToDestroy.Add("Pub - Netscape");
  engine.ScanWindows();
  engine.KillWindow("Sentinel window");
  ASSERT_TRUE(victims.WaitCloseOf("Sentinel window"));
  EXPECT_THAT(victims.Closes(), ElementsAre("CLOSE 1 Pub - Netscape", "CLOSE 2 Sentinel window"));
  EXPECT_THAT(engine.RecordedTitles(), Contains("pub - netscape"));
  EXPECT_THAT(engine.RecordedTitles(), Not(Contains("Pub - Netscape")));
}

TEST_F(RealWatchTest, KillWindowClosesTheWindowWithTheExactTitleWhereverItStands) {
  VictimProcess victims({"Pub - Netscape|800|600|refuse", "pub - netscape|800|600|refuse", kSentinel});
  ASSERT_TRUE(victims.WaitReady());
  const WindowHandle lower = desktop.FindByTitle("pub - netscape");
  ASSERT_NE(lower, 0u);
  desktop.BringToTop(lower);  // the same title in other case comes first in the window order
  engine.KillWindow("Pub - Netscape");
  engine.KillWindow("Sentinel window");
  ASSERT_TRUE(victims.WaitCloseOf("Sentinel window"));
  EXPECT_THAT(victims.Closes(), ElementsAre("CLOSE 0 Pub - Netscape", "CLOSE 2 Sentinel window"));
}

TEST_F(RealWatchTest, DisabledWindowIsListedWithItsMarkerAndHiddenOnesAreNot) {
  VictimProcess victims({"Setup|300|200|disabled", "Invisible - Mozilla|300|200|hidden", "Page - Mozilla|300|200"});
  ASSERT_TRUE(victims.WaitReady());
  engine.ScanWindows();
  EXPECT_THAT(engine.RecordedTitles(), Contains("Setup [Disabled]"));
  EXPECT_THAT(engine.RecordedTitles(), Contains("Page - Mozilla"));
  EXPECT_THAT(engine.RecordedTitles(), Not(Contains("Invisible - Mozilla")));
  EXPECT_EQ(lists.recordedCount.Caption(), std::to_string(engine.RecordedTitles().size()));

  lists.titlesToDestroy.Add("Setup [Disabled]");
  engine.ScanWindows();
  ASSERT_TRUE(victims.WaitCloseOf("Setup"));
  EXPECT_THAT(recorder.titles, Contains("Setup [Disabled]"));
}

TEST_F(RealWatchTest, OneKillClosesOneOfTwoWindowsWithTheSameTitle) {
  VictimProcess victims({"Twin - Mozilla|300|200", "Twin - Mozilla|300|200", kSentinel});
  ASSERT_TRUE(victims.WaitReady());
  engine.KillWindow("Twin - Mozilla");
  engine.KillWindow("Sentinel window");
  ASSERT_TRUE(victims.WaitCloseOf("Sentinel window"));
  const auto closes = victims.Closes();
  EXPECT_EQ(std::count_if(closes.begin(), closes.end(),
                          [](const std::string& l) { return l.find("Twin - Mozilla") != std::string::npos; }),
            1);
}

// Windows of this process record the close requests they receive.
std::vector<std::string>* ownCloses = nullptr;

LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (ownCloses) ownCloses->push_back(title);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class OwnWindows {
 public:
  OwnWindows() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantrelOwnTestWindow";
    RegisterClassA(&wc);
    ownCloses = &closes;
  }
  ~OwnWindows() {
    for (HWND w : windows_) DestroyWindow(w);
    ownCloses = nullptr;
  }
  HWND Open(const char* title, int width, int height, int show) {
    HWND w = CreateWindowExA(0, "VantrelOwnTestWindow", title, WS_OVERLAPPEDWINDOW, 50, 50, width, height, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(w, show);
    windows_.push_back(w);
    return w;
  }
  std::vector<std::string> closes;

 private:
  std::vector<HWND> windows_;
};

TEST_F(RealWatchTest, MaximisedAndMinimisedBrowserWindowsAreJudgedByRestoredSize) {
  OwnWindows own;
  own.Open("Max small - Mozilla", 300, 200, SW_SHOWMAXIMIZED);
  own.Open("Min small - Mozilla", 300, 200, SW_SHOWMINNOACTIVE);
  own.Open("Max big - Mozilla", 900, 700, SW_SHOWMAXIMIZED);
  PumpFor(100);
  lists.sizeRules.Add("250 - 400");
  engine.ScanWindows();
  PumpFor(200);
  EXPECT_THAT(own.closes, ::testing::UnorderedElementsAre("Max small - Mozilla", "Min small - Mozilla"));
}

TEST(Win32Desktop, ReadsLongTitlesWholeAndVanishedWindowsAsEmpty) {
  OwnWindows own;
  const std::string longTitle(300, 'x');
  HWND w = own.Open(longTitle.c_str(), 200, 100, SW_SHOWNOACTIVATE);
  Win32Desktop desktop;
  const auto handle = reinterpret_cast<WindowHandle>(w);
  EXPECT_EQ(desktop.Title(handle), longTitle);
  EXPECT_TRUE(desktop.IsVisible(handle));
  EXPECT_EQ(desktop.FindByTitle(longTitle), handle);
  const auto windows = desktop.TopLevelWindows();
  EXPECT_THAT(windows, Contains(handle));

  DestroyWindow(w);
  WindowRect rect{1, 2, 3, 4};
  EXPECT_EQ(desktop.Title(handle), "");
  EXPECT_FALSE(desktop.IsVisible(handle));
  EXPECT_FALSE(desktop.RestoredRect(handle, rect));
  EXPECT_EQ(rect.left, 1);
}

TEST(Win32Desktop, TopLevelWindowsComeFromTheTopOfTheWindowOrder) {
  OwnWindows own;
  HWND lower = own.Open("Order lower", 200, 100, SW_SHOWNOACTIVATE);
  HWND upper = own.Open("Order upper", 200, 100, SW_SHOWNOACTIVATE);
  SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Win32Desktop desktop;
  auto windows = desktop.TopLevelWindows();
  const auto at = [&](HWND w) {
    return std::find(windows.begin(), windows.end(), reinterpret_cast<WindowHandle>(w)) - windows.begin();
  };
  EXPECT_LT(at(upper), at(lower));
  desktop.BringToTop(reinterpret_cast<WindowHandle>(lower));
  windows = desktop.TopLevelWindows();
  EXPECT_LT(at(lower), at(upper));
}

// Rules naming a program or a class reach another program's ordinary
// windows (not browser windows, not disabled), by the program's file name
// and the window's class, in any case.
TEST_F(RealWatchTest, RulesByProgramAndClassCloseAnotherProgramsWindow) {
  VictimProcess victims({"Please purchase|400|200|refuse", "Sponsored session|400|200|refuse",
                         "Please purchase later|400|200|refuse", kSentinel});
  ASSERT_TRUE(victims.Started());
  ASSERT_TRUE(victims.WaitReady());
  lists.titlesToDestroy.Add("Please purchase");  // plain: not a recorded window
  lists.titlesToDestroy.Add("Please purchase [exe=other.exe]");
  lists.titlesToDestroy.Add("Please purchase [exe=VICTIM.EXE]");
  lists.titlesToDestroy.Add("sponsored * [Like] [class=vantrelvictim]");
  engine.ScanWindows();
  engine.KillWindow("Sentinel window");

  ASSERT_TRUE(victims.WaitCloseOf("Sentinel window"));
  EXPECT_THAT(victims.Closes(),
              ElementsAre("CLOSE 0 Please purchase", "CLOSE 1 Sponsored session", "CLOSE 3 Sentinel window"));
  EXPECT_THAT(recorder.titles, ElementsAre("Please purchase", "Sponsored session", "Sentinel window"));
}

TEST(Win32Desktop, ReadsTheOwnerClassAndExecutableOfAnotherProgramsWindow) {
  VictimProcess victims({"Owner test|200|100|refuse"});
  ASSERT_TRUE(victims.Started());
  ASSERT_TRUE(victims.WaitReady());
  Win32Desktop desktop;
  const WindowHandle window = desktop.FindByTitle("Owner test");
  ASSERT_NE(window, 0u);
  const std::uint32_t process = desktop.ProcessOf(window);
  EXPECT_NE(process, 0u);
  EXPECT_NE(process, desktop.OwnProcess());
  EXPECT_EQ(desktop.ClassName(window), "VantrelVictim");
  EXPECT_EQ(desktop.ExecutableName(process), "victim.exe");
  EXPECT_EQ(desktop.ExecutableName(process), "victim.exe");
  EXPECT_EQ(desktop.RememberedProcesses(), 1u);  // read once, remembered
  EXPECT_EQ(desktop.ExecutableName(0), "");
  EXPECT_EQ(desktop.ProcessOf(0), 0u);
  EXPECT_EQ(desktop.ClassName(0), "");
}

}  // namespace
}  // namespace vantrel
