// Pictures of menu items: an "IMG:" reference turned into a handle with its
// kind and size, and the one drive icon the drive items share.
#pragma once

#include <string_view>

#include "menus/model/picture_sources.h"
#include "platform/file_information.h"
#include "platform/picture_inspector.h"

namespace vantrel {

enum class PictureKind { None, Bitmap, Icon };

struct ResolvedPicture {
  PictureHandle handle = 0;  // 0: no picture
  PictureKind kind = PictureKind::None;
  int width = 0;
  int height = 0;
  friend bool operator==(const ResolvedPicture&, const ResolvedPicture&) = default;
};

// The picture of a markup block's "IMG:" value: a handle written in decimal
// or "&H" hexadecimal, "I" and a 1-based index into the image list, or the
// name of a picture source of the owning window. Every failure gives no
// picture.
ResolvedPicture ResolveItemImage(std::string_view markup, const PictureSources& sources,
                                 const PictureInspector& inspector);

// The icon shown by removable drives: extracted for the first path asked
// and then given for every path, until Destroy. Owns that icon.
class DriveIcon {
 public:
  explicit DriveIcon(FileInformationService& files) : files_(files) {}
  DriveIcon(const DriveIcon&) = delete;
  DriveIcon& operator=(const DriveIcon&) = delete;
  ~DriveIcon() { Destroy(); }

  PictureHandle Get(std::string_view path);
  // The kept icon, 0 when none.
  PictureHandle Current() const { return icon_; }
  // Destroys the kept icon; the next Get extracts one again.
  void Destroy();

 private:
  FileInformationService& files_;
  PictureHandle icon_ = 0;
};

}  // namespace vantrel
