// The forms wrap their controls' procedures with the program's one way to
// subclass a window.
#pragma once

#include "platform/win32/control_subclass_win32.h"
