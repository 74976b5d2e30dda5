// The four pages below the main window's upper area, a form each, indexed
// by their Page. Their frames are made in the pages' order, which is how
// the end-to-end tests find them.
#pragma once

#include <windows.h>

#include "ui/main/help_page_form.h"
#include "ui/main/main_skin.h"
#include "ui/main/options_page_form.h"
#include "ui/main/statistics_page_form.h"
#include "ui/main/windows_page_form.h"
#include "ui/model/page_switcher.h"

namespace vantrel {

class PageFrames {
 public:
  // Where every frame stands in the main window's client area (pixels).
  static RECT Place();

  // Makes the frames, hidden, in main; skin outlives them.
  void Create(HWND main, const MainSkin& skin);
  // The page's form; null for Page::None.
  PageForm* Form(Page page);
  const PageForm* Form(Page page) const;
  bool AnyVisible() const;
  // Every frame hidden at its place.
  void HideAll();

  WindowsPageForm windows;
  OptionsPageForm options;
  StatisticsPageForm statistics;
  HelpPageForm help;
};

}  // namespace vantrel
