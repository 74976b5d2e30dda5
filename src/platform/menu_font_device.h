// What the menu font table needs of the system: the menu font's description
// from the non-client metrics, the screen's vertical resolution, and font
// objects created, selected and deleted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/menu_fonts.h"

namespace vantrel {

// A font description field by field, as the system keeps it (LOGFONTA).
struct MenuFontDescription {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  // The face as stored: a fixed buffer whose text ends at its first
  // character 0 (or at its end).
  std::string faceName;
  friend bool operator==(const MenuFontDescription&, const MenuFontDescription&) = default;
};

// A font object as a plain number; 0 is none.
using FontHandle = std::uintptr_t;

class MenuFontDevice {
 public:
  virtual ~MenuFontDevice() = default;
  // The menu font of the non-client metrics; nothing when they cannot be read.
  virtual std::optional<MenuFontDescription> ReadMenuFont() = 0;
  // The screen's vertical pixels per inch; 0 when unknown.
  virtual int ScreenPixelsPerInchY() = 0;
  // A new font object of that description; 0 on failure.
  virtual FontHandle CreateMenuFont(const MenuFontDescription& description) = 0;
  virtual void DeleteMenuFont(FontHandle font) = 0;
  // Selects font into dc and returns the font it replaced (0 on failure).
  virtual FontHandle SelectMenuFontObject(DeviceContext dc, FontHandle font) = 0;
};

}  // namespace vantrel
