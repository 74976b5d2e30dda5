#include "platform/win32/desktop_reader_win32.h"

namespace vantrel {

SlicedDesktopReader::SlicedDesktopReader(HWND notify, UINT message)
    : notify_(notify), message_(message), wake_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
  options_.readLater = [ownProcess = GetCurrentProcessId()](WindowHandle window) {
    DWORD process = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &process);
    return process == ownProcess;
  };
}

bool SlicedDesktopReader::StartReading(FactsWanted wanted) {
  if (!served_ || !wake_) return false;
  {
    std::lock_guard lock(mutex_);
    request_ = std::move(wanted);
  }
  SetEvent(wake_.Get());
  return true;
}

std::optional<DesktopSnapshot> SlicedDesktopReader::TakeSnapshot() {
  std::lock_guard lock(mutex_);
  std::optional<DesktopSnapshot> taken = std::move(finished_);
  finished_.reset();
  return taken;
}

bool SlicedDesktopReader::ReadSlice() noexcept {
  try {
    if (!reading_) {
      FactsWanted wanted;
      {
        std::lock_guard lock(mutex_);
        if (!request_) return false;
        wanted = std::move(*request_);
        request_.reset();
      }
      reading_.emplace(desktop_, std::move(wanted), options_);
    }
    if (!reading_->ReadSome(kWindowsPerSlice)) return true;
    DesktopSnapshot snapshot = reading_->TakeSnapshot();
    reading_.reset();
    bool more = false;
    {
      std::lock_guard lock(mutex_);
      finished_ = std::move(snapshot);
      more = request_.has_value();
    }
    PostMessageA(notify_, message_, 0, 0);
    return more;
  } catch (...) {
    // Out of memory while reading: this reading is lost and the watch's
    // next tick asks again.
    reading_.reset();
    return false;
  }
}

}  // namespace vantrel
