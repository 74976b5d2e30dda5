// The program's icon in the notification area: one record kept for the
// whole run; its mouse messages come to the main window as a message of the
// program's own.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace vantrel {

// The tray's callback message, with the tray's mouse message in lParam. A
// message of the program's own: were it the window's mouse-move message, a
// real move to x = 515 or 517 (the window captures the mouse while a button
// is down, so x runs past its edge) would read as a click on the icon.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;

class TrayIcon {
 public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon() { RemoveTrayIcon(); }

  // Fills the whole record and adds the icon.
  void AddTrayIcon(HWND window, HICON icon);
  void SetIcon(HICON icon) { TrayIconRecord.hIcon = icon; }
  void UpdateTrayIcon();
  // Adds the icon again after the shell restarted and forgot it.
  void Readd();
  // Removing an icon that is not there does nothing.
  void RemoveTrayIcon();
  bool Added() const { return added_; }

  NOTIFYICONDATAA TrayIconRecord{};

 private:
  bool added_ = false;
};

}  // namespace vantrel
