// An in-memory private-profile store that behaves as the platform's: keys
// and sections are found ignoring case, values are cut to the buffer, and
// every write is recorded in order.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/profile_file.h"

namespace vantrel::test {

struct ProfileWrite {
  std::string file, section, key, value;
  bool operator==(const ProfileWrite&) const = default;
};

class FakeProfileFile final : public ProfileFile {
 public:
  std::size_t ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::span<char> buffer,
                         std::string_view file) const override;
  long WriteString(std::string_view section, std::string_view key, std::string_view value,
                   std::string_view file) override;

  // Stores a value without recording a write: the state found at start.
  void Seed(std::string_view file, std::string_view section, std::string_view key,
            std::string_view value);
  // The stored value, if the key exists.
  std::optional<std::string> Value(std::string_view file, std::string_view section,
                                   std::string_view key) const;

  const std::vector<ProfileWrite>& Writes() const { return writes_; }
  void ClearWrites() { writes_.clear(); }
  // Number of reads so far, to check that loading stops where it should.
  int ReadCount() const { return reads_; }
  // When set, writes fail (result 0) and change nothing; they are still recorded.
  void SetWritesFail(bool fail) { writesFail_ = fail; }
  // Counting from the next write as 1, the writes first to last (both
  // included) fail as above: a file that refuses one write, or that stops
  // taking any from some write on (a full disk).
  void FailWrites(int first, int last) {
    failFrom_ = attempts_ + first;
    failTo_ = attempts_ + last;
  }

 private:
  using Key = std::tuple<std::string, std::string, std::string>;  // upper-cased
  static Key MakeKey(std::string_view file, std::string_view section, std::string_view key);

  std::map<Key, std::string> values_;
  std::vector<ProfileWrite> writes_;
  mutable int reads_ = 0;
  bool writesFail_ = false;
  int attempts_ = 0;                // writes so far, ClearWrites or not
  int failFrom_ = 0, failTo_ = -1;  // ordinals of attempts, from 1
};

}  // namespace vantrel::test
