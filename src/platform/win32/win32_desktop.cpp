#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <string_view>

namespace vantrel {
namespace {

HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
WindowHandle FromHwnd(HWND h) { return reinterpret_cast<WindowHandle>(h); }

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* out = reinterpret_cast<std::vector<WindowHandle>*>(param);
  try {
    out->push_back(FromHwnd(window));
  } catch (...) {
    return FALSE;  // out of memory: walk what was collected
  }
  return TRUE;
}

}  // namespace

// One snapshot of the window order, from the top: a window that closes
// while the scan yields is then simply found without a title, and the walk
// goes on to the windows below it.
std::vector<WindowHandle> Win32Desktop::TopLevelWindows() const {
  std::vector<WindowHandle> windows;
  windows.reserve(256);
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string Win32Desktop::Title(WindowHandle window) const {
  // Most titles fit a small buffer, read in one call. A title that fills it
  // may be longer: it is read again with a buffer one character longer than
  // the length the window reports, which gives the same text as always
  // reading it that way.
  char small[256];
  const int copied = GetWindowTextA(ToHwnd(window), small, static_cast<int>(sizeof small));
  if (copied < static_cast<int>(sizeof small) - 1) return std::string(small, copied > 0 ? copied : 0);
  const int length = GetWindowTextLengthA(ToHwnd(window));
  if (length <= 0) return {};
  std::string title(static_cast<std::size_t>(length) + 1, '\0');
  const int full = GetWindowTextA(ToHwnd(window), title.data(), length + 1);
  title.resize(full > 0 ? static_cast<std::size_t>(full) : 0);
  return title;
}

bool Win32Desktop::IsVisible(WindowHandle window) const { return IsWindowVisible(ToHwnd(window)) != FALSE; }

bool Win32Desktop::IsEnabled(WindowHandle window) const { return IsWindowEnabled(ToHwnd(window)) != FALSE; }

std::uint32_t Win32Desktop::ProcessOf(WindowHandle window) const {
  DWORD process = 0;
  if (GetWindowThreadProcessId(ToHwnd(window), &process) == 0) return 0;
  return process;
}

std::uint32_t Win32Desktop::OwnProcess() const { return GetCurrentProcessId(); }

std::string Win32Desktop::ClassName(WindowHandle window) const {
  char name[257];  // class names are at most 256 characters
  const int copied = GetClassNameA(ToHwnd(window), name, static_cast<int>(sizeof name));
  return std::string(name, copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void Win32Desktop::ForgetEndedProcesses(std::uint64_t now) const {
  constexpr std::uint64_t kSweepEvery = 1000, kRetryAfter = 5000;
  if (now - lastSweep_ < kSweepEvery) return;
  lastSweep_ = now;
  std::erase_if(processes_, [&](const auto& entry) {
    const KnownProcess& known = entry.second;
    if (!known.handle) return now - known.failedAt >= kRetryAfter;
    return WaitForSingleObject(known.handle.Get(), 0) == WAIT_OBJECT_0;
  });
}

std::string Win32Desktop::ExecutableName(std::uint32_t process) const {
  if (process == 0) return {};
  ForgetEndedProcesses(GetTickCount64());
  if (const auto known = processes_.find(process); known != processes_.end()) return known->second.name;
  KnownProcess known;
  known.handle.Reset(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, process));
  if (known.handle) {
    char path[MAX_PATH * 2];
    DWORD size = sizeof path;
    if (QueryFullProcessImageNameA(known.handle.Get(), 0, path, &size)) {
      const std::string_view full(path, size);
      const std::size_t slash = full.find_last_of("\\/");
      known.name = std::string(slash == std::string_view::npos ? full : full.substr(slash + 1));
    }
  } else {
    known.failedAt = GetTickCount64();
  }
  std::string name = known.name;
  processes_.emplace(process, std::move(known));
  return name;
}

bool Win32Desktop::RestoredRect(WindowHandle window, WindowRect& rect) const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(ToHwnd(window), &placement)) return false;
  const RECT& r = placement.rcNormalPosition;
  rect = WindowRect{r.left, r.top, r.right, r.bottom};
  return true;
}

// FindWindowA compares titles without regard to case; a title rule is
// exact, so among the windows it finds only those whose title is the same
// text count, and a visible one is taken before a hidden one: the user
// means the window they see.
WindowHandle Win32Desktop::FindByTitle(const std::string& title) const {
  HWND candidate = nullptr;
  WindowHandle hidden = 0;
  while ((candidate = FindWindowExA(nullptr, candidate, nullptr, title.c_str())) != nullptr) {
    const WindowHandle handle = FromHwnd(candidate);
    if (Title(handle) != title) continue;
    if (IsWindowVisible(candidate)) return handle;
    if (hidden == 0) hidden = handle;
  }
  return hidden;
}

bool Win32Desktop::PostClose(WindowHandle window) {
  return PostMessageA(ToHwnd(window), WM_CLOSE, 0, 0) != FALSE;
}

bool Win32Desktop::BringToTop(WindowHandle window) { return BringWindowToTop(ToHwnd(window)) != FALSE; }

}  // namespace vantrel
