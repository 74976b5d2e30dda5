// The menu font table on the system's fonts: the menu font of the
// non-client metrics, the screen's resolution and GDI font objects.
#pragma once

#include <optional>

#include "menus/render/menu_font_slots.h"
#include "platform/menu_font_device.h"
#include "platform/menu_fonts.h"

namespace vantrel {

class Win32MenuFontDevice final : public MenuFontDevice {
 public:
  std::optional<MenuFontDescription> ReadMenuFont() override;
  int ScreenPixelsPerInchY() override;
  FontHandle CreateMenuFont(const MenuFontDescription& description) override;
  void DeleteMenuFont(FontHandle font) override;
  FontHandle SelectMenuFontObject(DeviceContext dc, FontHandle font) override;
};

// The font table the engine keeps for the process. Every font it made is
// deleted when it is released or destroyed.
class Win32MenuFontTable final : public MenuFontTable {
 public:
  Win32MenuFontTable() = default;
  Win32MenuFontTable(const Win32MenuFontTable&) = delete;
  Win32MenuFontTable& operator=(const Win32MenuFontTable&) = delete;

  void BuildMenuFonts(bool create, bool italic, std::string_view face) override {
    slots_.BuildMenuFonts(create, italic, face);
  }
  void SelectMenuFont(int index, DeviceContext dc) override { slots_.SelectMenuFont(index, dc); }
  std::string GetMenuFontFace() override { return slots_.GetMenuFontFace(); }
  bool HasFont(int slot) const override { return slots_.HasFont(slot); }

  // The description slot 1..7 is built from (face for slots 6 and 7).
  std::optional<MenuFontDescription> SlotDescription(int slot, std::string_view face = {}) {
    return slots_.SlotDescription(slot, face);
  }

 private:
  Win32MenuFontDevice device_;
  MenuFontSlots slots_{device_};  // declared after the device it uses
};

}  // namespace vantrel
