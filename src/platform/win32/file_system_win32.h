// Plain files through the kernel's file calls.
#pragma once

#include "platform/file_system.h"

namespace vantrel {

class Win32FileSystem final : public FileSystem {
 public:
  bool AppendLine(std::string_view path, std::string_view line) override;
  std::optional<std::vector<std::string>> ReadLines(std::string_view path) const override;
  bool Exists(std::string_view path) const override;
  bool Delete(std::string_view path) override;
  bool WriteAtomically(std::string_view path, std::string_view content) override;
  std::optional<std::string> CreateUniqueFile(std::string_view folder, std::string_view content) override;
};

}  // namespace vantrel
