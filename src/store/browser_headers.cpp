#include "store/browser_headers.h"

#include <vector>

#include "store/program_files.h"

namespace vantrel {

std::string BrowserHeaderFilePath(std::string_view programFolder) {
  return ProgramFilePath(programFolder, kBrowserHeaderFileName);
}

bool WriteBrowserHeaders(FileSystem& files, std::string_view path, const ListControl& list5) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(list5.Count() > 0 ? list5.Count() : 0));
  for (int i = 0; i < list5.Count(); ++i) lines.push_back(list5.Item(i));
  return files.WriteAtomically(path, JoinLines(lines));
}

bool LoadBrowserHeaders(const FileSystem& files, std::string_view path, ListControl& list5) {
  if (!files.Exists(path)) return false;
  const auto lines = files.ReadLines(path);
  // An existing file that cannot be read leaves the list as it is rather
  // than empty.
  if (!lines) return false;
  list5.Clear();
  for (const auto& line : *lines) list5.Add(line);
  return true;
}

}  // namespace vantrel
