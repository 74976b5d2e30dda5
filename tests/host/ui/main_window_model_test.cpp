#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "platform/memory_controls.h"
#include "store/settings.h"
#include "support/fake_file_system.h"
#include "support/fake_profile.h"
#include "support/fake_registry.h"
#include "support/fake_settings_store.h"
#include "ui/model/main_startup.h"
#include "ui/model/storage_notices.h"
#include "ui/model/page_switcher.h"
#include "ui/model/tray_animation.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;

constexpr const char* kFolder = "C:\\Vantrel";

class FakeFrame final : public MainFrameView, public MainWindowShell {
 public:
  int HeightTwips() const override { return height; }
  void SetHeightTwips(int twips) override {
    height = twips;
    ++heightSets;
    events.push_back("height");
  }
  void ShowFrame(Page frame, bool visible) override { frames[frame] = visible; }
  bool FrameVisible(Page frame) const override {
    auto it = frames.find(frame);
    return it != frames.end() && it->second;
  }
  void ShowTabPicture(Page tab, bool visible) override { tabPictures[tab] = visible; }
  void RequestAnimationSteps() override { ++stepRequests; }

  double ScreenWidthTwips() const override { return 1280 * 15; }
  double ScreenHeightTwips() const override { return 1024 * 15; }
  void SetSizeTwips(int w, int h) override {
    width = w;
    height = h;
    events.push_back("size");
  }
  void SetPositionTwips(double l, double t) override {
    left = l;
    top = t;
    events.push_back("position");
  }
  void ApplyPointer() override { events.push_back("pointer"); }
  void PlaceFrames() override {
    for (Page p : {Page::Windows, Page::Options, Page::Statistics, Page::Help}) frames[p] = false;
    events.push_back("frames");
  }
  void MakeTopmost() override { events.push_back("topmost"); }
  void SetVisible(bool v) override {
    visible = v;
    events.push_back(v ? "show" : "hide");
  }

  int height = 4065, width = 4950, heightSets = 0, stepRequests = 0;
  double left = 0, top = 0;
  bool visible = false;  // as the window is created
  std::map<Page, bool> frames, tabPictures;
  std::vector<std::string> events;
};

class SilentPrompts final : public UserPrompts {
 public:
  void MakeTopmost() override {}
  void MakeNotTopmost() override {}
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
  void Inform(const std::string&, const std::string&) override {}
};

class FakeTray final : public TrayMenuItems {
 public:
  void SetEnabled(TrayItem item, bool enabled) override { state[item] = enabled; }
  bool Enabled(TrayItem item) const override {
    auto it = state.find(item);
    return it == state.end() || it->second;
  }
  std::map<TrayItem, bool> state{{TrayItem::ShowMain, false}};
};

class PagesTest : public ::testing::Test {
 protected:
  std::string Stored(std::string_view key) const {
    return store.Value(kAppName, kSettingsSection, key).value_or("<absent>");
  }
  unsigned Colours() const {  // the three tab colours as one number, for tables
    return (LabFActive.ForeColor() == kOpenTabColour ? 1u : 0u) | (LabFOption.ForeColor() == kOpenTabColour ? 2u : 0u) |
           (LabFStat.ForeColor() == kOpenTabColour ? 4u : 0u);
  }

  // The window's loop running the animation's steps to the end; the number
  // of steps taken.
  int Animate() {
    int steps = 0;
    while (pages.AnimationStep()) ++steps;
    return steps + 1;
  }
  void Click(void (PageSwitcher::*click)()) {
    (pages.*click)();
    Animate();
  }

  test::FakeSettingsStore store;
  Settings settings{store, kFolder};
  FakeFrame frame;
  FakeTray tray;
  MemoryLabel LabFActive, LabFOption, LabFStat, Entete2;
  int statisticsLoads = 0, helpComposed = 0;
  std::vector<bool> scroller;
  PageSwitcher pages{frame, settings, tray, LabFActive, LabFOption, LabFStat, Entete2,
                     PageHooks{[this] { ++statisticsLoads; }, [this](bool on) { scroller.push_back(on); },
                               [this] { ++helpComposed; }}};
};

TEST_F(PagesTest, AnimationStepsAreOneTwipEach) {
  frame.height = 7580;
  pages.Shrink();
  EXPECT_EQ(frame.heightSets, 3531);
  EXPECT_EQ(frame.height, 4049);
  frame.heightSets = 0;
  pages.Shrink();  // under the stop height: nothing
  EXPECT_EQ(frame.heightSets, 0);
  pages.Grow();
  EXPECT_EQ(frame.heightSets, 3532);
  EXPECT_EQ(frame.height, 7580);
}

TEST_F(PagesTest, AnOpeningRunsInStepsOfAPixelFromTheWindowsLoop) {
  pages.LabFOption_Click();
  // Nothing moves inside the click: the steps are asked of the window's loop.
  EXPECT_EQ(frame.stepRequests, 1);
  EXPECT_EQ(frame.heightSets, 0);
  EXPECT_TRUE(pages.Animating());
  EXPECT_EQ(pages.OpenPage(), Page::None);
  // From the upper area (4065 twips): one step of shrinking to 4049, the
  // pause, then 3532 twips of growing, 15 a step.
  ASSERT_TRUE(pages.AnimationStep());
  EXPECT_EQ(frame.height, 4050);
  const int steps = 1 + Animate();
  EXPECT_EQ(frame.height, 7580);
  EXPECT_EQ(frame.heightSets, 16 + 3532);
  EXPECT_GE(steps, 3532 / 15);
  EXPECT_LE(steps, 3532 / 15 + 6);
  EXPECT_FALSE(pages.Animating());
  EXPECT_EQ(pages.OpenPage(), Page::Options);
  EXPECT_EQ(frame.stepRequests, 1);
}

TEST_F(PagesTest, AClickWhileTheWindowMovesIsRefused) {
  pages.LabFOption_Click();
  pages.AnimationStep();
  pages.LabFStat_Click();
  pages.BtnAide_Click();
  pages.LabFOption_Click();
  Animate();
  EXPECT_EQ(pages.OpenPage(), Page::Options);
  EXPECT_EQ(Stored("Position"), "2");
  EXPECT_EQ(statisticsLoads, 0);
  EXPECT_EQ(helpComposed, 0);
  EXPECT_EQ(frame.stepRequests, 1);
  pages.LabFStat_Click();  // once it has stopped, a click is taken
  Animate();
  EXPECT_EQ(pages.OpenPage(), Page::Statistics);
}

TEST_F(PagesTest, TheOpenPageIsKeptNotReadBackFromTheTabColours) {
  Click(&PageSwitcher::LabFActive_Click);
  LabFActive.SetForeColor(kClosedTabColour);  // something else repaints the tab
  EXPECT_EQ(pages.OpenPage(), Page::Windows);
  Click(&PageSwitcher::LabFActive_Click);  // the open tab: it closes
  EXPECT_EQ(pages.OpenPage(), Page::None);
  EXPECT_EQ(frame.height, 4049);
}

TEST_F(PagesTest, OpeningAndClosingATab) {
  Click(&PageSwitcher::LabFOption_Click);
  EXPECT_EQ(Stored("Position"), "2");
  EXPECT_TRUE(frame.FrameVisible(Page::Options));
  EXPECT_FALSE(frame.FrameVisible(Page::Windows));
  EXPECT_EQ(frame.height, 7580);
  EXPECT_EQ(Colours(), 2u);
  EXPECT_EQ(Entete2.Caption(), "Options");
  EXPECT_FALSE(tray.Enabled(TrayItem::OptionsPage));
  EXPECT_TRUE(tray.Enabled(TrayItem::WindowsPage));
  EXPECT_TRUE(frame.tabPictures[Page::Options]);
  EXPECT_EQ(pages.OpenPage(), Page::Options);

  Click(&PageSwitcher::LabFOption_Click);
  EXPECT_EQ(Stored("Position"), "0");
  EXPECT_EQ(frame.height, 4049);
  EXPECT_EQ(Colours(), 0u);
  for (Page p : {Page::Windows, Page::Options, Page::Statistics, Page::Help}) EXPECT_FALSE(frame.FrameVisible(p));
  for (TrayItem i : {TrayItem::WindowsPage, TrayItem::OptionsPage, TrayItem::StatisticsPage, TrayItem::HelpPage})
    EXPECT_TRUE(tray.Enabled(i));
  EXPECT_EQ(pages.OpenPage(), Page::None);
}

TEST_F(PagesTest, SwitchingTabsReloadsStatisticsAndTitlesEachPage) {
  const struct {
    void (PageSwitcher::*click)();
    Page page;
    const char* position;
    const char* title;
    unsigned colours;
    TrayItem disabled;
  } steps[] = {
      {&PageSwitcher::LabFActive_Click, Page::Windows, "1", "Liste des fen\xEAtres actives", 1, TrayItem::WindowsPage},
      {&PageSwitcher::LabFStat_Click, Page::Statistics, "3", "Statistiques", 4, TrayItem::StatisticsPage},
      {&PageSwitcher::LabFOption_Click, Page::Options, "2", "Options", 2, TrayItem::OptionsPage},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.position);
    Click(s.click);
    EXPECT_EQ(Stored("Position"), s.position);
    EXPECT_EQ(Entete2.Caption(), s.title);
    EXPECT_EQ(Colours(), s.colours);
    EXPECT_EQ(frame.height, 7580);
    EXPECT_EQ(pages.OpenPage(), s.page);
    for (TrayItem i : {TrayItem::WindowsPage, TrayItem::OptionsPage, TrayItem::StatisticsPage, TrayItem::HelpPage})
      EXPECT_EQ(tray.Enabled(i), i != s.disabled);
  }
  EXPECT_EQ(statisticsLoads, 1);
}

TEST_F(PagesTest, HelpPageOpensAndClosesWithoutTouchingPosition) {
  Click(&PageSwitcher::LabFStat_Click);
  Click(&PageSwitcher::BtnAide_Click);
  EXPECT_TRUE(frame.FrameVisible(Page::Help));
  EXPECT_FALSE(frame.FrameVisible(Page::Statistics));
  EXPECT_EQ(Entete2.Caption(), "Aide && A Propos");
  EXPECT_EQ(Colours(), 0u);
  EXPECT_EQ(pages.OpenPage(), Page::Help);
  EXPECT_FALSE(tray.Enabled(TrayItem::HelpPage));
  EXPECT_EQ(helpComposed, 1);

  Click(&PageSwitcher::BtnAide_Click);
  EXPECT_FALSE(frame.FrameVisible(Page::Help));
  EXPECT_EQ(frame.height, 4049);  // stays shrunk
  EXPECT_TRUE(tray.Enabled(TrayItem::HelpPage));
  EXPECT_THAT(scroller, ElementsAre(true, false));
  EXPECT_EQ(Stored("Position"), "3");  // only the tabs write it
}

TEST_F(PagesTest, TabOpenedOverHelpLeavesTheScrollerRunning) {
  Click(&PageSwitcher::BtnAide_Click);
  Click(&PageSwitcher::LabFActive_Click);
  EXPECT_FALSE(frame.FrameVisible(Page::Help));
  EXPECT_THAT(scroller, ElementsAre(true));
}

TEST(TrayAnimation, FramesRunOneTwoZero) {
  TrayAnimation a;
  std::vector<int> frames;
  for (int i = 0; i < 6; ++i) frames.push_back(a.NextFrame());
  EXPECT_THAT(frames, ElementsAre(1, 2, 0, 1, 2, 0));
  EXPECT_EQ(TrayAnimation::TitleColour(0.0), 1u);
  EXPECT_EQ(TrayAnimation::TitleColour(0.9999), 255u);
  EXPECT_EQ(TrayAnimation::TitleColour(1.0), 255u);
  EXPECT_EQ(TrayAnimation::TitleColour(-3), 1u);
}

class StartupTest : public PagesTest {
 protected:
  void Run() {
    OptionHandlers handlers(OptionBoxes{chkStart, ChkDefaut, chkMin}, settings, registry, files, List5, prompts,
                            nullptr);
    StartupContext c{.window = frame,
                     .settings = settings,
                     .ini = ini,
                     .files = files,
                     .List2 = List2,
                     .List4 = List4,
                     .boxes = OptionBoxes{chkStart, ChkDefaut, chkMin},
                     .pages = pages,
                     .tray = tray,
                     .titles = titles,
                     .loadTrayForm = [this] { frame.events.push_back("trayform"); },
                     .scan = [this] { frame.events.push_back("scan:" + std::to_string(List4.Count())); },
                     .addTrayIcon = [this] { frame.events.push_back("trayicon"); },
                     .notices = &notices};
    RunStartup(c);
    Animate();  // the stored page opens from the window's loop
  }
  void Seed(std::string_view key, std::string_view value) { store.Seed(kAppName, kSettingsSection, key, value); }
  std::vector<std::string> EventsWithoutHeights() const {
    std::vector<std::string> out;
    for (const auto& e : frame.events)
      if (e != "height") out.push_back(e);
    return out;
  }

  test::FakeProfileFile profile;
  test::FakeFileSystem files;
  test::FakeRegistry registry;
  ModuleINI ini{profile, kFolder};
  MemoryList List2, List4, List5{"- Microsoft Internet", "- Netscape", "- Mozilla"};
  MemoryCheckBox chkStart{false}, ChkDefaut{true}, chkMin{true};
  TitleRuleState titles;
  SilentPrompts prompts;
  int noticeRequests = 0;
  StorageNotices notices{[this] { ++noticeRequests; }};
};

// A folder that takes no file is found out at start and told afterwards,
// from the window's loop; the start goes on as usual.
TEST_F(StartupTest, AProgramFolderThatTakesNoFileAsksForItsBoxAndStartsAsUsual) {
  files.SetFolderReadOnly(kFolder);
  Run();
  EXPECT_FALSE(notices.ProgramFolderWritable());
  EXPECT_EQ(noticeRequests, 1);
  EXPECT_THAT(EventsWithoutHeights(),
              ElementsAre("size", "position", "pointer", "frames", "show", "trayform", "scan:0", "trayicon", "topmost"));
  EXPECT_EQ(pages.OpenPage(), Page::Windows);
  EXPECT_TRUE(frame.visible);
}

TEST_F(StartupTest, FirstStartWithNothingStored) {
  files.Seed("C:\\Vantrel\\debug.txt", "old trace\r\n");
  Run();
  EXPECT_THAT(EventsWithoutHeights(),
              ElementsAre("size", "position", "pointer", "frames", "show", "trayform", "scan:0", "trayicon", "topmost"));
  EXPECT_DOUBLE_EQ(frame.top, (1024 * 15 - 4065) / 2);
  EXPECT_DOUBLE_EQ(frame.left, (1280 * 15 - 4950) / 2);
  EXPECT_EQ(registry.Value(RegistryRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Vantrel"),
            "C:\\Vantrel\\Vantrel.exe");
  EXPECT_EQ(Stored("RunAtStart"), "1");
  EXPECT_EQ(Stored("RunUrlDefault"), "<absent>");  // the box already shows the built-in headers
  EXPECT_EQ(Stored("RunMinimize"), "0");
  EXPECT_FALSE(files.Exists("C:\\Vantrel\\debug.txt"));
  EXPECT_EQ(pages.OpenPage(), Page::Windows);
  EXPECT_EQ(Stored("Position"), "1");
  EXPECT_TRUE(frame.visible);
  EXPECT_FALSE(tray.Enabled(TrayItem::ShowMain));
  EXPECT_TRUE(notices.ProgramFolderWritable());
  EXPECT_EQ(noticeRequests, 0);
}

TEST_F(StartupTest, RulesAreLoadedAroundTheFirstScan) {
  profile.Seed("C:\\Vantrel\\Vantrel.ini", "Vantrel", "NbOcc", "2");
  profile.Seed("C:\\Vantrel\\Vantrel.ini", "Vantrel", "0", "Pub - Netscape");
  profile.Seed("C:\\Vantrel\\Vantrel.ini", "Vantrel", "1", "Setup [Disabled]");
  profile.Seed("C:\\Vantrel\\Vantrel.ini", "Vantrel", "NbCondition", "1");
  profile.Seed("C:\\Vantrel\\Vantrel.ini", "Vantrel", "C0", "250 - 400");
  Run();
  EXPECT_THAT(List2.Entries(), ElementsAre("Pub - Netscape", "Setup [Disabled]"));
  EXPECT_EQ(titles.slots[1], "Setup [Disabled]");
  EXPECT_EQ(titles.nbOcc, "2");
  EXPECT_THAT(List4.Entries(), ElementsAre("250 - 400"));
  // The scan ran with no size rule loaded yet.
  EXPECT_THAT(frame.events, ::testing::Contains("scan:0"));
}

TEST_F(StartupTest, StartHiddenWithNoPage) {
  Seed("RunMinimize", "1");
  Seed("Position", "0");
  Seed("RunAtStart", "0");
  Run();
  EXPECT_FALSE(frame.visible);
  EXPECT_THAT(frame.events, ::testing::Not(::testing::Contains("show")));  // not even for a moment
  EXPECT_TRUE(tray.Enabled(TrayItem::ShowMain));
  EXPECT_TRUE(tray.Enabled(TrayItem::WindowsPage));
  EXPECT_EQ(pages.OpenPage(), Page::None);
  // The box already says so: nothing is written for it.
  for (const auto& save : store.Saves()) EXPECT_NE(save.key, "RunMinimize");
  EXPECT_TRUE(registry.Calls().empty());
}

TEST_F(StartupTest, StartHiddenWithAPageOpensItUnseenAndOffersTheWindowInTheTray) {
  Seed("RunMinimize", "1");
  Seed("Position", "2");
  Seed("RunAtStart", "0");
  Run();
  EXPECT_THAT(frame.events, ::testing::Not(::testing::Contains("show")));
  EXPECT_FALSE(frame.visible);
  EXPECT_EQ(pages.OpenPage(), Page::Options);
  EXPECT_TRUE(tray.Enabled(TrayItem::ShowMain));
  EXPECT_TRUE(tray.Enabled(TrayItem::WindowsPage));
  EXPECT_FALSE(tray.Enabled(TrayItem::OptionsPage));  // its page is open
  EXPECT_TRUE(tray.Enabled(TrayItem::StatisticsPage));
}

TEST_F(StartupTest, StoredPlaceIsKeptUnlessWhollyOffScreen) {
  const struct {
    const char* top;
    const char* left;
    double wantTop, wantLeft;
  } cases[] = {
      {"-500", "100", -500, 100},
      {"-5000", "100", 0, 100},
      {"20000", "-4000", 0, -4000},
      {"300", "-6000", 300, 0},
      {"abc", "x", (1024 * 15 - 4065) / 2, (1280 * 15 - 4950) / 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.top) + "," + c.left);
    Seed("MainTop", c.top);
    Seed("MainLeft", c.left);
    Seed("Position", "0");
    Run();
    EXPECT_DOUBLE_EQ(frame.top, c.wantTop);
    EXPECT_DOUBLE_EQ(frame.left, c.wantLeft);
  }
}

TEST_F(StartupTest, CustomHeadersReplaceBuiltInOnesAfterTheFirstScan) {
  Seed("RunUrlDefault", "0");
  files.Seed("C:\\Vantrel\\Vantrel-Url.ini", "- Opera\r\n\r\n");
  Run();
  EXPECT_FALSE(ChkDefaut.Value());
  EXPECT_THAT(List5.Entries(), ElementsAre("- Opera", ""));
  EXPECT_EQ(Stored("RunUrlDefault"), "0");
}

}  // namespace
}  // namespace vantrel
