// The rule readers of the window watch: size rules "height - width", list
// titles with their state markers, and entries of the list of windows to
// destroy read as rules (qualifiers and title patterns).
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text.h"
#include "engine/kill_rules.h"
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
  // An entry read as a rule: its title part is the start of the entry (all
  // of it for a plain entry), and a plain entry matches its own list title.
  const KillRule killRule = ReadKillRule(text);
  FUZZ_CHECK(text.substr(0, killRule.title.size()) == killRule.title);
  if (killRule.plain) FUZZ_CHECK(killRule.title == text);
  if (CheckRuleEntry(text) == EntryFault::None && !killRule.plain) FUZZ_CHECK(killRule.title.size() < text.size());
  // A pattern matches itself with its stars and marks stood for by
  // themselves, and "*" matches anything; the first half as a pattern of the
  // second half is answered whatever they hold.
  std::string literal(text);
  FUZZ_CHECK(MatchesPattern(literal, literal));
  FUZZ_CHECK(MatchesPattern("*", text));
  const std::size_t half = text.size() / 2;
  (void)MatchesPattern(text.substr(0, half), text.substr(half));
  return 0;
}
