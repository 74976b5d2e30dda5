#include "common/text.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(Val, ReadsTheLeadingNumberIgnoringBlanks) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"300", 300},     {" 300 ", 300},  {"3 0 0", 300},  {"\t12\n", 12},    {"-5", -5},      {"+7", 7},
      {"1.5", 1.5},     {".5", 0.5},     {"12.", 12},     {"1e3", 1000},     {"1.5E-1", 0.15}, {"2e", 2},
      {"5 - 100", 5},   {"abc", 0},      {"", 0},         {"-", 0},          {"1e999", 0},    {"12abc3", 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(Val(c.text), c.value);
  }
}

TEST(IsNumeric, AcceptsOneWholeNumberOnly) {
  EXPECT_TRUE(IsNumeric("12"));
  EXPECT_TRUE(IsNumeric(" -1.5 "));
  EXPECT_FALSE(IsNumeric(""));
  EXPECT_FALSE(IsNumeric("12a"));
  EXPECT_FALSE(IsNumeric("1 2"));
}

TEST(ParseCount, AcceptsPlainDecimalCountsOnly) {
  EXPECT_EQ(ParseCount("0"), 0);
  EXPECT_EQ(ParseCount("501"), 501);
  EXPECT_FALSE(ParseCount(""));
  EXPECT_FALSE(ParseCount("-1"));
  EXPECT_FALSE(ParseCount("1.0"));
  EXPECT_FALSE(ParseCount(" 3"));
  EXPECT_FALSE(ParseCount("99999999999999999999999"));
}

TEST(TextSearch, CaseRulesAndPositions) {
  EXPECT_EQ(InStr("Setup [Disabled]", "[Disabled]"), 7u);
  EXPECT_EQ(InStr("abc", "B"), 0u);
  EXPECT_EQ(InStrNoCase("abc", "B"), 2u);
  EXPECT_EQ(InStrNoCase("ab", "abc"), 0u);
  EXPECT_EQ(ReplaceNoCase("a<BR>b<br>c", "<br>", "|"), "a|b|c");
  EXPECT_EQ(UCase("pub - netscape \xE9"), "PUB - NETSCAPE \xC9");
  EXPECT_EQ(TrimSpaces("  - Netscape  "), "- Netscape");
  EXPECT_EQ(TrimSpaces("\t- x"), "\t- x");
}

TEST(RoundHalfEven, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4), 2);
}

TEST(AnsiFromUtf8, GivesWindows1252Bytes) {
  EXPECT_EQ(AnsiFromUtf8("Fenêtres à détruire"), "Fen\xEAtres \xE0 d\xE9truire");
  EXPECT_EQ(AnsiFromUtf8("€"), "\x80");
  EXPECT_EQ(AnsiFromUtf8("漢"), "?");
  EXPECT_EQ(AnsiFromUtf8("a\xC3"), "a?");  // cut in the middle of a character
  EXPECT_EQ(AnsiFromUtf8("\xFF" "b"), "?b");
}

TEST(AnsiFromUtf8, RefusesOverlongForms) {
  const struct {
    const char* utf8;
    const char* ansi;
  } cases[] = {
      {"\xC1\x80", "??"},              // "@" in two bytes
      {"a\xC0\x80" "b", "a??b"},       // NUL in two bytes
      {"\xE0\x80\xAF", "???"},         // "/" in three bytes
      {"\xE0\x82\xAC", "???"},         // U+00AC in three bytes
      {"\xF0\x82\x82\xAC", "????"},    // U+20AC in four bytes
      {"\xC2\x80", "?"},               // the shortest two-byte form stays a character
      {"\xE0\xA0\x80", "?"},           // and the shortest three-byte form
      {"\xC2\xAC", "\xAC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(AnsiFromUtf8(c.utf8), c.ansi);
  }
}

TEST(Words, SplitA32BitParameter) {
  EXPECT_EQ(LoWord(0x12345678u), 0x5678);
  EXPECT_EQ(HiWord(0x12345678u), 0x1234);
}

}  // namespace
}  // namespace vantrel
