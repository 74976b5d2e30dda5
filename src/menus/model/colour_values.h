// Colour values of the menu markup: a decimal number ("16776960"), a
// hexadecimal one ("&HC08000") or a name ("vbRed", "vbButtonFace").
//
// Colours are 32-bit values 0x00BBGGRR (red in the lowest byte), held signed
// so that callers can keep -1 as a "none" value. A negative value (top bit
// set) names a system colour by its lowest byte: &H8000000F is the current
// button face.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/system_colours.h"

namespace vantrel {

// value itself when it is not negative; otherwise the current system colour
// of index value & 0xFF.
std::int32_t SysColorValue(std::int32_t value, const SystemColours& colours);

// The colour a markup value stands for, system colours resolved. Names are
// compared without regard to case. defaultColour is returned when the value
// is neither a number nor a known name (callers use it to mean "absent").
// A number that does not fit in 32 bits counts as 0.
std::int32_t ColorFromValue(std::string_view value, std::int32_t defaultColour, const SystemColours& colours);

}  // namespace vantrel
