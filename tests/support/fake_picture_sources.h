// Picture lists, picture sources and picture descriptions held in memory:
// handles are whatever numbers the test gives them.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "menus/model/picture_sources.h"
#include "platform/picture_inspector.h"
#include "platform/picture_list.h"

namespace vantrel::test {

class MemoryPictureList final : public PictureList {
 public:
  explicit MemoryPictureList(std::vector<PictureHandle> pictures) : pictures_(std::move(pictures)) {}
  int Count() const override { return static_cast<int>(pictures_.size()); }
  PictureHandle Picture(int n) const override {
    asked_.push_back(n);
    return n >= 1 && n <= Count() ? pictures_[static_cast<std::size_t>(n - 1)] : 0;
  }
  const std::vector<int>& Asked() const { return asked_; }
  // The list tells the size of its icons (nothing: it cannot tell).
  void SetIconSize(std::optional<PictureSize> size) { iconSize_ = size; }
  std::optional<PictureSize> IconSize() const override { return iconSize_; }

 private:
  std::vector<PictureHandle> pictures_;
  mutable std::vector<int> asked_;
  std::optional<PictureSize> iconSize_;
};

class FakePictureSources final : public PictureSources {
 public:
  void SetImageList(const PictureList* list) { list_ = list; }
  void SetNamed(std::string name, PictureHandle handle) { named_[std::move(name)] = handle; }
  // Named lookups throw, as a lookup of a control that is not there may.
  void SetNamedLookupThrows(bool value) { throws_ = value; }

  const PictureList* ImageList() const override { return list_; }
  PictureHandle NamedPicture(std::string_view name) const override {
    askedNames_.emplace_back(name);
    if (throws_) throw std::runtime_error("no such control");
    const auto it = named_.find(std::string(name));
    return it == named_.end() ? 0 : it->second;
  }
  const std::vector<std::string>& AskedNames() const { return askedNames_; }

 private:
  const PictureList* list_ = nullptr;
  std::map<std::string, PictureHandle> named_;
  bool throws_ = false;
  mutable std::vector<std::string> askedNames_;
};

class FakePictureInspector final : public PictureInspector {
 public:
  void AddBitmap(PictureHandle handle, PictureSize size) { bitmaps_[handle] = size; }
  // An icon; without colourSize it is a monochrome icon (no colour bitmap).
  void AddIcon(PictureHandle handle, std::optional<PictureSize> colourSize) { icons_[handle] = colourSize; }

  std::optional<PictureSize> BitmapSize(PictureHandle handle) const override {
    const auto it = bitmaps_.find(handle);
    return it == bitmaps_.end() ? std::nullopt : std::optional<PictureSize>(it->second);
  }
  std::optional<PictureSize> IconColourSize(PictureHandle handle) const override {
    const auto it = icons_.find(handle);
    return it == icons_.end() ? std::nullopt : it->second;
  }

 private:
  std::map<PictureHandle, PictureSize> bitmaps_;
  std::map<PictureHandle, std::optional<PictureSize>> icons_;
};

}  // namespace vantrel::test
