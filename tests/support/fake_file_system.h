// In-memory files recording every change in order. A file can be made
// read-only: appends, replacements and deletion then fail, as on the real
// system. A folder can be made read-only too (a read-only medium, a folder
// the user may not write): every file in it then is, and no file can be
// created there.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace vantrel::test {

struct FileOperation {
  enum Kind { Append, WriteWhole, Delete, Create } kind;
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
  // Names the files "~probe1", "~probe2", ... in the order they are made.
  std::optional<std::string> CreateUniqueFile(std::string_view folder, std::string_view content) override;

  void Seed(std::string_view path, std::string_view bytes) { files_[std::string(path)] = bytes; }
  std::optional<std::string> Bytes(std::string_view path) const;
  void SetReadOnly(std::string_view path) { readOnly_.insert(std::string(path)); }
  // The folder is given without a trailing backslash.
  void SetFolderReadOnly(std::string_view folder) { readOnlyFolders_.insert(std::string(folder)); }
  // Files may be created in the folder, but none deleted.
  void SetFolderUndeletable(std::string_view folder) { undeletableFolders_.insert(std::string(folder)); }
  const std::vector<FileOperation>& Operations() const { return operations_; }
  const std::map<std::string, std::string>& Files() const { return files_; }

 private:
  std::map<std::string, std::string> files_;
  bool Writable(const std::string& path) const;
  bool Deletable(const std::string& path) const;

  std::set<std::string> readOnly_;
  std::set<std::string> readOnlyFolders_;
  std::set<std::string> undeletableFolders_;
  int created_ = 0;
  std::vector<FileOperation> operations_;
};

}  // namespace vantrel::test
