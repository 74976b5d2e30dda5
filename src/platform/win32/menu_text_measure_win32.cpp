#include "platform/win32/menu_text_measure_win32.h"

#include <windows.h>

#include <string>

#include "platform/win32/gdi_handles.h"

namespace vantrel {

using win32::FromNumber;
using win32::ToNumber;

DeviceContext Win32MenuTextMeasure::AcquireWindowContext(WindowHandle window) {
  return ToNumber(::GetDC(FromNumber<HWND>(window)));
}

void Win32MenuTextMeasure::ReleaseWindowContext(WindowHandle window, DeviceContext dc) {
  if (dc != 0) ::ReleaseDC(FromNumber<HWND>(window), FromNumber<HDC>(dc));
}

TextExtent Win32MenuTextMeasure::MeasureMenuText(DeviceContext dc, std::string_view text) {
  if (dc == 0) return {};
  const std::string copy(text);
  RECT box{0, 0, 0, 0};
  ::DrawTextA(FromNumber<HDC>(dc), copy.c_str(), static_cast<int>(copy.size()), &box,
              DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
  return {box.right - box.left, box.bottom - box.top};
}

int Win32MenuTextMeasure::ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

}  // namespace vantrel
