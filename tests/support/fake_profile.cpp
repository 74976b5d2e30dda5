#include "support/fake_profile.h"

#include <algorithm>
#include <cstring>

#include "common/text.h"

namespace vantrel::test {

FakeProfileFile::Key FakeProfileFile::MakeKey(std::string_view file, std::string_view section,
                                              std::string_view key) {
  return {UCase(file), UCase(section), UCase(key)};
}

std::size_t FakeProfileFile::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue, std::span<char> buffer,
                                        std::string_view file) const {
  ++reads_;
  if (buffer.empty()) return 0;
  const auto it = values_.find(MakeKey(file, section, key));
  const std::string_view value = it != values_.end() ? std::string_view(it->second) : defaultValue;
  const std::size_t n = std::min(value.size(), buffer.size() - 1);
  std::memcpy(buffer.data(), value.data(), n);
  buffer[n] = '\0';
  return n;
}

long FakeProfileFile::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value, std::string_view file) {
  writes_.push_back({std::string(file), std::string(section), std::string(key), std::string(value)});
  const int ordinal = ++attempts_;
  if (writesFail_ || (ordinal >= failFrom_ && ordinal <= failTo_)) return 0;
  values_[MakeKey(file, section, key)] = std::string(value);
  return 1;
}

void FakeProfileFile::Seed(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view value) {
  values_[MakeKey(file, section, key)] = std::string(value);
}

std::optional<std::string> FakeProfileFile::Value(std::string_view file, std::string_view section,
                                                  std::string_view key) const {
  const auto it = values_.find(MakeKey(file, section, key));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

}  // namespace vantrel::test
