#include "menus/model/colour_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "common/text.h"
#include "support/fake_system_colours.h"

namespace vantrel {
namespace {

constexpr std::int32_t kDefault = -1;

std::int32_t SystemColourOf(int index) { return static_cast<std::int32_t>(FakeSystemColours::DefaultFor(index)); }

struct FixedCase {
  std::string name;
  std::int32_t colour;
};

// The fixed colour names with their 0x00BBGGRR values.
const std::vector<FixedCase>& FixedNames() {
  static const std::vector<FixedCase> names = {
      {"vbWhite", 0xFFFFFF},  {"vbBlack", 0x000000},   {"vbBlue", 0xFF0000},      {"vbGreen", 0x00FF00},
      {"vbRed", 0x0000FF},    {"vbMagenta", 0xFF00FF}, {"vbYellow", 0x00FFFF},    {"vbCyan", 0xFFFF00},
      {"vbMaroon", 0x000080}, {"vbOlive", 0x008080},   {"vbNavy", 0x800000},      {"vbPurple", 0x800080},
      {"vbTeal", 0x808000},   {"vbGray", 0x808080},    {"vbSilver", 0xC0C0C0},    {"vbViolet", 0x9020D0},
      {"vbOrange", 0x00A5FF}, {"vbGold", 0x00AACC},    {"vbIvory", 0xF0FFFF},     {"vbPeach", 0xB9DAFF},
      {"vbTurquoise", 0xD1CE00}, {"vbTan", 0x8CB4D2},  {"vbBrown", 0x004466},
  };
  return names;
}

struct SystemCase {
  std::string name;
  int index;
};

const std::vector<SystemCase>& SystemNames() {
  static const std::vector<SystemCase> names = {
      {"vbScrollBars", 0},        {"vbDesktop", 1},           {"vbActiveTitleBar", 2},
      {"vbInactiveTitleBar", 3},  {"vbMenuBar", 4},           {"vbWindowBackground", 5},
      {"vbWindowFrame", 6},       {"vbMenuText", 7},          {"vbWindowText", 8},
      {"vbTitleBarText", 9},      {"vbActiveBorder", 10},     {"vbInactiveBorder", 11},
      {"vbApplicationWorkspace", 12}, {"vbHighlight", 13},    {"vbHighlightText", 14},
      {"vbButtonFace", 15},       {"vbButtonShadow", 16},     {"vbGrayText", 17},
      {"vbButtonText", 18},       {"vbInactiveCaptionText", 19}, {"vb3DHighlight", 20},
      {"vb3DDKShadow", 21},       {"vb3DLight", 22},          {"vb3DFace", 15},
      {"vb3Dshadow", 16},         {"vbInfoText", 23},         {"vbInfoBackground", 24},
  };
  return names;
}

std::string LowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

TEST(SysColorValueTest, KeepsOrdinaryColours) {
  FakeSystemColours system;
  for (std::int32_t value : {0, 1, 0xFF, 0xFFFFFF, 0x00C08000, std::numeric_limits<std::int32_t>::max()}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(SysColorValue(value, system), value);
  }
  EXPECT_TRUE(system.Asked().empty());
}

TEST(SysColorValueTest, ResolvesSystemColoursByLowestByte) {
  FakeSystemColours system;
  system.Set(15, 0x00ABCDEF);
  struct Case {
    std::uint32_t value;
    int index;
  };
  const std::vector<Case> cases = {
      {0x8000000Fu, 15}, {0x80000004u, 4}, {0x80000000u, 0}, {0xFFFFFFFFu, 255}, {0x80001204u, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const auto asked = system.Asked().size();
    const std::int32_t expected = c.index == 15 ? 0x00ABCDEF : SystemColourOf(c.index);
    EXPECT_EQ(SysColorValue(static_cast<std::int32_t>(c.value), system), expected);
    ASSERT_EQ(system.Asked().size(), asked + 1);
    EXPECT_EQ(system.Asked().back(), c.index);
  }
}

TEST(ColorFromValueTest, FixedNamesInAnyCase) {
  FakeSystemColours system;
  for (const FixedCase& c : FixedNames()) {
    for (const std::string& written : {c.name, UCase(c.name), LowerCase(c.name)}) {
      SCOPED_TRACE(written);
      EXPECT_EQ(ColorFromValue(written, kDefault, system), c.colour);
    }
  }
  EXPECT_TRUE(system.Asked().empty());
}

TEST(ColorFromValueTest, SystemNamesGiveTheCurrentSystemColour) {
  FakeSystemColours system;
  for (const SystemCase& c : SystemNames()) {
    for (const std::string& written : {c.name, UCase(c.name), LowerCase(c.name)}) {
      SCOPED_TRACE(written);
      EXPECT_EQ(ColorFromValue(written, kDefault, system), SystemColourOf(c.index));
      ASSERT_FALSE(system.Asked().empty());
      EXPECT_EQ(system.Asked().back(), c.index);
    }
  }
}

TEST(ColorFromValueTest, ThreeDNamesShareTheButtonColours) {
  FakeSystemColours system;
  system.Set(15, 0x00D4D0C8);
  system.Set(16, 0x00808080);
  EXPECT_EQ(ColorFromValue("vb3DFace", kDefault, system), ColorFromValue("vbButtonFace", kDefault, system));
  EXPECT_EQ(ColorFromValue("vb3DFace", kDefault, system), 0x00D4D0C8);
  EXPECT_EQ(ColorFromValue("vb3Dshadow", kDefault, system), ColorFromValue("vbButtonShadow", kDefault, system));
  EXPECT_EQ(ColorFromValue("vb3Dshadow", kDefault, system), 0x00808080);
}

struct NumberCase {
  std::string value;
  std::int32_t expected;
};

TEST(ColorFromValueTest, NumbersDecimalAndHexadecimal) {
  FakeSystemColours system;
  system.Set(15, 0x00D4D0C8);
  const std::vector<NumberCase> cases = {
      {"&HFF", 0x0000FF},
      {"&hff", 0x0000FF},
      {"16776960", 0xFFFF00},
      {"12615680", 0xC08000},
      {"&HC08000", 0xC08000},
      {" 255 ", 255},
      {"+255", 255},
      {"0", 0},
      {"1", 1},
      {"1e3", 1000},
      // Fractions round half to even.
      {"12.5", 12},
      {"13.5", 14},
      // The signed, hexadecimal and unsigned forms of one system colour.
      {"&H8000000F", 0x00D4D0C8},
      {"-2147483633", 0x00D4D0C8},
      {"2147483663", 0x00D4D0C8},
      {"&HFFFFFFFF", SystemColourOf(255)},
      {"-1", SystemColourOf(255)},
      // Too large for 32 bits: counts as 0.
      {"99999999999", 0},
      {"-2147483649", 0},
      {"&H123456789", 0},
      // "&H" followed by other text: its leading digits.
      {"&HFFzz", 0x0000FF},
      {"&H8000000Fx", 0x00D4D0C8},
      {"&H", 0},
      {"&Hvb", 0},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(ColorFromValue(c.value, kDefault, system), c.expected);
  }
}

TEST(ColorFromValueTest, AnythingElseGivesTheDefault) {
  FakeSystemColours system;
  const std::vector<std::string> values = {
      "", " ", "vbPink", "vb", "red", "vbRed ", " vbRed", "vbRedx", "1 2", "12px", " &HFFzz", "#FF0000", "{", "|",
  };
  for (std::int32_t defaultColour : {-1, 1, 0, 0x00123456}) {
    for (const std::string& value : values) {
      SCOPED_TRACE("'" + value + "' default " + std::to_string(defaultColour));
      EXPECT_EQ(ColorFromValue(value, defaultColour, system), defaultColour);
    }
  }
  EXPECT_TRUE(system.Asked().empty());
}

}  // namespace
}  // namespace vantrel
