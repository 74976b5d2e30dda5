// A window's procedure wrapped by the code that serves it: a form in front
// of its controls, the menu engine in front of the windows it hooks. The
// program's one way to subclass a window.
//
// comctl32's SetWindowSubclass looks up a window property for every message
// the control receives, three times over, and under Wine each lookup is a
// round trip to the window server: a list box painted during the page
// animation paid nine of them per step. Here the previous procedure and the
// owner are kept in a table of the thread that owns the windows (a window's
// procedure always runs on that thread), read without any server call.
#pragma once

#include <windows.h>

namespace vantrel {

// Sees a window's message first; returns true when it has handled it, with
// result set, and false to let the window handle it. Must not throw (a
// throw is caught and taken as "not handled").
using ControlFilter = bool (*)(void* owner, HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT& result);

// Wraps control's procedure; false when control is null, is a window of
// another thread, or is wrapped already (by any owner).
bool AttachControlFilter(HWND control, ControlFilter filter, void* owner);

// Lets control's messages go straight to its own procedure again; true when
// that procedure is back in place. When another procedure was put over ours
// since, ours stays in the chain and only passes messages on (false).
bool DetachControlFilter(HWND control);

// Whether control is wrapped.
bool HasControlFilter(HWND control);

// The procedure a wrapped control's unhandled messages go to (the one the
// wrapping replaced); null when control is not wrapped.
WNDPROC ControlFilterPrevious(HWND control);

// The procedure the wrapping installs.
WNDPROC ControlFilterProcedure();

}  // namespace vantrel
