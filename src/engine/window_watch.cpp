#include "engine/window_watch.h"

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

// Runs one step of a pass; a step that fails is skipped and the pass goes on.
template <class Step>
void Tolerant(Step&& step) noexcept {
  try {
    step();
  } catch (...) {
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

WatchEngine::WatchEngine(Desktop& desktop, const Clock& clock, WatchLists lists, std::string applicationTitle)
    : desktop_(desktop),
      clock_(clock),
      lists_(lists),
      applicationTitle_(std::move(applicationTitle)),
      mainCaption_(applicationTitle_) {}

bool WatchEngine::IsBrowserTitle(std::string_view title) const {
  return BrowserHeaders(lists_.browserHeaders).Matches(title);
}

PlacementWanted WatchEngine::BrowserPlacementWanted() const {
  return PlacementWantedBy(BrowserHeaders(lists_.browserHeaders));
}

// The headers are copied into the test: the reading may run on another
// thread while the user edits the list.
PlacementWanted WatchEngine::PlacementWantedBy(BrowserHeaders headers) const {
  return [headers = std::move(headers), application = applicationTitle_](const std::string& title) {
    return title != application && headers.Matches(title);
  };
}

void WatchEngine::Tick() {
  // A reading whose snapshot never came (lost on the way) does not stop the
  // watch: after a few ticks it is asked for again.
  constexpr int kTicksBeforeReadingIsLost = 6;
  if (reading_ && ++ticksWhileReading_ < kTicksBeforeReadingIsLost) return;
  reading_ = false;
  ticksWhileReading_ = 0;
  if (reader_ == nullptr) {
    ScanWindows();
    return;
  }
  bool started = false;
  Tolerant([&] { started = reader_->StartReading(BrowserPlacementWanted()); });
  // A reader that cannot start leaves the tick to scan on this thread, so
  // the watch never stops.
  if (started) reading_ = true;
  else ScanWindows();
}

void WatchEngine::SnapshotArrived(DesktopSnapshot snapshot) {
  reading_ = false;
  Tolerant([&] { ReadDeferredFacts(desktop_, snapshot, BrowserPlacementWanted()); });
  ApplySnapshot(snapshot);
}

void WatchEngine::ScanWindows() {
  DesktopSnapshot snapshot;
  Tolerant([&] { snapshot = ReadDesktopSnapshot(desktop_, BrowserPlacementWanted()); });
  ApplySnapshot(snapshot);
}

void WatchEngine::Record(WindowHandle window, std::string listTitle) {
  lists_.recordedTitles.Add(std::move(listTitle));
  recordedWindows_.push_back(window);
}

void WatchEngine::ApplySnapshot(const DesktopSnapshot& snapshot) {
  Tolerant([&] {
    lists_.recordedTitles.Clear();
    lists_.countedPositions.Clear();
    recordedWindows_.clear();
  });
  BrowserHeaders headers(lists_.browserHeaders);

  int windowCount = 0;
  for (const WindowFacts& window : snapshot) {
    Tolerant([&] {
      if (!window.visible || window.title.empty()) return;
      if (window.enabled) {
        if (window.title != applicationTitle_) Tolerant([&] { CheckBrowserWindow(window, headers); });
        lists_.countedPositions.Add(CStr(windowCount++));
      } else {
        // The program's own windows, disabled behind one of its boxes, are not listed.
        if (InStr(window.title, applicationTitle_) > 0) return;
        Record(window.handle, window.title + std::string(kDisabledMarker));
        lists_.countedPositions.Add(CStr(windowCount++));
      }
    });
  }

  Tolerant([&] { RunTitleRules(); });
  Tolerant([&] { BringActiveListInLine(windowCount); });
  Tolerant([&] { ShowCounts(); });
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

void WatchEngine::CheckBrowserWindow(const WindowFacts& window, const BrowserHeaders& headers) {
  if (!headers.Matches(window.title)) return;
  Record(window.handle, window.title);
  // A window whose placement could not be read is not judged by size.
  if (window.restored && MatchesSizeRule(*window.restored)) KillWindow(window.handle, window.title);
}

void WatchEngine::NoteDestructionTime(int p) {
  Tolerant([&] {
    if (!lists_.destructionTimes.Item(p).empty()) lists_.destructionTimes.Remove(p);
    lists_.destructionTimes.Insert(p, FormatTimeOfDay(clock_.Now()));  // fails beyond the end
  });
}

void WatchEngine::RunTitleRules() {
  const int titles = lists_.titlesToDestroy.Count();
  for (int p = 0; p < titles; ++p) {
    const std::string title = lists_.titlesToDestroy.Item(p);
    // The count of recorded titles is taken anew at every step: entries are
    // removed as they are destroyed, and nothing past the end is compared.
    for (int e = 0; e < lists_.recordedTitles.Count(); ++e) {
      const std::string entry = lists_.recordedTitles.Item(e);
      if (entry != title) continue;
      const auto at = static_cast<std::size_t>(e);
      const WindowHandle window = at < recordedWindows_.size() ? recordedWindows_[at] : 0;
      Tolerant([&] { KillWindow(window, entry); });
      NoteDestructionTime(p);
      // The entry that moves into position e is left for the next scan.
      lists_.recordedTitles.Remove(e);
      if (at < recordedWindows_.size()) recordedWindows_.erase(recordedWindows_.begin() + e);
    }
  }
}

bool WatchEngine::JudgeNewWindow(WindowHandle window) {
  const BrowserHeaders headers(lists_.browserHeaders);
  WindowFacts facts;
  facts.handle = window;
  ReadWindowFacts(desktop_, facts, PlacementWantedBy(headers));
  if (!facts.visible) return false;
  if (facts.title.empty()) return true;

  std::string listTitle;
  if (facts.enabled) {
    if (facts.title == applicationTitle_ || !headers.Matches(facts.title)) return true;
    if (facts.restored && MatchesSizeRule(*facts.restored)) {
      KillWindow(window, facts.title);
      return true;
    }
    listTitle = facts.title;
  } else {
    if (InStr(facts.title, applicationTitle_) > 0) return true;
    listTitle = facts.title + std::string(kDisabledMarker);
  }
  // One close request per judgement: a window that a size rule closes is
  // not asked again by a title rule in the same moment.
  const int titles = lists_.titlesToDestroy.Count();
  for (int p = 0; p < titles; ++p) {
    if (lists_.titlesToDestroy.Item(p) != listTitle) continue;
    KillWindow(window, listTitle);
    NoteDestructionTime(p);
    return true;
  }
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
  // take the request and the pop-up stay open). The destruction is recorded
  // as for a kill by title.
  const std::string title = StripStateMarkers(listTitle);
  if (judged != 0 && !title.empty() && desktop_.Title(judged) == title) desktop_.PostClose(judged);
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
  const int entries = lists_.recordedTitles.Count();
  for (int k = 0; k < entries; ++k) {
    std::string entry = lists_.recordedTitles.Item(k);
    if (entry == mainCaption_ || entry == kProgramManager) continue;
    texts.push_back(std::move(entry));
    positions.push_back(lists_.countedPositions.Item(k));
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

// An active-list entry stands while the recorded titles hold its text at the
// place kept for it in activeSources (countedPositions entry k is always the
// text of k).
static bool EntryStands(const ListControl& recorded, const ListControl& counted, const std::string& text,
                        const std::string& position) {
  const auto pos = ParseCount(position);
  if (!pos || *pos >= recorded.Count()) return false;
  const int at = static_cast<int>(*pos);
  return recorded.Item(at) == text && counted.Item(at) == position;
}

// Entries that no longer stand among the recorded titles are dropped; those kept keep their
// order and the selection.
void WatchEngine::PruneActiveList() {
  for (int a = lists_.activeWindows.Count() - 1; a >= 0; --a) {
    if (!EntryStands(lists_.recordedTitles, lists_.countedPositions, lists_.activeWindows.Item(a), lists_.activeSources.Item(a))) {
      lists_.activeWindows.Remove(a);
      lists_.activeSources.Remove(a);
    }
  }
}

bool WatchEngine::ActiveListStands() const {
  const int entries = lists_.activeWindows.Count();
  if (lists_.activeSources.Count() != entries) return false;
  for (int a = 0; a < entries; ++a)
    if (!EntryStands(lists_.recordedTitles, lists_.countedPositions, lists_.activeWindows.Item(a), lists_.activeSources.Item(a))) return false;
  return true;
}

void WatchEngine::ShowCounts() {
  lists_.recordedCount.SetCaption(CStr(lists_.recordedTitles.Count()));
  lists_.activeCount.SetCaption(CStr(lists_.activeWindows.Count()));
  static const std::string kToDestroy = AnsiFromUtf8("Nombre de Fenetre(s) à détruire : ");
  lists_.toDestroyCaption.SetCaption(kToDestroy + CStr(lists_.titlesToDestroy.Count()));
}

}  // namespace vantrel
