#include "engine/window_watch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/text.h"
#include "engine/kill_recorder.h"
#include "support/recording_kill_recorder.h"
#include "platform/memory_controls.h"
#include "support/memory_watch_lists.h"
#include "support/settable_clock.h"
#include "support/fake_desktop.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using test::SettableClock;
using test::FakeDesktop;

class WatchTest : public ::testing::Test {
 protected:
  WatchTest() {
    lists.AddBuiltInHeaders();
    engine.SetKillRecorder(&recorder);
  }

  // The main window and the three counted windows the active list assumes
  // are never shown, so that the expected length of the active list is the
  // number of recorded windows.
  void AddOrdinaryDesktop() {
    desktop.Add("Vantrel");
    desktop.Add("Editor");
    desktop.Add("Mail");
  }

  std::vector<std::string> Entries(const MemoryList& l) const { return l.Entries(); }

  test::MemoryWatchLists lists;
  FakeDesktop desktop;
  SettableClock clock;
  test::RecordingKillRecorder recorder;
  WatchEngine engine{desktop, clock, lists.Lists(), "Vantrel"};
};

TEST(StripStateMarkers, RemovesTrailingMarkers) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"Setup [Disabled]", "Setup"},
      {"Setup", "Setup"},
      {"A [Disabled] [Hidden]", "A"},
      {"B [Hidden]", "B"},
      {"C [Hidden] [Disabled]", "C [Hidden] [Disabled]"},  // markers in the other order are not state markers
      {"[setup] [disabled]", "[setup] [disabled]"},        // case-sensitive
      {"[Hidden]", ""},                                     // shorter than its marker: never cuts past the start
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(StripStateMarkers(c.in), c.out);
  }
}

TEST(ReadSizeRule, SplitsAtFirstHyphen) {
  const struct {
    const char* rule;
    bool readable;
    double height, width;
  } cases[] = {
      {"300 - 200", true, 300, 200},
      {"250-400", true, 250, 400},
      {"-5 - 100", true, 0, 5},
      {" - ", true, 0, 0},
      {"1e2 - 3.5", true, 100, 3.5},
      {"3 0 0 - 2 0 0", true, 300, 200},
      {"abc - def", true, 0, 0},
      {"5000", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    const auto rule = ReadSizeRule(c.rule);
    ASSERT_EQ(rule.has_value(), c.readable);
    if (!rule) continue;
    EXPECT_DOUBLE_EQ(rule->height, c.height);
    EXPECT_DOUBLE_EQ(rule->width, c.width);
  }
}

TEST_F(WatchTest, SizeRulesJudgeBrowserWindowsByRestoredSize) {
  const struct {
    const char* title;
    int width, height;
    const char* rule;
    bool destroyed;
  } cases[] = {
      {"Pub - Netscape", 300, 200, "250 - 400", true},
      {"Pub - Netscape", 300, 200, "199 - 400", false},
      {"Pub - Netscape", 300, 200, "200 - 300", true},  // both bounds inclusive
      {"Pub - Netscape", 300, 200, "200 - 299", false},
      {"pub - netscape", 300, 200, "250 - 400", true},  // browser test ignores case
      {"Pub - Opera", 300, 200, "250 - 400", false},     // not a browser window
      {"Pub - Netscape", 300, 200, "5000", false},       // no hyphen: never matches
      {"Pub - Netscape", 300, 200, "-5 - 100", false},   // reads as 0 and 5
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.title) + " / " + c.rule);
    FakeDesktop d;
    const WindowHandle w = d.Add(c.title, c.width, c.height);
    test::MemoryWatchLists lists;
    lists.sizeRules.Add(c.rule);
    lists.AddBuiltInHeaders();
    WatchEngine e(d, clock, lists.Lists(), "Vantrel");
    e.ScanWindows();
    if (c.destroyed) EXPECT_THAT(d.closes, ElementsAre(w));
    else EXPECT_THAT(d.closes, IsEmpty());
  }
}

TEST_F(WatchTest, FirstMatchingRuleAndFirstMatchingHeaderDecideOnce) {
  lists.sizeRules.Add("100 - 100");
  lists.sizeRules.Add("250 - 400");
  lists.sizeRules.Add("300 - 500");
  desktop.Add("Pub - Netscape - Mozilla", 300, 200);
  engine.ScanWindows();
  EXPECT_THAT(recorder.titles, ElementsAre("Pub - Netscape - Mozilla"));
  EXPECT_THAT(engine.RecordedTitles(), ElementsAre("Pub - Netscape - Mozilla"));
}

TEST_F(WatchTest, HeadersAreTrimmedAndAnEmptyHeaderMatchesEveryTitle) {
  lists.browserHeaders.Clear();
  lists.browserHeaders.Add("  - Opera  ");
  EXPECT_TRUE(engine.IsBrowserTitle("Ad - OPERA"));
  EXPECT_FALSE(engine.IsBrowserTitle("Ad-Opera"));
  lists.browserHeaders.Add("");
  EXPECT_TRUE(engine.IsBrowserTitle("Anything"));
}

TEST_F(WatchTest, TitleRulesAreExactAndCaseSensitive) {
  lists.titlesToDestroy.Add("Pub - Netscape");
  const WindowHandle lower = desktop.Add("pub - netscape", 800, 600);
  const WindowHandle exact = desktop.Add("Pub - Netscape", 800, 600);
  engine.ScanWindows();
  EXPECT_THAT(desktop.closes, ElementsAre(exact));
  EXPECT_NE(exact, lower);
  EXPECT_THAT(engine.RecordedTitles(), ElementsAre("pub - netscape"));
}

TEST_F(WatchTest, OnlyRecordedWindowsMatchTitleRules) {
  lists.titlesToDestroy.Add("Editor");
  lists.titlesToDestroy.Add("Setup [Disabled]");
  desktop.Add("Editor", 100, 100);
  const WindowHandle setup = desktop.Add("Setup", 100, 100, true, false);
  engine.ScanWindows();
  EXPECT_THAT(desktop.closes, ElementsAre(setup));
  EXPECT_THAT(recorder.titles, ElementsAre("Setup [Disabled]"));
}

TEST_F(WatchTest, OneTitlePassDestroysOnlyTheFirstOfTwoNeighbours) {
  lists.titlesToDestroy.Add("Pop - Mozilla");
  desktop.Add("Pop - Mozilla", 800, 600);
  desktop.Add("Pop - Mozilla", 800, 600);
  engine.ScanWindows();
  EXPECT_THAT(recorder.titles, ElementsAre("Pop - Mozilla"));
  EXPECT_THAT(engine.RecordedTitles(), ElementsAre("Pop - Mozilla"));
}

// One close request and one log line per window and pass, however many
// rules match it; a window closed by size stays among the recorded ones.
TEST_F(WatchTest, AWindowMatchingASizeRuleAndTitlesIsAskedOnce) {
  lists.sizeRules.Add("250 - 400");
  lists.titlesToDestroy.Add("Pub - Netscape");
  lists.titlesToDestroy.Add("Pub - * [Like]");
  const WindowHandle w = desktop.Add("Pub - Netscape", 300, 200);
  engine.ScanWindows();
  EXPECT_THAT(desktop.closes, ElementsAre(w));
  EXPECT_THAT(recorder.titles, ElementsAre("Pub - Netscape"));
  EXPECT_THAT(engine.RecordedTitles(), ElementsAre("Pub - Netscape"));
  EXPECT_THAT(Entries(lists.destructionTimes), IsEmpty());  // no title rule did it
}

TEST_F(WatchTest, AWindowMatchingTwoTitlesIsAskedOnceAndTheFirstTitleNotesTheTime) {
  lists.titlesToDestroy.Add("Other");
  lists.titlesToDestroy.Add("Pub - * [Like]");
  lists.titlesToDestroy.Add("Pub - Netscape");
  lists.destructionTimes.Add("");
  lists.destructionTimes.Add("");
  lists.destructionTimes.Add("");
  const WindowHandle w = desktop.Add("Pub - Netscape", 900, 700);
  engine.ScanWindows();
  EXPECT_THAT(desktop.closes, ElementsAre(w));
  EXPECT_THAT(recorder.titles, ElementsAre("Pub - Netscape"));
  EXPECT_THAT(Entries(lists.destructionTimes), ElementsAre("", "14:32:05", "", ""));
}

TEST_F(WatchTest, DestructionTimesGoToTheTitlePositionWhenThereIsOne) {
  lists.titlesToDestroy.Add("A - Mozilla");
  lists.titlesToDestroy.Add("B - Mozilla");
  lists.titlesToDestroy.Add("C - Mozilla");
  desktop.Add("C - Mozilla");
  engine.ScanWindows();
  EXPECT_THAT(Entries(lists.destructionTimes), IsEmpty());  // position 2 lies beyond the end of an empty list

  desktop.Add("A - Mozilla");
  engine.ScanWindows();
  EXPECT_THAT(Entries(lists.destructionTimes), ElementsAre("14:32:05"));

  clock.now.second = 9;
  engine.ScanWindows();  // the old time of title 0 is replaced, not pushed down
  EXPECT_THAT(Entries(lists.destructionTimes), ElementsAre("14:32:09"));
}

TEST_F(WatchTest, EmptyDesktopShowsZeroCounts) {
  AddOrdinaryDesktop();
  engine.ScanWindows();
  EXPECT_THAT(engine.RecordedTitles(), IsEmpty());
  EXPECT_THAT(Entries(lists.activeWindows), IsEmpty());
  EXPECT_EQ(lists.recordedCount.Caption(), "0");
  EXPECT_EQ(lists.activeCount.Caption(), "0");
  EXPECT_EQ(lists.toDestroyCaption.Caption(), AnsiFromUtf8("Nombre de Fenetre(s) à détruire : ") + "0");
  EXPECT_EQ(lists.toDestroyCaption.Caption(), "Nombre de Fenetre(s) \xE0 d\xE9truire : 0");
}

TEST_F(WatchTest, CountsEveryVisibleTitledWindowButRecordsOnlyBrowsersAndDisabled) {
  desktop.Add("Vantrel");
  desktop.Add("Page - Mozilla");
  desktop.Add("", 100, 100);                        // no title
  desktop.Add("Hidden - Mozilla", 100, 100, false);  // invisible
  desktop.Add("Vantrel - Attention", 100, 100, true, false);  // the program behind its own box
  desktop.Add("Setup", 100, 100, true, false);
  engine.ScanWindows();
  EXPECT_THAT(engine.RecordedTitles(), ElementsAre("Page - Mozilla", "Setup [Disabled]"));
  EXPECT_EQ(engine.CountedWindows(), 3);
}

TEST_F(WatchTest, ActiveListIsRebuiltFromWorkListWithoutMainCaptionAndProgramManager) {
  lists.browserHeaders.Clear();
  lists.browserHeaders.Add("");  // every enabled window counts as a browser window
  desktop.Add("Vantrel");
  desktop.Add("Program Manager");
  desktop.Add("Caption");
  desktop.Add("Editor");
  desktop.Add("Setup", 100, 100, true, false);
  engine.SetMainCaption("Caption");
  engine.ScanWindows();
  EXPECT_THAT(engine.RecordedTitles(), ElementsAre("Program Manager", "Caption", "Editor", "Setup [Disabled]"));
  EXPECT_THAT(Entries(lists.activeWindows), ElementsAre("Editor", "Setup [Disabled]"));
  EXPECT_THAT(Entries(lists.activeSources), ElementsAre("2", "3"));
  EXPECT_EQ(lists.activeCount.Caption(), "2");
}

TEST_F(WatchTest, WindowDestroyedByTitleIsNotInTheActiveList) {
  AddOrdinaryDesktop();
  lists.titlesToDestroy.Add("Page - Mozilla");
  desktop.Add("Page - Mozilla");
  desktop.Add("Keep - Mozilla");
  engine.ScanWindows();
  EXPECT_THAT(Entries(lists.activeWindows), ElementsAre("Keep - Mozilla"));
  EXPECT_EQ(lists.recordedCount.Caption(), "1");
}

TEST_F(WatchTest, ActiveListKeepsItsSelectionWhileNothingChanges) {
  AddOrdinaryDesktop();
  desktop.Add("A - Mozilla");
  desktop.Add("B - Mozilla");
  engine.ScanWindows();
  ASSERT_THAT(Entries(lists.activeWindows), ElementsAre("A - Mozilla", "B - Mozilla"));
  lists.activeWindows.Select(1);
  engine.ScanWindows();
  EXPECT_EQ(lists.activeWindows.Selected(), 1);
}

TEST_F(WatchTest, SelectionSurvivesScansWhileOtherProgramsWindowsAreOpen) {
  AddOrdinaryDesktop();
  for (const char* other : {"Spreadsheet", "Terminal", "Music"}) desktop.Add(other);
  desktop.Add("A - Mozilla");
  desktop.Add("B - Mozilla");
  engine.ScanWindows();
  ASSERT_THAT(Entries(lists.activeWindows), ElementsAre("A - Mozilla", "B - Mozilla"));  // more counted than listed
  lists.activeWindows.Select(1);
  engine.ScanWindows();
  engine.ScanWindows();
  EXPECT_EQ(lists.activeWindows.Selected(), 1);
  desktop.Add("C - Mozilla");
  engine.ScanWindows();  // a new entry: the list is filled anew
  EXPECT_THAT(Entries(lists.activeWindows), ElementsAre("A - Mozilla", "B - Mozilla", "C - Mozilla"));
  EXPECT_EQ(lists.activeWindows.Selected(), -1);
}

TEST_F(WatchTest, ActiveListFollowsTheWindowOrder) {
  AddOrdinaryDesktop();
  desktop.Add("A - Mozilla");
  const WindowHandle b = desktop.Add("B - Mozilla");
  engine.ScanWindows();
  desktop.BringToFront(b);
  engine.ScanWindows();
  EXPECT_THAT(Entries(lists.activeWindows), ElementsAre("B - Mozilla", "A - Mozilla"));
}

TEST_F(WatchTest, ActiveListDropsClosedWindows) {
  AddOrdinaryDesktop();
  const WindowHandle a = desktop.Add("A - Mozilla");
  desktop.Add("B - Mozilla");
  const WindowHandle c = desktop.Add("C - Mozilla");
  engine.ScanWindows();
  lists.activeWindows.Select(1);

  desktop.Vanish(c);  // the last entry goes: the others stand where they stood
  engine.ScanWindows();
  EXPECT_THAT(Entries(lists.activeWindows), ElementsAre("A - Mozilla", "B - Mozilla"));
  EXPECT_EQ(lists.activeWindows.Selected(), 1);

  desktop.Vanish(a);  // the first goes: positions shift and the list is rebuilt
  engine.ScanWindows();
  EXPECT_THAT(Entries(lists.activeWindows), ElementsAre("B - Mozilla"));
  EXPECT_THAT(Entries(lists.activeSources), ElementsAre("0"));
}

TEST_F(WatchTest, FewCountedWindowsLeaveNothingInTheActiveList) {
  AddOrdinaryDesktop();
  const WindowHandle a = desktop.Add("A - Mozilla");
  desktop.Add("B - Mozilla");
  engine.ScanWindows();
  ASSERT_EQ(lists.activeWindows.Count(), 2);
  desktop.Vanish(a);
  desktop.Vanish(desktop.FindByTitle("Mail"));
  desktop.Vanish(desktop.FindByTitle("Editor"));
  engine.ScanWindows();  // two counted windows: nothing is expected in the list
  EXPECT_THAT(Entries(lists.activeWindows), IsEmpty());
  EXPECT_THAT(engine.RecordedTitles(), ElementsAre("B - Mozilla"));
}

TEST_F(WatchTest, WindowVanishingMidReadingDoesNotStopTheScan) {
  AddOrdinaryDesktop();
  for (int i = 0; i < 20; ++i) desktop.Add("Hidden " + std::to_string(i), 100, 100, false);
  const WindowHandle a = desktop.Add("A - Mozilla");
  desktop.Add("B - Mozilla", 50, 50);
  lists.sizeRules.Add("100 - 100");
  // A closes after the window order was taken, before its own facts are read.
  desktop.onVisibilityRead = [&](WindowHandle w) {
    if (w == a) desktop.Vanish(a);
  };
  engine.ScanWindows();
  EXPECT_THAT(engine.RecordedTitles(), ElementsAre("B - Mozilla"));
  EXPECT_THAT(recorder.titles, ElementsAre("B - Mozilla"));
}

TEST_F(WatchTest, PlacementThatCannotBeReadIsNotJudgedBySize) {
  desktop.placementReadable = false;
  desktop.Add("Small - Mozilla", 10, 10);
  desktop.Add("Big - Mozilla", 2000, 2000);
  lists.sizeRules.Add("100 - 100");
  engine.ScanWindows();
  EXPECT_THAT(desktop.closes, IsEmpty());
  EXPECT_THAT(engine.RecordedTitles(), ElementsAre("Small - Mozilla", "Big - Mozilla"));
}

TEST_F(WatchTest, KillWindowPostsToTheStrippedTitleAndRecordsTheListTitle) {
  const WindowHandle setup = desktop.Add("Setup", 100, 100, true, false);
  EXPECT_TRUE(engine.KillWindow("Setup [Disabled]"));
  EXPECT_THAT(desktop.closes, ElementsAre(setup));
  EXPECT_THAT(recorder.titles, ElementsAre("Setup [Disabled]"));
}

TEST_F(WatchTest, KillWindowOfAnUnknownTitleStillRecords) {
  desktop.Add("Untitled", 100, 100);
  EXPECT_TRUE(engine.KillWindow("Nobody"));
  EXPECT_THAT(desktop.closes, IsEmpty());
  EXPECT_THAT(recorder.titles, ElementsAre("Nobody"));
}

TEST_F(WatchTest, KillWindowNeverLooksUpTheEmptyTitle) {
  desktop.Add("", 100, 100);
  engine.KillWindow("[Hidden]");
  engine.SwitchToWindow(" [Disabled]");
  EXPECT_THAT(desktop.closes, IsEmpty());
  EXPECT_THAT(desktop.broughtToTop, IsEmpty());
}

TEST_F(WatchTest, OneKillClosesOneOfTwoWindowsWithTheSameTitle) {
  const WindowHandle first = desktop.Add("Twin", 100, 100);
  desktop.Add("Twin", 100, 100);
  engine.KillWindow("Twin");
  EXPECT_THAT(desktop.closes, ElementsAre(first));
}

TEST_F(WatchTest, FailedRecordingIsReportedButTheCloseRequestIsPosted) {
  const WindowHandle w = desktop.Add("Pub - Netscape", 100, 100);
  recorder.succeed = false;
  EXPECT_FALSE(engine.KillWindow("Pub - Netscape"));
  EXPECT_THAT(desktop.closes, ElementsAre(w));
}

TEST_F(WatchTest, ScanGoesOnWhenRecordingThrows) {
  class ThrowingRecorder final : public KillRecorder {
   public:
    bool RecordKill(std::string_view) override { throw std::runtime_error("disk full"); }
  } throwing;
  engine.SetKillRecorder(&throwing);
  AddOrdinaryDesktop();
  lists.sizeRules.Add("1000 - 1000");
  desktop.Add("A - Mozilla");
  desktop.Add("B - Mozilla");
  EXPECT_NO_THROW(engine.ScanWindows());
  EXPECT_EQ(desktop.closes.size(), 2u);
  EXPECT_EQ(lists.recordedCount.Caption(), "2");
}

TEST_F(WatchTest, SwitchToWindowBringsTheStrippedTitleToTop) {
  desktop.Add("Other");
  const WindowHandle b = desktop.Add("B");
  engine.SwitchToWindow("B [Disabled] [Hidden]");
  engine.SwitchToWindow("Nobody");
  EXPECT_THAT(desktop.broughtToTop, ElementsAre(b));
}

}  // namespace
}  // namespace vantrel
