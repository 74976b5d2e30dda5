// The window watch engine: one scan of the desktop's top-level windows, the
// size and title rules, the destruction of a window and the switch to one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/desktop.h"

namespace vantrel {

class KillRecorder;

// The lists and labels of the main window the engine works on.
struct WatchLists {
  ListControl& List0;   // work list: titles of the recorded windows
  ListControl& List0b;  // running number of every counted window
  ListControl& List1;   // active windows shown on the Windows page
  ListControl& List1b;  // for each List1 entry, the List0 position it came from
  ListControl& List2;   // titles of windows to destroy
  ListControl& List3;   // time of the last destruction by each title
  ListControl& List4;   // size rules "height - width"
  ListControl& List5;   // browser headers
  Label& Num0;
  Label& Num1;
  Label& Num2;
};

struct SizeRule {
  double height = 0;
  double width = 0;
};

// Reads "height - width": the first hyphen splits the two bounds. A rule
// without a hyphen has no readable height bound and gives nothing, so it
// never matches (it must not turn into a bound that catches every window).
std::optional<SizeRule> ReadSizeRule(std::string_view rule);

// A list title without its trailing state markers (" [Disabled]",
// " [Hidden]", " [Disabled] [Hidden]").
std::string StripStateMarkers(std::string_view listTitle);

inline constexpr std::string_view kDisabledMarker = " [Disabled]";

class WatchEngine {
 public:
  WatchEngine(Desktop& desktop, const Clock& clock, WatchLists lists, std::string applicationTitle);

  WatchEngine(const WatchEngine&) = delete;
  WatchEngine& operator=(const WatchEngine&) = delete;

  // The caption of the main window; entries equal to it are not shown in List1.
  void SetMainCaption(std::string caption) { mainCaption_ = std::move(caption); }
  // Where destructions are recorded (log line, statistics row, sound); none by default.
  void SetKillRecorder(KillRecorder* recorder) { recorder_ = recorder; }

  // One walk of the desktop. A call made while a scan is already running
  // (from an event handled during one of its yields) returns at once: the
  // work lists belong to the running scan, and the next tick scans again.
  void ScanWindows();

  // The browser-and-size pass for one visible, enabled, titled window.
  void CheckBrowserWindow(WindowHandle window, const std::string& title);
  // The title pass over List0 after the walk.
  void RunTitleRules();

  // Posts the close request to the window shown under listTitle and records
  // the destruction. False when recording failed (the request is posted).
  bool KillWindow(std::string_view listTitle);
  void SwitchToWindow(std::string_view listTitle);

  bool IsBrowserTitle(std::string_view title) const;
  bool Scanning() const { return scanning_; }

 private:
  WindowHandle FindListed(std::string_view listTitle) const;
  void BringActiveListInLine(int windowCount);
  int RebuildActiveList();
  void PruneActiveList();
  bool ActiveListStands() const;
  void ShowCounts();

  Desktop& desktop_;
  const Clock& clock_;
  WatchLists lists_;
  std::string applicationTitle_;
  std::string mainCaption_;
  KillRecorder* recorder_ = nullptr;
  bool scanning_ = false;
};

}  // namespace vantrel
