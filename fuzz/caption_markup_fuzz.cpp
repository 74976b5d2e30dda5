// Menu captions with their markup block: SplitCaption, GetMarkupValue,
// ReadHexNumber and MarkupNumber. The input is a caption; when it holds a
// NUL byte, the text before it is also looked up as a key in what follows.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text.h"
#include "fuzz_check.h"
#include "menus/model/caption_markup.h"

namespace {

using namespace vantrel;

constexpr std::string_view kNone = "";

// Keys the menus look up, flag words and keys with a value.
constexpr std::string_view kKeys[] = {"IMG:",     "Tip:",    "BColor:", "FColor:",   "GColor:", "Width:",
                                      "HotKey:",  "Font:",   "FSize:",  "lvColors:", "Text:",   "Sidebar",
                                      "Bold",     "Raised",  "Transparent", "Default", "ImgBkg", "gControl:"};

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

void CheckSplit(std::string_view caption, const CaptionParts& parts) {
  const std::size_t tab = caption.find('\t');
  const std::string_view before = tab == std::string_view::npos ? caption : caption.substr(0, tab);
  FUZZ_CHECK(parts.rightText == (tab == std::string_view::npos ? kNone : caption.substr(tab + 1)));
  FUZZ_CHECK(TrimSpaces(parts.displayText) == parts.displayText);

  const std::size_t open = before.find('{');
  const bool hasBlock = open != std::string_view::npos && before.find('}', open) != std::string_view::npos;
  FUZZ_CHECK(parts.markup.empty() != hasBlock);
  if (!hasBlock) {
    FUZZ_CHECK(parts.displayText == TrimSpaces(before));
    return;
  }
  // The stored block is the first brace block, its "}" turned into "|".
  FUZZ_CHECK(parts.markup.front() == '{' && parts.markup.back() == '|');
  FUZZ_CHECK(parts.markup.find('}') == std::string::npos);
  std::string block = parts.markup;
  block.back() = '}';
  FUZZ_CHECK(before.find(block) == open);
  FUZZ_CHECK(parts.displayText.size() + block.size() <= before.size());
}

void CheckLookups(const std::string& markup, std::string_view fuzzedKey) {
  // The same block raw (ending in "}") reads the same as normalised.
  std::string raw = markup;
  if (!raw.empty()) raw.back() = '}';
  for (std::string_view key : kKeys) {
    const std::string value = GetMarkupValue(markup, key);
    FUZZ_CHECK(value.find('|') == std::string::npos);
    if (!raw.empty()) FUZZ_CHECK(GetMarkupValue(raw, key) == value);
  }
  (void)GetMarkupValue(markup, fuzzedKey);
  (void)GetMarkupValue(raw, fuzzedKey);
}

void CheckHex(std::string_view text) {
  const auto hex = ReadHexNumber(text);
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const bool prefixed = i + 1 < text.size() && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h');
  FUZZ_CHECK(hex.has_value() == prefixed);
  if (!hex) {
    FUZZ_CHECK(MarkupNumber(text) == Val(text));
    return;
  }
  std::size_t end = i + 2;
  while (end < text.size() && IsHexDigit(text[end])) ++end;
  const std::string_view digits = text.substr(i + 2, end - i - 2);
  std::uint32_t expected = 0;
  const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), expected, 16);
  const bool fits = !digits.empty() && read.ec == std::errc();
  FUZZ_CHECK(hex->value == (fits ? static_cast<std::int32_t>(expected) : 0));
  std::size_t rest = end;
  while (rest < text.size() && (text[rest] == ' ' || text[rest] == '\t')) ++rest;
  FUZZ_CHECK(hex->whole == (fits && rest == text.size()));
  FUZZ_CHECK(MarkupNumber(text) == hex->value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [key, caption] = vantrel::fuzz::SplitKey(vantrel::fuzz::AsText(data, size));

  const CaptionParts parts = SplitCaption(caption);
  CheckSplit(caption, parts);
  CheckLookups(parts.markup, key);
  (void)GetMarkupValue(caption, key);

  CheckHex(caption);
  for (std::string_view valueKey : {"Width:", "BColor:", "FSize:"}) {
    const std::string value = GetMarkupValue(parts.markup, valueKey);
    CheckHex(value);
    FUZZ_CHECK(std::isfinite(MarkupNumber(value)));
  }
  return 0;
}
