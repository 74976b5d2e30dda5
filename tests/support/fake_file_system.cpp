#include "support/fake_file_system.h"

namespace vantrel::test {

bool FakeFileSystem::AppendLine(std::string_view path, std::string_view line) {
  const std::string name(path);
  const bool ok = !readOnly_.contains(name);
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
  const bool ok = !readOnly_.contains(name) && files_.erase(name) > 0;
  operations_.push_back({FileOperation::Delete, name, "", ok});
  return ok;
}

bool FakeFileSystem::WriteAtomically(std::string_view path, std::string_view content) {
  const std::string name(path);
  const bool ok = !readOnly_.contains(name);
  if (ok) files_[name] = std::string(content);
  operations_.push_back({FileOperation::WriteWhole, name, std::string(content), ok});
  return ok;
}

std::optional<std::string> FakeFileSystem::Bytes(std::string_view path) const {
  const auto it = files_.find(std::string(path));
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

}  // namespace vantrel::test
