// The system's upper case, CharUpperBuffA, on the code page the prefix runs
// with (Windows-1252 here), and the program installing it at start.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/text.h"
#include "platform/win32/text_case_win32.h"

namespace vantrel {
namespace {

TEST(SystemTextCase, UpperCasesAccentedLettersOfTheAnsiCodePageInPlace) {
  ASSERT_EQ(GetACP(), 1252u) << "the cases below are Windows-1252 text";
  const struct {
    std::string text, upper;
  } cases[] = {
      {"Clip - vid\xE9o", "CLIP - VID\xC9O"},
      {"\xE0\xE7\xEA \x9C\xFF", "\xC0\xC7\xCA \x8C\x9F"},
      {std::string("a\0b", 3), std::string("A\0B", 3)},  // the whole length, past a zero
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string text = c.text;
    SystemTextCase().ToUpper(text);
    EXPECT_EQ(text, c.upper);
  }
}

TEST(SystemTextCase, IsTheOneTheHelpersUseOnceInstalled) {
  UseTextCase(SystemTextCase());
  EXPECT_EQ(&CurrentTextCase(), &SystemTextCase());
  EXPECT_EQ(InStrNoCase("Clip - VID\xC9O", "- vid\xE9o"), 6u);
  UseTextCase(Windows1252Case());
}

}  // namespace
}  // namespace vantrel
