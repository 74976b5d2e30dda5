// Owners of the kernel objects, registry keys, files and menus the program
// opens: each closes its handle exactly once, cannot be copied, and can be
// moved (see UniqueHandle).
#pragma once

#include <windows.h>

#include "platform/unique_handle.h"

namespace vantrel::win32 {

// A registry key (RegCloseKey).
struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Null() noexcept { return nullptr; }
  static bool Close(Handle key) noexcept { return ::RegCloseKey(key) == ERROR_SUCCESS; }
};
using UniqueRegKey = UniqueHandle<RegKeyTraits>;

// A file (CloseHandle). CreateFile reports failure with
// INVALID_HANDLE_VALUE, not null; neither is ever closed.
struct FileTraits {
  using Handle = HANDLE;
  static Handle Null() noexcept { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle file) noexcept { return file != INVALID_HANDLE_VALUE && file != nullptr; }
  static bool Close(Handle file) noexcept { return ::CloseHandle(file) != 0; }
};
using UniqueFile = UniqueHandle<FileTraits>;

// Any other kernel object whose opening reports failure with null: a mutex,
// an event, a thread (CloseHandle).
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Null() noexcept { return nullptr; }
  static bool Close(Handle object) noexcept { return ::CloseHandle(object) != 0; }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
// A named mutex, such as the one that keeps a second Vantrel from starting.
// Closing the last handle to it ends it: a later CreateMutex of the same name
// no longer reports ERROR_ALREADY_EXISTS.
using UniqueMutex = UniqueKernelHandle;

// A menu the program created and gave to no window or parent menu
// (DestroyMenu, which destroys its submenus with it). Its Win32 handle, as
// opposed to vantrel::UniqueMenu, which works through the menu interface.
struct MenuTraits {
  using Handle = HMENU;
  static Handle Null() noexcept { return nullptr; }
  static bool Close(Handle menu) noexcept { return ::DestroyMenu(menu) != 0; }
};
using UniqueHMenu = UniqueHandle<MenuTraits>;

}  // namespace vantrel::win32
