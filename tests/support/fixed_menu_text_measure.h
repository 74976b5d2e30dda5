// Menu text measured with fixed character widths and heights per font slot
// of a FakeMenuFontTable, so that item sizes can be worked out by hand:
// slot 1 (normal) 6 x 16, slot 2 (bold) 7 x 16, slot 3 (separator titles)
// 5 x 13, slot 6 (font sample) 8 x 18, the context's own font 6 x 16.
// "&" marks a mnemonic: it is not counted, and "&&" counts as one "&".
#pragma once

#include <string_view>
#include <vector>

#include "platform/menu_text_measure.h"
#include "support/fake_menu_fonts.h"

namespace vantrel::test {

class FixedMenuTextMeasure final : public MenuTextMeasure {
 public:
  static constexpr DeviceContext kContext = 0xDC0;

  explicit FixedMenuTextMeasure(const FakeMenuFontTable& fonts) : fonts_(fonts) {}

  static int CharWidth(int slot) {
    switch (slot) {
      case 2:
        return 7;
      case 3:
        return 5;
      case 6:
        return 8;
      default:
        return 6;
    }
  }
  static int LineHeight(int slot) {
    switch (slot) {
      case 3:
        return 13;
      case 6:
        return 18;
      default:
        return 16;
    }
  }
  // Characters shown of a menu text.
  static int ShownLength(std::string_view text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '&') {
        if (i + 1 < text.size() && text[i + 1] == '&') {
          ++n;
          ++i;
        }
        continue;
      }
      ++n;
    }
    return n;
  }

  DeviceContext AcquireWindowContext(WindowHandle window) override {
    acquired.push_back(window);
    return failContexts ? 0 : kContext;
  }
  void ReleaseWindowContext(WindowHandle /*window*/, DeviceContext dc) override { released.push_back(dc); }
  TextExtent MeasureMenuText(DeviceContext dc, std::string_view text) override {
    const int slot = CurrentSlot(dc);
    measured.emplace_back(text);
    slots.push_back(slot);
    return {ShownLength(text) * CharWidth(slot), LineHeight(slot)};
  }
  int ScreenHeight() override { return screenHeight; }

  // The slot the font table last selected into dc (0: the context's own).
  int CurrentSlot(DeviceContext dc) const {
    const auto& selects = fonts_.Selects();
    for (auto it = selects.rbegin(); it != selects.rend(); ++it) {
      if (it->dc == dc) return it->index;
    }
    return 0;
  }

  int screenHeight = 768;
  bool failContexts = false;
  std::vector<WindowHandle> acquired;
  std::vector<DeviceContext> released;
  std::vector<std::string> measured;
  std::vector<int> slots;

 private:
  const FakeMenuFontTable& fonts_;
};

}  // namespace vantrel::test
