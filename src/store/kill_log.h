// The kill log "logkill.txt": one line per destruction, oldest first,
// 'date ;time;title' with CR LF. The date field keeps its trailing space;
// the title may itself hold ";".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/file_system.h"

namespace vantrel {

// The program folder followed by "\logkill.txt".
std::string KillLogPath(std::string_view programFolder);

// The fixed forms are written whatever the system's regional settings, so
// that every line of a log has the same form: "2003/04/16 " (date, then
// one space) and "14:32:05" (24-hour time). Readers treat both as opaque.
std::string KillLogDateField(const LocalTime& t);
std::string KillLogTimeField(const LocalTime& t);

// date, ";", time, ";", title.
std::string KillLogLine(std::string_view date, std::string_view time, std::string_view title);

// A line split at its first ";" (date) and the next one (time); the rest is
// the title, ";" included. Nothing when the line holds fewer than two ";".
std::optional<ReportRow> SplitKillLogLine(std::string_view line);

// Appends one line, the file created when missing. False when the file
// cannot be opened or written: no line is then added.
bool AppendKillLogLine(FileSystem& files, std::string_view path, std::string_view date,
                       std::string_view time, std::string_view title);

enum class KillLogReadStatus {
  Missing,        // the file could not be opened: no rows
  Complete,       // every line became a row
  StoppedAtMalformed,  // a line with fewer than two ";" ended the reading
};

struct KillLogContents {
  KillLogReadStatus status = KillLogReadStatus::Missing;
  std::vector<ReportRow> rows;
  // The lines from the first malformed one to the end, unread. A rewrite
  // writes them back after the rows so that they are not lost.
  std::vector<std::string> unreadLines;
};

KillLogContents ReadKillLog(const FileSystem& files, std::string_view path);

// Replaces the list's rows by the log's rows, in file order. Returns what
// was read (its rows are those now in the list).
KillLogContents LoadKillLog(const FileSystem& files, std::string_view path, ReportList& listStat);

// Replaces the file with the list's rows, first to last, each as a line of
// its first three cells (a missing cell counts as empty), followed by
// unreadLines as they were. The old file stays whole until the new one is
// complete. False when the file could not be written.
bool RewriteKillLog(FileSystem& files, std::string_view path, const ReportList& listStat,
                    const std::vector<std::string>& unreadLines = {});
// The same from rows held apart from a list.
bool RewriteKillLog(FileSystem& files, std::string_view path, const std::vector<ReportRow>& rows,
                    const std::vector<std::string>& unreadLines = {});

// Deletes the file. False when it could not be deleted (a missing file
// included), which callers may ignore.
bool ClearKillLog(FileSystem& files, std::string_view path);

}  // namespace vantrel
