#include <gtest/gtest.h>

#include "platform/file_system.h"

namespace vantrel {
namespace {

struct SplitCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, GivesEachLineWithoutItsEnd) {
  EXPECT_EQ(SplitLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLinesTest,
    ::testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"OneLineCrLf", "a\r\n", {"a"}},
        SplitCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
        SplitCase{"EmptyLinesKept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        SplitCase{"OnlyALineEnd", "\r\n", {""}},
        SplitCase{"LoneLfAndLoneCr", "a\nb\rc", {"a", "b", "c"}},
        SplitCase{"BlanksKept", "  a \r\n\tb\r\n", {"  a ", "\tb"}},
        SplitCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JoinLinesTest, EndsEveryLineWithCrLfAndSplitsBack) {
  const std::vector<std::string> lines{"one", "", " two ", "a;b"};
  const std::string bytes = JoinLines(lines);
  EXPECT_EQ(bytes, "one\r\n\r\n two \r\na;b\r\n");
  EXPECT_EQ(SplitLines(bytes), lines);
  EXPECT_EQ(JoinLines({}), "");
}

}  // namespace
}  // namespace vantrel
