// The Statistics page: the kill log's rows, deleted one by one or all at
// once.
#pragma once

#include <memory>
#include <string>

#include "ui/main/page_form.h"
#include "ui/model/statistics_page.h"

namespace vantrel {

class StatisticsPageForm final : public PageForm {
 public:
  StatisticsPageForm();

  // The operations, once what they act on exists.
  void Connect(FileSystem& files, std::string killLogPath, UserPrompts& prompts);

  StatisticsPage& Operations() { return *operations_; }
  ReportList& Rows() { return rows_; }

 private:
  void CreateContents() override;
  void SetTitleColumnWidth(int twips);

  Win32ReportList rows_;      // ListStat
  PictureButton emptyLog_;    // KillAllStat with LabKillAllStat
  PictureButton deleteRow_;   // KillStat with LabKillStat
  std::unique_ptr<StatisticsPage> operations_;
};

}  // namespace vantrel
