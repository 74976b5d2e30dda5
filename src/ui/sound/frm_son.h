// FrmSon, the sound dialog: a skinned borderless window shown over the main
// window, which it disables while it is open. It runs no loop of its own:
// showing it returns at once, the program's loop serves it (its keyboard
// through IsDialogMessage, the loop told of it while it is open), and what
// was to follow runs when it closes. Its
// logic is SoundDialog; the window owns the controls and the pictures and
// forwards each event.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/sound_device.h"
#include "platform/win32/gdi_handles.h"
#include "store/settings.h"
#include "ui/form_window.h"
#include "ui/message_loop.h"
#include "ui/model/sound_dialog.h"
#include "ui/skin_controls.h"
#include "ui/skin_tips.h"

namespace vantrel {

inline constexpr const char* kSoundDialogClassName = "VantrelSound";

// The file-open dialog of the browse button: GetOpenFileNameA, wave files
// first, every file on request.
class Win32FileOpenDialog final : public FileOpenDialog {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  std::string Show(std::string_view folder, std::string_view fileName) override;

 private:
  HWND owner_ = nullptr;
};

class FrmSon final : public FormWindow, private SoundDialogView {
 public:
  // fileDialog: the browse button's dialog; the system's file-open dialog
  // when null.
  FrmSon(HINSTANCE instance, Settings& settings, SoundDevice& sound, FileSystem& files,
         FileOpenDialog* fileDialog = nullptr);
  ~FrmSon() override;
  FrmSon(const FrmSon&) = delete;
  FrmSon& operator=(const FrmSon&) = delete;

  // Loads the dialog and shows it over owner, which stays disabled while the
  // dialog is open, and returns at once. However the dialog closes, the
  // owner is enabled again first, then the dialog is destroyed, then
  // afterClose runs. False, and afterClose never runs, when the window
  // cannot be created or this dialog was shown before (one showing each).
  bool Show(HWND owner, MessageLoop& loop, std::function<void()> afterClose = {});
  bool IsOpen() const { return open_; }
  const SoundDialog& Dialog() const { return *dialog_; }

 private:
  enum class Hit { Background, Exploreur, Son, Close };

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool CreateControls();
  void Paint();
  void PaintButton(HDC dc, RECT bounds, bool pressed, int image, const char* caption) const;
  Hit HitTest(POINT p) const;
  void OnButtonDown(POINT p, bool left);
  void OnButtonUp(POINT p);
  void OnMouseMove(POINT p);
  void EndModal();
  // The closing, once: the owner back, the dialog gone (destroyed here
  // unless the system is destroying it), then what was to follow.
  void Finish(bool destroyWindow);

  // SoundDialogView
  void MoveTo(PlaceTwips place) override;
  void PicturesChanged() override;
  void Close() override;

  HINSTANCE instance_;
  Settings& settings_;
  SoundDevice& sound_;
  FileSystem& files_;
  Win32FileOpenDialog systemDialog_;
  FileOpenDialog& fileDialog_;
  Win32CheckBox soundOn_{false};  // ChkSon, designed clear
  Win32TextBox soundFile_;        // AddWin: the wave file's path
  std::unique_ptr<SoundDialog> dialog_;

  OwnedWindow window_;
  HWND owner_ = nullptr;
  MessageLoop* loop_ = nullptr;  // while open
  bool ownerDisabled_ = false;
  bool open_ = false;
  std::function<void()> afterClose_;
  std::optional<Hit> pressed_;  // the picture a button went down on
  SkinPointer pointer_;
  SkinTips tips_;  // "Fermer" on the close button
  win32::UniqueBitmap back_, button_, buttonPressed_, close_, closeLit_, images_;
  SkinFonts fonts_;
  win32::UniqueBrush panelBrush_;
};

}  // namespace vantrel
