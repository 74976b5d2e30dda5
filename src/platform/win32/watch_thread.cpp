#include "platform/win32/watch_thread.h"

#include <mmsystem.h>

#include <chrono>
#include <vector>

#include "platform/new_window_candidates.h"
#include "platform/unique_handle.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_handles.h"

namespace vantrel {
namespace {

NewWindowCandidates::Milliseconds NowMs() {
  return static_cast<NewWindowCandidates::Milliseconds>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
}

bool IsVisible(WindowHandle window) { return IsWindowVisible(reinterpret_cast<HWND>(window)) != FALSE; }

// What the candidates read of other programs' windows: neither read waits
// for the window's program.
WindowLook MakeLook(const Win32Desktop& desktop) {
  return WindowLook{.visible = IsVisible, .title = [&desktop](WindowHandle w) { return desktop.Title(w); }};
}

// An out-of-context WinEvent hook (UnhookWinEvent).
struct WinEventHookTraits {
  using Handle = HWINEVENTHOOK;
  static Handle Null() noexcept { return nullptr; }
  static bool Close(Handle hook) noexcept { return UnhookWinEvent(hook) != FALSE; }
};
using UniqueWinEventHook = UniqueHandle<WinEventHookTraits>;

// A finer timer period asked of the system (timeBeginPeriod), given back
// when it is no longer needed.
class FineTimerPeriod {
 public:
  FineTimerPeriod() = default;
  FineTimerPeriod(const FineTimerPeriod&) = delete;
  FineTimerPeriod& operator=(const FineTimerPeriod&) = delete;
  ~FineTimerPeriod() { Set(false); }
  void Set(bool wanted) noexcept {
    if (wanted == held_) return;
    if (wanted) held_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    else {
      timeEndPeriod(1);
      held_ = false;
    }
  }

 private:
  bool held_ = false;
};

// What the hook's callback works on: it runs on the watching thread, inside
// that thread's message retrieval, so a thread-local pointer finds it.
struct WatchState {
  NewWindowCandidates candidates;
  HWND notify = nullptr;
  UINT judgeMessage = 0;
  Win32Desktop desktop;
  WindowLook look = MakeLook(desktop);
  FineTimerPeriod finePeriod;
};
thread_local WatchState* tState = nullptr;

void HandOver(const WatchState& state, WindowHandle window) {
  PostMessageA(state.notify, state.judgeMessage, static_cast<WPARAM>(window), 0);
}

// Windows waits for timeouts in steps of its clock tick (about 16 ms) unless
// a finer period is asked for; it is asked only while windows are held or
// watched.
void KeepPeriodFine(WatchState& state) {
  state.finePeriod.Set(!state.candidates.Empty() || state.candidates.Watched() > 0);
}

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  try {
    WatchState* state = tState;
    if (!state || !window || object != OBJID_WINDOW || child != CHILDID_SELF) return;
    if (GetAncestor(window, GA_PARENT) != GetDesktopWindow()) return;  // top-level windows only
    // The hook is asked to skip this process's windows, but Wine reports
    // them all the same.
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) return;
    const WindowEvent kind = event == EVENT_OBJECT_CREATE ? WindowEvent::Created
                             : event == EVENT_OBJECT_SHOW ? WindowEvent::Shown
                                                          : WindowEvent::Renamed;
    const auto handle = reinterpret_cast<WindowHandle>(window);
    if (state->candidates.Report(kind, handle, NowMs(), state->look)) HandOver(*state, handle);
  } catch (...) {
    // A report that cannot be handled is left to the scan.
  }
}

}  // namespace

WatchThread::~WatchThread() {
  if (!thread_.joinable()) return;
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  thread_.join();
}

bool WatchThread::Start() {
  if (thread_.joinable()) return true;
  const win32::UniqueKernelHandle started(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!started) return false;
  try {
    thread_ = std::thread([this, event = started.Get()] { Run(event); });
  } catch (...) {
    return false;
  }
  WaitForSingleObject(started.Get(), INFINITE);
  return true;
}

void WatchThread::Run(HANDLE started) noexcept {
  WatchState state;
  state.notify = notify_;
  state.judgeMessage = judgeMessage_;
  tState = &state;
  MSG msg;
  PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // the thread's queue, for WM_QUIT
  threadId_ = GetCurrentThreadId();

  // Creation, showing and renaming, each hooked alone: a range would bring
  // every move and resize of every window too.
  const DWORD flags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
  std::vector<UniqueWinEventHook> hooks;
  for (const DWORD event : {EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE}) {
    UniqueWinEventHook hook(SetWinEventHook(event, event, nullptr, OnWinEvent, 0, 0, flags));
    if (hook) hooks.push_back(std::move(hook));
  }
  hooked_ = !hooks.empty();
  HANDLE wake = reader_ ? reader_->WakeEvent() : nullptr;
  if (reader_) reader_->SetServed(true);
  SetEvent(started);

  // The events first, then a slice of the reading; while a reading is under
  // way the thread does not wait.
  bool reading = false;
  bool running = true;
  while (running) {
    const auto wait = state.candidates.WaitBeforeNextLook(NowMs());
    const DWORD timeout = reading ? 0 : wait ? static_cast<DWORD>(*wait) : INFINITE;
    MsgWaitForMultipleObjects(wake ? 1 : 0, wake ? &wake : nullptr, FALSE, timeout, QS_ALLINPUT);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) running = false;
      else DispatchMessageA(&msg);
    }
    try {
      for (const WindowHandle window : state.candidates.LookAgain(NowMs(), state.look)) HandOver(state, window);
    } catch (...) {
    }
    KeepPeriodFine(state);
    if (running && reader_) reading = reader_->ReadSlice();
  }

  if (reader_) reader_->SetServed(false);
  hooks.clear();
  tState = nullptr;
}

}  // namespace vantrel
