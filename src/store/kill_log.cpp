#include "store/kill_log.h"

#include "store/program_files.h"

namespace vantrel {

std::string KillLogPath(std::string_view programFolder) {
  return ProgramFilePath(programFolder, kKillLogFileName);
}

std::string KillLogDateField(const LocalTime& t) { return FormatDate(t) + " "; }

std::string KillLogTimeField(const LocalTime& t) { return FormatTimeOfDay(t); }

std::string KillLogLine(std::string_view date, std::string_view time, std::string_view title) {
  std::string line;
  line.reserve(date.size() + time.size() + title.size() + 2);
  line += date;
  line += ';';
  line += time;
  line += ';';
  line += title;
  return line;
}

std::optional<ReportRow> SplitKillLogLine(std::string_view line) {
  const std::size_t first = line.find(';');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = line.find(';', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  return ReportRow{std::string(line.substr(0, first)),
                   std::string(line.substr(first + 1, second - first - 1)),
                   std::string(line.substr(second + 1))};
}

bool AppendKillLogLine(FileSystem& files, std::string_view path, std::string_view date,
                       std::string_view time, std::string_view title) {
  return files.AppendLine(path, KillLogLine(date, time, title));
}

KillLogContents ReadKillLog(const FileSystem& files, std::string_view path) {
  KillLogContents contents;
  auto lines = files.ReadLines(path);
  if (!lines) return contents;
  contents.status = KillLogReadStatus::Complete;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    auto row = SplitKillLogLine((*lines)[i]);
    if (!row) {
      contents.status = KillLogReadStatus::StoppedAtMalformed;
      contents.unreadLines.assign(lines->begin() + static_cast<std::ptrdiff_t>(i), lines->end());
      break;
    }
    contents.rows.push_back(std::move(*row));
  }
  return contents;
}

KillLogContents LoadKillLog(const FileSystem& files, std::string_view path, ReportList& listStat) {
  listStat.Clear();
  KillLogContents contents = ReadKillLog(files, path);
  for (const auto& row : contents.rows) listStat.AddRow(row);
  return contents;
}

bool RewriteKillLog(FileSystem& files, std::string_view path, const ReportList& listStat,
                    const std::vector<std::string>& unreadLines) {
  std::vector<ReportRow> rows;
  rows.reserve(static_cast<std::size_t>(listStat.Count() > 0 ? listStat.Count() : 0));
  for (int i = 0; i < listStat.Count(); ++i) rows.push_back(listStat.Row(i));
  return RewriteKillLog(files, path, rows, unreadLines);
}

bool RewriteKillLog(FileSystem& files, std::string_view path, const std::vector<ReportRow>& rows,
                    const std::vector<std::string>& unreadLines) {
  std::string bytes;
  for (const ReportRow& row : rows) {
    auto cell = [&row](std::size_t c) -> std::string_view {
      return c < row.size() ? std::string_view(row[c]) : std::string_view();
    };
    bytes += KillLogLine(cell(0), cell(1), cell(2));
    bytes += "\r\n";
  }
  bytes += JoinLines(unreadLines);
  return files.WriteAtomically(path, bytes);
}

bool ClearKillLog(FileSystem& files, std::string_view path) { return files.Delete(path); }

}  // namespace vantrel
