// In-memory files recording every change in order. A file can be made
// read-only: appends, replacements and deletion then fail, as on the real
// system.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace vantrel::test {

struct FileOperation {
  enum Kind { Append, WriteWhole, Delete } kind;
  std::string path;
  std::string data;  // the line appended or the content written
  bool succeeded;
  bool operator==(const FileOperation&) const = default;
};

class FakeFileSystem final : public FileSystem {
 public:
  bool AppendLine(std::string_view path, std::string_view line) override;
  std::optional<std::vector<std::string>> ReadLines(std::string_view path) const override;
  bool Exists(std::string_view path) const override;
  bool Delete(std::string_view path) override;
  bool WriteAtomically(std::string_view path, std::string_view content) override;

  void Seed(std::string_view path, std::string_view bytes) { files_[std::string(path)] = bytes; }
  std::optional<std::string> Bytes(std::string_view path) const;
  void SetReadOnly(std::string_view path) { readOnly_.insert(std::string(path)); }
  const std::vector<FileOperation>& Operations() const { return operations_; }
  const std::map<std::string, std::string>& Files() const { return files_; }

 private:
  std::map<std::string, std::string> files_;
  std::set<std::string> readOnly_;
  std::vector<FileOperation> operations_;
};

}  // namespace vantrel::test
