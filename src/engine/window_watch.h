// The window watch engine: one scan of the desktop's top-level windows, the
// size and title rules, the destruction of a window and the switch to one.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/kill_rules.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/debug_trace.h"
#include "platform/desktop.h"
#include "platform/desktop_snapshot.h"

namespace vantrel {

class KillRecorder;

// The lists and labels of the main window the engine works on; built with
// designated initializers (every member is a list of text, and a list handed
// over in the wrong place would still compile).
struct WatchLists {
  ListControl& activeWindows;     // List1: the active windows the Windows page shows
  ListControl& activeSources;     // List1b: for each active window, its place among the recorded windows
  ListControl& titlesToDestroy;   // List2: the titles of windows to destroy
  ListControl& destructionTimes;  // List3: time of the last destruction by each title
  ListControl& sizeRules;         // List4: size rules "height - width"
  ListControl& browserHeaders;    // List5: browser title pieces
  Label& recordedCount;           // Num0: how many windows the last scan recorded
  Label& activeCount;             // Num1
  Label& toDestroyCaption;        // Num2: "Nombre de Fenetre(s) à détruire : n"
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

// A window a scan recorded (List0): a browser window, or a disabled window
// of another program, under its list title. Its place among the recorded
// windows is what the active list keeps for each of its entries (List1b;
// the running numbers of List0b are those places).
struct RecordedWindow {
  std::string listTitle;
  WindowHandle window = 0;
};

// The browser title pieces, trimmed and upper-cased once: a title belongs to
// a browser window when its upper case contains one of them. An empty piece
// matches every title.
class BrowserHeaders {
 public:
  explicit BrowserHeaders(const ListControl& headers);
  bool Matches(std::string_view title) const;

 private:
  std::vector<std::string> upper_;
};

class WatchEngine {
 public:
  WatchEngine(Desktop& desktop, const Clock& clock, WatchLists lists, std::string applicationTitle);

  WatchEngine(const WatchEngine&) = delete;
  WatchEngine& operator=(const WatchEngine&) = delete;

  // The caption of the main window; entries equal to it are not shown among the active windows.
  void SetMainCaption(std::string caption) { mainCaption_ = std::move(caption); }
  // Where destructions are recorded (log line, statistics row, sound); none by default.
  void SetKillRecorder(KillRecorder* recorder) { recorder_ = recorder; }
  // Where the watch tick has the desktop read; without one the tick reads
  // it at once, on the caller's thread.
  void SetDesktopReader(DesktopReader* reader) { reader_ = reader; }
  // Where a step the watch skips after a failure is noted; none by default.
  void SetDebugTrace(DebugTrace* trace) { trace_ = trace; }

  // The watch tick. Has the desktop read away from the user interface and
  // returns; the rules run when the snapshot arrives (SnapshotArrived). A
  // tick that comes while a snapshot is being read starts nothing: one
  // reading at a time, and the next tick reads again.
  void Tick();
  // The snapshot a reading started by Tick gave; the program's own windows
  // in it are read here, then the rules run on it.
  void SnapshotArrived(DesktopSnapshot snapshot);
  bool ReadingDesktop() const { return reading_; }
  // Asks for a reading that begins after this call, even while one is
  // under way: what that one brings may predate the call.
  void ReadAfresh();

  // One whole scan on the caller's thread: the desktop is read, then the
  // rules run on what was read. Nothing else runs in between.
  void ScanWindows();
  // The rules on one snapshot: the browser-and-size pass for every visible,
  // enabled, titled window, the title pass, the active list and the counts.
  // A window that a judgement asked to close after the reading began is
  // neither asked again nor recorded (the snapshot saw it before the
  // request), nor by the reading asked next: a window closing takes a moment.
  void ApplySnapshot(const DesktopSnapshot& snapshot);

  // Judges one top-level window the moment it appears or is renamed, by the
  // rules of the scan and the same code. A match is destroyed as at a scan;
  // a window already asked under the same list title is not asked again.
  // False when the window is not visible (it is judged once it is).
  bool JudgeNewWindow(WindowHandle window);

  // The windows the last scan recorded, in window order (List0), and how
  // many visible windows it counted.
  const std::vector<RecordedWindow>& Recorded() const { return recorded_; }
  std::vector<std::string> RecordedTitles() const;
  int CountedWindows() const { return countedWindows_; }

  // Posts the close request to the window shown under listTitle (looked up
  // by its exact title, a visible window first) and records the destruction.
  // False when recording failed (the request is posted).
  bool KillWindow(std::string_view listTitle);
  // The same for a window the rules judged: the request goes to that window
  // if it still bears the title, never to another window of the same title.
  bool KillWindow(WindowHandle judged, std::string_view listTitle);
  void SwitchToWindow(std::string_view listTitle);

  bool IsBrowserTitle(std::string_view title) const;
  // What a reading of the desktop must know: which windows' placement the
  // size rules will want (the browser windows of the current headers), and
  // whether the rules look at owners, classes and executables.
  FactsWanted WantedFacts() const;

 private:
  // One window in a pass of the rules.
  struct Judged : RuleCandidate {
    std::optional<WindowRect> restored;
    bool asked = false;    // a close request went out in this pass
    bool dropped = false;  // taken out of the recorded windows
  };

  template <class Step>
  void Tolerant(std::string_view what, Step&& step) const noexcept;
  FactsWanted WantedFactsBy(const BrowserHeaders& headers, const KillRules& rules) const;
  bool StartReading();
  void ApplySnapshotOf(const DesktopSnapshot& snapshot, std::uint64_t reading, const BrowserHeaders& headers,
                       const KillRules& rules);
  KillRules ReadRules() const;
  std::optional<Judged> Candidate(const WindowFacts& facts, const BrowserHeaders& headers) const;
  void CheckBrowserWindow(Judged& window);
  bool MatchesSizeRule(const WindowRect& restored) const;
  void RunTitleRules(std::vector<Judged>& windows, const KillRules& rules);
  bool AskToClose(Judged& window);
  bool AskedByJudgementLately(WindowHandle window, std::uint64_t reading) const;
  void NoteDestructionTime(int titlePosition);
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
  DesktopReader* reader_ = nullptr;
  DebugTrace* trace_ = nullptr;
  bool reading_ = false;
  int ticksWhileReading_ = 0;
  std::vector<RecordedWindow> recorded_;
  int countedWindows_ = 0;
  // Readings are numbered as they are asked for; each judgement's close
  // request notes the number of the latest one and the list title it went
  // out under.
  std::uint64_t readingsAsked_ = 0;
  // The readings asked of the reader and not yet come back, oldest first.
  std::deque<std::uint64_t> unanswered_;
  struct AskedWindow {
    std::string listTitle;
    std::uint64_t reading;
  };
  std::map<WindowHandle, AskedWindow> askedByJudgement_;
};

}  // namespace vantrel
