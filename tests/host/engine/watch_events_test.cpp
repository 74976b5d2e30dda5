// The watch without a nested loop: the desktop read into a snapshot (by a
// reader standing for another thread) and the rules applied to it; the
// close request sent to the window that was judged; new windows judged the
// moment they appear, and held until they show.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/kill_recorder.h"
#include "support/recording_kill_recorder.h"
#include "platform/new_window_candidates.h"
#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "support/fake_desktop.h"
#include "support/memory_watch_lists.h"
#include "support/settable_clock.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using test::FakeDesktop;
using test::SettableClock;

// Stands for the watch's thread: keeps what it was asked, and the test
// decides when the snapshot arrives.
class ScriptedReader final : public DesktopReader {
 public:
  bool StartReading(FactsWanted asked) override {
    ++started;
    wanted = std::move(asked);
    return canStart;
  }
  int started = 0;
  bool canStart = true;
  FactsWanted wanted;
};

// One engine with its lists over a desktop.
struct Watch {
  explicit Watch(FakeDesktop& desktop) : engine(desktop, clock, lists.Lists(), "Vantrel") {
    lists.AddBuiltInHeaders();
    engine.SetKillRecorder(&recorder);
  }
  test::MemoryWatchLists lists;
  SettableClock clock;
  test::RecordingKillRecorder recorder;
  WatchEngine engine;
};

// A desktop with a bit of everything the rules distinguish.
void FillMixedDesktop(FakeDesktop& d) {
  d.Add("Vantrel");
  d.Add("Editor");
  d.Add("Mail");
  d.Add("Small - Mozilla", 300, 200);
  d.Add("Big - Mozilla", 900, 700);
  d.Add("Hidden - Mozilla", 100, 100, false);
  d.Add("Listed - Netscape", 900, 700);
  d.Add("Setup", 400, 300, true, false);
  d.Add("Vantrel - Attention", 200, 100, true, false);
  d.Add("", 10, 10);
  for (int i = 0; i < 40; ++i) d.Add("Plain " + std::to_string(i), 500, 400, i % 3 != 0);
}

void AddRules(Watch& w) {
  w.lists.sizeRules.Add("250 - 400");
  w.lists.titlesToDestroy.Add("Listed - Netscape");
  w.lists.titlesToDestroy.Add("Setup [Disabled]");
  w.lists.destructionTimes.Add("");
  w.lists.destructionTimes.Add("");
}

TEST(WatchSnapshot, SnapshotFromTheReaderGivesWhatAScanOnTheSpotGives) {
  FakeDesktop spotDesktop, readDesktop;
  FillMixedDesktop(spotDesktop);
  FillMixedDesktop(readDesktop);
  Watch spot(spotDesktop), read(readDesktop);
  AddRules(spot);
  AddRules(read);
  ScriptedReader reader;
  read.engine.SetDesktopReader(&reader);

  spot.engine.ScanWindows();
  read.engine.Tick();
  ASSERT_EQ(reader.started, 1);
  EXPECT_THAT(readDesktop.closes, IsEmpty());  // nothing is judged before the snapshot arrives
  read.engine.SnapshotArrived(ReadDesktopSnapshot(readDesktop, reader.wanted));

  EXPECT_EQ(read.engine.RecordedTitles(), spot.engine.RecordedTitles());
  EXPECT_EQ(read.engine.CountedWindows(), spot.engine.CountedWindows());
  EXPECT_EQ(read.lists.activeWindows.Entries(), spot.lists.activeWindows.Entries());
  EXPECT_EQ(read.recorder.titles, spot.recorder.titles);
  EXPECT_EQ(readDesktop.closes, spotDesktop.closes);
  EXPECT_EQ(read.lists.recordedCount.Caption(), spot.lists.recordedCount.Caption());
  EXPECT_THAT(spot.recorder.titles, ElementsAre("Small - Mozilla", "Listed - Netscape", "Setup [Disabled]"));
  EXPECT_THAT(read.lists.destructionTimes.Entries(), ElementsAre("14:32:05", "14:32:05", "", ""));
}

TEST(WatchSnapshot, OneReadingAtATimeAndTheNextTickReadsAgain) {
  FakeDesktop desktop;
  desktop.Add("Small - Mozilla", 300, 200);
  Watch w(desktop);
  w.lists.sizeRules.Add("250 - 400");
  ScriptedReader reader;
  w.engine.SetDesktopReader(&reader);

  w.engine.Tick();
  w.engine.Tick();  // comes while the first snapshot is being read
  EXPECT_EQ(reader.started, 1);
  EXPECT_TRUE(w.engine.ReadingDesktop());

  w.engine.SnapshotArrived(ReadDesktopSnapshot(desktop, reader.wanted));
  EXPECT_FALSE(w.engine.ReadingDesktop());
  EXPECT_EQ(desktop.closes.size(), 1u);
  w.engine.Tick();
  EXPECT_EQ(reader.started, 2);
}

TEST(WatchSnapshot, AReadingWhoseSnapshotNeverComesIsAskedForAgain) {
  FakeDesktop desktop;
  Watch w(desktop);
  ScriptedReader reader;
  w.engine.SetDesktopReader(&reader);
  for (int tick = 0; tick < 6; ++tick) w.engine.Tick();
  EXPECT_EQ(reader.started, 1);
  w.engine.Tick();  // three seconds after the reading started, no snapshot yet
  EXPECT_EQ(reader.started, 2);
}

TEST(WatchSnapshot, AReaderThatCannotStartLeavesTheTickToScanAtOnce) {
  FakeDesktop desktop;
  const WindowHandle pop = desktop.Add("Small - Mozilla", 300, 200);
  Watch w(desktop);
  w.lists.sizeRules.Add("250 - 400");
  ScriptedReader reader;
  reader.canStart = false;
  w.engine.SetDesktopReader(&reader);
  w.engine.Tick();
  EXPECT_THAT(desktop.closes, ElementsAre(pop));
  EXPECT_FALSE(w.engine.ReadingDesktop());
}

TEST(WatchSnapshot, ThePlacementIsReadOnlyForBrowserWindows) {
  FakeDesktop desktop;
  const WindowHandle browser = desktop.Add("Pop - Mozilla", 300, 200);
  const WindowHandle plain = desktop.Add("Plain", 300, 200);
  const WindowHandle hidden = desktop.Add("Hid - Mozilla", 300, 200, false);
  Watch w(desktop);
  const DesktopSnapshot snapshot = ReadDesktopSnapshot(desktop, w.engine.WantedFacts());
  ASSERT_EQ(snapshot.size(), 3u);
  EXPECT_EQ(snapshot[0].handle, browser);
  EXPECT_TRUE(snapshot[0].restored.has_value());
  EXPECT_EQ(snapshot[1].handle, plain);
  EXPECT_FALSE(snapshot[1].restored.has_value());
  EXPECT_EQ(snapshot[2].handle, hidden);
  EXPECT_TRUE(snapshot[2].title.empty());  // a hidden window's title is not read
}

TEST(WatchSnapshot, WindowsLeftForLaterAreReadWhenTheSnapshotArrives) {
  FakeDesktop desktop;
  const WindowHandle own = desktop.Add("Own - Mozilla", 300, 200);
  desktop.Add("Other - Mozilla", 900, 900);
  Watch w(desktop);
  w.lists.sizeRules.Add("250 - 400");
  ScriptedReader reader;
  w.engine.SetDesktopReader(&reader);
  w.engine.Tick();
  SnapshotOptions options;
  options.readLater = [&](WindowHandle h) { return h == own; };
  DesktopSnapshot snapshot = ReadDesktopSnapshot(desktop, reader.wanted, options);
  ASSERT_TRUE(snapshot[0].readLater);
  EXPECT_TRUE(snapshot[0].title.empty());
  w.engine.SnapshotArrived(std::move(snapshot));
  EXPECT_THAT(desktop.closes, ElementsAre(own));
  EXPECT_THAT(w.engine.RecordedTitles(), ElementsAre("Own - Mozilla", "Other - Mozilla"));
}

// The watch's thread reads a few windows between its other work.
TEST(WatchSnapshot, AReadingInSlicesReadsWhatAReadingAtOnceReads) {
  FakeDesktop desktop;
  desktop.Add("Pub - Mozilla", 300, 200);
  desktop.Add("Hidden", 300, 200, false);
  desktop.Add("Disabled", 300, 200, true, false);
  const WindowHandle later = desktop.Add("Own");
  desktop.Add("Other - Mozilla", 900, 900);
  const FactsWanted browser{.placement = [](const std::string& t) { return t.find("- Mozilla") != std::string::npos; }};
  SnapshotOptions options;
  options.readLater = [&](WindowHandle h) { return h == later; };
  const DesktopSnapshot atOnce = ReadDesktopSnapshot(desktop, browser, options);

  desktop.visibilityReads = 0;
  SnapshotReading reading(desktop, browser, options);
  EXPECT_EQ(desktop.visibilityReads, 0);  // nothing read but the order yet
  EXPECT_FALSE(reading.ReadSome(2));
  EXPECT_FALSE(reading.ReadSome(2));
  EXPECT_TRUE(reading.ReadSome(2));
  EXPECT_TRUE(reading.ReadSome(2));  // nothing more to read
  const DesktopSnapshot sliced = reading.TakeSnapshot();
  ASSERT_EQ(sliced.size(), atOnce.size());
  for (std::size_t i = 0; i < sliced.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(sliced[i].handle, atOnce[i].handle);
    EXPECT_EQ(sliced[i].visible, atOnce[i].visible);
    EXPECT_EQ(sliced[i].enabled, atOnce[i].enabled);
    EXPECT_EQ(sliced[i].title, atOnce[i].title);
    EXPECT_EQ(sliced[i].restored.has_value(), atOnce[i].restored.has_value());
    EXPECT_EQ(sliced[i].readLater, atOnce[i].readLater);
  }
  EXPECT_TRUE(sliced[3].readLater);
}

TEST(WatchSnapshot, AWindowGoneBetweenSlicesIsReadWithoutTitleAndTheReadingGoesOn) {
  FakeDesktop desktop;
  desktop.Add("First");
  const WindowHandle gone = desktop.Add("Gone - Mozilla", 300, 200);
  desktop.Add("Last");
  SnapshotReading reading(desktop, FactsWanted{});
  reading.ReadSome(1);
  desktop.Vanish(gone);
  desktop.Add("Opened meanwhile");  // not in the order taken at the start
  EXPECT_TRUE(reading.ReadSome(10));
  const DesktopSnapshot snapshot = reading.TakeSnapshot();
  ASSERT_EQ(snapshot.size(), 3u);
  EXPECT_EQ(snapshot[1].handle, gone);
  EXPECT_TRUE(snapshot[1].title.empty());
  EXPECT_EQ(snapshot[2].title, "Last");
}

// The close request goes to the window the rules judged.
TEST(WatchKill, TheJudgedWindowIsClosedNotAHiddenTwinAboveIt) {
  FakeDesktop desktop;
  desktop.Add("Pub - Netscape", 300, 200, false);  // hidden, higher in the window order
  const WindowHandle shown = desktop.Add("Pub - Netscape", 300, 200);
  Watch w(desktop);
  w.lists.sizeRules.Add("250 - 400");
  w.engine.ScanWindows();
  EXPECT_THAT(desktop.closes, ElementsAre(shown));

  desktop.closes.clear();
  w.lists.sizeRules.Clear();
  w.lists.titlesToDestroy.Add("Pub - Netscape");
  w.engine.ScanWindows();  // the title pass closes the recorded window too
  EXPECT_THAT(desktop.closes, ElementsAre(shown));
}

TEST(WatchKill, AWindowRenamedSinceItWasJudgedIsNotAskedNorIsAnother) {
  FakeDesktop desktop;
  const WindowHandle pop = desktop.Add("Pub - Netscape", 300, 200);
  Watch w(desktop);
  w.lists.sizeRules.Add("250 - 400");
  const DesktopSnapshot snapshot = ReadDesktopSnapshot(desktop, w.engine.WantedFacts());
  desktop.Window(pop).title = "News - Netscape";
  desktop.Add("Pub - Netscape", 300, 200);  // a new window now bears the title
  w.engine.ApplySnapshot(snapshot);
  EXPECT_THAT(desktop.closes, IsEmpty());
  // No request went out: nothing is logged (the renamed window is judged
  // anew under its new title, the new one at the next reading).
  EXPECT_THAT(w.recorder.titles, IsEmpty());
}

TEST(WatchKill, AWindowGoneBeforeItsRequestIsNotLogged) {
  FakeDesktop desktop;
  const WindowHandle pop = desktop.Add("Pub - Netscape", 300, 200);
  Watch w(desktop);
  w.lists.sizeRules.Add("250 - 400");
  const DesktopSnapshot snapshot = ReadDesktopSnapshot(desktop, w.engine.WantedFacts());
  desktop.Vanish(pop);
  w.engine.ApplySnapshot(snapshot);
  EXPECT_THAT(desktop.closes, IsEmpty());
  EXPECT_THAT(w.recorder.titles, IsEmpty());
}

TEST(WatchKill, ByTitleAVisibleWindowIsTakenBeforeAHiddenOne) {
  FakeDesktop desktop;
  const WindowHandle hidden = desktop.Add("Report", 300, 200, false);
  const WindowHandle shown = desktop.Add("Report", 300, 200);
  Watch w(desktop);
  w.engine.KillWindow("Report");
  w.engine.SwitchToWindow("Report");
  EXPECT_THAT(desktop.closes, ElementsAre(shown));
  EXPECT_THAT(desktop.broughtToTop, ElementsAre(shown));
  desktop.Vanish(shown);
  w.engine.KillWindow("Report");  // only the hidden one is left: it is the one
  EXPECT_THAT(desktop.closes, ElementsAre(shown, hidden));
}

TEST(WatchJudge, ANewWindowIsJudgedByTheRulesOfTheScan) {
  const struct {
    const char* name;
    const char* title;
    int width, height;
    bool visible, enabled;
    bool judged, closed;
    const char* recorded;
  } cases[] = {
      {"small browser window", "Pub - Mozilla", 300, 200, true, true, true, true, "Pub - Mozilla"},
      {"large browser window", "Page - Mozilla", 900, 700, true, true, true, false, nullptr},
      {"listed browser window", "Listed - Netscape", 900, 700, true, true, true, true, "Listed - Netscape"},
      {"listed title of a non-browser", "Listed", 900, 700, true, true, true, false, nullptr},
      {"disabled listed window", "Setup", 400, 300, true, false, true, true, "Setup [Disabled]"},
      {"the program's own title", "Vantrel", 100, 100, true, true, true, false, nullptr},
      {"not yet visible", "Pub - Mozilla", 300, 200, false, true, false, false, nullptr},
      {"small browser window, header in other case", "pub - MOZILLA", 300, 200, true, true, true, true,
       "pub - MOZILLA"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDesktop desktop;
    const WindowHandle h = desktop.Add(c.title, c.width, c.height, c.visible, c.enabled);
    Watch w(desktop);
    AddRules(w);
    w.lists.titlesToDestroy.Add("Listed");
    EXPECT_EQ(w.engine.JudgeNewWindow(h), c.judged);
    if (c.closed) EXPECT_THAT(desktop.closes, ElementsAre(h));
    else EXPECT_THAT(desktop.closes, IsEmpty());
    if (c.recorded) EXPECT_THAT(w.recorder.titles, ElementsAre(c.recorded));
    else EXPECT_THAT(w.recorder.titles, IsEmpty());
  }
}

TEST(WatchJudge, ATitleKillNotesItsTimeAndASizeKillAsksOnce) {
  FakeDesktop desktop;
  const WindowHandle listed = desktop.Add("Listed - Netscape", 900, 700);
  const WindowHandle both = desktop.Add("Setup - Mozilla", 300, 200);
  Watch w(desktop);
  AddRules(w);
  w.lists.titlesToDestroy.Add("Setup - Mozilla");
  w.engine.JudgeNewWindow(listed);
  // An empty entry is not replaced but pushed down.
  EXPECT_THAT(w.lists.destructionTimes.Entries(), ElementsAre("14:32:05", "", ""));
  w.engine.JudgeNewWindow(both);  // matches a size rule and a title: one request
  EXPECT_THAT(desktop.closes, ElementsAre(listed, both));
}

TEST(WatchJudge, ARenameIntoAListedTitleCloses) {
  FakeDesktop desktop;
  const WindowHandle h = desktop.Add("Loading - Mozilla", 900, 700);
  Watch w(desktop);
  AddRules(w);
  w.lists.titlesToDestroy.Add("Casino - Mozilla");
  NewWindowCandidates candidates;
  const WindowLook look{.visible = [&](WindowHandle x) { return desktop.IsVisible(x); },
                        .title = [&](WindowHandle x) { return desktop.Title(x); }};
  ASSERT_TRUE(candidates.Report(WindowEvent::Shown, h, 0, look));
  w.engine.JudgeNewWindow(h);
  EXPECT_THAT(desktop.closes, IsEmpty());
  desktop.Window(h).title = "Casino - Mozilla";
  ASSERT_TRUE(candidates.Report(WindowEvent::Renamed, h, 40, look));
  w.engine.JudgeNewWindow(h);
  EXPECT_THAT(desktop.closes, ElementsAre(h));
}

// The candidates under a scripted clock, as under Wine where only the
// creation is reported.
class CandidatesTest : public ::testing::Test {
 protected:
  WindowLook look{.visible = [this](WindowHandle h) { return desktop.IsVisible(h); },
                  .title = [this](WindowHandle h) { return desktop.Title(h); }};
  FakeDesktop desktop;
  NewWindowCandidates candidates{NewWindowCandidates::Timing{.lookEvery = 2, .giveUpAfter = 2000}};

  // Runs the looks the way the watching thread does, from..to ms; returns
  // the moments a window was handed back.
  std::vector<std::pair<std::uint64_t, WindowHandle>> Run(std::uint64_t from, std::uint64_t to,
                                                          const std::function<void(std::uint64_t)>& at = {}) {
    std::vector<std::pair<std::uint64_t, WindowHandle>> out;
    for (std::uint64_t now = from; now <= to; ++now) {
      if (at) at(now);
      const auto wait = candidates.WaitBeforeNextLook(now);
      if (!wait || *wait > 0) continue;
      for (WindowHandle h : candidates.LookAgain(now, look)) out.emplace_back(now, h);
    }
    return out;
  }
};

TEST_F(CandidatesTest, AWindowCreatedHiddenAndShown30msLaterIsJudgedThen) {
  const WindowHandle h = desktop.Add("Pop - Mozilla", 300, 200, false);
  EXPECT_FALSE(candidates.Report(WindowEvent::Created, h, 1000, look));
  const auto ready = Run(1000, 1100, [&](std::uint64_t now) {
    if (now == 1030) desktop.Window(h).visible = true;
  });
  ASSERT_EQ(ready.size(), 1u);
  EXPECT_EQ(ready[0].second, h);
  EXPECT_GE(ready[0].first, 1030u);
  EXPECT_LE(ready[0].first, 1032u);  // within one look
  EXPECT_TRUE(candidates.Empty());
}

TEST_F(CandidatesTest, AWindowNeverShownIsGivenUp) {
  const WindowHandle h = desktop.Add("Helper", 10, 10, false);
  candidates.Report(WindowEvent::Created, h, 0, look);
  EXPECT_TRUE(Run(0, 1999).empty());
  EXPECT_EQ(candidates.Count(), 1u);
  Run(2000, 2010);
  EXPECT_TRUE(candidates.Empty());
  EXPECT_FALSE(candidates.WaitBeforeNextLook(2010).has_value());
  desktop.Window(h).visible = true;  // shown after it was given up: left to the scan
  EXPECT_TRUE(Run(2010, 2100).empty());
}

TEST_F(CandidatesTest, EventsThatMakeAWindowReadyAtOnce) {
  const WindowHandle shownLater = desktop.Add("A", 10, 10, false);
  const WindowHandle createdVisible = desktop.Add("B");
  const WindowHandle renamedHidden = desktop.Add("C", 10, 10, false);
  EXPECT_TRUE(candidates.Report(WindowEvent::Created, createdVisible, 0, look));
  EXPECT_FALSE(candidates.Report(WindowEvent::Created, shownLater, 0, look));
  EXPECT_FALSE(candidates.Report(WindowEvent::Renamed, renamedHidden, 0, look));
  desktop.Window(shownLater).visible = true;
  EXPECT_TRUE(candidates.Report(WindowEvent::Shown, shownLater, 1, look));
  EXPECT_TRUE(candidates.Empty());  // the showing took it out: it is not judged twice
  EXPECT_TRUE(Run(1, 50).empty());
}

TEST_F(CandidatesTest, ADestroyedCandidateIsForgottenAndAReusedHandleHeldOnce) {
  const WindowHandle h = desktop.Add("A", 10, 10, false);
  candidates.Report(WindowEvent::Created, h, 0, look);
  candidates.Report(WindowEvent::Created, h, 1, look);
  EXPECT_EQ(candidates.Count(), 1u);
  candidates.Report(WindowEvent::Destroyed, h, 2, look);
  EXPECT_TRUE(candidates.Empty());
}

TEST_F(CandidatesTest, TheNextLookIsDueEveryFewMilliseconds) {
  const WindowHandle h = desktop.Add("A", 10, 10, false);
  candidates.Report(WindowEvent::Created, h, 100, look);
  EXPECT_EQ(candidates.WaitBeforeNextLook(100), 2u);
  EXPECT_EQ(candidates.WaitBeforeNextLook(101), 1u);
  EXPECT_EQ(candidates.WaitBeforeNextLook(105), 0u);
  EXPECT_TRUE(candidates.LookAgain(101, look).empty());
  EXPECT_EQ(candidates.Count(), 1u);
}

}  // namespace
}  // namespace vantrel

namespace vantrel {
namespace {

// Rules naming a program or a class reach every window of other programs,
// at a tick and at a new window's judgement alike; plain rules reach what
// they always reached.
TEST(WatchReach, RulesByProgramAndClassReachOtherProgramsWindows) {
  const struct {
    const char* name;
    const char* entry;
    bool closed;
  } cases[] = {
      {"by program", "Please purchase [exe=winrar.exe]", true},
      {"by class", "Please purchase [class=#32770]", true},
      {"by program and pattern", "Please * [Like] [exe=WINRAR.EXE]", true},
      {"plain title: not a recorded window", "Please purchase", false},
      {"pattern alone: not a recorded window", "Please * [Like]", false},
      {"another program", "Please purchase [exe=7z.exe]", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const bool atTick : {true, false}) {
      SCOPED_TRACE(atTick ? "at a tick" : "judged new");
      FakeDesktop desktop;
      desktop.executables[40] = "WinRAR.exe";
      const WindowHandle box = desktop.Add("Please purchase", 400, 200);
      desktop.Window(box).process = 40;
      desktop.Window(box).windowClass = "#32770";
      Watch w(desktop);
      w.lists.titlesToDestroy.Add(c.entry);
      w.lists.destructionTimes.Add("");
      if (atTick) w.engine.ScanWindows();
      else w.engine.JudgeNewWindow(box);
      if (c.closed) {
        EXPECT_THAT(desktop.closes, ElementsAre(box));
        EXPECT_THAT(w.recorder.titles, ElementsAre("Please purchase"));
        EXPECT_THAT(w.lists.destructionTimes.Entries(), ElementsAre("14:32:05", ""));
      } else {
        EXPECT_THAT(desktop.closes, IsEmpty());
      }
      EXPECT_THAT(w.engine.RecordedTitles(), IsEmpty());  // reached, not recorded
    }
  }
}

TEST(WatchReach, NeverTheProgramsOwnWindowsNorTheShells) {
  FakeDesktop desktop;
  const WindowHandle own = desktop.Add("Sound", 300, 200);
  desktop.Window(own).process = desktop.ownProcess;
  desktop.Window(own).windowClass = "#32770";
  const WindowHandle taskbar = desktop.Add("Sound", 300, 200);
  desktop.Window(taskbar).windowClass = "Shell_TrayWnd";
  const WindowHandle other = desktop.Add("Sound", 300, 200);
  desktop.Window(other).windowClass = "#32770";
  Watch w(desktop);
  w.lists.titlesToDestroy.Add("Sound [class=#32770]");
  w.lists.titlesToDestroy.Add("Sound [class=Shell_TrayWnd]");
  w.lists.titlesToDestroy.Add("* [Like] [exe=Vantrel.exe]");
  w.engine.ScanWindows();
  EXPECT_THAT(desktop.closes, ElementsAre(other));
  desktop.closes.clear();
  for (const WindowHandle h : {own, taskbar, other}) w.engine.JudgeNewWindow(h);
  EXPECT_THAT(desktop.closes, ElementsAre(other));
}

TEST(WatchReach, OwnersAndExecutablesAreReadOnlyWhenARuleNeedsThem) {
  FakeDesktop desktop;
  for (int i = 0; i < 10; ++i) desktop.Add("Window " + std::to_string(i));
  Watch w(desktop);
  AddRules(w);
  w.lists.titlesToDestroy.Add("Pop* [Like]");
  w.engine.ScanWindows();
  EXPECT_EQ(desktop.classReads, 0);
  EXPECT_EQ(desktop.executableReads, 0);
  w.lists.titlesToDestroy.Add("Pop [class=#32770]");
  w.engine.ScanWindows();
  EXPECT_EQ(desktop.classReads, 10);
  EXPECT_EQ(desktop.executableReads, 0);
}

// A window a judgement asked to close is not asked nor logged again by a
// snapshot whose reading began before the request, nor by the next; a
// reading after that asks again (the window may have refused to close).
TEST(WatchOnce, AJudgedKillIsNotRepeatedByAReadingBegunBefore) {
  FakeDesktop desktop;
  const WindowHandle pop = desktop.Add("Pub - Mozilla", 300, 200);
  Watch w(desktop);
  w.lists.sizeRules.Add("250 - 400");
  ScriptedReader reader;
  w.engine.SetDesktopReader(&reader);

  w.engine.Tick();
  const DesktopSnapshot before = ReadDesktopSnapshot(desktop, reader.wanted);
  w.engine.JudgeNewWindow(pop);
  w.engine.SnapshotArrived(before);
  EXPECT_THAT(desktop.closes, ElementsAre(pop));
  EXPECT_THAT(w.recorder.titles, ElementsAre("Pub - Mozilla"));

  // The next reading, begun just after the request, gives the window a
  // moment to close; a window that refused is asked again by the one after.
  w.engine.Tick();
  w.engine.SnapshotArrived(ReadDesktopSnapshot(desktop, reader.wanted));
  EXPECT_THAT(desktop.closes, ElementsAre(pop));
  w.engine.Tick();
  w.engine.SnapshotArrived(ReadDesktopSnapshot(desktop, reader.wanted));
  EXPECT_THAT(desktop.closes, ElementsAre(pop, pop));
  EXPECT_EQ(w.recorder.titles.size(), 2u);
}

TEST(WatchOnce, AWindowHandedOverAgainUnderTheSameTitleIsAskedOnce) {
  FakeDesktop desktop;
  const WindowHandle pop = desktop.Add("Pub - Mozilla", 300, 200);
  Watch w(desktop);
  w.lists.sizeRules.Add("250 - 400");
  w.lists.titlesToDestroy.Add("Casino - Mozilla");
  w.engine.JudgeNewWindow(pop);
  w.engine.JudgeNewWindow(pop);
  EXPECT_THAT(desktop.closes, ElementsAre(pop));
  desktop.Window(pop).title = "Casino - Mozilla";  // renamed: a new judgement
  w.engine.JudgeNewWindow(pop);
  EXPECT_THAT(w.recorder.titles, ElementsAre("Pub - Mozilla", "Casino - Mozilla"));
}

// Windows reports a window already visible at its creation, then its
// showing; renames of a watched window to the same text are not news.
TEST_F(CandidatesTest, AWindowIsHandedOverOncePerChange) {
  const WindowHandle h = desktop.Add("about:blank - Mozilla");
  EXPECT_TRUE(candidates.Report(WindowEvent::Created, h, 0, look));
  EXPECT_FALSE(candidates.Report(WindowEvent::Shown, h, 1, look));
  EXPECT_FALSE(candidates.Report(WindowEvent::Renamed, h, 2, look));
  desktop.Window(h).title = "Casino - Mozilla";
  EXPECT_TRUE(candidates.Report(WindowEvent::Renamed, h, 3, look));
  EXPECT_TRUE(Run(3, 3000).empty());  // the looks find nothing new
}

// Wine reports no renaming: the watched window's title is read again.
TEST_F(CandidatesTest, AShownWindowRenamedIsHandedOverAgainWithinAFewMilliseconds) {
  const struct {
    const char* name;
    const char* firstTitle;
    std::uint64_t renamedAt;
    bool handedAgain;
  } cases[] = {
      {"about:blank renamed soon", "about:blank - Mozilla", 80, true},
      {"untitled renamed", "", 300, true},
      {"renamed late", "about:blank - Mozilla", 1500, true},
      {"renamed after the watch", "about:blank - Mozilla", 2500, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDesktop d;
    WindowLook l{.visible = [&](WindowHandle x) { return d.IsVisible(x); },
                 .title = [&](WindowHandle x) { return d.Title(x); }};
    NewWindowCandidates cands;
    const WindowHandle h = d.Add(c.firstTitle);
    ASSERT_TRUE(cands.Report(WindowEvent::Created, h, 0, l));
    std::vector<std::uint64_t> handed;
    for (std::uint64_t now = 0; now <= 3000; ++now) {
      if (now == c.renamedAt) d.Window(h).title = "Casino - Mozilla";
      const auto wait = cands.WaitBeforeNextLook(now);
      if (!wait || *wait > 0) continue;
      for (WindowHandle x : cands.LookAgain(now, l)) {
        EXPECT_EQ(x, h);
        handed.push_back(now);
      }
    }
    if (!c.handedAgain) {
      EXPECT_THAT(handed, IsEmpty());
      continue;
    }
    ASSERT_EQ(handed.size(), 1u);
    // Within a quarter of the window's age (on the next step of 10 ms once
    // that is longer), 100 ms at most.
    const std::uint64_t gap = std::max<std::uint64_t>(2, std::min<std::uint64_t>(100, c.renamedAt / 4 + 1));
    EXPECT_LE(handed[0] - c.renamedAt, gap < 10 ? gap : gap + 10);
  }
}

TEST_F(CandidatesTest, AWatchedWindowGoneIsLetGo) {
  const WindowHandle h = desktop.Add("Pop - Mozilla");
  ASSERT_TRUE(candidates.Report(WindowEvent::Created, h, 0, look));
  EXPECT_EQ(candidates.Watched(), 1u);
  desktop.Vanish(h);
  EXPECT_TRUE(Run(0, 100).empty());
  EXPECT_EQ(candidates.Watched(), 0u);
  EXPECT_FALSE(candidates.WaitBeforeNextLook(100).has_value());
}

}  // namespace
}  // namespace vantrel

namespace vantrel {
namespace {

// A switch to a window asks for a reading that begins after it, even while
// one is under way; the readings come back in turn, and a scan on the spot
// meanwhile does not leave the watch waiting for a reading never asked.
TEST(WatchSnapshot, AFreshReadingIsAskedWhileOneIsUnderWay) {
  FakeDesktop desktop;
  const WindowHandle pop = desktop.Add("Pub - Mozilla", 300, 200);
  Watch w(desktop);
  w.lists.sizeRules.Add("250 - 400");
  ScriptedReader reader;
  w.engine.SetDesktopReader(&reader);

  w.engine.Tick();
  const DesktopSnapshot first = ReadDesktopSnapshot(desktop, reader.wanted);
  w.engine.ReadAfresh();
  EXPECT_EQ(reader.started, 2);
  w.engine.ScanWindows();
  EXPECT_THAT(desktop.closes, ElementsAre(pop));
  w.engine.SnapshotArrived(first);
  EXPECT_TRUE(w.engine.ReadingDesktop());  // the fresh one is still to come
  w.engine.SnapshotArrived(ReadDesktopSnapshot(desktop, reader.wanted));
  EXPECT_FALSE(w.engine.ReadingDesktop());
  w.engine.Tick();
  EXPECT_EQ(reader.started, 3);
}

}  // namespace
}  // namespace vantrel

namespace vantrel {
namespace {

// Windows shown a millisecond apart are read again at shared moments once
// they are a few tens of milliseconds old: the thread wakes a few times a
// tenth of a second for all of them, not once for each.
TEST_F(CandidatesTest, WatchedWindowsShareTheirLooks) {
  std::vector<WindowHandle> windows;
  for (int i = 0; i < 20; ++i) {
    windows.push_back(desktop.Add("Window " + std::to_string(i)));
    ASSERT_TRUE(candidates.Report(WindowEvent::Created, windows.back(), static_cast<std::uint64_t>(i), look));
  }
  int wakings = 0;
  for (std::uint64_t now = 100; now <= 2100; ++now) {
    const auto wait = candidates.WaitBeforeNextLook(now);
    if (!wait || *wait > 0) continue;
    ++wakings;
    EXPECT_EQ(now % 10, 0u) << now;
    candidates.LookAgain(now, look);
  }
  EXPECT_LE(wakings, 200);  // at most one a step of 10 ms
  EXPECT_EQ(candidates.Watched(), 0u);  // let go after two seconds
}

}  // namespace
}  // namespace vantrel
