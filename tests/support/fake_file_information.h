// File information held in memory: short paths, version blocks as maps of
// paths to bytes, and icons numbered in the order they are extracted.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_information.h"

namespace vantrel::test {

class MemoryVersionBlock final : public VersionBlock {
 public:
  void Set(std::string path, std::string bytes) { entries_[std::move(path)] = std::move(bytes); }
  std::optional<std::string> Query(std::string_view path) const override {
    queried_.emplace_back(path);
    const auto it = entries_.find(std::string(path));
    return it == entries_.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  const std::vector<std::string>& Queried() const { return queried_; }

 private:
  std::map<std::string, std::string> entries_;
  mutable std::vector<std::string> queried_;
};

// A translation table entry as stored: language word, then code page word,
// each little-endian.
inline std::string TranslationEntry(unsigned language, unsigned codePage) {
  return {static_cast<char>(language & 0xFF), static_cast<char>((language >> 8) & 0xFF),
          static_cast<char>(codePage & 0xFF), static_cast<char>((codePage >> 8) & 0xFF)};
}

class FakeFileInformation final : public FileInformationService {
 public:
  // The buffer the system would fill for longPath.
  void SetShortPath(std::string longPath, std::string shortPath) { shortPaths_[std::move(longPath)] = shortPath; }
  // The version information of file; size is what the size query reports
  // (0 or less: none); failRead makes the read fail.
  void SetVersion(std::string file, MemoryVersionBlock block, long size = 100, bool failRead = false) {
    versions_[std::move(file)] = Version{std::move(block), size, failRead};
  }

  std::optional<std::string> ShortPathBuffer(std::string_view longPath, std::size_t bufferSize) const override {
    lastBufferSize_ = bufferSize;
    const auto it = shortPaths_.find(std::string(longPath));
    if (it == shortPaths_.end() || it->second.size() >= bufferSize) return std::nullopt;
    std::string buffer = it->second;
    buffer.resize(bufferSize, '\0');
    return buffer;
  }
  long VersionInfoSize(std::string_view file) const override {
    const auto it = versions_.find(std::string(file));
    return it == versions_.end() ? 0 : it->second.size;
  }
  std::unique_ptr<VersionBlock> ReadVersionInfo(std::string_view file, long size) const override {
    const auto it = versions_.find(std::string(file));
    if (it == versions_.end() || it->second.failRead || size != it->second.size) return nullptr;
    return std::make_unique<MemoryVersionBlock>(it->second.block);
  }
  PictureHandle AssociatedIcon(std::string_view path) override {
    extractedFrom_.emplace_back(path);
    return static_cast<PictureHandle>(1000 + extractedFrom_.size());
  }
  void DestroyIcon(PictureHandle icon) override { destroyed_.push_back(icon); }

  std::size_t LastBufferSize() const { return lastBufferSize_; }
  const std::vector<std::string>& ExtractedFrom() const { return extractedFrom_; }
  const std::vector<PictureHandle>& Destroyed() const { return destroyed_; }

 private:
  struct Version {
    MemoryVersionBlock block;
    long size = 0;
    bool failRead = false;
  };
  std::map<std::string, std::string> shortPaths_;
  std::map<std::string, Version> versions_;
  mutable std::size_t lastBufferSize_ = 0;
  std::vector<std::string> extractedFrom_;
  std::vector<PictureHandle> destroyed_;
};

}  // namespace vantrel::test
