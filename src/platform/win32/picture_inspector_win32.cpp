#include "platform/win32/picture_inspector_win32.h"

#include <windows.h>

#include "platform/win32/gdi_handles.h"

namespace vantrel {
namespace {

std::optional<PictureSize> SizeOf(HBITMAP bitmap) {
  BITMAP description{};
  if (::GetObjectA(bitmap, sizeof description, &description) == 0) return std::nullopt;
  return PictureSize{description.bmWidth, description.bmHeight};
}

}  // namespace

std::optional<PictureSize> Win32PictureInspector::BitmapSize(PictureHandle handle) const {
  // Only a bitmap object has a bitmap description; an icon handle is not a
  // GDI object at all.
  const auto object = win32::FromNumber<HGDIOBJ>(handle);
  if (handle == 0 || ::GetObjectType(object) != OBJ_BITMAP) return std::nullopt;
  return SizeOf(static_cast<HBITMAP>(object));
}

std::optional<PictureSize> Win32PictureInspector::IconColourSize(PictureHandle handle) const {
  if (handle == 0) return std::nullopt;
  ICONINFO info{};
  if (!::GetIconInfo(win32::FromNumber<HICON>(handle), &info)) return std::nullopt;
  // The description hands over copies of both bitmaps: they are ours to delete.
  const win32::UniqueBitmap mask(info.hbmMask);
  const win32::UniqueBitmap colour(info.hbmColor);
  if (!colour.Valid()) return std::nullopt;
  return SizeOf(colour.Get());
}

}  // namespace vantrel
