#include "menus/render/menu_font_slots.h"

#include <cmath>
#include <cstdlib>

#include "common/text.h"

namespace vantrel {
namespace {

std::string UpToNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

}  // namespace

MenuFontSlots::~MenuFontSlots() { BuildMenuFonts(false, false, {}); }

std::string MenuFontSlots::GetMenuFontFace() {
  if (menuFontFace_.empty() || menuFontSize_ == 0.0f) {
    if (const auto menuFont = device_.ReadMenuFont()) {
      if (menuFontFace_.empty()) menuFontFace_ = UpToNul(menuFont->faceName);
      if (menuFontSize_ == 0.0f) menuFontSize_ = MenuFontSizeFromHeight(menuFont->height);
    }
  }
  return menuFontFace_;
}

std::optional<MenuFontDescription> MenuFontSlots::BaseDescription() {
  auto description = device_.ReadMenuFont();
  if (!description) return std::nullopt;
  description->charSet = kDefaultCharSet;
  description->faceName = GetMenuFontFace();
  description->height = MenuFontHeight(menuFontSize_, TwipsPerPixelFor(device_.ScreenPixelsPerInchY()));
  return description;
}

std::optional<MenuFontDescription> MenuFontSlots::SlotDescription(int slot, std::string_view face) {
  if (slot < 1 || slot >= kSlots) return std::nullopt;
  const auto base = BaseDescription();
  if (!base) return std::nullopt;
  return Derive(slot, *base, face);
}

MenuFontDescription MenuFontSlots::Derive(int slot, const MenuFontDescription& base, std::string_view face) {
  MenuFontDescription description = base;
  switch (slot) {
    case 2:
      description.weight = kBoldWeight;
      break;
    case 3:
      description.height =
          MenuFontHeight(SmallFontPoints(menuFontSize_), TwipsPerPixelFor(device_.ScreenPixelsPerInchY()));
      break;
    case 4:
      description.italic = 1;
      break;
    case 5:
      description.weight = kBoldWeight;
      description.italic = 1;
      break;
    case 6:
    case 7:
      description.faceName = std::string(face);
      description.weight = kSampleWeight;
      description.italic = slot == 7 ? 1 : 0;
      break;
    default:
      break;
  }
  return description;
}

void MenuFontSlots::CreateSlot(int slot, const MenuFontDescription& base, std::string_view face) {
  // Every slot of one build derives from the one base read for it.
  const MenuFontDescription description = Derive(slot, base, face);
  DeleteSlot(slot);  // a slot built again must not leak its old font
  fonts_[static_cast<std::size_t>(slot)] = device_.CreateMenuFont(description);
}

void MenuFontSlots::DeleteSlot(int slot) {
  FontHandle& font = fonts_[static_cast<std::size_t>(slot)];
  if (font == 0) return;
  // A font still selected into a context cannot be deleted.
  if (selectedDc_ != 0 && selectedSlot_ == slot) RestoreContextFont();
  device_.DeleteMenuFont(font);
  font = 0;
}

void MenuFontSlots::RestoreContextFont() {
  if (selectedDc_ == 0) return;
  device_.SelectMenuFontObject(selectedDc_, fonts_[0]);
  selectedDc_ = 0;
  selectedSlot_ = 0;
}

void MenuFontSlots::BuildMenuFonts(bool create, bool italic, std::string_view face) {
  if (!create) {
    RestoreContextFont();
    for (int slot = 1; slot < kSlots; ++slot) DeleteSlot(slot);
    fonts_.fill(0);
    return;
  }
  const auto base = BaseDescription();
  if (!base) return;
  if (italic) {
    if (fonts_[4] == 0) {
      CreateSlot(4, *base, face);
      CreateSlot(5, *base, face);
    }
  } else if (!face.empty()) {
    CreateSlot(6, *base, face);
    CreateSlot(7, *base, face);
  } else {
    for (int slot = 1; slot <= 3; ++slot) CreateSlot(slot, *base, face);
  }
}

void MenuFontSlots::SelectMenuFont(int index, DeviceContext dc) {
  if (dc == 0 || index < 0 || index >= kSlots) return;
  if (index == 0) {
    if (selectedDc_ == dc) RestoreContextFont();
    return;
  }
  const FontHandle font = fonts_[static_cast<std::size_t>(index)];
  if (font == 0) return;  // an empty slot leaves the context's font in place
  if (selectedDc_ != 0 && selectedDc_ != dc) RestoreContextFont();
  const FontHandle previous = device_.SelectMenuFontObject(dc, font);
  // Slot 0 keeps the context's own font: a second slot selected without
  // slot 0 in between must not take the first slot's place there.
  if (selectedDc_ == 0 && previous != 0) fonts_[0] = previous;
  if (previous != 0 || selectedDc_ == dc) {
    selectedDc_ = dc;
    selectedSlot_ = index;
  }
}

bool MenuFontSlots::HasFont(int slot) const {
  return slot >= 0 && slot < kSlots && fonts_[static_cast<std::size_t>(slot)] != 0;
}

}  // namespace vantrel
