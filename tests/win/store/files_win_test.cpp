// The profile-file and plain-file services against the real file system.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/memory_controls.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/profile_file_win32.h"
#include "store/browser_headers.h"
#include "store/module_ini.h"
#include "store/rule_lists.h"
#include "store/trace_file.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using wintest::FileBytes;
using wintest::TempFolder;
using wintest::UnwritableFile;
using wintest::WriteFileBytes;

class IniFileWinTest : public ::testing::Test {
 protected:
  TempFolder folder_{"vantrel-ini"};
  Win32ProfileFile profile_;
  ModuleINI ini_{profile_, folder_.Path()};
};

TEST_F(IniFileWinTest, FileBytesAfterAFewWrites) {
  EXPECT_EQ(ini_.IniFilePath(), folder_.Path() + "\\Vantrel.ini");
  EXPECT_NE(ini_.WriteIniValue("0", "Pub - Netscape"), 0);
  EXPECT_NE(ini_.WriteIniValue("NbOcc", "1"), 0);
  EXPECT_NE(ini_.WriteIniValue("C0", "300 - 200"), 0);
  EXPECT_NE(ini_.WriteIniValue("NbCondition", "1"), 0);
  EXPECT_NE(ini_.WriteIniValue("0", ""), 0);
  EXPECT_EQ(FileBytes(ini_.IniFilePath()),
            "[Vantrel]\r\n0=\r\nNbOcc=1\r\nC0=300 - 200\r\nNbCondition=1\r\n");
}

TEST_F(IniFileWinTest, A300CharacterTitleIsStoredWholeAndReadsBackAs254) {
  std::string title;
  for (int i = 0; i < 300; ++i) title += static_cast<char>('a' + i % 26);
  ini_.WriteIniValue("0", title);
  ini_.WriteIniValue("NbOcc", "1");
  EXPECT_NE(FileBytes(ini_.IniFilePath()).find("0=" + title + "\r\n"), std::string::npos);
  EXPECT_EQ(ini_.ReadIniValue("0"), title.substr(0, 254));
  MemoryList list2;
  LoadTitleList(ModuleINI(profile_, folder_.Path()), list2);
  ASSERT_EQ(list2.Count(), 1);
  EXPECT_EQ(list2.Item(0), title.substr(0, 254));
}

TEST_F(IniFileWinTest, AMissingFileOrKeyReadsEmpty) {
  EXPECT_EQ(ini_.ReadIniValue("NbOcc"), "");
  MemoryList list2, list4;
  EXPECT_EQ(LoadTitleList(ini_, list2).loaded, 0);
  EXPECT_EQ(LoadSizeRules(ini_, list4).loaded, 0);
}

TEST_F(IniFileWinTest, RemovingTheLastTwoOfFiveTitlesLeavesThreeAfterARestart) {
  for (int p = 0; p < 5; ++p) {
    // append, not "T" + ...: GCC 12's -Wrestrict false positive (its bug 105651).
    ini_.WriteIniValue(TitleKey(p), std::string("T").append(std::to_string(p)));
    ini_.WriteIniValue("NbOcc", std::to_string(p + 1));
  }
  for (int last : {4, 3}) {  // the writes of removing the last entry
    ini_.WriteIniValue(TitleKey(last), "");
    ini_.WriteIniValue(TitleKey(last), "");
    ini_.WriteIniValue("NbOcc", std::to_string(last));
  }
  EXPECT_EQ(FileBytes(ini_.IniFilePath()),
            "[Vantrel]\r\n0=T0\r\nNbOcc=3\r\n1=T1\r\n2=T2\r\n3=\r\n4=\r\n");
  MemoryList list2;
  EXPECT_EQ(LoadTitleList(ModuleINI(profile_, folder_.Path()), list2).countText, "3");
  EXPECT_EQ(list2.Entries(), (std::vector<std::string>{"T0", "T1", "T2"}));
}

TEST_F(IniFileWinTest, GarbledCountsInARealFileLoadWhatCanBeRead) {
  WriteFileBytes(ini_.IniFilePath(),
                 "[Vantrel]\r\nNbOcc=lots\r\n0=A\r\n1=B\r\nNbCondition=-1\r\nC0=300 - 200\r\n");
  MemoryList list2, list4;
  LoadTitleList(ini_, list2);
  LoadSizeRules(ini_, list4);
  EXPECT_EQ(list2.Entries(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(list4.Entries(), (std::vector<std::string>{"300 - 200"}));
}

class PlainFilesWinTest : public ::testing::Test {
 protected:
  TempFolder folder_{"vantrel-files"};
  Win32FileSystem files_;
};

TEST_F(PlainFilesWinTest, AppendCreatesTheFileAndEndsEachLineWithCrLf) {
  const std::string path = folder_.File("a.txt");
  EXPECT_FALSE(files_.Exists(path));
  EXPECT_FALSE(files_.ReadLines(path));
  EXPECT_TRUE(files_.AppendLine(path, "one"));
  EXPECT_TRUE(files_.AppendLine(path, ""));
  EXPECT_TRUE(files_.AppendLine(path, " a;b "));
  EXPECT_TRUE(files_.Exists(path));
  EXPECT_EQ(FileBytes(path), "one\r\n\r\n a;b \r\n");
  EXPECT_EQ(files_.ReadLines(path), (std::vector<std::string>{"one", "", " a;b "}));
  EXPECT_TRUE(files_.Delete(path));
  EXPECT_FALSE(files_.Exists(path));
  EXPECT_FALSE(files_.Delete(path));
}

TEST_F(PlainFilesWinTest, AnUnwritableFileTakesNoLineAndIsNotReplaced) {
  const std::string path = folder_.File("ro.txt");
  ASSERT_TRUE(WriteFileBytes(path, "old\r\n"));
  {
    UnwritableFile locked(path);
    ASSERT_TRUE(locked.Ready());
    EXPECT_FALSE(files_.AppendLine(path, "new"));
    EXPECT_FALSE(files_.WriteAtomically(path, "new\r\n"));
    EXPECT_FALSE(files_.Delete(path));
    EXPECT_EQ(FileBytes(path), "old\r\n");
    EXPECT_FALSE(files_.Exists(path + ".new")) << "a failed replacement leaves nothing behind";
    EXPECT_EQ(files_.ReadLines(path), (std::vector<std::string>{"old"}));
  }
  EXPECT_TRUE(files_.AppendLine(path, "new"));
  EXPECT_EQ(FileBytes(path), "old\r\nnew\r\n");
}

TEST_F(PlainFilesWinTest, AReadOnlyFileIsNotReplacedNorDeleted) {
  const std::string path = folder_.File("readonly.txt");
  ASSERT_TRUE(WriteFileBytes(path, "old\r\n"));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(files_.WriteAtomically(path, "new\r\n"));
  EXPECT_FALSE(files_.Delete(path));
  EXPECT_FALSE(files_.Exists(path + ".new"));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(FileBytes(path), "old\r\n");
}

TEST_F(PlainFilesWinTest, AWholeWriteReplacesTheFile) {
  const std::string path = folder_.File("w.txt");
  EXPECT_TRUE(files_.WriteAtomically(path, "first\r\n"));
  EXPECT_TRUE(files_.WriteAtomically(path, "second\r\nthird\r\n"));
  EXPECT_EQ(FileBytes(path), "second\r\nthird\r\n");
  EXPECT_FALSE(files_.Exists(path + ".new"));
}

// When the new file cannot be made, the old one must survive untouched.
TEST_F(PlainFilesWinTest, AWholeWriteThatCannotCompleteKeepsTheOldFile) {
  const std::string path = folder_.File("keep.txt");
  ASSERT_TRUE(WriteFileBytes(path, "precious\r\n"));
  ASSERT_TRUE(CreateDirectoryA((path + ".new").c_str(), nullptr));
  EXPECT_FALSE(files_.WriteAtomically(path, "replacement\r\n"));
  EXPECT_EQ(FileBytes(path), "precious\r\n");
}

TEST_F(PlainFilesWinTest, BrowserHeadersRoundTripThroughTheRealFile) {
  const std::string path = BrowserHeaderFilePath(folder_.Path());
  const MemoryList written{"- Opera", "", "  - Lynx  "};
  ASSERT_TRUE(WriteBrowserHeaders(files_, path, written));
  EXPECT_EQ(FileBytes(path), "- Opera\r\n\r\n  - Lynx  \r\n");
  MemoryList read{"- Netscape"};
  EXPECT_TRUE(LoadBrowserHeaders(files_, path, read));
  EXPECT_EQ(read.Entries(), written.Entries());
}

TEST_F(PlainFilesWinTest, TraceBlockBytesAndStartUpDeletion) {
  const std::string path = TraceFilePath(folder_.Path());
  SizeRuleTrace trace(files_, path);
  trace.Begin(1);
  trace.BeforeRuleWrite();
  trace.AfterRuleWrite();
  trace.BeforeCountWrite();
  trace.AfterCountWrite();
  trace.BeforeListAdd("300", "200");
  trace.BeforeFocus();
  trace.End();
  EXPECT_EQ(FileBytes(path),
            "--------------Debut----------------\r\nNbCondition :  1\r\nX1 \r\n--X1 \r\nX2 \r\n"
            "--X2 \r\nH: 300 - L: 200\r\nSetFocus\r\n--------------Fin----------------\r\n");
  EXPECT_TRUE(DeleteTraceFile(files_, path));
  EXPECT_FALSE(files_.Exists(path));
}

}  // namespace
}  // namespace vantrel
