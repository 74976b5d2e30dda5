// The pages below the main window's upper area and how one of them is
// opened or closed: the window shrinks to its upper area, lets pending
// events run, and grows again with the new page. The animation runs in
// steps, each a message of the window's own loop, so that the watch's work
// goes on between them and nothing the user does runs inside one.
#pragma once

#include <deque>
#include <initializer_list>
#include <functional>
#include <string>

#include "platform/controls.h"
#include "ui/model/tray_items.h"
#include "ui/model/twips.h"

namespace vantrel {

class Settings;

enum class Page { None = 0, Windows = 1, Options = 2, Statistics = 3, Help = 4 };

// Heights of the main window in twips.
inline constexpr int kUpperAreaHeightTwips = 4065;
inline constexpr int kPageOpenHeightTwips = 7580;
inline constexpr int kShrinkStopTwips = 4050;
// The window moves one twip at a time; a step of the animation goes as far
// as one pixel, the least the eye can see.
inline constexpr int kTwipsPerAnimationStep = kTwipsPerPixel;

inline constexpr unsigned kOpenTabColour = 255;  // red
inline constexpr unsigned kClosedTabColour = 0;  // black

// What the page switching needs of the window.
class MainFrameView {
 public:
  virtual ~MainFrameView() = default;
  virtual int HeightTwips() const = 0;
  virtual void SetHeightTwips(int twips) = 0;
  // Shows or hides one page's frame (Bas1 .. Bas4, Windows to Help).
  virtual void ShowFrame(Page frame, bool visible) = 0;
  virtual bool FrameVisible(Page frame) const = 0;
  // The tab picture of Windows, Options or Statistics.
  virtual void ShowTabPicture(Page tab, bool visible) = 0;
  // Asks for the animation's steps to be run, from the window's own loop,
  // after what is already waiting there (AnimationStep until it says no more).
  virtual void RequestAnimationSteps() = 0;
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
  // A click while the window is still moving is refused.
  void LabFActive_Click() { ToggleTabPage(Page::Windows); }
  void LabFOption_Click() { ToggleTabPage(Page::Options); }
  void LabFStat_Click() { ToggleTabPage(Page::Statistics); }
  // The help button: opens the help page, or closes it.
  void BtnAide_Click();

  // The open tab page (its tab is red), or Help while the help frame shows.
  Page OpenPage() const;

  bool Animating() const { return !steps_.empty(); }
  // Drops the steps left: the window is being set to another height anyway.
  void StopAnimation() {
    steps_.clear();
    growNext_ = 0;
  }
  // Runs the animation's next step: the window one pixel nearer its goal,
  // the pause, or what is done between and after. False once no step is left.
  bool AnimationStep();

  // The whole shrinking or growing at once (the benchmarks time them).
  void Shrink();
  void Grow();

  // All three tab labels black, as for no page open.
  void BlackenTabs();

  // The page stored at the last run, opened at start: as its tab's click
  // opens it, or at once, without the animation (a window not shown).
  void OpenStoredPage(Page page, bool animated);
  // The tab drawn black and taken as closed, whatever its page shows.
  void ShowTabClosed(Page tab);

 private:
  enum class StepKind { Shrink, Pause, Grow, Do };
  struct Step {
    StepKind kind;
    std::function<void()> action;  // for Do
  };

  void ToggleTabPage(Page page);
  void Animate(std::initializer_list<Step> steps);
  bool ShrinkOnePixel();
  bool GrowOnePixel();
  void OpenTab(Page page);
  void CloseTab();
  void ToggleHelpFrame();
  void OpenHelp();
  void ShowTabColours();
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
  // The tab page open (its tab red); None when no tab page is.
  Page openTab_ = Page::None;
  std::deque<Step> steps_;
  int growNext_ = 0;  // the next height of a growing under way
};

// The title shown in Entete2 when a page opens (Windows-1252 text).
std::string PageTitle(Page page);

}  // namespace vantrel
