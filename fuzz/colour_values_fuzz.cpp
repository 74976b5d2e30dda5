// Colour values of the menu markup: ColorFromValue against system colours
// that are all distinct and never negative.
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "menus/model/caption_markup.h"
#include "menus/model/colour_values.h"
#include "support/fake_system_colours.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  const std::string_view value = fuzz::AsText(data, size);
  FakeSystemColours system;

  // Two defaults no colour can be: a value either is a colour, the same
  // whatever the default, or gives the default it was handed.
  constexpr std::int32_t kFirst = -7;
  constexpr std::int32_t kSecond = -9;
  const std::int32_t first = ColorFromValue(value, kFirst, system);
  const std::int32_t second = ColorFromValue(value, kSecond, system);
  const bool recognised = first != kFirst;
  FUZZ_CHECK(recognised == (second != kSecond));
  if (recognised) {
    FUZZ_CHECK(first == second);
    // System colours are resolved: a colour is never a negative number.
    FUZZ_CHECK(first >= 0);
  }

  // A whole hexadecimal number is always a colour, and one with the top bit
  // set is the system colour of its lowest byte.
  if (const auto hex = ReadHexNumber(value); hex && hex->whole) {
    FUZZ_CHECK(recognised);
    if (hex->value < 0)
      FUZZ_CHECK(first == static_cast<std::int32_t>(FakeSystemColours::DefaultFor(hex->value & 0xFF)));
    else
      FUZZ_CHECK(first == hex->value);
  }
  // Only system colours are looked up, and only in the table's range.
  for (int index : system.Asked()) FUZZ_CHECK(index >= 0 && index <= 0xFF);
  return 0;
}
