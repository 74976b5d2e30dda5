// Tips of the pictures a skinned window paints itself: a tooltip control
// (comctl32) whose tools are rectangles of that window. The window hands it
// its mouse messages; subclassing the window instead would put the control
// in the path of every message the window gets, the page animation's too.
#pragma once

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

namespace vantrel {

class SkinTips {
 public:
  SkinTips() = default;
  SkinTips(const SkinTips&) = delete;
  SkinTips& operator=(const SkinTips&) = delete;

  // Makes the tooltip control of owner; false when it cannot be made (the
  // window then works without tips).
  bool Create(HWND owner, HINSTANCE instance);
  // A tip shown while the pointer rests in bounds (owner's client pixels).
  // text is in the ANSI code page.
  void Add(RECT bounds, const std::string& text);
  // A mouse message the owner received.
  void Relay(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Handle() const { return tips_.Get(); }

 private:
  // The control is an owned window of its owner and usually goes with it:
  // it is destroyed here only while it is still that owner's.
  struct OwnedPopupTraits {
    using Handle = HWND;
    HWND owner = nullptr;
    static Handle Null() noexcept { return nullptr; }
    bool Close(Handle popup) const noexcept {
      return IsWindow(popup) && GetWindow(popup, GW_OWNER) == owner && DestroyWindow(popup);
    }
  };

  HWND owner_ = nullptr;
  UniqueHandle<OwnedPopupTraits> tips_;
  UINT nextId_ = 1;
};

}  // namespace vantrel
