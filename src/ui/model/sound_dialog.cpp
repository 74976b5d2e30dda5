#include "ui/model/sound_dialog.h"

#include <algorithm>
#include <cmath>

#include "engine/kill_sound.h"
#include "store/program_files.h"

namespace vantrel {

PlaceTwips KeepInside(PlaceTwips place, double widthTwips, double heightTwips, AreaTwips area) {
  const auto keep = [](double edge, double size, double start, double span) {
    if (!std::isfinite(edge)) return start;
    const double last = start + span - size;
    if (last < start) return start;
    return std::clamp(edge, start, last);
  };
  return PlaceTwips{keep(place.left, widthTwips, area.left, area.width),
                    keep(place.top, heightTwips, area.top, area.height)};
}

SoundDialog::SoundDialog(SoundDialogView& view, Settings& settings, SoundDevice& sound, FileSystem& files,
                         FileOpenDialog& fileDialog, CheckBox& chkSon, TextBox& addWin)
    : view_(view),
      settings_(settings),
      sound_(sound),
      files_(files),
      fileDialog_(fileDialog),
      ChkSon(chkSon),
      AddWin(addWin) {
  // Every change of the box is the new option at once: a kill right after
  // reads it, even with the dialog still open.
  ChkSon.OnChange([this](bool value) { settings_.SaveOption(setting::kSonValue, value); });
}

PlaceTwips SoundDialog::Load(double screenWidthTwips, double screenHeightTwips, AreaTwips desktop) {
  const PlaceTwips stored{settings_.SonLeft(screenWidthTwips, kSoundDialogWidthTwips),
                          settings_.SonTop(screenHeightTwips, kSoundDialogHeightTwips)};
  place_ = KeepInside(stored, kSoundDialogWidthTwips, kSoundDialogHeightTwips, desktop);
  view_.MoveTo(place_);
  // The box is designed clear: a stored 1 is a change, and saved again. Only
  // 1 means "on", as for the kills themselves.
  ChkSon.SetValue(settings_.SonValue() == 1);
  AddWin.SetText(settings_.Wave());
  return place_;
}

void SoundDialog::SetLooks(bool explore, bool play) {
  if (explore == explorePressed_ && play == playPressed_) return;
  explorePressed_ = explore;
  playPressed_ = play;
  view_.PicturesChanged();
}

void SoundDialog::Exploreur_MouseDown() {
  SetLooks(true, playPressed_);
  pressed_ = true;
}

void SoundDialog::Exploreur_MouseUp() { Browse(); }

void SoundDialog::Exploreur_MouseMove() {
  if (!pressed_) SetLooks(false, playPressed_);
}

void SoundDialog::Son_MouseDown() {
  SetLooks(explorePressed_, true);
  pressed_ = true;
}

void SoundDialog::Son_MouseUp() { Try(); }

void SoundDialog::Son_MouseMove() {
  if (!pressed_) SetLooks(explorePressed_, false);
}

void SoundDialog::ButtonReleasedElsewhere() {
  SetLooks(false, false);
  pressed_ = false;
}

void SoundDialog::CloseButton_MouseMove() {
  if (closeLit_) return;
  closeLit_ = true;
  view_.PicturesChanged();
}

void SoundDialog::CloseButton_Click() {
  // Closing always silences the dialog's trial (and any kill sound).
  StopKillSound(sound_);
  view_.Close();
}

void SoundDialog::Background_MouseDown(double xTwips, double yTwips) {
  dragging_ = true;
  dragX_ = xTwips;
  dragY_ = yTwips;
}

void SoundDialog::Background_MouseMove(int cursorX, int cursorY) {
  SetLooks(false, false);
  if (!dragging_) return;
  place_.top = static_cast<double>(cursorY) * kTwipsPerPixel - dragY_;
  place_.left = static_cast<double>(cursorX) * kTwipsPerPixel - dragX_;
  view_.MoveTo(place_);
  settings_.SavePosition(setting::kSonTop, static_cast<float>(place_.top));
  settings_.SavePosition(setting::kSonLeft, static_cast<float>(place_.left));
}

void SoundDialog::Background_MouseUp() { dragging_ = false; }

void SoundDialog::Browse() {
  SetLooks(false, playPressed_);
  const std::string folder = ProgramFilePath(settings_.ProgramFolder(), kWaveFolderName);
  const std::string chosen = fileDialog_.Show(folder, settings_.Wave());
  if (!chosen.empty()) {
    settings_.SaveText(setting::kWave, chosen);
    AddWin.SetText(chosen);
  }
  pressed_ = false;
}

void SoundDialog::Try() {
  // A path typed by hand is tried but not kept: only Browse chooses the
  // kill sound.
  const std::string path = AddWin.Text();
  if (!path.empty() && files_.Exists(path)) PlayKillSound(sound_, path);
  SetLooks(explorePressed_, false);
  pressed_ = false;
}

}  // namespace vantrel
