#include "common/text.h"

#include "common/text_case.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vantrel {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of s that forms a number of the accepted form.
std::size_t NumberPrefix(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) { ++i; ++digits; }
  if (i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1])) {
    ++i;
    while (i < s.size() && IsDigit(s[i])) { ++i; ++digits; }
  } else if (i < s.size() && s[i] == '.' && digits > 0) {
    ++i;  // "12." reads as 12
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!IsBlank(c)) out.push_back(c);
  return out;
}

double ParseNumber(std::string_view s) {
  std::size_t begin = 0;
  if (!s.empty() && s.front() == '+') begin = 1;  // from_chars refuses a plus sign
  double value = 0;
  auto [ptr, ec] = std::from_chars(s.data() + begin, s.data() + s.size(), value);
  if (ec != std::errc() || !std::isfinite(value)) return 0;
  return value;
}

}  // namespace

double Val(std::string_view text) {
  const std::string s = WithoutBlanks(text);
  const std::size_t n = NumberPrefix(s);
  return n == 0 ? 0.0 : ParseNumber(std::string_view(s).substr(0, n));
}

bool IsNumeric(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  const std::string_view core = text.substr(b, e - b);
  return !core.empty() && NumberPrefix(core) == core.size();
}

std::string CStr(long long value) { return std::to_string(value); }

std::optional<long long> ParseCount(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string_view TrimSpaces(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return text.substr(b, e - b);
}

std::string UCase(std::string_view text) {
  std::string out(text);
  CurrentTextCase().ToUpper(out);
  return out;
}

std::size_t InStr(std::string_view text, std::string_view needle) {
  const std::size_t pos = text.find(needle);
  return pos == std::string_view::npos ? 0 : pos + 1;
}

std::size_t InStrNoCase(std::string_view text, std::string_view needle) {
  if (needle.size() > text.size()) return 0;
  return InStr(UCase(text), UCase(needle));
}

// Upper case keeps every byte where it stands, so a place found in the
// upper-cased text is the same place in the text.
std::string ReplaceNoCase(std::string_view text, std::string_view what, std::string_view with) {
  if (what.empty()) return std::string(text);
  const std::string upperText = UCase(text);
  const std::string upperWhat = UCase(what);
  std::string out;
  std::size_t from = 0;
  for (;;) {
    const std::size_t hit = upperText.find(upperWhat, from);
    if (hit == std::string::npos) break;
    out.append(text.substr(from, hit - from));
    out.append(with);
    from = hit + what.size();
  }
  out.append(text.substr(std::min(from, text.size())));
  return out;
}

long long RoundHalfEven(double value) {
  if (!std::isfinite(value)) return 0;
  constexpr double kLimit = 9.2e18;
  if (value > kLimit) return std::numeric_limits<long long>::max();
  if (value < -kLimit) return std::numeric_limits<long long>::min();
  return static_cast<long long>(std::nearbyint(value));  // default rounding mode is half to even
}

}  // namespace vantrel

namespace vantrel {
namespace {

// Windows-1252 bytes 0x80..0x9F and the code points they stand for.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

char ToCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(static_cast<unsigned char>(cp));
  for (unsigned i = 0; i < 32; ++i)
    if (kCp1252High[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

std::string AnsiFromUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size() + (extra == 0 ? 1 : 0)) {
      out.push_back('?');
      ++i;
      continue;
    }
    char32_t cp = extra == 0 ? b : (b & (0x3F >> extra));
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) { ok = false; break; }
      cp = (cp << 6) | (c & 0x3F);
    }
    // An overlong form ("\xC1\x81" for "A", "\xC0\x80" for NUL) is no
    // character: it would smuggle a plain byte past every check on the text.
    constexpr char32_t kShortest[4] = {0, 0x80, 0x800, 0x10000};
    if (ok && cp < kShortest[extra]) ok = false;
    if (!ok) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(ToCp1252(cp));
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

}  // namespace vantrel
