// Short paths, version information and associated icons from the system.
#pragma once

#include "platform/file_information.h"

namespace vantrel {

class Win32FileInformation final : public FileInformationService {
 public:
  std::optional<std::string> ShortPathBuffer(std::string_view longPath, std::size_t bufferSize) const override;
  long VersionInfoSize(std::string_view file) const override;
  std::unique_ptr<VersionBlock> ReadVersionInfo(std::string_view file, long size) const override;
  PictureHandle AssociatedIcon(std::string_view path) override;
  void DestroyIcon(PictureHandle icon) override;
};

}  // namespace vantrel
