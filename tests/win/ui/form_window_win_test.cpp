// The forms' one window foundation against the real API: the form hears
// its window from WM_NCCREATE to WM_NCDESTROY and nothing after, no
// exception leaves the procedure, and the owner destroys the window or is
// left empty when the system did.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "ui/form_window.h"

namespace vantrel {
namespace {

constexpr const char* kClassName = "VantrelFormWindowTest";
constexpr UINT kThrowMessage = WM_APP + 1;
constexpr UINT kAnswerMessage = WM_APP + 2;

void RegisterTestClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = FormWindow::Procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);  // fails harmlessly when already registered
}

// Records every message it hears, and what Window() said at WM_NCCREATE.
class RecordingForm final : public FormWindow {
 public:
  std::vector<UINT> heard;
  HWND windowAtCreation = nullptr;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    heard.push_back(message);
    if (message == WM_NCCREATE) windowAtCreation = Window();
    if (message == kThrowMessage) throw std::runtime_error("a failing handler");
    if (message == kAnswerMessage) return 42;
    return Default(message, wParam, lParam);
  }
};

OwnedWindow CreateFor(FormWindow& form, HWND parent = nullptr) {
  RegisterTestClass();
  return OwnedWindow::Create(form, FormWindowCreation{.className = kClassName,
                                                  .style = parent ? WS_CHILD : WS_POPUP,
                                                  .place = RECT{0, 0, 50, 40},
                                                  .parent = parent,
                                                  .instance = GetModuleHandleA(nullptr)});
}

bool Heard(const RecordingForm& form, UINT message) {
  for (UINT m : form.heard)
    if (m == message) return true;
  return false;
}

TEST(FormWindowWinTest, TheFormHearsItsWindowFromCreationOnAndAnExceptionStaysInside) {
  RecordingForm form;
  OwnedWindow owner = CreateFor(form);
  ASSERT_TRUE(owner);
  EXPECT_EQ(form.Window(), owner.Get());
  ASSERT_FALSE(form.heard.empty());
  EXPECT_EQ(form.heard.front(), static_cast<UINT>(WM_NCCREATE));
  EXPECT_EQ(form.windowAtCreation, owner.Get());
  EXPECT_TRUE(Heard(form, WM_CREATE));

  EXPECT_FALSE(CreateFor(form)) << "a second window for the same form";
  EXPECT_EQ(form.Window(), owner.Get());

  EXPECT_EQ(SendMessageA(owner.Get(), kAnswerMessage, 0, 0), 42);
  // The throwing handler gets the default answer, and the window goes on.
  EXPECT_EQ(SendMessageA(owner.Get(), kThrowMessage, 0, 0), 0);
  EXPECT_EQ(SendMessageA(owner.Get(), kAnswerMessage, 0, 0), 42);
  EXPECT_EQ(form.heard.back(), kAnswerMessage);
}

TEST(FormWindowWinTest, DestroyingTheOwnerDetachesTheFormThenDestroysTheWindow) {
  RecordingForm form;
  OwnedWindow owner = CreateFor(form);
  const HWND window = owner.Get();
  ASSERT_NE(window, nullptr);
  form.heard.clear();
  {
    OwnedWindow moved = std::move(owner);
    EXPECT_FALSE(owner);  // NOLINT: the moved-from owner is empty, and owns nothing
    EXPECT_EQ(moved.Get(), window);
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(form.Window(), nullptr);
  EXPECT_TRUE(form.heard.empty()) << "the form heard " << form.heard.size() << " messages of its destruction";
}

TEST(FormWindowWinTest, AWindowTheSystemDestroysLeavesTheOwnerEmptyAndTheFormHearsNothingAfter) {
  const HWND parent = CreateWindowExA(0, "STATIC", "parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(parent, nullptr);
  RecordingForm form;
  OwnedWindow owner = CreateFor(form, parent);
  const HWND window = owner.Get();
  ASSERT_NE(window, nullptr);

  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(owner);
  EXPECT_EQ(owner.Get(), nullptr);
  EXPECT_EQ(form.Window(), nullptr);
  EXPECT_TRUE(Heard(form, WM_DESTROY));
  EXPECT_EQ(form.heard.back(), static_cast<UINT>(WM_NCDESTROY));
  const std::size_t heard = form.heard.size();
  owner.Reset();  // nothing left to destroy
  SendMessageA(window, kAnswerMessage, 0, 0);
  EXPECT_EQ(form.heard.size(), heard);
}

int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND, LPARAM counted) {
        ++*reinterpret_cast<int*>(counted);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(FormWindowWinTest, AWindowOfAnotherClassIsRefusedAndDestroyed) {
  RecordingForm form;
  const int before = ThreadWindows();
  OwnedWindow owner = OwnedWindow::Create(form, FormWindowCreation{.className = "STATIC",
                                                               .style = WS_POPUP,
                                                               .place = RECT{0, 0, 10, 10},
                                                               .instance = GetModuleHandleA(nullptr)});
  EXPECT_FALSE(owner);
  EXPECT_TRUE(form.heard.empty());
  EXPECT_EQ(ThreadWindows(), before);
}

}  // namespace
}  // namespace vantrel
