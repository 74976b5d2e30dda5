// The rule readers of the window watch: size rules "height - width" and
// list titles with their state markers.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text.h"
#include "engine/window_watch.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  const std::string_view text = fuzz::AsText(data, size);

  const auto rule = ReadSizeRule(text);
  const std::size_t hyphen = text.find('-');
  FUZZ_CHECK(rule.has_value() == (hyphen != std::string_view::npos));
  if (rule) {
    FUZZ_CHECK(std::isfinite(rule->height) && std::isfinite(rule->width));
    // The height bound holds no hyphen, so it is never negative.
    FUZZ_CHECK(rule->height >= 0);
    FUZZ_CHECK(rule->height == Val(text.substr(0, hyphen)));
    FUZZ_CHECK(rule->width == Val(text.substr(hyphen + 1)));
  }

  const std::string title = StripStateMarkers(text);
  FUZZ_CHECK(text.substr(0, title.size()) == title);
  FUZZ_CHECK(text.size() - title.size() <= std::string_view(" [Disabled] [Hidden]").size());
  // A title that holds no marker is kept whole.
  if (text.find("[Disabled]") == std::string_view::npos && text.find("[Hidden]") == std::string_view::npos)
    FUZZ_CHECK(title == text);
  // A marker written after a title comes off again.
  const std::string marked = std::string(text) + std::string(kDisabledMarker);
  if (text.find("[Disabled]") == std::string_view::npos && text.find("[Hidden]") == std::string_view::npos)
    FUZZ_CHECK(StripStateMarkers(marked) == text);
  return 0;
}
