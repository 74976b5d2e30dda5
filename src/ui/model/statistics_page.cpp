#include "ui/model/statistics_page.h"

#include "common/text.h"
#include "store/kill_log.h"

namespace vantrel {
namespace {
const char* const kQuestion = "Etes-vous sûr de vouloir Vider les statistiques ?";
const char* const kNotSaved = "Impossible d'enregistrer \"logkill.txt\" : les statistiques n'ont pas été modifiées.";
const char* const kTitle = "Vantrel";
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
  // The row goes from the list only once the file no longer holds it, so
  // that the list shows what the next opening will read.
  std::vector<ReportRow> kept;
  for (int i = 0; i < listStat_.Count(); ++i)
    if (i != selected) kept.push_back(listStat_.Row(i));
  if (RewriteKillLog(files_, path_, kept, unreadLines_)) listStat_.RemoveRow(selected);
  else prompts_.Inform(AnsiFromUtf8(kNotSaved), kTitle);
  prompts_.MakeTopmost();
  FitTitleColumn();
}

void StatisticsPage::Empty() {
  prompts_.MakeNotTopmost();
  if (!prompts_.AskYesNo(AnsiFromUtf8(kQuestion), "Attention")) {
    prompts_.MakeTopmost();
    return;
  }
  // A log that is not there is as empty as can be; one that stays (a
  // read-only file) keeps its rows on the page too.
  if (!ClearKillLog(files_, path_) && files_.Exists(path_)) {
    prompts_.Inform(AnsiFromUtf8(kNotSaved), kTitle);
    prompts_.MakeTopmost();
    return;
  }
  listStat_.Clear();
  unreadLines_.clear();
  prompts_.MakeTopmost();
  if (setTitleColumnWidth_) setTitleColumnWidth_(kTitleColumnWideTwips);
}

}  // namespace vantrel
