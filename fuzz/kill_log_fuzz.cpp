// The kill log: SplitKillLogLine on each line and ReadKillLog over a whole
// file, whose rows and unread lines must write back to the same reading.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/file_system.h"
#include "platform/memory_controls.h"
#include "store/kill_log.h"
#include "support/fake_file_system.h"

namespace {

using namespace vantrel;

constexpr const char* kPath = "C:\\Vantrel\\logkill.txt";

void CheckLine(std::string_view line) {
  const auto row = SplitKillLogLine(line);
  FUZZ_CHECK(row.has_value() == (std::count(line.begin(), line.end(), ';') >= 2));
  if (!row) return;
  FUZZ_CHECK(row->size() == 3);
  FUZZ_CHECK((*row)[0].find(';') == std::string::npos && (*row)[1].find(';') == std::string::npos);
  FUZZ_CHECK(KillLogLine((*row)[0], (*row)[1], (*row)[2]) == line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::AsText(data, size);
  CheckLine(bytes);

  test::FakeFileSystem files;
  files.Seed(kPath, bytes);
  const std::vector<std::string> lines = SplitLines(bytes);
  for (const std::string& line : lines) CheckLine(line);

  MemoryReportList list;
  const KillLogContents contents = LoadKillLog(files, kPath, list);
  FUZZ_CHECK(contents.status != KillLogReadStatus::Missing);
  FUZZ_CHECK(contents.rows.size() + contents.unreadLines.size() == lines.size());
  FUZZ_CHECK((contents.status == KillLogReadStatus::Complete) == contents.unreadLines.empty());
  FUZZ_CHECK(list.Count() == static_cast<int>(contents.rows.size()));
  for (std::size_t i = 0; i < contents.rows.size(); ++i) {
    FUZZ_CHECK(KillLogLine(contents.rows[i][0], contents.rows[i][1], contents.rows[i][2]) == lines[i]);
    FUZZ_CHECK(list.Row(static_cast<int>(i)) == contents.rows[i]);
  }
  if (!contents.unreadLines.empty()) FUZZ_CHECK(!SplitKillLogLine(contents.unreadLines.front()));

  // Writing the list back keeps every line, read or not.
  FUZZ_CHECK(RewriteKillLog(files, kPath, list, contents.unreadLines));
  const KillLogContents again = ReadKillLog(files, kPath);
  FUZZ_CHECK(again.status == contents.status);
  FUZZ_CHECK(again.rows == contents.rows);
  FUZZ_CHECK(again.unreadLines == contents.unreadLines);

  FUZZ_CHECK(ReadKillLog(files, "C:\\Vantrel\\missing.txt").status == KillLogReadStatus::Missing);
  return 0;
}
