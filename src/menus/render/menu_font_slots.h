// The menu font table over a font device: the descriptions derived from the
// system menu font, the slots built and released by the table's rules, and
// the selection that keeps the context's own font in slot 0.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "menus/model/menu_font_sizes.h"
#include "platform/menu_font_device.h"
#include "platform/menu_fonts.h"

namespace vantrel {

class MenuFontSlots final : public MenuFontTable {
 public:
  static constexpr int kSlots = 8;
  static constexpr std::int32_t kBoldWeight = 800;
  static constexpr std::int32_t kSampleWeight = 400;
  static constexpr std::uint8_t kDefaultCharSet = 1;

  explicit MenuFontSlots(MenuFontDevice& device) : device_(device) {}
  MenuFontSlots(const MenuFontSlots&) = delete;
  MenuFontSlots& operator=(const MenuFontSlots&) = delete;
  // Releases every font the table made.
  ~MenuFontSlots() override;

  void BuildMenuFonts(bool create, bool italic, std::string_view face) override;
  void SelectMenuFont(int index, DeviceContext dc) override;
  std::string GetMenuFontFace() override;
  bool HasFont(int slot) const override;

  // The description a slot is built from (1..7); nothing when the system
  // menu font cannot be read. face is used by the sample slots 6 and 7.
  std::optional<MenuFontDescription> SlotDescription(int slot, std::string_view face = {});
  // MenuFontSize as read with the face; 0 before.
  float MenuFontSize() const { return menuFontSize_; }

 private:
  std::optional<MenuFontDescription> BaseDescription();
  MenuFontDescription Derive(int slot, const MenuFontDescription& base, std::string_view face);
  void CreateSlot(int slot, const MenuFontDescription& base, std::string_view face);
  void DeleteSlot(int slot);
  // Puts the context's own font back when a slot font is selected somewhere.
  void RestoreContextFont();

  MenuFontDevice& device_;
  std::array<FontHandle, kSlots> fonts_{};
  // Face and size of the system menu font, read once and kept even when the
  // table is released.
  std::string menuFontFace_;
  float menuFontSize_ = 0.0f;
  // The context a slot font is selected into, and which slot; 0 when slot 0
  // (the context's own font) is in place.
  DeviceContext selectedDc_ = 0;
  int selectedSlot_ = 0;
};

}  // namespace vantrel
