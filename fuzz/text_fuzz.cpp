// The shared number and text readers: Val, IsNumeric, ParseCount and
// AnsiFromUtf8.
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/text.h"
#include "fuzz_check.h"

namespace {

using namespace vantrel;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void CheckNumbers(std::string_view text) {
  const double value = Val(text);
  FUZZ_CHECK(std::isfinite(value));

  if (IsNumeric(text)) {
    // A whole number reads as the C library reads the same digits, 0 when
    // it does not fit a double.
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    const std::string core(text.substr(b, e - b));
    FUZZ_CHECK(!core.empty());
    errno = 0;
    char* stop = nullptr;
    const double expected = std::strtod(core.c_str(), &stop);
    FUZZ_CHECK(stop == core.c_str() + core.size());
    if (std::isinf(expected))
      FUZZ_CHECK(value == 0);
    else if (std::fabs(expected) < DBL_MIN)
      FUZZ_CHECK(value == expected || value == 0);  // underflow: either reading is fair
    else
      FUZZ_CHECK(value == expected);
  } else {
    // Text with no digit at all can hold no number.
    bool digit = false;
    for (char c : text) digit = digit || (c >= '0' && c <= '9');
    if (!digit) FUZZ_CHECK(value == 0);
  }

  const auto count = ParseCount(text);
  long long expected = 0;
  const auto read = std::from_chars(text.data(), text.data() + text.size(), expected);
  const bool plain = !text.empty() && text.size() <= 18 && text.front() != '-' &&
                     read.ec == std::errc() && read.ptr == text.data() + text.size();
  FUZZ_CHECK(count.has_value() == plain);
  if (count) {
    FUZZ_CHECK(*count == expected && *count >= 0);
    FUZZ_CHECK(IsNumeric(text) && Val(text) == static_cast<double>(*count));
  }
}

void CheckAnsi(std::string_view utf8) {
  const std::string ansi = AnsiFromUtf8(utf8);
  FUZZ_CHECK(ansi.size() <= utf8.size());
  bool ascii = true;
  for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) FUZZ_CHECK(ansi == utf8);
  // Every byte of the text stands for at least one byte of the input, and
  // an ASCII byte of the output is one of the input or the "?" of a
  // character without a Windows-1252 byte.
  for (char c : ansi)
    if (static_cast<unsigned char>(c) < 0x80 && c != '?') FUZZ_CHECK(utf8.find(c) != std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = vantrel::fuzz::AsText(data, size);
  CheckNumbers(text);
  CheckAnsi(text);
  return 0;
}
