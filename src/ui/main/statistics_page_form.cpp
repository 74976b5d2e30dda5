#include "ui/main/statistics_page_form.h"

#include <commctrl.h>

#include "assets/resource_ids.h"
#include "common/text.h"
#include "ui/model/twips.h"

namespace vantrel {

StatisticsPageForm::StatisticsPageForm() : PageForm(IDB_PAGE_STATS) {}

void StatisticsPageForm::Connect(FileSystem& files, std::string killLogPath, UserPrompts& prompts) {
  operations_ = std::make_unique<StatisticsPage>(rows_, files, std::move(killLogPath), prompts,
                                                 [this](int twips) { SetTitleColumnWidth(twips); });
}

void StatisticsPageForm::CreateContents() {
  AddLabel(RECT{8, 3, 208, 19}, "Statisiques", Skin().fonts.Title(), kHeaderText);

  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                         RECT{8, 28, 322, 198}, "", WS_EX_CLIENTEDGE);
  SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const struct {
    const char* title;
    int twips;
  } columns[] = {{"Date ", 1200}, {"Heure ", 1000}, {"Nom de la fenêtre", kTitleColumnNarrowTwips}};
  // The title column has its design width until a load fits it to the rows;
  // a log that cannot be read fits nothing and leaves it so.
  for (int i = 0; i < 3; ++i) {
    std::string text = AnsiFromUtf8(columns[i].title);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = columns[i].twips / kTwipsPerPixel;
    column.iSubItem = i;
    SendMessageA(view, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  rows_.Attach(view);

  AddButton(emptyLog_, POINT{8, 206}, true, "Tout Supprimer", [this] { operations_->Empty(); });
  AddButton(deleteRow_, POINT{242, 206}, false, "Supprimer", [this] { operations_->DeleteSelected(); });
}

void StatisticsPageForm::SetTitleColumnWidth(int twips) {
  if (rows_.Handle()) SendMessageA(rows_.Handle(), LVM_SETCOLUMNWIDTH, 2, twips / kTwipsPerPixel);
}

}  // namespace vantrel
