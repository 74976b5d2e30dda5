// Text compared without regard to case goes by the upper case of the
// system's ANSI code page: Windows-1252 here, the system's once installed.
#include <gtest/gtest.h>

#include "common/text.h"
#include "common/text_case.h"

namespace vantrel {
namespace {

TEST(TextCase, Windows1252UpperCasesTheAccentedLettersToo) {
  const struct {
    const char* text;
    const char* upper;
  } cases[] = {
      {"Clip - vid\xE9o", "CLIP - VID\xC9O"},          // é
      {"\xE0\xE7\xEA\xEE\xF4\xFB\xFE", "\xC0\xC7\xCA\xCE\xD4\xDB\xDE"},  // à ç ê î ô û þ
      {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"},       // š œ ž ÿ
      {"\xDF \xB5 \xF7 \xC9 1;-", "\xDF \xB5 \xF7 \xC9 1;-"},  // ß µ ÷ have no capital; É is one
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(UCase(c.text), c.upper);
  }
}

TEST(TextCase, SearchesWithoutRegardToCaseFindAccentedText) {
  // The browser test: the header is found in the title whatever their case.
  EXPECT_EQ(InStrNoCase("Clip - VID\xC9O", "- vid\xE9o"), 6u);
  EXPECT_EQ(InStrNoCase("\x8C" "uvre", "\x9C" "UVRE"), 1u);
  EXPECT_EQ(InStrNoCase("Clip - VIDEO", "- vid\xE9o"), 0u);
  EXPECT_EQ(ReplaceNoCase("\xC9t\xE9 et \xE9T\xC9!", "\xE9t\xE9", "x"), "x et x!");
}

// A case that sends every letter to "#": whatever is installed is used.
class HashCase final : public TextCase {
 public:
  void ToUpper(std::string& text) const override {
    for (char& c : text)
      if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) c = '#';
  }
};

TEST(TextCase, TheInstalledCaseIsTheOneEveryHelperUses) {
  const HashCase hash;
  UseTextCase(hash);
  EXPECT_EQ(UCase("ab1"), "##1");
  EXPECT_EQ(InStrNoCase("xy1z", "q1"), 2u);
  EXPECT_EQ(ReplaceNoCase("ab-cd", "zz", "!"), "!-!");
  UseTextCase(Windows1252Case());
  EXPECT_EQ(UCase("ab1"), "AB1");
  EXPECT_EQ(&CurrentTextCase(), &Windows1252Case());
}

}  // namespace
}  // namespace vantrel
