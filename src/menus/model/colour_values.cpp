#include "menus/model/colour_values.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "common/text.h"
#include "menus/model/caption_markup.h"

namespace vantrel {
namespace {

struct NamedColour {
  std::string_view name;
  std::int32_t value;
};

constexpr std::array<NamedColour, 23> kFixedColours = {{
    {"vbWhite", 0xFFFFFF},  {"vbBlack", 0x000000},   {"vbBlue", 0xFF0000},   {"vbGreen", 0x00FF00},
    {"vbRed", 0x0000FF},    {"vbMagenta", 0xFF00FF}, {"vbYellow", 0x00FFFF}, {"vbCyan", 0xFFFF00},
    {"vbMaroon", 0x000080}, {"vbOlive", 0x008080},   {"vbNavy", 0x800000},   {"vbPurple", 0x800080},
    {"vbTeal", 0x808000},   {"vbGray", 0x808080},    {"vbSilver", 0xC0C0C0}, {"vbViolet", 0x9020D0},
    {"vbOrange", 0x00A5FF}, {"vbGold", 0x00AACC},    {"vbIvory", 0xF0FFFF},  {"vbPeach", 0xB9DAFF},
    {"vbTurquoise", 0xD1CE00}, {"vbTan", 0x8CB4D2},  {"vbBrown", 0x004466},
}};

struct SystemColourName {
  std::string_view name;
  int index;
};

// Each stands for &H80000000 plus its index.
constexpr std::array<SystemColourName, 27> kSystemColours = {{
    {"vbScrollBars", 0},        {"vbDesktop", 1},          {"vbActiveTitleBar", 2},
    {"vbInactiveTitleBar", 3},  {"vbMenuBar", 4},          {"vbWindowBackground", 5},
    {"vbWindowFrame", 6},       {"vbMenuText", 7},         {"vbWindowText", 8},
    {"vbTitleBarText", 9},      {"vbActiveBorder", 10},    {"vbInactiveBorder", 11},
    {"vbApplicationWorkspace", 12}, {"vbHighlight", 13},   {"vbHighlightText", 14},
    {"vbButtonFace", 15},       {"vbButtonShadow", 16},    {"vbGrayText", 17},
    {"vbButtonText", 18},       {"vbInactiveCaptionText", 19}, {"vb3DHighlight", 20},
    {"vb3DDKShadow", 21},       {"vb3DLight", 22},         {"vb3DFace", 15},
    {"vb3Dshadow", 16},         {"vbInfoText", 23},        {"vbInfoBackground", 24},
}};

constexpr std::uint32_t kSystemColourFlag = 0x80000000u;

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && InStrNoCase(a, b) == 1;
}

// A decimal number as a 32-bit colour: the signed and the unsigned reading
// of a 32-bit value are both accepted; anything larger counts as 0.
std::int32_t DecimalColour(std::string_view value) {
  const long long whole = RoundHalfEven(Val(value));
  if (whole < std::numeric_limits<std::int32_t>::min() || whole > static_cast<long long>(0xFFFFFFFFu)) return 0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
}

}  // namespace

std::int32_t SysColorValue(std::int32_t value, const SystemColours& colours) {
  if (value >= 0) return value;
  const int index = static_cast<int>(static_cast<std::uint32_t>(value) & 0xFFu);
  return static_cast<std::int32_t>(colours.SysColor(index));
}

std::int32_t ColorFromValue(std::string_view value, std::int32_t defaultColour, const SystemColours& colours) {
  const std::optional<HexNumber> hex = ReadHexNumber(value);
  if (hex && hex->whole) return SysColorValue(hex->value, colours);
  if (IsNumeric(value)) return SysColorValue(DecimalColour(value), colours);

  for (const NamedColour& named : kFixedColours)
    if (EqualsNoCase(value, named.name)) return named.value;
  for (const SystemColourName& named : kSystemColours)
    if (EqualsNoCase(value, named.name))
      return SysColorValue(static_cast<std::int32_t>(kSystemColourFlag | static_cast<std::uint32_t>(named.index)), colours);

  // "&H" with trailing text: its leading digits still make a colour.
  if (value.size() >= 2 && value[0] == '&' && (value[1] == 'H' || value[1] == 'h'))
    return SysColorValue(hex ? hex->value : 0, colours);
  return defaultColour;
}

}  // namespace vantrel
