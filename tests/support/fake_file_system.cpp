#include "support/fake_file_system.h"

namespace vantrel::test {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

bool FakeFileSystem::Writable(const std::string& path) const {
  return !readOnly_.contains(path) && !readOnlyFolders_.contains(FolderOf(path));
}

bool FakeFileSystem::Deletable(const std::string& path) const {
  return Writable(path) && !undeletableFolders_.contains(FolderOf(path));
}

bool FakeFileSystem::AppendLine(std::string_view path, std::string_view line) {
  const std::string name(path);
  const bool ok = Writable(name);
  if (ok) {
    std::string& bytes = files_[name];
    bytes += line;
    bytes += "\r\n";
  }
  operations_.push_back({FileOperation::Append, name, std::string(line), ok});
  return ok;
}

std::optional<std::vector<std::string>> FakeFileSystem::ReadLines(std::string_view path) const {
  const auto it = files_.find(std::string(path));
  if (it == files_.end()) return std::nullopt;
  return SplitLines(it->second);
}

bool FakeFileSystem::Exists(std::string_view path) const {
  return files_.contains(std::string(path));
}

bool FakeFileSystem::Delete(std::string_view path) {
  const std::string name(path);
  const bool ok = Deletable(name) && files_.erase(name) > 0;
  operations_.push_back({FileOperation::Delete, name, "", ok});
  return ok;
}

bool FakeFileSystem::WriteAtomically(std::string_view path, std::string_view content) {
  const std::string name(path);
  const bool ok = Writable(name);
  if (ok) files_[name] = std::string(content);
  operations_.push_back({FileOperation::WriteWhole, name, std::string(content), ok});
  return ok;
}

std::optional<std::string> FakeFileSystem::CreateUniqueFile(std::string_view folder, std::string_view content) {
  const std::string name = std::string(folder) + "\\~probe" + std::to_string(++created_);
  const bool ok = Writable(name) && !files_.contains(name);
  if (ok) files_[name] = std::string(content);
  operations_.push_back({FileOperation::Create, name, std::string(content), ok});
  if (!ok) return std::nullopt;
  return name;
}

std::optional<std::string> FakeFileSystem::Bytes(std::string_view path) const {
  const auto it = files_.find(std::string(path));
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

}  // namespace vantrel::test
