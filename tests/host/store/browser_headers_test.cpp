#include <gtest/gtest.h>

#include "platform/memory_controls.h"
#include "store/browser_headers.h"
#include "support/fake_file_system.h"

namespace vantrel {
namespace {

using test::FakeFileSystem;
using test::FileOperation;

constexpr const char* kPath = "C:\\V\\Vantrel-Url.ini";

TEST(BrowserHeadersTest, PathIsInTheProgramFolder) {
  EXPECT_EQ(BrowserHeaderFilePath("C:\\V"), kPath);
}

TEST(BrowserHeadersTest, WritesEveryEntryInOrderAsOneWholeReplacement) {
  FakeFileSystem files;
  files.Seed(kPath, "old\r\n");
  const MemoryList list5{"- Opera", "", " - Lynx "};
  EXPECT_TRUE(WriteBrowserHeaders(files, kPath, list5));
  EXPECT_EQ(files.Bytes(kPath), std::optional<std::string>("- Opera\r\n\r\n - Lynx \r\n"));
  ASSERT_EQ(files.Operations().size(), 1u);
  EXPECT_EQ(files.Operations()[0].kind, FileOperation::WriteWhole);
}

TEST(BrowserHeadersTest, AnEmptyListWritesAnEmptyFile) {
  FakeFileSystem files;
  files.Seed(kPath, "old\r\n");
  EXPECT_TRUE(WriteBrowserHeaders(files, kPath, MemoryList{}));
  EXPECT_EQ(files.Bytes(kPath), std::optional<std::string>(""));
}

TEST(BrowserHeadersTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
  FakeFileSystem files;
  files.Seed(kPath, "- Old\r\n");
  files.SetReadOnly(kPath);
  EXPECT_FALSE(WriteBrowserHeaders(files, kPath, MemoryList{"- New"}));
  EXPECT_EQ(files.Bytes(kPath), std::optional<std::string>("- Old\r\n"));
}

TEST(BrowserHeadersTest, LoadReplacesTheListWithTheLinesUntrimmedEmptyOnesIncluded) {
  FakeFileSystem files;
  files.Seed(kPath, "- Opera\r\n\r\n  - Lynx  \r\nlast");
  MemoryList list5{"- Microsoft Internet", "- Netscape", "- Mozilla"};
  EXPECT_TRUE(LoadBrowserHeaders(files, kPath, list5));
  EXPECT_EQ(list5.Entries(), (std::vector<std::string>{"- Opera", "", "  - Lynx  ", "last"}));
}

TEST(BrowserHeadersTest, AnEmptyFileEmptiesTheList) {
  FakeFileSystem files;
  files.Seed(kPath, "");
  MemoryList list5{"- Netscape"};
  EXPECT_TRUE(LoadBrowserHeaders(files, kPath, list5));
  EXPECT_EQ(list5.Count(), 0);
}

TEST(BrowserHeadersTest, AMissingFileLeavesTheBuiltInHeaders) {
  FakeFileSystem files;
  MemoryList list5{"- Microsoft Internet", "- Netscape", "- Mozilla"};
  EXPECT_FALSE(LoadBrowserHeaders(files, kPath, list5));
  EXPECT_EQ(list5.Entries(),
            (std::vector<std::string>{"- Microsoft Internet", "- Netscape", "- Mozilla"}));
}

TEST(BrowserHeadersTest, WrittenHeadersLoadBackTheSame) {
  FakeFileSystem files;
  const MemoryList written{"a", "", " b", "c;d"};
  WriteBrowserHeaders(files, kPath, written);
  MemoryList read{"x"};
  LoadBrowserHeaders(files, kPath, read);
  EXPECT_EQ(read.Entries(), written.Entries());
}

}  // namespace
}  // namespace vantrel
