#include "ui/skin_tips.h"

#include <commctrl.h>

namespace vantrel {

bool SkinTips::Create(HWND owner, HINSTANCE instance) {
  if (tips_ && IsWindow(tips_.Get()) && owner_ == owner) return true;
  // A control of an earlier owner went with it (an owned window is
  // destroyed with its owner).
  owner_ = owner;
  nextId_ = 1;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};  // the tooltip class
  InitCommonControlsEx(&classes);
  // Always shown, whichever window is active: the main window is a tool
  // of the tray that seldom has the focus.
  tips_ = UniqueHandle<OwnedPopupTraits>(
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr),
      OwnedPopupTraits{.owner = owner});
  return tips_.Valid();
}

void SkinTips::Add(RECT bounds, const std::string& text) {
  if (!tips_) return;
  std::string copy = text;  // the control keeps its own copy
  TTTOOLINFOA tool{};
  // The size every version of the control knows.
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = 0;
  tool.hwnd = owner_;
  tool.uId = nextId_++;
  tool.rect = bounds;
  tool.lpszText = copy.data();
  SendMessageA(tips_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void SkinTips::Relay(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!tips_) return;
  MSG msg{};
  msg.hwnd = owner_;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = static_cast<DWORD>(GetMessageTime());
  GetCursorPos(&msg.pt);
  SendMessageA(tips_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace vantrel
