// The owner-drawn menu engine as the tray menu's form uses it: the Win32
// services, the drawing, the popup preparation and the tray menu's
// pictures (the image list of 15 menu images and the sidebar picture).
#pragma once

#include <windows.h>

#include <memory>

namespace vantrel {

class TrayMenuEngine {
 public:
  TrayMenuEngine();
  ~TrayMenuEngine();
  TrayMenuEngine(const TrayMenuEngine&) = delete;
  TrayMenuEngine& operator=(const TrayMenuEngine&) = delete;

  // Sets the four drawing options and hooks the form's window; its menus
  // are then drawn by the engine. False when the hook failed.
  bool Hook(HWND form, HINSTANCE instance);
  // Unhooks the window (before it is destroyed).
  void Unhook();
  bool Hooked() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace vantrel
