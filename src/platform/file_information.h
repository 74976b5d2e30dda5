// Facts about files the generated file and drive menu items show: the short
// path, the version information block and the icon associated with a path.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/picture_list.h"

namespace vantrel {

// One file's version information block.
class VersionBlock {
 public:
  virtual ~VersionBlock() = default;
  // The bytes at a path of the block ("\VarFileInfo\Translation",
  // "\StringFileInfo\040904E4\FileDescription"); nothing when the block has
  // no such entry. A text value comes with its terminating character 0
  // where the block stores one.
  virtual std::optional<std::string> Query(std::string_view path) const = 0;
};

class FileInformationService {
 public:
  virtual ~FileInformationService() = default;
  // The short form of a path as written into a buffer of bufferSize
  // characters (the whole buffer); nothing when the system reports a
  // failure or the short form does not fit.
  virtual std::optional<std::string> ShortPathBuffer(std::string_view longPath,
                                                     std::size_t bufferSize) const = 0;
  // Size in bytes of the file's version information; 0 or less when it has none.
  virtual long VersionInfoSize(std::string_view file) const = 0;
  // The version information, read into a buffer of size bytes; null on failure.
  virtual std::unique_ptr<VersionBlock> ReadVersionInfo(std::string_view file, long size) const = 0;
  // A new icon associated with path (the file's own, or its type's); 0 when
  // none. The caller owns it.
  virtual PictureHandle AssociatedIcon(std::string_view path) = 0;
  virtual void DestroyIcon(PictureHandle icon) = 0;
};

}  // namespace vantrel
