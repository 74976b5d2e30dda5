#include "menus/model/picture_looks.h"

namespace vantrel {

std::optional<PictureSize> PictureLooks::PopupPictures::BitmapSize(PictureHandle handle) const {
  // Handle 0 is no picture: nothing to remember.
  if (handle == 0) return looks_.inspector_.BitmapSize(handle);
  Answers& answers = looks_.AnswersFor(popup_, handle);
  if (!answers.bitmap) answers.bitmap = looks_.inspector_.BitmapSize(handle);
  return *answers.bitmap;
}

std::optional<PictureSize> PictureLooks::PopupPictures::IconColourSize(PictureHandle handle) const {
  if (handle == 0) return looks_.inspector_.IconColourSize(handle);
  Answers& answers = looks_.AnswersFor(popup_, handle);
  if (!answers.icon) answers.icon = looks_.inspector_.IconColourSize(handle);
  return *answers.icon;
}

void PictureLooks::Learn(MenuHandle popup, const ResolvedPicture& picture) {
  if (picture.handle == 0 || picture.kind == PictureKind::None) return;
  Answers& answers = AnswersFor(popup, picture.handle);
  const PictureSize size{picture.width, picture.height};
  if (picture.kind == PictureKind::Bitmap) {
    answers.bitmap = std::optional<PictureSize>(size);
  } else {
    answers.bitmap = std::optional<PictureSize>();  // not a bitmap
    answers.icon = std::optional<PictureSize>(size);
  }
}

void PictureLooks::BeginPopup(MenuHandle popup) {
  std::erase_if(looks_, [popup](const auto& entry) { return entry.first.first == popup; });
}

}  // namespace vantrel
