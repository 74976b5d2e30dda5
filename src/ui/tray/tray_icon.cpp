#include "ui/tray/tray_icon.h"

#include <cstring>

namespace vantrel {

void TrayIcon::AddTrayIcon(HWND window, HICON icon) {
  NOTIFYICONDATAA& r = TrayIconRecord;
  r = NOTIFYICONDATAA{};
  // The first form of the record: window, identifier, flags, message, icon, tip.
  r.cbSize = NOTIFYICONDATAA_V1_SIZE;
  r.hWnd = window;
  r.uID = kTrayIconId;
  r.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  r.uCallbackMessage = kTrayCallbackMessage;
  r.hIcon = icon;
  std::memset(r.szTip, ' ', 64);
  std::memcpy(r.szTip, "Vantrel", 8);  // the title and its ending zero
  Shell_NotifyIconA(NIM_ADD, &r);
  added_ = true;
}

void TrayIcon::UpdateTrayIcon() {
  if (added_) Shell_NotifyIconA(NIM_MODIFY, &TrayIconRecord);
}

void TrayIcon::Readd() {
  if (added_) Shell_NotifyIconA(NIM_ADD, &TrayIconRecord);
}

void TrayIcon::RemoveTrayIcon() {
  if (!added_) return;
  Shell_NotifyIconA(NIM_DELETE, &TrayIconRecord);
  added_ = false;
}

}  // namespace vantrel
