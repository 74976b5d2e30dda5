// System colours under the test's control. Every index has a distinct colour
// out of the box, so a lookup of the wrong index shows.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/system_colours.h"

namespace vantrel {

class FakeSystemColours final : public SystemColours {
 public:
  // The colour an index gives when the test has not set one.
  static constexpr std::uint32_t DefaultFor(int index) {
    return 0x00123400u + static_cast<std::uint32_t>(index & 0xFF);
  }

  void Set(int index, std::uint32_t colour) { colours_[index] = colour; }

  std::uint32_t SysColor(int index) const override {
    asked_.push_back(index);
    const auto it = colours_.find(index);
    return it == colours_.end() ? DefaultFor(index) : it->second;
  }

  // Indices looked up so far, in order.
  const std::vector<int>& Asked() const { return asked_; }

 private:
  std::map<int, std::uint32_t> colours_;
  mutable std::vector<int> asked_;
};

}  // namespace vantrel
