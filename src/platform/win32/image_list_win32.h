// A Win32 image list seen as a list of pictures numbered from 1. The icons
// handed out are drawn from the list once and owned here, so their handles
// stay valid while this object lives.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/picture_list.h"
#include "platform/unique_handle.h"
#include "platform/win32/gdi_handles.h"

namespace vantrel {

// Owns an image list (ImageList_Destroy).
struct ImageListTraits {
  using Handle = HIMAGELIST;
  static Handle Null() noexcept { return nullptr; }
  static bool Close(Handle list) noexcept { return ::ImageList_Destroy(list) != 0; }
};
using UniqueImageList = UniqueHandle<ImageListTraits>;

class Win32ImageListPictures final : public PictureList {
 public:
  // list stays owned by the caller and must outlive this object.
  explicit Win32ImageListPictures(HIMAGELIST list) : list_(list) {}

  int Count() const override;
  // An icon of picture n.
  PictureHandle Picture(int n) const override;
  // Every picture is an icon of the list's image size: the list knows it
  // without a look at the icon (which costs round trips to the window
  // server under Wine).
  std::optional<PictureSize> IconSize() const override;

 private:
  HIMAGELIST list_;
  mutable std::vector<win32::UniqueIcon> icons_;
};

}  // namespace vantrel
