// Plain text files of the program folder. Paths are full paths; text is
// bytes as stored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens path for appending (creating it when missing), writes line and
  // CR LF, closes it. False when the file cannot be opened or written.
  virtual bool AppendLine(std::string_view path, std::string_view line) = 0;
  // Every line of the file (see SplitLines), or nothing when the file
  // cannot be opened.
  virtual std::optional<std::vector<std::string>> ReadLines(std::string_view path) const = 0;
  virtual bool Exists(std::string_view path) const = 0;
  // False when the file cannot be deleted (a missing file included).
  virtual bool Delete(std::string_view path) = 0;
  // Replaces the file with content as a whole: content goes to a new file
  // beside it, which takes the old one's place only once it is complete, so
  // a failure on the way leaves the old file as it was. A read-only file
  // is not replaced.
  virtual bool WriteAtomically(std::string_view path, std::string_view content) = 0;
  // Creates in folder a new file whose name no file there bears, holding
  // content, and gives its full path. Nothing when the folder takes no new
  // file or the content cannot be written; nothing is then left behind.
  virtual std::optional<std::string> CreateUniqueFile(std::string_view folder, std::string_view content) = 0;
};

// The lines of a file's bytes: each ends at CR LF, a lone CR or a lone LF,
// which are not part of it; a last line without a line end counts, a line
// end at the very end of the file starts no further line. Empty lines are
// kept and nothing is trimmed.
std::vector<std::string> SplitLines(std::string_view bytes);

// The bytes of lines written as a text file: each line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace vantrel
