#include "ui/model/statistics_page.h"

#include "common/text.h"
#include "store/kill_log.h"

namespace vantrel {
namespace {
const char* const kQuestion = "Etes-vous sûr de vouloir Vider les statistiques ?";
}

StatisticsPage::StatisticsPage(ReportList& listStat, FileSystem& files, std::string killLogPath, UserPrompts& prompts,
                               std::function<void(int)> setTitleColumnWidth)
    : listStat_(listStat),
      files_(files),
      path_(std::move(killLogPath)),
      prompts_(prompts),
      setTitleColumnWidth_(std::move(setTitleColumnWidth)) {}

void StatisticsPage::FitTitleColumn() {
  if (setTitleColumnWidth_)
    setTitleColumnWidth_(listStat_.Count() > kRowsWithoutScrollBar ? kTitleColumnNarrowTwips : kTitleColumnWideTwips);
}

void StatisticsPage::Load() {
  const KillLogContents contents = LoadKillLog(files_, path_, listStat_);
  unreadLines_ = contents.unreadLines;
  if (contents.status == KillLogReadStatus::Complete) FitTitleColumn();
}

// With rows but none selected there is nothing to delete: no box is shown.
void StatisticsPage::DeleteSelected() {
  if (listStat_.Count() == 0) return;
  const int selected = listStat_.Selected();
  if (selected < 0) return;
  prompts_.MakeNotTopmost();
  if (!prompts_.AskYesNo(AnsiFromUtf8(kQuestion), "Attention")) {
    prompts_.MakeTopmost();
    return;
  }
  listStat_.RemoveRow(selected);
  RewriteKillLog(files_, path_, listStat_, unreadLines_);
  prompts_.MakeTopmost();
  FitTitleColumn();
}

void StatisticsPage::Empty() {
  prompts_.MakeNotTopmost();
  if (!prompts_.AskYesNo(AnsiFromUtf8(kQuestion), "Attention")) {
    prompts_.MakeTopmost();
    return;
  }
  listStat_.Clear();
  ClearKillLog(files_, path_);
  unreadLines_.clear();
  prompts_.MakeTopmost();
  if (setTitleColumnWidth_) setTitleColumnWidth_(kTitleColumnWideTwips);
}

}  // namespace vantrel
