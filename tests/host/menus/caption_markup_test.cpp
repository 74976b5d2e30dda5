#include "menus/model/caption_markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

// The tray menu's own sidebar caption and the engine's built-in default
// sidebar markup (a raw block, still ending in "}").
constexpr const char* kTraySidebarCaption =
    "{Sidebar|IMG:ImTool(1)|BColor:16776960|GColor:8404992|Width:0|Tip:|Transparent}";
constexpr const char* kDefaultSidebarMarkup =
    "{Sidebar|Text: |FColor:8388608|BColor:12615680|GColor:16776960|Font:Times New Roman|FSize:14|MinFSize:9|"
    "Width:32|Align:Bot}";

struct SplitCase {
  std::string caption;
  std::string display;
  std::string markup;
  std::string right;
};

TEST(SplitCaptionTest, SplitsDisplayMarkupAndRightText) {
  const std::vector<SplitCase> cases = {
      {"Voir les Options{IMG:i8}", "Voir les Options", "{IMG:i8|", ""},
      {"Open{Tip:Opens a file|Bold}\tCtrl+O", "Open", "{Tip:Opens a file|Bold|", "Ctrl+O"},
      {"Fichier", "Fichier", "", ""},
      {"   Fichier  ", "Fichier", "", ""},
      {"Quitter\tAlt+F4", "Quitter", "", "Alt+F4"},
      {"  {Bold}  Texte ", "Texte", "{Bold|", ""},
      {"Avant {Bold} après", "Avant  après", "{Bold|", ""},
      {"Close{}", "Close", "{|", ""},
      // Only the first complete block is markup.
      {"A{Bold}B{Italic}", "AB{Italic}", "{Bold|", ""},
      // Every copy of the block leaves the display text, whatever its case.
      {"A{Bold}B{BOLD}C", "ABC", "{Bold|", ""},
      // A "}" before the "{" is text.
      {"x}y{Bold}z", "x}yz", "{Bold|", ""},
      // Nested opening braces: the block runs from the first "{" to the first "}".
      {"{{Bold}}", "}", "{{Bold|", ""},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.caption);
    const CaptionParts parts = SplitCaption(c.caption);
    EXPECT_EQ(parts.displayText, c.display);
    EXPECT_EQ(parts.markup, c.markup);
    EXPECT_EQ(parts.rightText, c.right);
  }
}

TEST(SplitCaptionTest, TabEndsTheDisplayPart) {
  const std::vector<SplitCase> cases = {
      {"\tCtrl+O", "", "", "Ctrl+O"},
      // Markup after the TAB belongs to the right-hand text.
      {"\t{Bold}", "", "", "{Bold}"},
      {"Ouvrir\t", "Ouvrir", "", ""},
      {"A\tB\tC", "A", "", "B\tC"},
      // A TAB inside the braces cuts the block: what is left has no "}".
      {"Go{Tip:a\tb}", "Go{Tip:a", "", "b}"},
      {"\t", "", "", ""},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.caption);
    const CaptionParts parts = SplitCaption(c.caption);
    EXPECT_EQ(parts.displayText, c.display);
    EXPECT_EQ(parts.markup, c.markup);
    EXPECT_EQ(parts.rightText, c.right);
  }
}

TEST(SplitCaptionTest, MalformedBracesStayText) {
  const std::vector<SplitCase> cases = {
      {"Open{ brace", "Open{ brace", "", ""},
      {"A}{B", "A}{B", "", ""},
      {"{", "{", "", ""},
      {"}", "}", "", ""},
      {"}}}{{{", "}}}{{{", "", ""},
      {"", "", "", ""},
      {"   ", "", "", ""},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.caption);
    const CaptionParts parts = SplitCaption(c.caption);
    EXPECT_EQ(parts.displayText, c.display);
    EXPECT_EQ(parts.markup, c.markup);
    EXPECT_EQ(parts.rightText, c.right);
  }
}

TEST(SplitCaptionTest, MarkupOnlyCaptionHasNoDisplayText) {
  const CaptionParts parts = SplitCaption("{Sidebar|Width:40}");
  EXPECT_EQ(parts.displayText, "");
  EXPECT_EQ(parts.markup, "{Sidebar|Width:40|");
  EXPECT_EQ(parts.rightText, "");
}

TEST(SplitCaptionTest, LongCaptionKeepsEveryPart) {
  const std::string text(300, 'x');
  const std::string tip(280, 'y');
  const CaptionParts parts = SplitCaption(text + "{Tip:" + tip + "|Bold}\t" + text);
  EXPECT_EQ(parts.displayText, text);
  EXPECT_EQ(parts.markup, "{Tip:" + tip + "|Bold|");
  EXPECT_EQ(parts.rightText, text);
  EXPECT_EQ(GetMarkupValue(parts.markup, "Tip:"), tip);
  EXPECT_EQ(GetMarkupValue(parts.markup, "Bold"), "True");
}

struct LookupCase {
  std::string markup;
  std::string key;
  std::string expected;
};

void ExpectLookups(const std::vector<LookupCase>& cases) {
  for (const LookupCase& c : cases) {
    SCOPED_TRACE("markup '" + c.markup + "', key '" + c.key + "'");
    EXPECT_EQ(GetMarkupValue(c.markup, c.key), c.expected);
  }
}

TEST(GetMarkupValueTest, ReadsValuesAndFlags) {
  ExpectLookups({
      {"{IMG:i8|", "IMG:", "i8"},
      {"{Tip:Opens a file|Bold|", "Tip:", "Opens a file"},
      {"{Tip:Opens a file|Bold|", "Bold", "True"},
      {"{Bold|Italic|Underline|", "Italic", "True"},
      {"{Bold|Italic|Underline|", "Underline", "True"},
      {"{Bold|Italic|", "Underline", ""},
      {"{BColor:16776960|GColor:8404992|", "GColor:", "8404992"},
      {"{Font:Times New Roman|", "Font:", "Times New Roman"},
      // Values keep their case.
      {"{IMG:ImTool(1)|", "img:", "ImTool(1)"},
  });
}

TEST(GetMarkupValueTest, EmptyValueReadsTrueForFlagsAndZeroOtherwise) {
  ExpectLookups({
      {"{Width:|", "Width:", "0"},
      {"{Raised|", "Raised", "True"},
      {"{Bold|", "Bold", "True"},
      {"{Italic|", "Italic", "True"},
      {"{Underline|", "Underline", "True"},
      {"{NoScroll|", "NoScroll", "True"},
      {"{Transparent|", "Transparent", "True"},
      {"{ImgBkg|", "ImgBkg", "True"},
      {"{Default|", "Default", "True"},
      {"{Sidebar|", "Sidebar", "True"},
      // Not a flag word: present without value reads "0".
      {"{Checked|", "Checked", "0"},
      {"{B|", "B", "0"},
      // A flag with text after it yields the text.
      {"{Bold:x|", "Bold", ":x"},
  });
}

TEST(GetMarkupValueTest, KeysMatchAsPrefixesWithoutCase) {
  ExpectLookups({
      {"{BoldFace|", "Bold", "Face"},
      {"{|BoldItalic|", "Bold", "Italic"},
      {"{tip:Hello|", "TIP:", "Hello"},
      {"{TIP:Hello|", "Tip:", "Hello"},
      {"{sidebar|", "SIDEBAR", "True"},
      {"{raised|", "RAISED", "True"},
      {"{default|", "DEFAULT", "True"},
      {"{imgbkg|", "IMGBKG", "True"},
      {"{noscroll|", "NOSCROLL", "True"},
      {"{Width:40|", "WIDTH:", "40"},
  });
}

TEST(GetMarkupValueTest, DelimitersAreSearchedBarThenBraceThenColon) {
  ExpectLookups({
      // "|Width:" is preferred to "{Width:" even though it stands later.
      {"{Width:10|Width:20|", "Width:", "20"},
      {"{Width:10|Bold|", "Width:", "10"},
      // After a colon the key is found inside another attribute's value.
      {"{IMG:Bold|", "Bold", "True"},
      {"{IMG:Boldly|", "Bold", "ly"},
  });
}

TEST(GetMarkupValueTest, TooltipWordsDoNotReadAsKeys) {
  ExpectLookups({
      {"{Tip:Bold move|Default|", "Bold", ""},
      {"{Tip:Bold move|Default|", "Tip:", "Bold move"},
      {"{Tip:Bold move|Default|", "Default", "True"},
      {"{TIP:Bold move|Default|", "Bold", ""},
      // A tip in the middle.
      {"{Bold|Tip:Italic text|Underline|", "Italic", ""},
      {"{Bold|Tip:Italic text|Underline|", "Bold", "True"},
      {"{Bold|Tip:Italic text|Underline|", "Underline", "True"},
      {"{Bold|Tip:Italic text|Underline|", "Tip:", "Italic text"},
      // Without the excision ":Width:" would be found inside the tip.
      {"{Tip:Width:5|", "Width:", ""},
      // The excision takes the tip only, not a real flag of the same word.
      {"{Tip:Raised|Raised|", "Raised", "True"},
      // An empty tip is present with no value.
      {"{Tip:|Bold|", "Tip:", "0"},
      {"{Tip:|Bold|", "Bold", "True"},
      {"{Bold|", "Tip:", ""},
  });
}

TEST(GetMarkupValueTest, ReadsRawBlocksEndingInBrace) {
  ExpectLookups({
      {kDefaultSidebarMarkup, "Align:", "Bot"},
      {kDefaultSidebarMarkup, "Text:", " "},
      {kDefaultSidebarMarkup, "Font:", "Times New Roman"},
      {kDefaultSidebarMarkup, "FSize:", "14"},
      {kDefaultSidebarMarkup, "MinFSize:", "9"},
      {kDefaultSidebarMarkup, "Sidebar", "True"},
      {kDefaultSidebarMarkup, "Bold", ""},
      {"{Tip:Last one}", "Tip:", "Last one"},
  });
}

TEST(GetMarkupValueTest, TraySidebarCaptionReadsAfterSplitting) {
  const CaptionParts parts = SplitCaption(kTraySidebarCaption);
  EXPECT_EQ(parts.displayText, "");
  EXPECT_EQ(parts.markup, "{Sidebar|IMG:ImTool(1)|BColor:16776960|GColor:8404992|Width:0|Tip:|Transparent|");
  ExpectLookups({
      {parts.markup, "Sidebar", "True"},
      {parts.markup, "IMG:", "ImTool(1)"},
      {parts.markup, "BColor:", "16776960"},
      {parts.markup, "GColor:", "8404992"},
      {parts.markup, "Width:", "0"},
      {parts.markup, "Tip:", "0"},
      {parts.markup, "Transparent", "True"},
      {parts.markup, "Text:", ""},
  });
}

TEST(GetMarkupValueTest, MalformedMarkupReadsAbsent) {
  ExpectLookups({
      // Shorter than three characters: nothing, whatever the key.
      {"", "Bold", ""},
      {"{", "Bold", ""},
      {"{|", "Bold", ""},
      {"{|", "", ""},
      {"{B", "B", ""},
      // No terminator after the attribute.
      {"{Bold", "Bold", ""},
      {"{Tip:abc", "Tip:", ""},
      {"{Tip:Bold", "Bold", ""},
      {"}}}{{{", "Bold", ""},
      {"{Bo|", "Bold", ""},
      // An empty key finds the first "|", which has no terminator after it.
      {"{Bold|", "", ""},
      // The terminator is searched from the attribute's second character on.
      {"{||x|", "", "|x"},
      // A key holding "|" ends its own attribute early.
      {"{a|b:x|", "a|b:", "0"},
  });
}

TEST(GetMarkupValueTest, LongTooltipIsTakenOutWhole) {
  const std::string tip = "Tip:" + std::string(150, 'z') + " Bold Italic Width:9 " + std::string(150, 'z');
  const std::string markup = "{" + tip + "|Underline|";
  ExpectLookups({
      {markup, "Tip:", tip.substr(4)},
      {markup, "Bold", ""},
      {markup, "Width:", ""},
      {markup, "Underline", "True"},
  });
}

struct NumberCase {
  std::string text;
  double expected;
};

TEST(MarkupNumberTest, ReadsDecimalAndHexadecimal) {
  const std::vector<NumberCase> cases = {
      {"14", 14},          {" 12px", 12},      {"1.5", 1.5},       {"-3", -3},
      {"abc", 0},          {"", 0},            {"&HFF", 255},      {"&hff", 255},
      {"&HFFzz", 255},     {" &H10", 16},      {"&H", 0},          {"&Hzz", 0},
      {"&H8000000F", -2147483633.0},           {"&HFFFFFFFF", -1}, {"&H123456789", 0},
      {"&H00000000FF", 255},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(MarkupNumber(c.text), c.expected);
  }
}

TEST(ReadHexNumberTest, TellsWholeNumbersFromLeadingOnes) {
  struct HexCase {
    std::string text;
    bool isHex;
    bool whole;
    std::int32_t value;
  };
  const std::vector<HexCase> cases = {
      {"&HFF", true, true, 0xFF},
      {" &HC08000 ", true, true, 0xC08000},
      {"&hc08000", true, true, 0xC08000},
      {"&HFFz", true, false, 0xFF},
      {"&H", true, false, 0},
      {"&H1 2", true, false, 1},
      {"&H123456789", true, false, 0},
      {"12", false, false, 0},
      {"&", false, false, 0},
      {"", false, false, 0},
      {"x&HFF", false, false, 0},
  };
  for (const HexCase& c : cases) {
    SCOPED_TRACE(c.text);
    const auto hex = ReadHexNumber(c.text);
    ASSERT_EQ(hex.has_value(), c.isHex);
    if (!hex) continue;
    EXPECT_EQ(hex->whole, c.whole);
    EXPECT_EQ(hex->value, c.value);
  }
}

}  // namespace
}  // namespace vantrel
