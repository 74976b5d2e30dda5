// The Statistics page: the kill log shown as rows, deleted one by one or
// all at once, with the file kept in step.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/file_system.h"
#include "ui/model/user_prompts.h"

namespace vantrel {

// Width of the title column in twips: narrower when the scroll bar shows.
// The narrow one is also the width the column is made with.
inline constexpr int kTitleColumnNarrowTwips = 2400;
inline constexpr int kTitleColumnWideTwips = 2700;
inline constexpr int kRowsWithoutScrollBar = 11;

class StatisticsPage {
 public:
  StatisticsPage(ReportList& listStat, FileSystem& files, std::string killLogPath, UserPrompts& prompts,
                 std::function<void(int twips)> setTitleColumnWidth);

  // Reads the log into the list (the page is being opened).
  void Load();
  // Deletes the selected row after a confirmation, and rewrites the log.
  void DeleteSelected();
  // Empties the list and deletes the log after a confirmation.
  void Empty();

 private:
  void FitTitleColumn();

  ReportList& listStat_;
  FileSystem& files_;
  std::string path_;
  UserPrompts& prompts_;
  std::function<void(int)> setTitleColumnWidth_;
  // Lines after a line that could not be read: shown nowhere, but written
  // back by every rewrite so that no line of the log is lost.
  std::vector<std::string> unreadLines_;
};

}  // namespace vantrel
