#include <gtest/gtest.h>

#include "store/trace_file.h"
#include "support/fake_file_system.h"

namespace vantrel {
namespace {

using test::FakeFileSystem;

constexpr const char* kPath = "C:\\V\\debug.txt";

TEST(TraceFileTest, PathIsInTheProgramFolder) { EXPECT_EQ(TraceFilePath("C:\\V"), kPath); }

TEST(TraceFileTest, CountLineHasABlankInPlaceOfTheSign) {
  EXPECT_EQ(TraceCountLine(1), "NbCondition :  1");
  EXPECT_EQ(TraceCountLine(12), "NbCondition :  12");
  EXPECT_EQ(TraceCountLine(-1), "NbCondition : -1");
}

TEST(TraceFileTest, TheBlockHasItsNineLinesExactly) {
  EXPECT_EQ(TraceBlockLines(3, "300", "200"),
            (std::vector<std::string>{"--------------Debut----------------", "NbCondition :  3",
                                      "X1 ", "--X1 ", "X2 ", "--X2 ", "H: 300 - L: 200",
                                      "SetFocus", "--------------Fin----------------"}));
}

// Drives the writer as an addition does and returns the trace bytes.
std::string TraceOfOneAddition(FakeFileSystem& files, long long count, const char* h,
                               const char* w) {
  SizeRuleTrace trace(files, kPath);
  trace.Begin(count);
  trace.BeforeRuleWrite();
  trace.AfterRuleWrite();
  trace.BeforeCountWrite();
  trace.AfterCountWrite();
  trace.BeforeListAdd(h, w);
  trace.BeforeFocus();
  trace.End();
  return files.Bytes(kPath).value_or("<missing>");
}

TEST(TraceFileTest, TheStepsAppendTheBlockLineByLine) {
  FakeFileSystem files;
  const std::string once = TraceOfOneAddition(files, 1, "300", "200");
  EXPECT_EQ(once, JoinLines(TraceBlockLines(1, "300", "200")));
  EXPECT_EQ(files.Operations().size(), 9u);
  // A second addition appends a second block after the first.
  const std::string twice = TraceOfOneAddition(files, 2, "250", "400");
  EXPECT_EQ(twice, once + JoinLines(TraceBlockLines(2, "250", "400")));
}

TEST(TraceFileTest, AnUnwritableTraceDoesNotStopTheSteps) {
  FakeFileSystem files;
  files.SetReadOnly(kPath);
  TraceOfOneAddition(files, 1, "1", "2");
  EXPECT_EQ(files.Operations().size(), 9u);
  EXPECT_FALSE(files.Exists(kPath));
}

TEST(TraceFileTest, StartUpDeletesALeftoverTraceAndAcceptsNone) {
  FakeFileSystem files;
  files.Seed(kPath, "old\r\n");
  EXPECT_TRUE(DeleteTraceFile(files, kPath));
  EXPECT_FALSE(files.Exists(kPath));
  EXPECT_TRUE(DeleteTraceFile(files, kPath));
  EXPECT_EQ(files.Operations().size(), 1u) << "no deletion is tried when there is no file";
}

}  // namespace
}  // namespace vantrel
