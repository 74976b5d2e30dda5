// The sub-values of a list key's value ("ID:" in '255:ID:Fore'): ListSubValue.
// The input is the value; when it holds a NUL byte, the text before it is
// also looked up as a key in what follows.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text.h"
#include "fuzz_check.h"
#include "menus/render/list_menus.h"

namespace {

using namespace vantrel;

constexpr std::string_view kKeys[] = {"ID:", "Fore:", "Back:", "Sel:"};

// Where ":" followed by key first stands, compared without case.
std::size_t FindAfterColon(std::string_view value, std::string_view key) {
  const std::string haystack = UCase(value);
  const std::string needle = UCase(":" + std::string(key));
  return haystack.find(needle);
}

// A value without "|", braces or a tooltip: what follows ":key" runs to the
// end of the value.
bool IsPlain(std::string_view value) {
  return value.find_first_of("|{}") == std::string_view::npos && UCase(value).find("TIP:") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [fuzzedKey, value] = vantrel::fuzz::SplitKey(vantrel::fuzz::AsText(data, size));

  for (std::string_view key : kKeys) {
    const std::string sub = ListSubValue(value, key);
    FUZZ_CHECK(sub.find('|') == std::string::npos);
    if (!IsPlain(value)) continue;
    const std::size_t at = FindAfterColon(value, key);
    if (at == std::string::npos) {
      FUZZ_CHECK(sub.empty());
    } else {
      const std::string_view rest = value.substr(at + 1 + key.size());
      FUZZ_CHECK(sub == (rest.empty() ? std::string_view("0") : rest));
    }
  }
  (void)ListSubValue(value, fuzzedKey);
  return 0;
}
