#include "menus/model/icon_sources.h"

#include <cmath>
#include <exception>
#include <optional>

#include "common/text.h"
#include "menus/model/caption_markup.h"

namespace vantrel {
namespace {

// A handle written as a number. Handles are 32-bit values that the system
// sign-extends, so anything outside the 32-bit range (or with a fraction
// left after rounding) names no picture.
PictureHandle HandleFromNumber(double value) {
  const long long whole = RoundHalfEven(value);
  if (whole < -2147483648LL || whole > 4294967295LL) return 0;
  if (whole < 0) return static_cast<PictureHandle>(static_cast<std::intptr_t>(whole));
  return static_cast<PictureHandle>(whole);
}

// A handle found for a reference, with the size of its icon when its image
// list knows it (then nobody needs to look at the handle).
struct FoundPicture {
  PictureHandle handle = 0;
  std::optional<PictureSize> listedIconSize;
};

// A handle of no image list: what it is, the inspector tells.
FoundPicture Unlisted(PictureHandle handle) { return FoundPicture{.handle = handle, .listedIconSize = std::nullopt}; }

FoundPicture ImageListPicture(std::string_view index, const PictureSources& sources) {
  const PictureList* list = sources.ImageList();
  if (list == nullptr) return {};
  const double n = Val(index);
  if (n != std::floor(n)) return {};
  const int count = list->Count();
  if (n < 1 || n > count) return {};
  return FoundPicture{.handle = list->Picture(static_cast<int>(n)), .listedIconSize = list->IconSize()};
}

FoundPicture LookUp(std::string_view value, const PictureSources& sources) {
  if (IsNumeric(value)) return Unlisted(HandleFromNumber(Val(value)));
  if ((value[0] == 'I' || value[0] == 'i') && IsNumeric(value.substr(1))) {
    return ImageListPicture(value.substr(1), sources);
  }
  if (const auto hex = ReadHexNumber(value); hex && hex->whole) {
    // A 32-bit pattern, as the handle is written.
    return Unlisted(static_cast<PictureHandle>(static_cast<std::uint32_t>(hex->value)));
  }
  try {
    return Unlisted(sources.NamedPicture(value));
  } catch (const std::exception&) {
    return {};  // an unknown control is no picture
  }
}

}  // namespace

ResolvedPicture ResolveItemImage(std::string_view markup, const PictureSources& sources,
                                 const PictureInspector& inspector) {
  const std::string value = GetMarkupValue(markup, "IMG:");
  if (value.empty()) return {};
  const auto [handle, listedIconSize] = LookUp(value, sources);
  if (handle == 0) return {};
  if (listedIconSize) {
    return ResolvedPicture{
        .handle = handle, .kind = PictureKind::Icon, .width = listedIconSize->width, .height = listedIconSize->height};
  }
  if (const auto bitmap = inspector.BitmapSize(handle)) {
    return ResolvedPicture{
        .handle = handle, .kind = PictureKind::Bitmap, .width = bitmap->width, .height = bitmap->height};
  }
  if (const auto icon = inspector.IconColourSize(handle)) {
    return ResolvedPicture{.handle = handle, .kind = PictureKind::Icon, .width = icon->width, .height = icon->height};
  }
  return {};
}

PictureHandle DriveIcon::Get(std::string_view path) {
  if (icon_ == 0) icon_ = files_.AssociatedIcon(path);
  return icon_;
}

void DriveIcon::Destroy() {
  if (icon_ == 0) return;
  files_.DestroyIcon(icon_);
  icon_ = 0;
}

}  // namespace vantrel
