// Caption markup: menu captions carry their own drawing instructions in one
// brace block, "Voir les Options{IMG:i8}" or "{Sidebar|Width:40|Transparent}".
// These are the only readers of that markup; everything here is plain text
// work and needs no window system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The three parts of a menu caption.
struct CaptionParts {
  // What the item shows: the caption without the markup block and without
  // the right-hand text, spaces trimmed at both ends.
  std::string displayText;
  // The markup block in its stored form: from "{" to the last attribute,
  // every attribute followed by "|" ("{IMG:i8|"); "" when there is none.
  std::string markup;
  // Everything after the first TAB (the shortcut column); "" without a TAB.
  std::string rightText;
};

// Splits a caption as read from the menu into its display text, its
// normalised markup block and its right-hand text. Only the first complete
// brace block is markup; a "{" with no "}" after it is ordinary text.
CaptionParts SplitCaption(std::string_view caption);

// Looks key up in a markup block, normalised ("...|") or raw ("...}").
// key is a flag word ("Sidebar") or a key with its colon ("BColor:"); keys
// match without regard to case and as prefixes. Returns the value text;
// "True" for a flag word present without value; "0" for any other key
// present without value; "" when the key is absent. A tooltip ("Tip:") is
// taken out before any other lookup, so its words never read as keys.
std::string GetMarkupValue(std::string_view markup, std::string_view key);

// A number written "&H" (or "&h") plus hexadecimal digits, as markup values
// may hold one. value is the leading digits read as a 32-bit pattern
// ("&HFF" = 255, "&H8000000F" negative); 0 when there is no digit or the
// digits need more than 32 bits. whole is true when the text, blanks around
// it aside, is exactly such a number and it fits.
struct HexNumber {
  std::int32_t value = 0;
  bool whole = false;
};

// Reads text as a hexadecimal number; nothing when it does not start
// (after blanks) with "&H".
std::optional<HexNumber> ReadHexNumber(std::string_view text);

// The lenient number of a markup value: "&H" (or "&h") followed by
// hexadecimal digits reads as a 32-bit pattern ("&HFF" = 255,
// "&HFFFFFFFF" = -1, trailing text ignored); anything else is read by Val.
// 0 when the text does not start with a number or the hexadecimal number
// needs more than 32 bits.
double MarkupNumber(std::string_view value);

}  // namespace vantrel
