#include "platform/win32/image_list_win32.h"

namespace vantrel {

int Win32ImageListPictures::Count() const { return list_ != nullptr ? ::ImageList_GetImageCount(list_) : 0; }

PictureHandle Win32ImageListPictures::Picture(int n) const {
  const int count = Count();
  if (n < 1 || n > count) return 0;
  if (icons_.size() < static_cast<std::size_t>(count)) icons_.resize(static_cast<std::size_t>(count));
  win32::UniqueIcon& icon = icons_[static_cast<std::size_t>(n - 1)];
  if (!icon.Valid()) icon.Reset(::ImageList_GetIcon(list_, n - 1, ILD_NORMAL));
  return win32::ToNumber(icon.Get());
}

std::optional<PictureSize> Win32ImageListPictures::IconSize() const {
  int width = 0;
  int height = 0;
  if (list_ == nullptr || !::ImageList_GetIconSize(list_, &width, &height)) return std::nullopt;
  return PictureSize{width, height};
}

}  // namespace vantrel
