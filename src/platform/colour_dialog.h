// The platform's modal colour chooser.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/window_hooks.h"

namespace vantrel {

// Flags of the chooser (the system's values).
namespace colour_dialog_flag {
inline constexpr std::uint32_t RgbInit = 0x1;    // start on initialColour
inline constexpr std::uint32_t FullOpen = 0x2;   // the custom-colour part shown
inline constexpr std::uint32_t AnyColor = 0x100; // every colour offered
}  // namespace colour_dialog_flag

struct ColourDialogRequest {
  WindowHandle owner = 0;
  // 0x00BBGGRR; used with colour_dialog_flag::RgbInit.
  std::int32_t initialColour = 0;
  std::array<std::int32_t, 16> customColours{};
  std::uint32_t flags = 0;
  friend bool operator==(const ColourDialogRequest&, const ColourDialogRequest&) = default;
};

class ColourDialog {
 public:
  virtual ~ColourDialog() = default;
  // Runs the chooser modally; the chosen colour, nothing when cancelled.
  virtual std::optional<std::int32_t> ChooseColour(const ColourDialogRequest& request) = 0;
};

}  // namespace vantrel
