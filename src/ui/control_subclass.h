// A control's window procedure wrapped by the form that owns it.
//
// comctl32's SetWindowSubclass looks up a window property for every message
// the control receives, three times over, and under Wine each lookup is a
// round trip to the window server: a list box painted during the page
// animation paid nine of them per step. Here the previous procedure and the
// owner are kept in a table of the thread that owns the controls (a window's
// procedure always runs on that thread), read without any server call.
#pragma once

#include <windows.h>

namespace vantrel {

// Sees a control's message first; returns true when it has handled it, with
// result set, and false to let the control handle it. Must not throw (a
// throw is caught and taken as "not handled").
using ControlFilter = bool (*)(void* owner, HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT& result);

// Wraps control's procedure; false when control is null or already wrapped.
bool AttachControlFilter(HWND control, ControlFilter filter, void* owner);

// Lets control's messages go straight to its own procedure again. When
// another procedure was put over ours since, ours stays in the chain and only
// passes messages on.
void DetachControlFilter(HWND control);

// Whether control is wrapped (for tests).
bool HasControlFilter(HWND control);

}  // namespace vantrel
