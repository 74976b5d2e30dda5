// A font device in memory: a settable menu font and resolution, fonts
// numbered in creation order, and a record of every creation, deletion and
// selection, with the font each context holds.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/menu_font_device.h"

namespace vantrel::test {

class FakeMenuFontDevice final : public MenuFontDevice {
 public:
  // The context's own font before anything is selected into it.
  static constexpr FontHandle kContextFont = 7;

  std::optional<MenuFontDescription> menuFont;  // nothing: metrics cannot be read
  int pixelsPerInch = 96;

  std::optional<MenuFontDescription> ReadMenuFont() override {
    ++metricsReads;
    return menuFont;
  }
  int ScreenPixelsPerInchY() override { return pixelsPerInch; }
  FontHandle CreateMenuFont(const MenuFontDescription& description) override {
    const FontHandle font = 100 + created.size();
    created.push_back(description);
    live.insert(font);
    return font;
  }
  void DeleteMenuFont(FontHandle font) override {
    deleted.push_back(font);
    // Deleting a font still selected somewhere is a fault the table must avoid.
    for (const auto& [dc, selected] : selectedIn) {
      if (selected == font) deletedWhileSelected.push_back(font);
    }
    live.erase(font);
  }
  FontHandle SelectMenuFontObject(DeviceContext dc, FontHandle font) override {
    selections.push_back({dc, font});
    auto it = selectedIn.find(dc);
    const FontHandle previous = it == selectedIn.end() ? kContextFont : it->second;
    selectedIn[dc] = font;
    return previous;
  }
  // The font dc holds now.
  FontHandle FontIn(DeviceContext dc) const {
    const auto it = selectedIn.find(dc);
    return it == selectedIn.end() ? kContextFont : it->second;
  }
  // Font handle of the n-th creation (0-based).
  static constexpr FontHandle Created(std::size_t n) { return 100 + n; }

  struct Selection {
    DeviceContext dc;
    FontHandle font;
    friend bool operator==(const Selection&, const Selection&) = default;
  };
  int metricsReads = 0;
  std::vector<MenuFontDescription> created;
  std::vector<FontHandle> deleted;
  std::vector<FontHandle> deletedWhileSelected;
  std::set<FontHandle> live;
  std::vector<Selection> selections;
  std::map<DeviceContext, FontHandle> selectedIn;
};

}  // namespace vantrel::test
