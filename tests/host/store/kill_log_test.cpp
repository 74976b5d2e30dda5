#include <gtest/gtest.h>

#include "platform/memory_controls.h"
#include "store/kill_log.h"
#include "support/fake_file_system.h"

namespace vantrel {
namespace {

using test::FakeFileSystem;
using test::FileOperation;

constexpr const char* kPath = "C:\\V\\logkill.txt";

TEST(KillLogFormatTest, PathAndFieldsHaveTheirFixedForms) {
  EXPECT_EQ(KillLogPath("C:\\V"), kPath);
  const LocalTime t{2003, 4, 16, 14, 32, 5};
  EXPECT_EQ(KillLogDateField(t), "2003/04/16 ");
  EXPECT_EQ(KillLogTimeField(t), "14:32:05");
  EXPECT_EQ(KillLogDateField(LocalTime{1999, 12, 31, 0, 0, 0}), "1999/12/31 ");
  EXPECT_EQ(KillLogTimeField(LocalTime{1999, 12, 31, 0, 0, 0}), "00:00:00");
  EXPECT_EQ(KillLogLine("2003/04/16 ", "14:32:05", "Pub - Netscape"),
            "2003/04/16 ;14:32:05;Pub - Netscape");
}

struct SplitCase {
  const char* name;
  const char* line;
  std::optional<ReportRow> row;
};

class SplitKillLogLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitKillLogLineTest, SplitsAtTheFirstTwoSemicolons) {
  EXPECT_EQ(SplitKillLogLine(GetParam().line), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitKillLogLineTest,
    ::testing::Values(
        SplitCase{"Plain", "2003/04/16 ;14:32:05;Pub - Netscape",
                  ReportRow{"2003/04/16 ", "14:32:05", "Pub - Netscape"}},
        SplitCase{"TitleWithSemicolons", "2003/04/16 ;14:32:05;a;b;;c",
                  ReportRow{"2003/04/16 ", "14:32:05", "a;b;;c"}},
        SplitCase{"DisabledMarker", "d ;t;Setup [Disabled]",
                  ReportRow{"d ", "t", "Setup [Disabled]"}},
        SplitCase{"EmptyFields", ";;", ReportRow{"", "", ""}},
        SplitCase{"BlanksKept", "  d  ; t ; x ", ReportRow{"  d  ", " t ", " x "}},
        SplitCase{"OneSemicolon", "2003/04/16 ;14:32:05", std::nullopt},
        SplitCase{"NoSemicolon", "garbage", std::nullopt},
        SplitCase{"EmptyLine", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

class KillLogFileTest : public ::testing::Test {
 protected:
  FakeFileSystem files_;
  MemoryReportList list_;
};

TEST_F(KillLogFileTest, TheFirstAppendCreatesTheFileWithOneLine) {
  EXPECT_TRUE(AppendKillLogLine(files_, kPath, "2003/04/16 ", "14:32:05", "Pub - Netscape"));
  EXPECT_EQ(files_.Bytes(kPath),
            std::optional<std::string>("2003/04/16 ;14:32:05;Pub - Netscape\r\n"));
  EXPECT_TRUE(AppendKillLogLine(files_, kPath, "2003/04/16 ", "14:32:06", "a;b"));
  EXPECT_EQ(files_.Bytes(kPath),
            std::optional<std::string>("2003/04/16 ;14:32:05;Pub - Netscape\r\n"
                                       "2003/04/16 ;14:32:06;a;b\r\n"));
}

TEST_F(KillLogFileTest, AReadOnlyLogTakesNoLine) {
  files_.Seed(kPath, "d ;t;old\r\n");
  files_.SetReadOnly(kPath);
  EXPECT_FALSE(AppendKillLogLine(files_, kPath, "d ", "t", "new"));
  EXPECT_EQ(files_.Bytes(kPath), std::optional<std::string>("d ;t;old\r\n"));
}

TEST_F(KillLogFileTest, LoadFillsTheListInFileOrder) {
  files_.Seed(kPath,
              "2003/04/16 ;14:32:05;Pub - Netscape\r\n"
              "2003/04/16 ;14:32:06;a;b\r\n"
              "2003/04/17 ;09:00:00;Setup [Disabled]\r\n");
  list_.AddRow({"stale", "row", "x"});
  const KillLogContents read = LoadKillLog(files_, kPath, list_);
  EXPECT_EQ(read.status, KillLogReadStatus::Complete);
  ASSERT_EQ(list_.Count(), 3);
  EXPECT_EQ(list_.Row(0), (ReportRow{"2003/04/16 ", "14:32:05", "Pub - Netscape"}));
  EXPECT_EQ(list_.Row(1), (ReportRow{"2003/04/16 ", "14:32:06", "a;b"}));
  EXPECT_EQ(list_.Row(2), (ReportRow{"2003/04/17 ", "09:00:00", "Setup [Disabled]"}));
  EXPECT_TRUE(read.unreadLines.empty());
}

TEST_F(KillLogFileTest, AMissingLogLoadsAnEmptyList) {
  list_.AddRow({"stale", "row", "x"});
  EXPECT_EQ(LoadKillLog(files_, kPath, list_).status, KillLogReadStatus::Missing);
  EXPECT_EQ(list_.Count(), 0);
}

TEST_F(KillLogFileTest, AMalformedLineStopsLoadingAndIsKeptForTheRewrite) {
  files_.Seed(kPath, "d1 ;t1;A\r\nbroken\r\nd3 ;t3;C\r\n");
  const KillLogContents read = LoadKillLog(files_, kPath, list_);
  EXPECT_EQ(read.status, KillLogReadStatus::StoppedAtMalformed);
  ASSERT_EQ(list_.Count(), 1);
  EXPECT_EQ(list_.Row(0), (ReportRow{"d1 ", "t1", "A"}));
  EXPECT_EQ(read.unreadLines, (std::vector<std::string>{"broken", "d3 ;t3;C"}));
  // Deleting the only row shown must not lose the lines that were not read.
  list_.RemoveRow(0);
  EXPECT_TRUE(RewriteKillLog(files_, kPath, list_, read.unreadLines));
  EXPECT_EQ(files_.Bytes(kPath), std::optional<std::string>("broken\r\nd3 ;t3;C\r\n"));
}

TEST_F(KillLogFileTest, DeletingOneEntryRewritesTheOthersUnchangedAsOneReplacement) {
  const std::string lines[] = {"2003/04/16 ;14:32:05;First", "2003/04/16 ;14:32:06;a;b",
                               "2003/04/17 ;09:00:00;Third [Disabled]"};
  files_.Seed(kPath, lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n");
  LoadKillLog(files_, kPath, list_);
  list_.RemoveRow(1);
  EXPECT_TRUE(RewriteKillLog(files_, kPath, list_));
  EXPECT_EQ(files_.Bytes(kPath), std::optional<std::string>(lines[0] + "\r\n" + lines[2] + "\r\n"));
  ASSERT_EQ(files_.Operations().size(), 1u);
  EXPECT_EQ(files_.Operations()[0].kind, FileOperation::WriteWhole);
  // Reading again gives the same rows, trailing blanks of the dates included.
  MemoryReportList again;
  LoadKillLog(files_, kPath, again);
  ASSERT_EQ(again.Count(), 2);
  EXPECT_EQ(again.Row(0), list_.Row(0));
  EXPECT_EQ(again.Row(1), list_.Row(1));
}

TEST_F(KillLogFileTest, RowsWithMissingCellsAreWrittenWithEmptyFields) {
  list_.AddRow({"d "});
  list_.AddRow({});
  EXPECT_TRUE(RewriteKillLog(files_, kPath, list_));
  EXPECT_EQ(files_.Bytes(kPath), std::optional<std::string>("d ;;\r\n;;\r\n"));
}

TEST_F(KillLogFileTest, AFailedRewriteLeavesTheOldLog) {
  files_.Seed(kPath, "d ;t;A\r\nd ;t;B\r\n");
  files_.SetReadOnly(kPath);
  list_.AddRow({"d ", "t", "A"});
  EXPECT_FALSE(RewriteKillLog(files_, kPath, list_));
  EXPECT_EQ(files_.Bytes(kPath), std::optional<std::string>("d ;t;A\r\nd ;t;B\r\n"));
}

TEST_F(KillLogFileTest, ClearDeletesTheFileAndReportsAMissingOne) {
  files_.Seed(kPath, "d ;t;A\r\n");
  EXPECT_TRUE(ClearKillLog(files_, kPath));
  EXPECT_FALSE(files_.Exists(kPath));
  EXPECT_FALSE(ClearKillLog(files_, kPath));
}

}  // namespace
}  // namespace vantrel
