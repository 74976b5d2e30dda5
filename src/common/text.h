// Text and number rules shared by every layer. Text is the program's own
// byte text (ANSI code page); nothing here depends on a locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Leading-number reader: blanks, tabs, CR and LF are ignored wherever they
// stand, then the longest leading part that forms a decimal number (optional
// sign, digits, optional "." with digits, optional exponent) is taken.
// Returns 0 when there is no number or when the number is out of range.
double Val(std::string_view text);

// True when the whole text, blanks around it aside, is one number of the
// form Val reads.
bool IsNumeric(std::string_view text);

// Decimal text of a whole number: "-5", "0", "12".
std::string CStr(long long value);

// Whole number from text that is exactly a decimal count ("0", "12"),
// without sign, blanks or fraction. Anything else gives nothing.
std::optional<long long> ParseCount(std::string_view text);

// Leading and trailing spaces removed (spaces only, as the rule lists want).
std::string_view TrimSpaces(std::string_view text);

// Upper case of the system's ANSI code page (common/text_case.h): "é"
// becomes "É" as "e" becomes "E". The length stays.
std::string UCase(std::string_view text);

// 1-based position of the first occurrence of needle in text, 0 when absent
// (an empty needle is found at 1). Exact, case-sensitive.
std::size_t InStr(std::string_view text, std::string_view needle);

// As InStr, without regard to case (UCase of both).
std::size_t InStrNoCase(std::string_view text, std::string_view needle);

// Whole text with every occurrence of what replaced, without regard to case.
std::string ReplaceNoCase(std::string_view text, std::string_view what, std::string_view with);

// Banker's rounding to a whole number (half to even).
long long RoundHalfEven(double value);

// Low and high 16-bit halves of a 32-bit message parameter.
constexpr std::uint16_t LoWord(std::uint32_t value) { return static_cast<std::uint16_t>(value & 0xFFFFu); }
constexpr std::uint16_t HiWord(std::uint32_t value) { return static_cast<std::uint16_t>((value >> 16) & 0xFFFFu); }

}  // namespace vantrel

namespace vantrel {

// The program's own captions are written in UTF-8 in the source; the
// windows take Windows-1252 bytes (the French letters all stand there).
// Characters without a Windows-1252 byte become "?".
std::string AnsiFromUtf8(std::string_view utf8);

}  // namespace vantrel
