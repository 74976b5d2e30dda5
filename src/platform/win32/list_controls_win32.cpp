#include "platform/win32/list_controls_win32.h"

#include <windows.h>

#include <vector>

namespace vantrel {
namespace {

HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
bool IsList(ListControlKind kind) { return kind == ListControlKind::ListBox; }

// Entries longer than this are not read: the buffer would be the size the
// control announces, whatever it says.
constexpr LRESULT kLongestEntry = 1 << 20;

}  // namespace

std::int32_t Win32ListControls::Style(WindowHandle control) {
  return static_cast<std::int32_t>(::GetWindowLongA(Hwnd(control), GWL_STYLE));
}

std::int32_t Win32ListControls::ControlId(WindowHandle control) {
  return static_cast<std::int32_t>(::GetWindowLongA(Hwnd(control), GWL_ID));
}

int Win32ListControls::Count(WindowHandle control, ListControlKind kind) {
  return static_cast<int>(::SendMessageA(Hwnd(control), IsList(kind) ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
}

int Win32ListControls::CurrentSelection(WindowHandle control, ListControlKind kind) {
  return static_cast<int>(::SendMessageA(Hwnd(control), IsList(kind) ? LB_GETCURSEL : CB_GETCURSEL, 0, 0));
}

std::optional<std::string> Win32ListControls::EntryBuffer(WindowHandle control, ListControlKind kind, int index) {
  const HWND window = Hwnd(control);
  const LRESULT length =
      ::SendMessageA(window, IsList(kind) ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0 || length > kLongestEntry) return std::nullopt;
  // The control writes the text and its terminating zero.
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = ::SendMessageA(window, IsList(kind) ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(buffer.data()));
  if (copied < 0) return std::nullopt;
  return std::string(buffer.data(), buffer.size());
}

int Win32ListControls::SelectionState(WindowHandle control, int index) {
  return static_cast<int>(::SendMessageA(Hwnd(control), LB_GETSEL, static_cast<WPARAM>(index), 0));
}

bool Win32ListControls::SetCurrentSelection(WindowHandle control, ListControlKind kind, int index) {
  const LRESULT r =
      ::SendMessageA(Hwnd(control), IsList(kind) ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  return r != (IsList(kind) ? LB_ERR : CB_ERR) || index == -1;
}

bool Win32ListControls::SetSelectionState(WindowHandle control, int index, bool selected) {
  return ::SendMessageA(Hwnd(control), LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(index)) != LB_ERR;
}

}  // namespace vantrel
