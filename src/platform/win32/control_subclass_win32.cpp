#include "platform/win32/control_subclass_win32.h"

#include <algorithm>
#include <vector>

namespace vantrel {
namespace {

struct Wrapped {
  HWND control;
  WNDPROC previous;
  ControlFilter filter;  // null once detached while another procedure sits over ours
  void* owner;
};

std::vector<Wrapped>& Table() {
  thread_local std::vector<Wrapped> table;
  return table;
}

Wrapped* Find(HWND control) {
  auto& table = Table();
  const auto it = std::find_if(table.begin(), table.end(), [control](const Wrapped& w) { return w.control == control; });
  return it == table.end() ? nullptr : &*it;
}

void Forget(HWND control) {
  auto& table = Table();
  table.erase(std::remove_if(table.begin(), table.end(), [control](const Wrapped& w) { return w.control == control; }),
              table.end());
}

LRESULT CALLBACK FilterProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const Wrapped* entry = Find(control);
  if (!entry) return DefWindowProcA(control, message, wParam, lParam);
  // Copies: the filter may wrap or release windows, which moves the table.
  const WNDPROC previous = entry->previous;
  const ControlFilter filter = entry->filter;
  void* const owner = entry->owner;
  if (message == WM_NCDESTROY) {
    // The window is going, whoever handles this last message: its handle may
    // soon name another window, which must find no entry of ours.
    Forget(control);
    if (GetWindowLongPtrA(control, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FilterProc))
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  }
  if (filter) {
    LRESULT result = 0;
    bool handled = false;
    try {
      handled = filter(owner, control, message, wParam, lParam, result);
    } catch (...) {
      // A key or click on a control never takes the program down.
      handled = false;
    }
    if (handled) return result;
  }
  return CallWindowProcA(previous, control, message, wParam, lParam);
}

}  // namespace

bool AttachControlFilter(HWND control, ControlFilter filter, void* owner) {
  if (!control || !filter) return false;
  // The table is the calling thread's: a window of another thread would
  // look for its entry in its own thread's table and find none.
  if (GetWindowThreadProcessId(control, nullptr) != GetCurrentThreadId()) return false;
  if (Wrapped* entry = Find(control)) {
    if (entry->filter) return false;
    // Released while another procedure sat over ours: ours is still in the
    // chain, and takes the new filter.
    entry->filter = filter;
    entry->owner = owner;
    return true;
  }
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
  if (!previous) return false;
  Table().push_back(Wrapped{control, previous, filter, owner});
  SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FilterProc));
  return true;
}

bool DetachControlFilter(HWND control) {
  Wrapped* entry = Find(control);
  if (!entry) return false;
  if (GetWindowLongPtrA(control, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FilterProc)) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry->previous));
    Forget(control);
    return true;
  }
  entry->filter = nullptr;
  entry->owner = nullptr;
  return false;
}

bool HasControlFilter(HWND control) {
  const Wrapped* entry = Find(control);
  return entry != nullptr && entry->filter != nullptr;
}

WNDPROC ControlFilterPrevious(HWND control) {
  const Wrapped* entry = Find(control);
  return entry != nullptr ? entry->previous : nullptr;
}

WNDPROC ControlFilterProcedure() { return &FilterProc; }

}  // namespace vantrel
