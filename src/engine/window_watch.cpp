#include "engine/window_watch.h"

#include <exception>
#include <utility>

#include "common/text.h"
#include "engine/kill_recorder.h"

namespace vantrel {
namespace {

// Counted windows that are assumed never to be shown in the active list.
constexpr int kUncountedWindows = 3;
constexpr std::string_view kProgramManager = "Program Manager";
constexpr std::string_view kDisabled = "[Disabled]";
constexpr std::string_view kHidden = "[Hidden]";

void TraceSkippedStep(DebugTrace* trace, std::string_view what, std::string_view why) noexcept {
  if (trace == nullptr) return;
  try {
    std::string line = "Vantrel watch: could not ";
    line += what;
    line += ": ";
    line += why;
    trace->Write(line);
  } catch (...) {
    trace->Write("Vantrel watch: a step was skipped");
  }
}

}  // namespace

std::optional<SizeRule> ReadSizeRule(std::string_view rule) {
  const std::size_t hyphen = rule.find('-');
  if (hyphen == std::string_view::npos) return std::nullopt;
  return SizeRule{Val(rule.substr(0, hyphen)), Val(rule.substr(hyphen + 1))};
}

std::string StripStateMarkers(std::string_view s) {
  const std::size_t d = InStr(s, kDisabled);
  const std::size_t h = InStr(s, kHidden);
  std::size_t cut = 0;
  if (d > 0 && h > d) cut = 20;        // " [Disabled] [Hidden]"
  else if (h == 0 && d > 0) cut = 11;  // " [Disabled]"
  else if (h > 0 && d == 0) cut = 9;   // " [Hidden]"
  // The markers stand at the end; a shorter text cannot hold the whole marker.
  if (cut > s.size()) cut = s.size();
  return std::string(s.substr(0, s.size() - cut));
}

BrowserHeaders::BrowserHeaders(const ListControl& headers) {
  const int count = headers.Count();
  upper_.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
  for (int i = 0; i < count; ++i) upper_.push_back(UCase(TrimSpaces(headers.Item(i))));
}

bool BrowserHeaders::Matches(std::string_view title) const {
  if (upper_.empty()) return false;
  const std::string upperTitle = UCase(title);
  for (const std::string& header : upper_)
    if (upperTitle.find(header) != std::string::npos) return true;
  return false;
}

// Runs one step of a pass; a step that fails is skipped and the pass goes
// on. What was skipped is left in the trace.
template <class Step>
void WatchEngine::Tolerant(std::string_view what, Step&& step) const noexcept {
  try {
    step();
  } catch (const std::exception& e) {
    TraceSkippedStep(trace_, what, e.what());
  } catch (...) {
    TraceSkippedStep(trace_, what, "unknown failure");
  }
}

WatchEngine::WatchEngine(Desktop& desktop, const Clock& clock, WatchLists lists, std::string applicationTitle)
    : desktop_(desktop),
      clock_(clock),
      lists_(lists),
      applicationTitle_(std::move(applicationTitle)),
      mainCaption_(applicationTitle_) {}

bool WatchEngine::IsBrowserTitle(std::string_view title) const {
  return BrowserHeaders(lists_.browserHeaders).Matches(title);
}

KillRules WatchEngine::ReadRules() const {
  std::vector<std::string> entries;
  const int count = lists_.titlesToDestroy.Count();
  entries.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
  for (int p = 0; p < count; ++p) entries.push_back(lists_.titlesToDestroy.Item(p));
  return KillRules(entries);
}

FactsWanted WatchEngine::WantedFacts() const {
  return WantedFactsBy(BrowserHeaders(lists_.browserHeaders), ReadRules());
}

// The headers are copied into the test: the reading may run on another
// thread while the user edits the list.
FactsWanted WatchEngine::WantedFactsBy(const BrowserHeaders& headers, const KillRules& rules) const {
  return FactsWanted{.placement = [headers, application = applicationTitle_](const std::string& title) {
                       return title != application && headers.Matches(title);
                     },
                     .owners = rules.NeedOwners(),
                     .executables = rules.NeedExecutables()};
}

std::vector<std::string> WatchEngine::RecordedTitles() const {
  std::vector<std::string> titles;
  titles.reserve(recorded_.size());
  for (const RecordedWindow& r : recorded_) titles.push_back(r.listTitle);
  return titles;
}

bool WatchEngine::StartReading() {
  bool started = false;
  Tolerant("start a reading", [&] { started = reader_->StartReading(WantedFacts()); });
  if (!started) return false;
  unanswered_.push_back(++readingsAsked_);
  reading_ = true;
  return true;
}

void WatchEngine::Tick() {
  // A reading whose snapshot never came (lost on the way) does not stop the
  // watch: after a few ticks it is asked for again.
  constexpr int kTicksBeforeReadingIsLost = 6;
  if (reading_ && ++ticksWhileReading_ < kTicksBeforeReadingIsLost) return;
  reading_ = false;
  unanswered_.clear();
  ticksWhileReading_ = 0;
  // A reader that cannot start leaves the tick to scan on this thread, so
  // the watch never stops.
  if (reader_ == nullptr || !StartReading()) ScanWindows();
}

void WatchEngine::ReadAfresh() {
  if (reader_ == nullptr || !StartReading()) ScanWindows();
}

void WatchEngine::SnapshotArrived(DesktopSnapshot snapshot) {
  // Readings come back in the order they were asked for; a reader that
  // merged two requests into one reading gives this one the earlier number,
  // which only makes it more careful (the later number is let go with a
  // reading given up as lost).
  std::uint64_t reading = readingsAsked_;
  if (!unanswered_.empty()) {
    reading = unanswered_.front();
    unanswered_.pop_front();
  }
  reading_ = !unanswered_.empty();
  ticksWhileReading_ = 0;
  const BrowserHeaders headers(lists_.browserHeaders);
  KillRules rules;
  Tolerant("read the rules", [&] { rules = ReadRules(); });
  Tolerant("read the program's own windows",
           [&] { ReadDeferredFacts(desktop_, snapshot, WantedFactsBy(headers, rules)); });
  ApplySnapshotOf(snapshot, reading, headers, rules);
}

void WatchEngine::ScanWindows() {
  const std::uint64_t reading = ++readingsAsked_;
  const BrowserHeaders headers(lists_.browserHeaders);
  KillRules rules;
  Tolerant("read the rules", [&] { rules = ReadRules(); });
  DesktopSnapshot snapshot;
  Tolerant("read the desktop", [&] { snapshot = ReadDesktopSnapshot(desktop_, WantedFactsBy(headers, rules)); });
  ApplySnapshotOf(snapshot, reading, headers, rules);
}

void WatchEngine::ApplySnapshot(const DesktopSnapshot& snapshot) {
  KillRules rules;
  Tolerant("read the rules", [&] { rules = ReadRules(); });
  ApplySnapshotOf(snapshot, ++readingsAsked_, BrowserHeaders(lists_.browserHeaders), rules);
}

// A window as the rules see it: the program's own windows disabled behind
// one of its boxes are not counted at all (nothing).
std::optional<WatchEngine::Judged> WatchEngine::Candidate(const WindowFacts& facts,
                                                          const BrowserHeaders& headers) const {
  if (!facts.visible || facts.title.empty()) return std::nullopt;
  if (!facts.enabled && InStr(facts.title, applicationTitle_) > 0) return std::nullopt;
  Judged w;
  w.window = facts.handle;
  w.title = facts.title;
  w.enabled = facts.enabled;
  w.listTitle = facts.enabled ? facts.title : facts.title + std::string(kDisabledMarker);
  w.recorded = facts.enabled ? facts.title != applicationTitle_ && headers.Matches(facts.title) : true;
  w.restored = facts.restored;
  w.windowClass = facts.windowClass;
  w.executable = facts.executable;
  // A window whose owner could not be read is left alone too.
  w.untouchable = facts.process == 0 || facts.process == desktop_.OwnProcess() || IsShellWindowClass(facts.windowClass);
  return w;
}

void WatchEngine::ApplySnapshotOf(const DesktopSnapshot& snapshot, std::uint64_t reading,
                                  const BrowserHeaders& headers, const KillRules& rules) {
  countedWindows_ = 0;

  // The windows the rules may reach, in window order: the recorded ones,
  // and every other visible titled window when a rule reaches any window.
  std::vector<Judged> windows;
  for (const WindowFacts& facts : snapshot) {
    Tolerant("judge a window by size", [&] {
      std::optional<Judged> w = Candidate(facts, headers);
      if (!w) return;
      ++countedWindows_;
      if (!w->recorded && !rules.NeedOwners()) return;
      // A judgement asked this window to close after the reading began
      // (what was read predates the request), or just before: it is given
      // a watch period to close before it is asked again.
      if (AskedByJudgementLately(w->window, reading)) return;
      CheckBrowserWindow(*w);
      windows.push_back(std::move(*w));
    });
  }

  Tolerant("run the title rules", [&] { RunTitleRules(windows, rules); });
  // The recorded windows, in window order, but those the title rules took out.
  recorded_.clear();
  Tolerant("record the windows", [&] {
    for (const Judged& w : windows)
      if (w.recorded && !w.dropped) recorded_.push_back(RecordedWindow{.listTitle = w.listTitle, .window = w.window});
  });
  // Windows asked longer ago are the scans' to ask again if they stay.
  std::erase_if(askedByJudgement_, [&](const auto& asked) { return asked.second.reading + 1 < reading; });
  Tolerant("bring the active list in line", [&] { BringActiveListInLine(countedWindows_); });
  Tolerant("show the counts", [&] { ShowCounts(); });
}

// Asked after the reading was asked for, or after the one before it.
bool WatchEngine::AskedByJudgementLately(WindowHandle window, std::uint64_t reading) const {
  const auto asked = askedByJudgement_.find(window);
  return asked != askedByJudgement_.end() && asked->second.reading + 1 >= reading;
}

bool WatchEngine::MatchesSizeRule(const WindowRect& restored) const {
  const double height = static_cast<double>(restored.bottom) - restored.top;
  const double width = static_cast<double>(restored.right) - restored.left;
  const int rules = lists_.sizeRules.Count();
  for (int i = 0; i < rules; ++i) {
    const auto rule = ReadSizeRule(lists_.sizeRules.Item(i));
    if (rule && height <= rule->height && width <= rule->width) return true;
  }
  return false;
}

// A browser window small enough for a size rule is asked to close; it stays
// among the recorded windows.
void WatchEngine::CheckBrowserWindow(Judged& window) {
  if (!window.recorded || !window.enabled) return;
  // A window whose placement could not be read is not judged by size.
  if (window.restored && MatchesSizeRule(*window.restored))
    Tolerant("close a window by size", [&] { AskToClose(window); });
}

void WatchEngine::NoteDestructionTime(int p) {
  Tolerant("note the destruction time", [&] {
    if (!lists_.destructionTimes.Item(p).empty()) lists_.destructionTimes.Remove(p);
    lists_.destructionTimes.Insert(p, FormatTimeOfDay(clock_.Now()));  // fails beyond the end
  });
}

// Each rule in list order against the windows in window order. A window is
// asked once per pass, whichever rules match it. A plain rule goes through
// the recorded windows as through a list it takes its matches out of: the
// recorded window after a match is not compared with that rule in this
// pass (it is left for the next scan).
void WatchEngine::RunTitleRules(std::vector<Judged>& windows, const KillRules& rules) {
  for (int p = 0; p < rules.Count(); ++p) {
    const bool plain = rules.Rule(p).plain;
    for (std::size_t e = 0; e < windows.size(); ++e) {
      Judged& w = windows[e];
      if (w.dropped || w.asked || !rules.Matches(p, w)) continue;
      Tolerant("close a window by title", [&] { AskToClose(w); });
      NoteDestructionTime(p);
      if (w.recorded) w.dropped = true;
      if (!plain) continue;
      while (e + 1 < windows.size() && (!windows[e + 1].recorded || windows[e + 1].dropped)) ++e;
      ++e;
    }
  }
}

// The close request goes to the very window judged; its destruction is
// recorded only when the request went out.
bool WatchEngine::AskToClose(Judged& window) {
  window.asked = true;
  return KillWindow(window.window, window.listTitle);
}

bool WatchEngine::JudgeNewWindow(WindowHandle window) {
  const BrowserHeaders headers(lists_.browserHeaders);
  const KillRules rules = ReadRules();
  WindowFacts facts;
  facts.handle = window;
  ReadWindowFacts(desktop_, facts, WantedFactsBy(headers, rules));
  if (!facts.visible) return false;
  std::optional<Judged> w = Candidate(facts, headers);
  if (!w) return true;
  // Handed over again under the title it was asked under (shown after its
  // creation, or renamed to the same text): one request is enough, and a
  // window that stays is asked again by the scans.
  if (const auto asked = askedByJudgement_.find(window);
      asked != askedByJudgement_.end() && asked->second.listTitle == w->listTitle)
    return true;
  std::vector<Judged> one{std::move(*w)};
  CheckBrowserWindow(one.front());
  RunTitleRules(one, rules);
  if (one.front().asked) askedByJudgement_[window] = AskedWindow{.listTitle = one.front().listTitle, .reading = readingsAsked_};
  return true;
}

WindowHandle WatchEngine::FindListed(std::string_view listTitle) const {
  const std::string title = StripStateMarkers(listTitle);
  // Every listed window has a title; looking up the empty title would pick
  // some untitled window of the desktop.
  if (title.empty()) return 0;
  return desktop_.FindByTitle(title);
}

bool WatchEngine::KillWindow(std::string_view listTitle) {
  const WindowHandle window = FindListed(listTitle);
  if (window != 0) desktop_.PostClose(window);
  if (recorder_ == nullptr) return true;
  return recorder_->RecordKill(listTitle);
}

bool WatchEngine::KillWindow(WindowHandle judged, std::string_view listTitle) {
  // The title is read again just before the request. A window renamed or
  // gone since it was judged is no longer the one the rule named: no other
  // window bearing the old title is asked in its place (a hidden twin would
  // take the request and the pop-up stay open), and nothing is recorded: a
  // window gone was closed already, and one renamed is judged anew.
  const std::string title = StripStateMarkers(listTitle);
  if (judged == 0 || title.empty() || desktop_.Title(judged) != title) return true;
  if (!desktop_.PostClose(judged)) return true;
  if (recorder_ == nullptr) return true;
  return recorder_->RecordKill(listTitle);
}

void WatchEngine::SwitchToWindow(std::string_view listTitle) {
  const WindowHandle window = FindListed(listTitle);
  if (window != 0) desktop_.BringToTop(window);
}

void WatchEngine::BringActiveListInLine(int windowCount) {
  ListControl& list1 = lists_.activeWindows;
  int expected = windowCount - kUncountedWindows;
  // A failed check empties the list and decides once more; after that the
  // list is either freshly rebuilt (and stands) or empty.
  for (int round = 0; round < 2; ++round) {
    // Pruning can leave the list shorter than expected (positions shifted
    // under the entries kept): it is then rebuilt at once.
    if (expected < list1.Count()) PruneActiveList();
    if (expected > list1.Count()) windowCount = RebuildActiveList();
    if (ActiveListStands()) return;
    list1.Clear();
    lists_.activeSources.Clear();
    expected = windowCount - kUncountedWindows;
  }
}

// The list is filled anew from the recorded titles. When that gives exactly the entries
// it already shows, it is left as it is: rewriting the same entries twice a
// second would only clear the user's selection under the Windows page's
// buttons, and repaint the list for nothing.
int WatchEngine::RebuildActiveList() {
  std::vector<std::string> texts, positions;
  for (std::size_t k = 0; k < recorded_.size(); ++k) {
    const std::string& entry = recorded_[k].listTitle;
    if (entry == mainCaption_ || entry == kProgramManager) continue;
    texts.push_back(entry);
    positions.push_back(CStr(static_cast<long long>(k)));
  }
  const int count = static_cast<int>(texts.size());
  bool same = lists_.activeWindows.Count() == count && lists_.activeSources.Count() == count;
  for (int a = 0; same && a < count; ++a)
    same = lists_.activeWindows.Item(a) == texts[static_cast<std::size_t>(a)] &&
           lists_.activeSources.Item(a) == positions[static_cast<std::size_t>(a)];
  if (same) return count;
  lists_.activeWindows.ReplaceAll(texts);
  lists_.activeSources.ReplaceAll(positions);
  return count;
}

// An active-list entry stands while the recorded windows hold its text at the
// place kept for it in activeSources, written as that place's number.
static bool EntryStands(const std::vector<RecordedWindow>& recorded, const std::string& text,
                        const std::string& position) {
  const auto pos = ParseCount(position);
  if (!pos || *pos >= static_cast<long long>(recorded.size())) return false;
  return recorded[static_cast<std::size_t>(*pos)].listTitle == text && CStr(*pos) == position;
}

// Entries that no longer stand among the recorded titles are dropped; those kept keep their
// order and the selection.
void WatchEngine::PruneActiveList() {
  for (int a = lists_.activeWindows.Count() - 1; a >= 0; --a) {
    if (!EntryStands(recorded_, lists_.activeWindows.Item(a), lists_.activeSources.Item(a))) {
      lists_.activeWindows.Remove(a);
      lists_.activeSources.Remove(a);
    }
  }
}

bool WatchEngine::ActiveListStands() const {
  const int entries = lists_.activeWindows.Count();
  if (lists_.activeSources.Count() != entries) return false;
  for (int a = 0; a < entries; ++a)
    if (!EntryStands(recorded_, lists_.activeWindows.Item(a), lists_.activeSources.Item(a))) return false;
  return true;
}

void WatchEngine::ShowCounts() {
  lists_.recordedCount.SetCaption(CStr(static_cast<long long>(recorded_.size())));
  lists_.activeCount.SetCaption(CStr(lists_.activeWindows.Count()));
  static const std::string kToDestroy = AnsiFromUtf8("Nombre de Fenetre(s) à détruire : ");
  lists_.toDestroyCaption.SetCaption(kToDestroy + CStr(lists_.titlesToDestroy.Count()));
}

}  // namespace vantrel
