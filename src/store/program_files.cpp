#include "store/program_files.h"

namespace vantrel {

// A folder that takes a file but lets none go cannot keep the kill log
// either, which is replaced through a new file beside it.
bool ProgramFolderWritable(FileSystem& files, std::string_view programFolder) {
  const std::optional<std::string> probe = files.CreateUniqueFile(programFolder, "Vantrel");
  return probe && files.Delete(*probe);
}

}  // namespace vantrel
