// Short paths, version descriptions, path parts and the buffer text cut.
#include "menus/model/file_information.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/fake_file_information.h"

namespace vantrel {
namespace {

using test::FakeFileInformation;
using test::MemoryVersionBlock;
using test::TranslationEntry;

struct PathCase {
  const char* path;
  const char* part;
  const char* expected;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << "'" << c.path << "' " << c.part; }

class PathPartTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathPartTest, Part) {
  const PathCase& c = GetParam();
  EXPECT_EQ(PathPart(c.path, c.part), c.expected) << c.path << " " << c.part;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathPartTest,
    ::testing::Values(
        PathCase{"C:\\Dir\\File.Txt", "D", "C:\\"}, PathCase{"C:\\Dir\\File.Txt", "P", "C:\\Dir\\"},
        PathCase{"C:\\Dir\\File.Txt", "N", "File.Txt"}, PathCase{"C:\\Dir\\File.Txt", "E", "Txt"},
        PathCase{"C:\\Dir\\File.Txt", "m", "File"},
        // An extension ends at the last ".", and only when no "\" follows it.
        PathCase{"C:\\Dir.old\\README", "E", ""}, PathCase{"C:\\Dir.old\\README", "m", ""},
        PathCase{"C:\\a\\b.tar.gz", "E", "gz"}, PathCase{"C:\\a\\b.tar.gz", "m", "b.tar"},
        PathCase{"README", "m", ""}, PathCase{"README.md", "m", "README"}, PathCase{"README", "N", ""},
        PathCase{"README", "P", ""}, PathCase{"README", "D", ""},
        // A leading "." does not end a name.
        PathCase{"C:\\home\\.profile", "m", ""}, PathCase{"C:\\home\\.profile", "E", "profile"},
        // Drive-relative paths: the ":" stands in for the missing "\".
        PathCase{"C:File.txt", "D", "C:\\"}, PathCase{"C:File.txt", "P", "C:\\"},
        PathCase{"C:File.txt", "N", "File.txt"}, PathCase{"C:File.txt", "m", "File"},
        // Network paths: the drive is the server part.
        PathCase{"\\\\server\\share\\f.doc", "D", "\\\\server\\"}, PathCase{"\\\\server", "D", "\\\\server\\"},
        PathCase{"\\\\server\\share\\f.doc", "P", "\\\\server\\share\\"},
        PathCase{"\\Dir\\x", "D", ""}, PathCase{"\\x", "P", "\\"},
        // A folder path names no file.
        PathCase{"C:\\Dir\\", "N", ""}, PathCase{"C:\\Dir\\", "P", "C:\\Dir\\"},
        // Part letters are exact; anything else, or no path, gives nothing.
        PathCase{"C:\\Dir\\File.Txt", "d", ""}, PathCase{"C:\\Dir\\File.Txt", "M", ""},
        PathCase{"C:\\Dir\\File.Txt", "X", ""}, PathCase{"C:\\Dir\\File.Txt", "", ""},
        PathCase{"C:\\Dir\\File.Txt", "DP", ""}, PathCase{"", "D", ""}, PathCase{"", "m", ""}));

TEST(TextUpToNulTest, CutsAtTheFirstZero) {
  EXPECT_EQ(TextUpToNul(std::string("abc\0def\0", 8)), "abc");
  EXPECT_EQ(TextUpToNul(std::string("\0abc", 4)), "");
  EXPECT_EQ(TextUpToNul("no zero"), "no zero");
  EXPECT_EQ(TextUpToNul(""), "");
}

TEST(GetShortFileNameTest, ShortFormOrThePathUnchanged) {
  FakeFileInformation files;
  files.SetShortPath("C:\\Program Files\\Vantrel\\Vantrel.exe", "C:\\PROGRA~1\\Vantrel\\Vantrel.exe");
  EXPECT_EQ(GetShortFileName("C:\\Program Files\\Vantrel\\Vantrel.exe", files), "C:\\PROGRA~1\\Vantrel\\Vantrel.exe");
  EXPECT_EQ(files.LastBufferSize(), 300u);
  EXPECT_EQ(GetShortFileName("C:\\Nowhere\\missing.txt", files), "C:\\Nowhere\\missing.txt");
}

// A version block whose translation table lists languages in order.
MemoryVersionBlock BlockWithTranslations(std::initializer_list<std::pair<unsigned, unsigned>> entries) {
  MemoryVersionBlock block;
  std::string table;
  for (const auto& [language, codePage] : entries) table += TranslationEntry(language, codePage);
  block.Set("\\VarFileInfo\\Translation", table);
  return block;
}

TEST(GetVersionLanguageTest, FirstTranslationWithAStringTable) {
  MemoryVersionBlock block = BlockWithTranslations({{0x0407, 0x04B0}, {0x040C, 0x04E4}});
  block.Set("\\StringFileInfo\\040C04E4", "");
  EXPECT_EQ(GetVersionLanguage(block), "\\StringFileInfo\\040C04E4");
  // Written language then code page, upper case with leading zeros.
  EXPECT_EQ(block.Queried(), (std::vector<std::string>{"\\VarFileInfo\\Translation", "\\StringFileInfo\\040704B0",
                                                       "\\StringFileInfo\\040C04E4"}));
}

TEST(GetVersionLanguageTest, FallsBackToUsEnglishWesternEuropean) {
  MemoryVersionBlock block = BlockWithTranslations({{0x0411, 0x03A4}});
  block.Set("\\StringFileInfo\\040904E4", "");
  EXPECT_EQ(GetVersionLanguage(block), "\\StringFileInfo\\040904E4");
  block = BlockWithTranslations({{0x0411, 0x03A4}});
  EXPECT_EQ(GetVersionLanguage(block), "");
}

TEST(GetVersionLanguageTest, NoTranslationTableIsNoLanguage) {
  MemoryVersionBlock block;
  block.Set("\\StringFileInfo\\040904E4", "");
  EXPECT_EQ(GetVersionLanguage(block), "");
}

TEST(GetVersionLanguageTest, ATruncatedTableEntryIsIgnored) {
  MemoryVersionBlock block;
  block.Set("\\VarFileInfo\\Translation", TranslationEntry(0x0409, 0x04B0).substr(0, 3));
  block.Set("\\StringFileInfo\\040904E4", "");
  EXPECT_EQ(GetVersionLanguage(block), "\\StringFileInfo\\040904E4");
}

TEST(GetFileDescriptionTest, DescriptionFromTheMatchingStringTable) {
  FakeFileInformation files;
  MemoryVersionBlock block = BlockWithTranslations({{0x040C, 0x04E4}});
  block.Set("\\StringFileInfo\\040C04E4", "");
  block.Set("\\StringFileInfo\\040C04E4\\FileDescription", std::string("Tueur de fen\xEAtres\0junk", 22));
  files.SetVersion("C:\\app.exe", block);
  EXPECT_EQ(GetFileDescription("C:\\app.exe", files), "Tueur de fen\xEAtres");
}

TEST(GetFileDescriptionTest, LanguageWithoutStringTableUsesTheFallback) {
  FakeFileInformation files;
  MemoryVersionBlock block = BlockWithTranslations({{0x0407, 0x04E4}});
  block.Set("\\StringFileInfo\\040904E4", "");
  block.Set("\\StringFileInfo\\040904E4\\FileDescription", std::string("Window killer\0", 14));
  files.SetVersion("C:\\app.exe", block);
  EXPECT_EQ(GetFileDescription("C:\\app.exe", files), "Window killer");
}

TEST(GetFileDescriptionTest, EmptyWhenAnyStepFails) {
  FakeFileInformation files;
  MemoryVersionBlock noDescription = BlockWithTranslations({{0x0409, 0x04E4}});
  noDescription.Set("\\StringFileInfo\\040904E4", "");
  files.SetVersion("C:\\plain.dll", noDescription);
  MemoryVersionBlock described = noDescription;
  described.Set("\\StringFileInfo\\040904E4\\FileDescription", "Described");
  files.SetVersion("C:\\unreadable.dll", described, 100, true);
  files.SetVersion("C:\\empty.dll", described, 0);
  files.SetVersion("C:\\negative.dll", described, -1);
  EXPECT_EQ(GetFileDescription("C:\\plain.dll", files), "");
  EXPECT_EQ(GetFileDescription("C:\\unreadable.dll", files), "");
  EXPECT_EQ(GetFileDescription("C:\\empty.dll", files), "");
  EXPECT_EQ(GetFileDescription("C:\\negative.dll", files), "");
  EXPECT_EQ(GetFileDescription("C:\\missing.dll", files), "");
}

}  // namespace
}  // namespace vantrel
