// Text files read line by line: SplitLines, and the browser header file
// loaded into its list and written back.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "platform/file_system.h"
#include "platform/memory_controls.h"
#include "store/browser_headers.h"
#include "support/fake_file_system.h"

namespace {

using namespace vantrel;

constexpr const char* kPath = "C:\\Vantrel\\Vantrel-Url.ini";

void CheckLines(std::string_view bytes, const std::vector<std::string>& lines) {
  std::size_t kept = 0;
  for (const std::string& line : lines) {
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    kept += line.size();
  }
  // Only line ends are dropped, and each line but a last unended one had one.
  std::size_t ends = 0;
  for (char c : bytes) ends += (c == '\r' || c == '\n') ? 1 : 0;
  FUZZ_CHECK(kept + ends == bytes.size());
  FUZZ_CHECK(lines.size() <= ends + 1);
  // Lines written as a text file read back the same.
  FUZZ_CHECK(SplitLines(JoinLines(lines)) == lines);
  // Text without a line end is one line, or none when empty.
  if (ends == 0) FUZZ_CHECK(lines.size() == (bytes.empty() ? 0u : 1u));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::AsText(data, size);
  const std::vector<std::string> lines = SplitLines(bytes);
  CheckLines(bytes, lines);

  test::FakeFileSystem files;
  files.Seed(kPath, bytes);
  MemoryList list5;
  list5.Add(" - Netscape");
  FUZZ_CHECK(LoadBrowserHeaders(files, kPath, list5));
  FUZZ_CHECK(list5.Count() == static_cast<int>(lines.size()));
  for (int i = 0; i < list5.Count(); ++i) FUZZ_CHECK(list5.Item(i) == lines[static_cast<std::size_t>(i)]);

  // What was loaded writes back to a file that loads the same list.
  FUZZ_CHECK(WriteBrowserHeaders(files, kPath, list5));
  MemoryList again;
  FUZZ_CHECK(LoadBrowserHeaders(files, kPath, again));
  FUZZ_CHECK(again.Count() == list5.Count());
  for (int i = 0; i < again.Count(); ++i) FUZZ_CHECK(again.Item(i) == list5.Item(i));

  // A missing file leaves the list as it was.
  FUZZ_CHECK(!LoadBrowserHeaders(files, "C:\\Vantrel\\missing.ini", again));
  FUZZ_CHECK(again.Count() == list5.Count());
  return 0;
}
