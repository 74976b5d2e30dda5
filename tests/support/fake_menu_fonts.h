// A menu font table that records what is asked of it and keeps its slots by
// the table's rules, without any font behind them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/menu_fonts.h"

namespace vantrel::test {

class FakeMenuFontTable final : public MenuFontTable {
 public:
  struct BuildCall {
    bool create = false;
    bool italic = false;
    std::string face;
    friend bool operator==(const BuildCall&, const BuildCall&) = default;
  };
  struct SelectCall {
    int index = 0;
    DeviceContext dc = 0;
    friend bool operator==(const SelectCall&, const SelectCall&) = default;
  };

  explicit FakeMenuFontTable(std::string face = "Tahoma") : face_(std::move(face)) {}

  void BuildMenuFonts(bool create, bool italic, std::string_view face) override {
    builds_.push_back({create, italic, std::string(face)});
    if (!create) {
      filled_.fill(false);
      ++releases_;
    } else if (italic) {
      if (!filled_[4]) filled_[4] = filled_[5] = true;
    } else if (!face.empty()) {
      filled_[6] = filled_[7] = true;
    } else {
      filled_[1] = filled_[2] = filled_[3] = true;
    }
  }
  void SelectMenuFont(int index, DeviceContext dc) override { selects_.push_back({index, dc}); }
  std::string GetMenuFontFace() override {
    ++faceReads_;
    return face_;
  }
  bool HasFont(int slot) const override { return slot >= 1 && slot < 8 && filled_[static_cast<std::size_t>(slot)]; }

  const std::vector<BuildCall>& Builds() const { return builds_; }
  const std::vector<SelectCall>& Selects() const { return selects_; }
  // Number of BuildMenuFonts(false, ...) calls.
  int Releases() const { return releases_; }
  int FaceReads() const { return faceReads_; }
  // True when any slot 1..7 holds a font.
  bool AnyFont() const {
    for (std::size_t slot = 1; slot < filled_.size(); ++slot) {
      if (filled_[slot]) return true;
    }
    return false;
  }

 private:
  std::string face_;
  std::array<bool, 8> filled_{};
  std::vector<BuildCall> builds_;
  std::vector<SelectCall> selects_;
  int releases_ = 0;
  int faceReads_ = 0;
};

}  // namespace vantrel::test
