#include "ui/model/page_switcher.h"

#include "common/text.h"
#include "store/settings.h"

namespace vantrel {

std::string PageTitle(Page page) {
  switch (page) {
    case Page::Windows: return AnsiFromUtf8("Liste des fenêtres actives");
    case Page::Options: return "Options";
    case Page::Statistics: return "Statistiques";
    // A label shows the doubled ampersand as one.
    case Page::Help: return "Aide && A Propos";
    case Page::None: break;
  }
  return {};
}

PageSwitcher::PageSwitcher(MainFrameView& view, Settings& settings, TrayMenuItems& tray, Label& labFActive,
                           Label& labFOption, Label& labFStat, Label& entete2, PageHooks hooks)
    : view_(view),
      settings_(settings),
      tray_(tray),
      labFActive_(labFActive),
      labFOption_(labFOption),
      labFStat_(labFStat),
      entete2_(entete2),
      hooks_(std::move(hooks)) {}

Label& PageSwitcher::TabLabel(Page page) {
  switch (page) {
    case Page::Options: return labFOption_;
    case Page::Statistics: return labFStat_;
    default: return labFActive_;
  }
}

TrayItem PageSwitcher::PageItem(Page page) {
  switch (page) {
    case Page::Windows: return TrayItem::afffenete;
    case Page::Options: return TrayItem::affoption;
    case Page::Statistics: return TrayItem::affstat;
    default: return TrayItem::affhelp;
  }
}

void PageSwitcher::EnablePageItems(Page except) {
  for (Page p : {Page::Windows, Page::Options, Page::Statistics, Page::Help})
    tray_.SetEnabled(PageItem(p), p != except);
}

Page PageSwitcher::OpenPage() const {
  if (labFActive_.ForeColor() == kOpenTabColour) return Page::Windows;
  if (labFOption_.ForeColor() == kOpenTabColour) return Page::Options;
  if (labFStat_.ForeColor() == kOpenTabColour) return Page::Statistics;
  if (view_.FrameVisible(Page::Help)) return Page::Help;
  return Page::None;
}

void PageSwitcher::BlackenTabs() {
  labFActive_.SetForeColor(kClosedTabColour);
  labFOption_.SetForeColor(kClosedTabColour);
  labFStat_.SetForeColor(kClosedTabColour);
}

void PageSwitcher::Shrink() {
  // One twip at a time, from the current height down to the stop value.
  for (int h = view_.HeightTwips(); h >= kShrinkStopTwips; --h) view_.SetHeightTwips(view_.HeightTwips() - 1);
}

void PageSwitcher::Pause() {
  for (int i = 0; i < kPauseEvents; ++i) view_.DoEvents();
}

void PageSwitcher::Grow() {
  for (int h = view_.HeightTwips(); h <= kPageOpenHeightTwips; ++h) view_.SetHeightTwips(h);
}

void PageSwitcher::ToggleTabPage(Page page) {
  Label& tab = TabLabel(page);
  if (tab.ForeColor() == kOpenTabColour) {
    settings_.SaveText(setting::kPosition, "0");
    Shrink();
    BlackenTabs();
    for (Page f : {Page::Windows, Page::Options, Page::Statistics, Page::Help}) view_.ShowFrame(f, false);
    EnablePageItems(Page::None);
    return;
  }
  settings_.SaveText(setting::kPosition, CStr(static_cast<int>(page)));
  if (page == Page::Statistics && hooks_.loadStatistics) hooks_.loadStatistics();
  for (Page f : {Page::Windows, Page::Options, Page::Statistics, Page::Help}) view_.ShowFrame(f, f == page);
  Shrink();
  Pause();
  entete2_.SetCaption("");
  view_.ShowTabPicture(page, false);
  Grow();
  view_.ShowTabPicture(page, true);
  BlackenTabs();
  tab.SetForeColor(kOpenTabColour);
  entete2_.SetCaption(PageTitle(page));
  EnablePageItems(page);
}

void PageSwitcher::BtnAide_Click() {
  for (Page f : {Page::Windows, Page::Options, Page::Statistics}) view_.ShowFrame(f, false);
  Shrink();
  Pause();
  if (view_.FrameVisible(Page::Help)) {
    view_.ShowFrame(Page::Help, false);
    tray_.SetEnabled(TrayItem::affhelp, true);
    if (hooks_.runHelpScroller) hooks_.runHelpScroller(false);
    return;
  }
  view_.ShowFrame(Page::Help, true);
  entete2_.SetCaption("");
  Grow();
  BlackenTabs();
  entete2_.SetCaption(PageTitle(Page::Help));
  EnablePageItems(Page::Help);
  if (hooks_.runHelpScroller) hooks_.runHelpScroller(true);
  if (hooks_.composeHelp) hooks_.composeHelp();
}

}  // namespace vantrel
