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

TrayItem PageSwitcher::PageItem(Page page) {
  switch (page) {
    case Page::Windows: return TrayItem::WindowsPage;
    case Page::Options: return TrayItem::OptionsPage;
    case Page::Statistics: return TrayItem::StatisticsPage;
    default: return TrayItem::HelpPage;
  }
}

void PageSwitcher::EnablePageItems(Page except) {
  for (Page p : {Page::Windows, Page::Options, Page::Statistics, Page::Help})
    tray_.SetEnabled(PageItem(p), p != except);
}

Page PageSwitcher::OpenPage() const {
  if (openTab_ != Page::None) return openTab_;
  if (view_.FrameVisible(Page::Help)) return Page::Help;
  return Page::None;
}

void PageSwitcher::ShowTabColours() {
  labFActive_.SetForeColor(openTab_ == Page::Windows ? kOpenTabColour : kClosedTabColour);
  labFOption_.SetForeColor(openTab_ == Page::Options ? kOpenTabColour : kClosedTabColour);
  labFStat_.SetForeColor(openTab_ == Page::Statistics ? kOpenTabColour : kClosedTabColour);
}

void PageSwitcher::BlackenTabs() {
  openTab_ = Page::None;
  ShowTabColours();
}

// One twip at a time, from the current height down to the stop value; a
// step goes one pixel's worth.
bool PageSwitcher::ShrinkOnePixel() {
  for (int i = 0; i < kTwipsPerAnimationStep; ++i) {
    if (view_.HeightTwips() < kShrinkStopTwips) return false;
    view_.SetHeightTwips(view_.HeightTwips() - 1);
  }
  return view_.HeightTwips() >= kShrinkStopTwips;
}

bool PageSwitcher::GrowOnePixel() {
  for (int i = 0; i < kTwipsPerAnimationStep; ++i) {
    if (growNext_ > kPageOpenHeightTwips) return false;
    view_.SetHeightTwips(growNext_++);
  }
  return growNext_ <= kPageOpenHeightTwips;
}

void PageSwitcher::Shrink() {
  while (ShrinkOnePixel()) {
  }
}

void PageSwitcher::Grow() {
  growNext_ = view_.HeightTwips();
  while (GrowOnePixel()) {
  }
  growNext_ = 0;
}

void PageSwitcher::Animate(std::initializer_list<Step> steps) {
  const bool idle = steps_.empty();
  steps_.insert(steps_.end(), steps.begin(), steps.end());
  if (idle) view_.RequestAnimationSteps();
}

bool PageSwitcher::AnimationStep() {
  while (!steps_.empty()) {
    Step& step = steps_.front();
    switch (step.kind) {
      case StepKind::Shrink:
        if (ShrinkOnePixel()) return true;
        steps_.pop_front();
        return !steps_.empty();
      case StepKind::Grow:
        // The growing starts from wherever the window stands then.
        if (growNext_ == 0) growNext_ = view_.HeightTwips();
        if (GrowOnePixel()) return true;
        growNext_ = 0;
        steps_.pop_front();
        return !steps_.empty();
      case StepKind::Pause:
        // Nothing but a step of its own: what waits in the window's loop
        // (the watch's work, a repaint) runs before the growing starts.
        steps_.pop_front();
        return !steps_.empty();
      case StepKind::Do: {
        // The action may queue more steps: it is taken off first.
        const std::function<void()> action = std::move(step.action);
        steps_.pop_front();
        if (action) action();
        break;
      }
    }
  }
  return false;
}

void PageSwitcher::ToggleTabPage(Page page) {
  if (Animating()) return;
  if (openTab_ == page) {
    settings_.SaveText(setting::kPosition, "0");
    Animate({{StepKind::Shrink, {}}, {StepKind::Do, [this] { CloseTab(); }}});
    return;
  }
  settings_.SaveText(setting::kPosition, CStr(static_cast<int>(page)));
  if (page == Page::Statistics && hooks_.loadStatistics) hooks_.loadStatistics();
  for (Page f : {Page::Windows, Page::Options, Page::Statistics, Page::Help}) view_.ShowFrame(f, f == page);
  Animate({{StepKind::Shrink, {}},
           {StepKind::Pause, {}},
           {StepKind::Do,
            [this, page] {
              entete2_.SetCaption("");
              view_.ShowTabPicture(page, false);
            }},
           {StepKind::Grow, {}},
           {StepKind::Do, [this, page] { OpenTab(page); }}});
}

void PageSwitcher::OpenStoredPage(Page page, bool animated) {
  if (animated) {
    ToggleTabPage(page);
    return;
  }
  StopAnimation();
  settings_.SaveText(setting::kPosition, CStr(static_cast<int>(page)));
  if (page == Page::Statistics && hooks_.loadStatistics) hooks_.loadStatistics();
  for (Page f : {Page::Windows, Page::Options, Page::Statistics, Page::Help}) view_.ShowFrame(f, f == page);
  view_.SetHeightTwips(kPageOpenHeightTwips);
  OpenTab(page);
}

void PageSwitcher::ShowTabClosed(Page tab) {
  if (openTab_ == tab) openTab_ = Page::None;
  ShowTabColours();
}

void PageSwitcher::CloseTab() {
  BlackenTabs();
  for (Page f : {Page::Windows, Page::Options, Page::Statistics, Page::Help}) view_.ShowFrame(f, false);
  EnablePageItems(Page::None);
}

void PageSwitcher::OpenTab(Page page) {
  view_.ShowTabPicture(page, true);
  openTab_ = page;
  ShowTabColours();
  entete2_.SetCaption(PageTitle(page));
  EnablePageItems(page);
}

void PageSwitcher::BtnAide_Click() {
  if (Animating()) return;
  for (Page f : {Page::Windows, Page::Options, Page::Statistics}) view_.ShowFrame(f, false);
  Animate({{StepKind::Shrink, {}}, {StepKind::Pause, {}}, {StepKind::Do, [this] { ToggleHelpFrame(); }}});
}

// Once the window has shrunk: the help frame goes if it was shown (the window
// stays shrunk), or shows and the window grows with it.
void PageSwitcher::ToggleHelpFrame() {
  if (view_.FrameVisible(Page::Help)) {
    view_.ShowFrame(Page::Help, false);
    tray_.SetEnabled(TrayItem::HelpPage, true);
    if (hooks_.runHelpScroller) hooks_.runHelpScroller(false);
    return;
  }
  view_.ShowFrame(Page::Help, true);
  entete2_.SetCaption("");
  Animate({{StepKind::Grow, {}}, {StepKind::Do, [this] { OpenHelp(); }}});
}

void PageSwitcher::OpenHelp() {
  BlackenTabs();
  entete2_.SetCaption(PageTitle(Page::Help));
  EnablePageItems(Page::Help);
  if (hooks_.runHelpScroller) hooks_.runHelpScroller(true);
  if (hooks_.composeHelp) hooks_.composeHelp();
}

}  // namespace vantrel
