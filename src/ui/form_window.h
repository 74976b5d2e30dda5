// The one foundation of every form's window: one window procedure that
// finds the form behind the window, hands it each message and keeps every
// exception inside; and one owner type that destroys the window.
#pragma once

#include <windows.h>

namespace vantrel {

// The object behind a window. Its class's procedure is FormWindow::Procedure
// and CreateWindowEx is given the form as its creation parameter (OwnedWindow
// does both). The form is attached at WM_NCCREATE, receives every message
// from there on through OnMessage, and is detached after WM_NCDESTROY, or
// before the window is destroyed by its owner.
class FormWindow {
 public:
  FormWindow() = default;
  virtual ~FormWindow() = default;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // The attached window; null before creation and once it is gone.
  HWND Window() const { return window_; }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // One message of the window. An exception leaving it is caught by the
  // procedure, which then answers as DefWindowProcA would.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefWindowProcA(window_, message, wParam, lParam);
  }

 private:
  friend class OwnedWindow;
  // The window no longer reaches the form.
  void Detach();

  HWND window_ = nullptr;
};

// What a form's window is created with.
struct FormWindowCreation {
  DWORD exStyle = 0;
  const char* className = nullptr;  // a class whose procedure is FormWindow::Procedure
  const char* title = "";
  DWORD style = 0;
  RECT place{};
  HWND parent = nullptr;
  HINSTANCE instance = nullptr;
};

// Owns the window of one form: destroying the owner (or Reset) detaches the
// form first, so the form hears nothing of the destruction, then destroys
// the window. A window the system destroyed (its parent went) leaves the
// owner empty. Move only; the form outlives its owner.
class OwnedWindow {
 public:
  OwnedWindow() = default;
  ~OwnedWindow() { Reset(); }
  OwnedWindow(OwnedWindow&& other) noexcept : form_(other.form_) { other.form_ = nullptr; }
  OwnedWindow& operator=(OwnedWindow&& other) noexcept {
    if (this != &other) {
      Reset();
      form_ = other.form_;
      other.form_ = nullptr;
    }
    return *this;
  }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;

  // Creates the window served by form; empty when it cannot be created or
  // the form already has a window.
  static OwnedWindow Create(FormWindow& form, const FormWindowCreation& creation);

  HWND Get() const { return form_ ? form_->Window() : nullptr; }
  explicit operator bool() const { return Get() != nullptr; }
  void Reset();

 private:
  FormWindow* form_ = nullptr;
};

}  // namespace vantrel
