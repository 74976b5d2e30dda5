// The trace file "debug.txt": nine lines marking the steps of each addition
// of a size rule. Nothing reads it; start-up deletes it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace vantrel {

// The program folder followed by "\debug.txt".
std::string TraceFilePath(std::string_view programFolder);

// "NbCondition : " and the count as a number is printed: a blank in place
// of the sign of a positive count, so the digits stand two blanks after
// the colon.
std::string TraceCountLine(long long newCount);

// The nine lines of one addition, in file order.
std::vector<std::string> TraceBlockLines(long long newCount, std::string_view height,
                                         std::string_view width);

// Writes the block line by line as the addition goes, each line appended
// (the file created when missing) at the step it marks. Failures to write
// are ignored: the trace must never stop an addition.
class SizeRuleTrace {
 public:
  SizeRuleTrace(FileSystem& files, std::string_view path) : files_(files), path_(path) {}

  // Lines 1 and 2, with the new number of size rules.
  void Begin(long long newCount);
  void BeforeRuleWrite();   // "X1 "
  void AfterRuleWrite();    // "--X1 "
  void BeforeCountWrite();  // "X2 "
  void AfterCountWrite();   // "--X2 "
  // "H: height - L: width", before the rule joins the list on screen.
  void BeforeListAdd(std::string_view height, std::string_view width);
  void BeforeFocus();       // "SetFocus", once the entry boxes are empty
  void End();               // the closing line

 private:
  void Write(std::string_view line) { files_.AppendLine(path_, line); }

  FileSystem& files_;
  std::string path_;
};

// Deletes the trace file when it exists (start-up). True when no trace file
// is left.
bool DeleteTraceFile(FileSystem& files, std::string_view path);

}  // namespace vantrel
