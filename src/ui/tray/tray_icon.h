// The program's icon in the notification area: one record kept for the
// whole run; its mouse messages come to the main window as mouse moves.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace vantrel {

// The tray's callback message: the mouse-move message of the main window,
// with the tray's mouse message in place of the x coordinate.
inline constexpr UINT kTrayCallbackMessage = 512;
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
