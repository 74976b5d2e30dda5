// The pages below the main window's upper area and how one of them is
// opened or closed: the window shrinks to its upper area, lets pending
// events run, and grows again with the new page.
#pragma once

#include <functional>
#include <string>

#include "platform/controls.h"
#include "ui/model/tray_items.h"

namespace vantrel {

class Settings;

enum class Page { None = 0, Windows = 1, Options = 2, Statistics = 3, Help = 4 };

// Heights of the main window in twips.
inline constexpr int kUpperAreaHeightTwips = 4065;
inline constexpr int kPageOpenHeightTwips = 7580;
inline constexpr int kShrinkStopTwips = 4050;
inline constexpr int kPauseEvents = 10001;

inline constexpr unsigned kOpenTabColour = 255;  // red
inline constexpr unsigned kClosedTabColour = 0;  // black

// What the page switching needs of the window.
class MainFrameView {
 public:
  virtual ~MainFrameView() = default;
  virtual int HeightTwips() const = 0;
  virtual void SetHeightTwips(int twips) = 0;
  // Bas1 .. Bas4.
  virtual void ShowFrame(Page frame, bool visible) = 0;
  virtual bool FrameVisible(Page frame) const = 0;
  // The tab picture of Windows, Options or Statistics.
  virtual void ShowTabPicture(Page tab, bool visible) = 0;
  // Handles every pending event once.
  virtual void DoEvents() = 0;
};

// What the pages do when they are opened or closed.
struct PageHooks {
  std::function<void()> loadStatistics;      // the Statistics page is opened
  std::function<void(bool)> runHelpScroller;  // Timer2 on or off
  std::function<void()> composeHelp;          // the help text is written anew
};

class PageSwitcher {
 public:
  PageSwitcher(MainFrameView& view, Settings& settings, TrayMenuItems& tray, Label& labFActive, Label& labFOption,
               Label& labFStat, Label& entete2, PageHooks hooks);

  // The tabs: each opens its page, or closes it when it is the open one.
  void LabFActive_Click() { ToggleTabPage(Page::Windows); }
  void LabFOption_Click() { ToggleTabPage(Page::Options); }
  void LabFStat_Click() { ToggleTabPage(Page::Statistics); }
  // The help button: opens the help page, or closes it.
  void BtnAide_Click();

  // The page whose tab is red, or Help while the help frame shows.
  Page OpenPage() const;

  void Shrink();
  void Pause();
  void Grow();

  // All three tab labels black, as for no page open.
  void BlackenTabs();

 private:
  void ToggleTabPage(Page page);
  Label& TabLabel(Page page);
  static TrayItem PageItem(Page page);
  void EnablePageItems(Page except);

  MainFrameView& view_;
  Settings& settings_;
  TrayMenuItems& tray_;
  Label& labFActive_;
  Label& labFOption_;
  Label& labFStat_;
  Label& entete2_;
  PageHooks hooks_;
};

// The title shown in Entete2 when a page opens (Windows-1252 text).
std::string PageTitle(Page page);

}  // namespace vantrel
