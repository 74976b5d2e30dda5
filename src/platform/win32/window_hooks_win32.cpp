#include "platform/win32/window_hooks_win32.h"

#include <windows.h>

#include <string>

#include "platform/win32/control_subclass_win32.h"

namespace vantrel {

namespace {

HWND Window(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// The sink answers every message itself; it passes on what it does not
// handle through the previous procedure Subclass gave it.
bool PassToSink(void* sink, HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = static_cast<WindowMessageSink*>(sink)->OnWindowMessage(reinterpret_cast<WindowHandle>(window), message,
                                                                  wParam, lParam);
  return true;
}

}  // namespace

WindowProcedure Win32WindowHooks::EngineProcedure() {
  return reinterpret_cast<WindowProcedure>(ControlFilterProcedure());
}

WindowProcedure Win32WindowHooks::Subclass(WindowHandle window, WindowMessageSink& sink) {
  const HWND hwnd = Window(window);
  if (!::IsWindow(hwnd)) return 0;
  // One sink per window, whoever installed it: a second one would be handed
  // the first one's procedure as the one it replaced and call itself for ever.
  if (!AttachControlFilter(hwnd, &PassToSink, &sink)) return 0;
  return reinterpret_cast<WindowProcedure>(ControlFilterPrevious(hwnd));
}

bool Win32WindowHooks::Unsubclass(WindowHandle window, WindowProcedure /*previous*/) {
  // The wrapping knows the procedure it replaced.
  return DetachControlFilter(Window(window));
}

std::intptr_t Win32WindowHooks::CallPrevious(WindowProcedure previous, WindowHandle window, std::uint32_t message,
                                             std::uintptr_t wParam, std::intptr_t lParam) {
  if (previous == 0) return ::DefWindowProcA(Window(window), message, wParam, lParam);
  return ::CallWindowProcA(reinterpret_cast<WNDPROC>(previous), Window(window), message, wParam, lParam);
}

std::intptr_t Win32WindowHooks::CallDefault(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                            std::intptr_t lParam) {
  return ::DefWindowProcA(Window(window), message, wParam, lParam);
}

std::intptr_t Win32WindowHooks::SendWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                                  std::intptr_t lParam) {
  return ::SendMessageA(Window(window), message, wParam, lParam);
}

WindowHandle Win32WindowHooks::GetParent(WindowHandle window) {
  return reinterpret_cast<WindowHandle>(::GetParent(Window(window)));
}

bool Win32WindowHooks::IsWindow(WindowHandle window) { return window != 0 && ::IsWindow(Window(window)) != 0; }

WindowHandle Win32WindowHooks::FindChildWindow(WindowHandle parent, std::string_view className,
                                               std::optional<std::string_view> windowName) {
  // Without a parent the search would run over the desktop's windows.
  if (parent == 0) return 0;
  const std::string cls(className);
  const std::string name(windowName.value_or(std::string_view{}));
  return reinterpret_cast<WindowHandle>(
      ::FindWindowExA(Window(parent), nullptr, cls.c_str(), windowName ? name.c_str() : nullptr));
}

std::optional<PlatformVersion> Win32WindowHooks::GetPlatformVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!::GetVersionExA(&info)) return std::nullopt;
  return PlatformVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

void Win32WindowHooks::SetCursorShape(int shape) {
  cursorShape_ = shape;
  constexpr WORD kArrow = 32512;
  constexpr WORD kWait = 32514;
  ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(shape == kCursorHourglass ? kWait : kArrow)));
}

bool Win32WindowHooks::ReadMeasureItem(std::intptr_t address, MeasureItemRecord& record) {
  if (address == 0) return false;
  const auto* mis = reinterpret_cast<const MEASUREITEMSTRUCT*>(address);
  record.controlType = mis->CtlType;
  record.controlId = mis->CtlID;
  record.itemId = mis->itemID;
  record.itemWidth = mis->itemWidth;
  record.itemHeight = mis->itemHeight;
  record.itemData = mis->itemData;
  return true;
}

void Win32WindowHooks::WriteMeasureItem(std::intptr_t address, const MeasureItemRecord& record) {
  if (address == 0) return;
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(address);
  mis->itemWidth = record.itemWidth;
  mis->itemHeight = record.itemHeight;
}

namespace {
TrackingPoint From(const POINT& p) { return {static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)}; }
POINT To(const TrackingPoint& p) { return POINT{p.x, p.y}; }
}  // namespace

bool Win32WindowHooks::ReadMinMax(std::intptr_t address, MinMaxRecord& record) {
  if (address == 0) return false;
  const auto* mmi = reinterpret_cast<const MINMAXINFO*>(address);
  record = MinMaxRecord{From(mmi->ptReserved), From(mmi->ptMaxSize), From(mmi->ptMaxPosition),
                        From(mmi->ptMinTrackSize), From(mmi->ptMaxTrackSize)};
  return true;
}

void Win32WindowHooks::WriteMinMax(std::intptr_t address, const MinMaxRecord& record) {
  if (address == 0) return;
  auto* mmi = reinterpret_cast<MINMAXINFO*>(address);
  mmi->ptReserved = To(record.reserved);
  mmi->ptMaxSize = To(record.maxSize);
  mmi->ptMaxPosition = To(record.maxPosition);
  mmi->ptMinTrackSize = To(record.minTrackSize);
  mmi->ptMaxTrackSize = To(record.maxTrackSize);
}

}  // namespace vantrel
