// The sound dialog FrmSon: the kill sound on or off (ChkSon), the wave file
// (the path box AddWin, Browse) and Try; a borderless dialog dragged by its
// background, which remembers its place, and whose close button stops the
// sound.
#pragma once

#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/file_system.h"
#include "platform/sound_device.h"
#include "store/settings.h"
#include "ui/model/twips.h"

namespace vantrel {

// The dialog's size in pixels and twips.
inline constexpr int kSoundDialogWidth = 280;
inline constexpr int kSoundDialogHeight = 132;
inline constexpr double kSoundDialogWidthTwips = kSoundDialogWidth * kTwipsPerPixel;
inline constexpr double kSoundDialogHeightTwips = kSoundDialogHeight * kTwipsPerPixel;

// The folder Browse starts in, below the program folder.
inline constexpr std::string_view kWaveFolderName = "wave";

struct PlaceTwips {
  double left = 0;
  double top = 0;
  bool operator==(const PlaceTwips&) const = default;
};

// A rectangle of the screen in twips.
struct AreaTwips {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// The file-open dialog of the browse button.
class FileOpenDialog {
 public:
  virtual ~FileOpenDialog() = default;
  // Shows the dialog starting in folder with fileName filled in and returns
  // its file name afterwards: the chosen file's full path, or fileName as it
  // was when the user cancels or the dialog fails.
  virtual std::string Show(std::string_view folder, std::string_view fileName) = 0;
};

// What the dialog's logic asks of its window.
class SoundDialogView {
 public:
  virtual ~SoundDialogView() = default;
  virtual void MoveTo(PlaceTwips place) = 0;
  // One of the button pictures or the close button's look changed.
  virtual void PicturesChanged() = 0;
  // Unloads the dialog: the modal showing ends.
  virtual void Close() = 0;
};

class SoundDialog {
 public:
  SoundDialog(SoundDialogView& view, Settings& settings, SoundDevice& sound, FileSystem& files,
              FileOpenDialog& fileDialog, CheckBox& chkSon, TextBox& addWin);
  SoundDialog(const SoundDialog&) = delete;
  SoundDialog& operator=(const SoundDialog&) = delete;

  // Load: the stored place (centred on the primary screen of the given size
  // by default) and the stored option and path. The place returned is the
  // one the dialog takes. A stored place that would put any part of the
  // dialog outside the desktop is moved the least distance that brings the
  // whole dialog back in, so a place saved on a screen that is gone never
  // hides the dialog.
  PlaceTwips Load(double screenWidthTwips, double screenHeightTwips, AreaTwips desktop);

  // The browse button Exploreur.
  void Exploreur_MouseDown();
  void Exploreur_MouseUp();  // Browse
  void Exploreur_MouseMove();
  // The try button Son.
  void Son_MouseDown();
  void Son_MouseUp();  // Try
  void Son_MouseMove();
  // A button pressed and released elsewhere: its picture goes back to the
  // released look and nothing runs.
  void ButtonReleasedElsewhere();
  // The close button: Image4 lights up (Image5 shows) under the pointer;
  // a click on Image5 stops the sound and unloads the dialog.
  void CloseButton_MouseMove();
  void CloseButton_Click();
  // The background: a press starts a drag at a position within the dialog
  // (twips); moves follow the pointer's screen position (pixels).
  void Background_MouseDown(double xTwips, double yTwips);
  void Background_MouseMove(int cursorX, int cursorY);
  void Background_MouseUp();

  void Browse();
  void Try();

  // Explore(1) / BPlay(1) while true, Explore(0) / BPlay(0) otherwise.
  bool ExplorePressedLook() const { return explorePressed_; }
  bool PlayPressedLook() const { return playPressed_; }
  bool ButtonPressed() const { return pressed_; }
  bool CloseLit() const { return closeLit_; }
  bool Dragging() const { return dragging_; }
  PlaceTwips Place() const { return place_; }

 private:
  void SetLooks(bool explore, bool play);

  SoundDialogView& view_;
  Settings& settings_;
  SoundDevice& sound_;
  FileSystem& files_;
  FileOpenDialog& fileDialog_;
  CheckBox& ChkSon;
  TextBox& AddWin;

  bool pressed_ = false;
  bool explorePressed_ = false;
  bool playPressed_ = false;
  bool closeLit_ = false;
  bool dragging_ = false;
  double dragX_ = 0, dragY_ = 0;  // twips within the dialog
  PlaceTwips place_;
};

// The place moved the least distance that puts a dialog of the given size
// wholly inside area (its top left corner when it is larger than area).
PlaceTwips KeepInside(PlaceTwips place, double widthTwips, double heightTwips, AreaTwips area);

}  // namespace vantrel
