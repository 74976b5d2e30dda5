#include "menus/model/caption_markup.h"

#include <array>

#include "common/text.h"

namespace vantrel {
namespace {

constexpr std::string_view kTipKey = "Tip:";

// Flag words: written alone they read "True" rather than "0".
constexpr std::array<std::string_view, 9> kFlagWords = {
    "Raised", "Bold", "Italic", "Underline", "NoScroll", "Transparent", "ImgBkg", "Default", "Sidebar"};

constexpr std::size_t kNone = std::string_view::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && InStrNoCase(a, b) == 1;
}

// 0-based position of the first case-insensitive occurrence of needle, or kNone.
std::size_t FindNoCase(std::string_view text, std::string_view needle) {
  const std::size_t hit = InStrNoCase(text, needle);
  return hit == 0 ? kNone : hit - 1;
}

std::string Joined(char delimiter, std::string_view key) {
  std::string out(1, delimiter);
  out.append(key);
  return out;
}

// An attribute starts just after its delimiter at `delimiter` and ends before
// the next "|" (or, in a raw block, the closing "}"). The search starts two
// characters after the delimiter. Returns the end (exclusive) or kNone.
std::size_t AttributeEnd(std::string_view markup, std::size_t delimiter) {
  const std::size_t from = delimiter + 2;
  if (from > markup.size()) return kNone;
  std::size_t end = markup.find('|', from);
  if (end == kNone) end = markup.find('}', from);
  return end;
}

bool IsFlagWord(std::string_view key) {
  for (std::string_view flag : kFlagWords)
    if (EqualsNoCase(key, flag)) return true;
  return false;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

CaptionParts SplitCaption(std::string_view caption) {
  CaptionParts parts;
  std::string_view s = caption;

  if (const std::size_t tab = s.find('\t'); tab != kNone) {
    parts.rightText = std::string(s.substr(tab + 1));
    s = s.substr(0, tab);
  }

  parts.displayText = std::string(TrimSpaces(s));
  if (s.empty()) return parts;

  const std::size_t open = s.find('{');
  if (open == kNone) return parts;
  const std::size_t close = s.find('}', open);
  if (close == kNone) return parts;  // a lone "{" is ordinary text

  const std::string_view block = s.substr(open, close - open + 1);
  parts.displayText = std::string(TrimSpaces(ReplaceNoCase(s, block, "")));
  // Every attribute, the last one included, is stored followed by "|", so
  // a lookup never has to care which attribute came last.
  parts.markup = std::string(block.substr(0, block.size() - 1));
  parts.markup.push_back('|');
  return parts;
}

std::string GetMarkupValue(std::string_view markup, std::string_view key) {
  if (markup.size() < 3) return "";

  // The tooltip is free text: find it first so that its words can be taken
  // out before any other key is searched.
  std::size_t tipAt = FindNoCase(markup, "|Tip:");
  if (tipAt == kNone) tipAt = FindNoCase(markup, "{Tip:");
  std::string_view tip;  // "Tip:..." up to its terminator, empty when none
  if (tipAt != kNone) {
    const std::size_t end = AttributeEnd(markup, tipAt);
    if (end != kNone) tip = markup.substr(tipAt + 1, end - tipAt - 1);
  }

  std::string attribute;
  if (EqualsNoCase(key, kTipKey)) {
    if (tip.empty()) return "";
    attribute = std::string(tip);
  } else {
    const std::string work = tip.empty() ? std::string(markup) : ReplaceNoCase(markup, tip, "");
    std::size_t at = FindNoCase(work, Joined('|', key));
    if (at == kNone) at = FindNoCase(work, Joined('{', key));
    if (at == kNone) at = FindNoCase(work, Joined(':', key));
    if (at == kNone) return "";
    const std::size_t end = AttributeEnd(work, at);
    if (end == kNone) return "";
    attribute = work.substr(at + 1, end - at - 1);
  }

  // A key containing "|" can end its own attribute early: no value then.
  std::string value = attribute.size() > key.size() ? attribute.substr(key.size()) : std::string();
  if (value.empty()) return IsFlagWord(key) ? "True" : "0";
  return value;
}

std::optional<HexNumber> ReadHexNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i + 1 >= text.size() || text[i] != '&' || (text[i + 1] != 'H' && text[i + 1] != 'h')) return std::nullopt;
  i += 2;

  std::uint64_t pattern = 0;
  std::size_t digits = 0;
  bool fits = true;
  for (; i < text.size() && HexDigit(text[i]) >= 0; ++i, ++digits) {
    if (fits) {
      pattern = pattern * 16 + static_cast<std::uint64_t>(HexDigit(text[i]));
      if (pattern > 0xFFFFFFFFu) fits = false;
    }
  }
  while (i < text.size() && IsBlank(text[i])) ++i;

  HexNumber number;
  if (fits) number.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
  number.whole = fits && digits > 0 && i == text.size();
  return number;
}

double MarkupNumber(std::string_view value) {
  if (const auto hex = ReadHexNumber(value)) return hex->value;
  return Val(value);
}

}  // namespace vantrel
