// Stored settings read back: positions and options.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "common/text.h"
#include "fuzz_check.h"
#include "store/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  const std::string_view text = fuzz::AsText(data, size);

  const auto position = ParsePosition(text);
  if (position) {
    FUZZ_CHECK(IsNumeric(text));
    FUZZ_CHECK(std::isfinite(*position));
    // A position saves as text that reads back as the same number.
    FUZZ_CHECK(ParsePosition(PositionText(*position)) == position);
  }

  const auto option = ParseOption(text);
  if (option) {
    FUZZ_CHECK(IsNumeric(text));
    FUZZ_CHECK(ParseOption(CStr(*option)) == option);
    // A whole number that fits an int also fits a single-precision number.
    FUZZ_CHECK(position.has_value());
  }
  // Anything that is not one number reads as nothing.
  if (!IsNumeric(text)) FUZZ_CHECK(!position && !option);
  return 0;
}
