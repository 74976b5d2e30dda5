// The watch's thread against the real window manager: the desktop read in
// slices between the window events, and new windows of another program
// reported by the system and handed over once they show.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/win32/desktop_reader_win32.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/watch_thread.h"
#include "victims.h"

namespace vantrel {
namespace {

using test::PumpFor;
using test::PumpUntil;
using test::VictimProcess;

constexpr UINT kReady = WM_APP + 7;
constexpr UINT kIgnored = WM_APP + 8;

// A window of the test that receives what the threads post.
class Receiver {
 public:
  Receiver() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VantrelWatchReceiver";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, wc.lpszClassName, "Receiver - Mozilla", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                              nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Receiver() { DestroyWindow(window_); }
  HWND Window() const { return window_; }
  std::vector<WPARAM> received;

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (self && m == kReady) {
      self->received.push_back(wp);
      return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
  }
  HWND window_ = nullptr;
};

const WindowFacts* FactsOf(const DesktopSnapshot& snapshot, HWND window) {
  const auto it = std::find_if(snapshot.begin(), snapshot.end(),
                               [&](const WindowFacts& f) { return f.handle == reinterpret_cast<WindowHandle>(window); });
  return it == snapshot.end() ? nullptr : &*it;
}

TEST(SlicedDesktopReader, ReadsOtherProgramsWindowsAndLeavesItsOwnForLater) {
  VictimProcess victims({"Shown - Mozilla|300|200|refuse", "Plain window|300|200|refuse", "Gone|300|200|hidden"});
  ASSERT_TRUE(victims.WaitReady());
  Receiver receiver;
  SlicedDesktopReader reader(receiver.Window(), kReady);
  EXPECT_FALSE(reader.StartReading(FactsWanted{}));  // no thread serves it yet
  auto watch = std::make_unique<WatchThread>(receiver.Window(), kIgnored, &reader);
  ASSERT_TRUE(watch->Start());
  ASSERT_TRUE(reader.StartReading(FactsWanted{.placement = [](const std::string& title) { return title.find("- Mozilla") != std::string::npos; }}));
  ASSERT_TRUE(PumpUntil([&] { return !receiver.received.empty(); }, 10000));
  std::optional<DesktopSnapshot> snapshot = reader.TakeSnapshot();
  ASSERT_TRUE(snapshot.has_value());
  EXPECT_FALSE(reader.TakeSnapshot().has_value());  // taken once

  const WindowFacts* own = FactsOf(*snapshot, receiver.Window());
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(own->readLater);
  EXPECT_TRUE(own->title.empty());

  Win32Desktop desktop;
  const WindowFacts* shown = FactsOf(*snapshot, reinterpret_cast<HWND>(desktop.FindByTitle("Shown - Mozilla")));
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->visible);
  EXPECT_EQ(shown->title, "Shown - Mozilla");
  ASSERT_TRUE(shown->restored.has_value());
  EXPECT_EQ(shown->restored->right - shown->restored->left, 300);
  EXPECT_EQ(shown->restored->bottom - shown->restored->top, 200);
  const WindowFacts* plain = FactsOf(*snapshot, reinterpret_cast<HWND>(desktop.FindByTitle("Plain window")));
  ASSERT_NE(plain, nullptr);
  EXPECT_FALSE(plain->restored.has_value());  // not a browser window: no placement read

  // Later requests are served in turn.
  receiver.received.clear();
  ASSERT_TRUE(reader.StartReading(FactsWanted{}));
  ASSERT_TRUE(PumpUntil([&] { return !receiver.received.empty(); }, 10000));
  EXPECT_TRUE(reader.TakeSnapshot().has_value());

  // Once the thread has ended, a reading is refused: the tick reads itself.
  watch.reset();
  EXPECT_FALSE(reader.StartReading(FactsWanted{}));
}

TEST(WatchThread, HandsOverAnotherProgramsWindowOnceItShows) {
  Receiver receiver;
  WatchThread watch(receiver.Window(), kReady, nullptr);
  ASSERT_TRUE(watch.Start());
  ASSERT_TRUE(watch.WatchesNewWindows());
  // Made hidden and shown 30 ms later: under Wine only the creation is
  // reported, and the window is handed over once it shows.
  VictimProcess victims({"Late - Mozilla|300|200|later", "Never shown|300|200|hidden"});
  ASSERT_TRUE(victims.WaitReady());
  Win32Desktop desktop;
  const auto late = static_cast<WPARAM>(desktop.FindByTitle("Late - Mozilla"));
  const auto never = static_cast<WPARAM>(desktop.FindByTitle("Never shown"));
  ASSERT_NE(late, 0u);
  ASSERT_TRUE(PumpUntil([&] { return std::count(receiver.received.begin(), receiver.received.end(), late) > 0; }, 5000));
  EXPECT_TRUE(IsWindowVisible(reinterpret_cast<HWND>(late)));
  PumpFor(300);
  EXPECT_EQ(std::count(receiver.received.begin(), receiver.received.end(), never), 0);
}

TEST(WatchThread, ThisProgramsOwnWindowsAreNotReported) {
  Receiver receiver;
  WatchThread watch(receiver.Window(), kReady, nullptr);
  ASSERT_TRUE(watch.Start());
  HWND own = CreateWindowExA(0, "STATIC", "Own - Mozilla", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  // Another program's window after it: once that one is reported, the own
  // window's report would have come before it.
  VictimProcess victims({"After - Mozilla|300|200"});
  ASSERT_TRUE(victims.WaitReady());
  Win32Desktop desktop;
  const auto after = static_cast<WPARAM>(desktop.FindByTitle("After - Mozilla"));
  ASSERT_TRUE(PumpUntil([&] { return std::count(receiver.received.begin(), receiver.received.end(), after) > 0; }, 5000));
  EXPECT_EQ(std::count(receiver.received.begin(), receiver.received.end(), reinterpret_cast<WPARAM>(own)), 0);
  DestroyWindow(own);
}

// Handed over once when it shows, and once more when a page names it: a
// pop-up shown as "about:blank" and given its title 80 ms later (Wine
// reports no renaming; the thread reads the title again).
TEST(WatchThread, HandsOverAWindowOnceAndAgainWhenItIsRenamed) {
  Receiver receiver;
  WatchThread watch(receiver.Window(), kReady, nullptr);
  ASSERT_TRUE(watch.Start());
  VictimProcess victims({"Named - Mozilla|300|200|blank", "Steady - Mozilla|300|200"});
  ASSERT_TRUE(victims.WaitReady());
  Win32Desktop desktop;
  const auto steady = static_cast<WPARAM>(desktop.FindByTitle("Steady - Mozilla"));
  ASSERT_NE(steady, 0u);
  ASSERT_TRUE(PumpUntil([&] { return desktop.FindByTitle("Named - Mozilla") != 0; }, 5000));
  const auto named = static_cast<WPARAM>(desktop.FindByTitle("Named - Mozilla"));
  const auto count = [&](WPARAM w) { return std::count(receiver.received.begin(), receiver.received.end(), w); };
  ASSERT_TRUE(PumpUntil([&] { return count(named) >= 2; }, 5000));
  PumpFor(500);
  EXPECT_EQ(count(named), 2);
  EXPECT_EQ(count(steady), 1);
}

}  // namespace
}  // namespace vantrel
