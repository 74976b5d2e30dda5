#include "store/trace_file.h"

#include "common/text.h"
#include "store/program_files.h"

namespace vantrel {
namespace {

constexpr std::string_view kBeginLine = "--------------Debut----------------";
constexpr std::string_view kEndLine = "--------------Fin----------------";

std::string SizeLine(std::string_view height, std::string_view width) {
  std::string line = "H: ";
  line += height;
  line += " - L: ";
  line += width;
  return line;
}

}  // namespace

std::string TraceFilePath(std::string_view programFolder) {
  return ProgramFilePath(programFolder, kTraceFileName);
}

std::string TraceCountLine(long long newCount) {
  std::string line = "NbCondition : ";
  if (newCount >= 0) line += ' ';
  line += CStr(newCount);
  return line;
}

std::vector<std::string> TraceBlockLines(long long newCount, std::string_view height,
                                         std::string_view width) {
  return {std::string(kBeginLine), TraceCountLine(newCount), "X1 ", "--X1 ", "X2 ", "--X2 ",
          SizeLine(height, width), "SetFocus", std::string(kEndLine)};
}

void SizeRuleTrace::Begin(long long newCount) {
  Write(kBeginLine);
  Write(TraceCountLine(newCount));
}
void SizeRuleTrace::BeforeRuleWrite() { Write("X1 "); }
void SizeRuleTrace::AfterRuleWrite() { Write("--X1 "); }
void SizeRuleTrace::BeforeCountWrite() { Write("X2 "); }
void SizeRuleTrace::AfterCountWrite() { Write("--X2 "); }
void SizeRuleTrace::BeforeListAdd(std::string_view height, std::string_view width) {
  Write(SizeLine(height, width));
}
void SizeRuleTrace::BeforeFocus() { Write("SetFocus"); }
void SizeRuleTrace::End() { Write(kEndLine); }

bool DeleteTraceFile(FileSystem& files, std::string_view path) {
  if (!files.Exists(path)) return true;
  return files.Delete(path);
}

}  // namespace vantrel
