// A Win32 image list seen as a list of pictures numbered from 1. The icons
// handed out are drawn from the list once and owned here, so their handles
// stay valid while this object lives.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include "platform/picture_list.h"
#include "platform/win32/gdi_handles.h"

namespace vantrel {

// Owns an image list (ImageList_Destroy).
class UniqueImageList {
 public:
  UniqueImageList() = default;
  explicit UniqueImageList(HIMAGELIST list) : list_(list) {}
  UniqueImageList(const UniqueImageList&) = delete;
  UniqueImageList& operator=(const UniqueImageList&) = delete;
  UniqueImageList(UniqueImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  UniqueImageList& operator=(UniqueImageList&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.list_, nullptr));
    return *this;
  }
  ~UniqueImageList() { Reset(); }

  HIMAGELIST Get() const { return list_; }
  bool Valid() const { return list_ != nullptr; }
  void Reset(HIMAGELIST list = nullptr) {
    if (list_ != nullptr) ::ImageList_Destroy(list_);
    list_ = list;
  }

 private:
  HIMAGELIST list_ = nullptr;
};

class Win32ImageListPictures final : public PictureList {
 public:
  // list stays owned by the caller and must outlive this object.
  explicit Win32ImageListPictures(HIMAGELIST list) : list_(list) {}

  int Count() const override;
  // An icon of picture n.
  PictureHandle Picture(int n) const override;

 private:
  HIMAGELIST list_;
  mutable std::vector<win32::UniqueIcon> icons_;
};

}  // namespace vantrel
