// A filter in front of a real edit control: what it takes, what it lets
// through, and how it leaves the control when detached or destroyed; and the
// windows it refuses.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>

#include "platform/win32/control_subclass_win32.h"

namespace vantrel {
namespace {

constexpr UINT kAsk = WM_APP + 1;

// Takes 'x' keys and answers kAsk with 42; 't' makes it throw.
struct Owner {
  int seen = 0;
  static bool Filter(void* self, HWND, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    auto* owner = static_cast<Owner*>(self);
    ++owner->seen;
    if (message == WM_CHAR && wParam == 't') throw std::runtime_error("filter failed");
    if (message == WM_CHAR && wParam == 'x') {
      result = 0;
      return true;
    }
    if (message == kAsk) {
      result = 42;
      return true;
    }
    return false;
  }
};

std::string Text(HWND edit) {
  char text[64] = {};
  GetWindowTextA(edit, text, sizeof text);
  return text;
}

// Over everything: counts what it passes on.
WNDPROC g_below = nullptr;
int g_topSeen = 0;
LRESULT CALLBACK TopProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  ++g_topSeen;
  return CallWindowProcA(g_below, w, m, wp, lp);
}

class ControlFilterWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
    ASSERT_NE(edit, nullptr);
    original = GetWindowLongPtrA(edit, GWLP_WNDPROC);
  }
  void TearDown() override {
    if (edit) DestroyWindow(edit);
  }
  HWND edit = nullptr;
  LONG_PTR original = 0;
  Owner owner;
};

TEST_F(ControlFilterWinTest, TheFilterSeesMessagesFirstAndAnswersThoseItTakes) {
  ASSERT_TRUE(AttachControlFilter(edit, Owner::Filter, &owner));
  EXPECT_FALSE(AttachControlFilter(edit, Owner::Filter, &owner));  // once only
  SendMessageA(edit, WM_CHAR, 'a', 0);
  SendMessageA(edit, WM_CHAR, 'x', 0);  // taken: never typed
  SendMessageA(edit, WM_CHAR, 't', 0);  // the filter throws: the control still gets it
  SendMessageA(edit, WM_CHAR, 'b', 0);
  EXPECT_EQ(Text(edit), "atb");
  EXPECT_EQ(SendMessageA(edit, kAsk, 0, 0), 42);
  EXPECT_GE(owner.seen, 5);
}

TEST_F(ControlFilterWinTest, DetachingGivesTheControlItsOwnProcedureBack) {
  ASSERT_TRUE(AttachControlFilter(edit, Owner::Filter, &owner));
  EXPECT_NE(GetWindowLongPtrA(edit, GWLP_WNDPROC), original);
  DetachControlFilter(edit);
  EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), original);
  EXPECT_FALSE(HasControlFilter(edit));
  const int before = owner.seen;
  SendMessageA(edit, WM_CHAR, 'x', 0);
  EXPECT_EQ(Text(edit), "x");
  EXPECT_EQ(owner.seen, before);
}

TEST_F(ControlFilterWinTest, UnderAnotherProcedureDetachingOnlyStopsTheFilter) {
  ASSERT_TRUE(AttachControlFilter(edit, Owner::Filter, &owner));
  g_topSeen = 0;
  g_below = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TopProc)));
  DetachControlFilter(edit);
  EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TopProc));
  const int before = owner.seen;
  SendMessageA(edit, WM_CHAR, 'x', 0);  // through the top, through ours, to the edit
  EXPECT_EQ(Text(edit), "x");
  EXPECT_EQ(owner.seen, before);
  EXPECT_GT(g_topSeen, 0);
  EXPECT_FALSE(HasControlFilter(edit));
}

TEST_F(ControlFilterWinTest, ADestroyedControlLeavesNothingBehind) {
  ASSERT_TRUE(AttachControlFilter(edit, Owner::Filter, &owner));
  EXPECT_TRUE(HasControlFilter(edit));
  HWND gone = edit;
  DestroyWindow(edit);
  edit = nullptr;
  EXPECT_FALSE(HasControlFilter(gone));
  EXPECT_FALSE(AttachControlFilter(nullptr, Owner::Filter, &owner));
}

// The menu engine's filter answers every message itself, the last one too.
TEST_F(ControlFilterWinTest, AFilterThatAnswersEverythingStillLeavesNothingBehind) {
  const auto answerAll = [](void*, HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = CallWindowProcA(ControlFilterPrevious(control), control, message, wParam, lParam);
    return true;
  };
  ASSERT_TRUE(AttachControlFilter(edit, answerAll, &owner));
  SendMessageA(edit, WM_CHAR, 'a', 0);
  EXPECT_EQ(Text(edit), "a");
  HWND gone = edit;
  DestroyWindow(edit);
  edit = nullptr;
  EXPECT_FALSE(HasControlFilter(gone));
  EXPECT_EQ(ControlFilterPrevious(gone), nullptr);
}

TEST_F(ControlFilterWinTest, ReleasedUnderAnotherProcedureTheWrappingTakesAFilterAgain) {
  ASSERT_TRUE(AttachControlFilter(edit, Owner::Filter, &owner));
  g_below = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TopProc)));
  EXPECT_FALSE(DetachControlFilter(edit));
  Owner next;
  ASSERT_TRUE(AttachControlFilter(edit, Owner::Filter, &next));
  EXPECT_FALSE(AttachControlFilter(edit, Owner::Filter, &owner));  // taken again
  EXPECT_EQ(ControlFilterPrevious(edit), reinterpret_cast<WNDPROC>(original));
  SendMessageA(edit, WM_CHAR, 'x', 0);  // through the top to the new filter, which takes it
  SendMessageA(edit, WM_CHAR, 'b', 0);
  EXPECT_EQ(Text(edit), "b");
  EXPECT_GE(next.seen, 2);
  SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_below));
}

// The table of wrapped windows is the owning thread's: a window of another
// thread is refused rather than wrapped with no entry to find.
TEST_F(ControlFilterWinTest, AWindowOfAnotherThreadIsRefused) {
  bool attached = true;
  std::thread other([&] { attached = AttachControlFilter(edit, Owner::Filter, &owner); });
  other.join();
  EXPECT_FALSE(attached);
  EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), original);
  SendMessageA(edit, WM_CHAR, 'x', 0);
  EXPECT_EQ(Text(edit), "x");
}

}  // namespace
}  // namespace vantrel
