#include "ui/control_subclass.h"

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
  const WNDPROC previous = entry->previous;
  if (entry->filter) {
    LRESULT result = 0;
    bool handled = false;
    try {
      handled = entry->filter(entry->owner, control, message, wParam, lParam, result);
    } catch (...) {
      // A key or click on a control never takes the program down.
      handled = false;
    }
    if (handled) return result;
  }
  if (message == WM_NCDESTROY) {
    // The control is going: it no longer needs us, whoever sits above.
    Forget(control);
    if (GetWindowLongPtrA(control, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FilterProc))
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  }
  return CallWindowProcA(previous, control, message, wParam, lParam);
}

}  // namespace

bool AttachControlFilter(HWND control, ControlFilter filter, void* owner) {
  if (!control || !filter || Find(control)) return false;
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
  if (!previous) return false;
  Table().push_back(Wrapped{control, previous, filter, owner});
  SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FilterProc));
  return true;
}

void DetachControlFilter(HWND control) {
  Wrapped* entry = Find(control);
  if (!entry) return;
  if (GetWindowLongPtrA(control, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FilterProc)) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry->previous));
    Forget(control);
  } else {
    entry->filter = nullptr;
  }
}

bool HasControlFilter(HWND control) {
  const Wrapped* entry = Find(control);
  return entry != nullptr && entry->filter != nullptr;
}

}  // namespace vantrel
