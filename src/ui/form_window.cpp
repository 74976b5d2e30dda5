#include "ui/form_window.h"

namespace vantrel {

void FormWindow::Detach() {
  if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (created) {
      created->window_ = window;  // messages arrive before CreateWindowEx returns
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
  }
  auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!form) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = form->OnMessage(message, wParam, lParam);
  } catch (...) {
    // No exception crosses into the system: the message gets its default answer.
    result = DefWindowProcA(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) form->Detach();  // the window's last message
  return result;
}

OwnedWindow OwnedWindow::Create(FormWindow& form, const FormWindowCreation& creation) {
  if (form.Window()) return OwnedWindow();  // a form serves one window at a time
  const RECT& r = creation.place;
  HWND window = CreateWindowExA(creation.exStyle, creation.className, creation.title, creation.style, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, creation.parent, nullptr, creation.instance, &form);
  OwnedWindow owner;
  if (window && form.Window() == window) owner.form_ = &form;
  else if (window) DestroyWindow(window);  // not a form's class: nothing would answer for it
  return owner;
}

void OwnedWindow::Reset() {
  FormWindow* form = form_;
  form_ = nullptr;
  if (!form || !form->Window()) return;
  HWND window = form->Window();
  form->Detach();
  DestroyWindow(window);
}

}  // namespace vantrel
