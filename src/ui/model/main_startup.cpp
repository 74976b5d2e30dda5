#include "ui/model/main_startup.h"

#include "store/rule_lists.h"
#include "store/settings.h"
#include "store/trace_file.h"
#include "ui/model/storage_notices.h"

namespace vantrel {

void LoadTitleRules(const ModuleINI& ini, ListControl& List2, TitleRuleState& titles) {
  List2.Clear();
  titles.nbOcc = LoadTitleList(ini, List2).countText;
  for (int p = 0; p < TitleRuleState::kSlots; ++p)
    titles.slots[static_cast<std::size_t>(p)] = p < List2.Count() ? List2.Item(p) : std::string();
}

void RunStartup(StartupContext& c) {
  // Place: the stored edges, or centred on a first start. A window entirely
  // off the screen comes back to the edge; one partly visible stays.
  c.window.SetSizeTwips(kMainWindowWidthTwips, kMainWindowHeightTwips);
  const double screenW = c.window.ScreenWidthTwips();
  const double screenH = c.window.ScreenHeightTwips();
  double top = c.settings.MainTop(screenH);
  double left = c.settings.MainLeft(screenW);
  if (top + kMainWindowHeightTwips < 0 || top > screenH) top = 0;
  if (left + kMainWindowWidthTwips < 0 || left > screenW) left = 0;
  c.window.SetPositionTwips(left, top);
  c.window.ApplyPointer();
  c.window.PlaceFrames();
  // The window shows once placed, so that the page opening is seen; one
  // that starts in the tray is never shown: only its icon appears.
  const bool startsHidden = c.settings.RunMinimize() == 1;
  if (!startsHidden) c.window.SetVisible(true);

  // Tried before anything is kept there; the box waits until the window
  // runs, so that it opens from the window's own loop.
  if (c.notices) c.notices->CheckProgramFolder(c.files, c.settings.ProgramFolder());

  LoadTitleRules(c.ini, c.List2, c.titles);

  if (c.loadTrayForm) c.loadTrayForm();
  // The first scan runs before the size rules are loaded and with the
  // built-in browser headers: it destroys by title only.
  if (c.scan) c.scan();
  if (c.addTrayIcon) c.addTrayIcon();

  c.titles.nbCondition = LoadSizeRules(c.ini, c.List4).countText;
  c.window.MakeTopmost();

  // Setting a box to a value it does not have runs its change handler.
  c.boxes.chkStart.SetValue(c.settings.RunAtStart() == 1);
  c.boxes.ChkDefaut.SetValue(c.settings.RunUrlDefault() == 1);

  const std::string trace = TraceFilePath(c.settings.ProgramFolder());
  if (c.files.Exists(trace)) DeleteTraceFile(c.files, trace);

  // The stored page opens as a click on its tab opens it; a window that
  // starts in the tray is not seen, and takes the page at once.
  const int stored = c.settings.Position();
  if (stored >= 1 && stored <= 3) c.pages.OpenStoredPage(static_cast<Page>(stored), !startsHidden);

  c.boxes.chkMin.SetValue(c.settings.RunMinimize() == 1);
  if (c.boxes.chkMin.Value()) {
    c.tray.SetEnabled(TrayItem::ShowMain, true);
    c.tray.SetEnabled(TrayItem::WindowsPage, true);
    c.pages.ShowTabClosed(Page::Windows);
    c.window.SetVisible(false);
  }
}

}  // namespace vantrel
