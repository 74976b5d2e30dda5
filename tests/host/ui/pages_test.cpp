#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/text.h"
#include "engine/kill_recorder.h"
#include "support/recording_kill_recorder.h"
#include "platform/memory_controls.h"
#include "store/rule_lists.h"
#include "store/settings.h"
#include "support/fake_desktop.h"
#include "support/fake_file_system.h"
#include "support/fake_profile.h"
#include "support/fake_registry.h"
#include "support/fake_settings_store.h"
#include "support/memory_watch_lists.h"
#include "support/settable_clock.h"
#include "ui/model/option_handlers.h"
#include "ui/model/options_page.h"
#include "ui/model/statistics_page.h"
#include "ui/model/windows_page.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kFolder = "C:\\V";
constexpr const char* kIni = "C:\\V\\Vantrel.ini";

class RecordingPrompts final : public UserPrompts {
 public:
  void MakeTopmost() override { events.push_back("topmost"); }
  void MakeNotTopmost() override { events.push_back("not-topmost"); }
  bool AskYesNo(const std::string& text, const std::string& title) override {
    events.push_back("ask:" + title + ":" + text);
    return answer;
  }
  void Inform(const std::string& text, const std::string& title) override {
    events.push_back("inform:" + title + ":" + text);
  }
  std::vector<std::string> events;
  bool answer = true;
};

// A list as a next start would read it from the INI file.
template <class Load>
std::vector<std::string> StoredList(const ModuleINI& ini, Load load) {
  MemoryList list;
  load(ini, list);
  return list.Entries();
}
std::vector<std::string> StoredTitles(const ModuleINI& ini) { return StoredList(ini, LoadTitleList); }
std::vector<std::string> StoredSizeRules(const ModuleINI& ini) { return StoredList(ini, LoadSizeRules); }

// How an INI file refuses the writes of one operation, counted from 1.
struct Refusal {
  const char* name;
  int first, last;
  // Whether the writes that went through can be undone: then the stored
  // list reads as before the operation.
  bool undone;
};
constexpr Refusal kRefusals[] = {
    {.name = "every write", .first = 1, .last = 1000, .undone = true},
    {.name = "the first write", .first = 1, .last = 1, .undone = true},
    {.name = "the second write", .first = 2, .last = 2, .undone = true},
    {.name = "every write from the second on", .first = 2, .last = 1000, .undone = false},
};

// "key=value" for every INI write, in order.
std::vector<std::string> Writes(const test::FakeProfileFile& profile) {
  std::vector<std::string> out;
  for (const auto& w : profile.Writes()) out.push_back(w.key + "=" + w.value);
  return out;
}

class WindowsPageTest : public ::testing::Test {
 protected:
  WindowsPageTest() { engine.SetKillRecorder(&kills); }
  void Store(std::initializer_list<const char*> stored) {
    int i = 0;
    for (const char* t : stored) {
      lists.titlesToDestroy.Add(t);
      titles.slots[static_cast<std::size_t>(i++)] = t;
    }
    titles.nbOcc = CStr(i);
  }
  void AddTitle(const std::string& text) {
    AddWin.SetText(text);
    page.Add();
  }

  test::FakeProfileFile profile;
  ModuleINI ini{profile, kFolder};
  TitleRuleState titles;
  MemoryTextBox AddWin;
  MemoryLabel LabAddDelete;
  test::MemoryWatchLists lists;
  test::FakeDesktop desktop;
  test::SettableClock clock;
  test::RecordingKillRecorder kills;
  WatchEngine engine{desktop, clock, lists.Lists(), "Vantrel"};
  RecordingPrompts prompts;
  int ticks = 0;
  WindowsPage page{WindowsPageParts{AddWin, LabAddDelete, lists.activeWindows, lists.titlesToDestroy,
                                    lists.destructionTimes},
                   ini, titles, engine, prompts, [this] { ++ticks; }};
};

TEST_F(WindowsPageTest, AddWritesTheTitleThenTheCount) {
  Store({"A", "B"});
  AddTitle("C");
  EXPECT_THAT(Writes(profile), ElementsAre("2=C", "NbOcc=3"));
  EXPECT_THAT(lists.titlesToDestroy.Entries(), ElementsAre("A", "B", "C"));
  EXPECT_EQ(titles.slots[2], "C");
  EXPECT_EQ(AddWin.Text(), "C");
  EXPECT_EQ(AddWin.Focused(), 1);
}

TEST_F(WindowsPageTest, AddRefusesEmptyAndDuplicateTitlesAndKeepsSpacesOfNewOnes) {
  Store({"A"});
  AddTitle("");
  AddTitle("  A  ");
  EXPECT_THAT(Writes(profile), IsEmpty());
  AddTitle(" X ");
  EXPECT_THAT(Writes(profile), ElementsAre("1= X ", "NbOcc=2"));
}

TEST_F(WindowsPageTest, AddRefusesAnEmptyQualifierWithABoxAndKeepsTheText) {
  Store({"A"});
  AddTitle("Licence [exe=]");
  EXPECT_THAT(Writes(profile), IsEmpty());
  EXPECT_THAT(lists.titlesToDestroy.Entries(), ElementsAre("A"));
  EXPECT_EQ(AddWin.Text(), "Licence [exe=]");
  EXPECT_THAT(prompts.events,
              ElementsAre("not-topmost",
                          "inform:Vantrel:Le nom qui suit \xAB exe= \xBB ou \xAB class= \xBB ne peut pas \xEAtre vide.",
                          "topmost"));
  AddTitle("Licence [exe=winrar.exe] [class=#32770]");
  EXPECT_THAT(lists.titlesToDestroy.Entries(), ElementsAre("A", "Licence [exe=winrar.exe] [class=#32770]"));
}

TEST_F(WindowsPageTest, AddWithoutACountStartsAtZeroAndStopsAt501Titles) {
  titles.nbOcc = "";
  AddTitle("First");
  EXPECT_THAT(Writes(profile), ElementsAre("0=First", "NbOcc=1"));
  // append, not "T" + ...: GCC 12 warns of a -Wrestrict overlap that cannot
  // happen in std::string's operator+ (its bug 105651).
  for (int i = 1; i < 501; ++i) AddTitle(std::string("T").append(std::to_string(i)));
  EXPECT_EQ(titles.nbOcc, "501");
  profile.ClearWrites();
  AddTitle("One too many");
  EXPECT_THAT(Writes(profile), IsEmpty());
  EXPECT_EQ(lists.titlesToDestroy.Count(), 501);
}

TEST_F(WindowsPageTest, RemoveShiftsLaterTitlesDownOneKey) {
  const struct {
    int selected;
    std::vector<std::string> writes;
    std::vector<std::string> left;
  } cases[] = {
      {1, {"1=", "1=C", "2=", "NbOcc=2"}, {"A", "C"}},
      {2, {"2=", "2=", "NbOcc=2"}, {"A", "B"}},  // the last one: its key is written empty twice
      {0, {"0=", "0=B", "1=C", "2=", "NbOcc=2"}, {"B", "C"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.selected);
    profile.ClearWrites();
    lists.titlesToDestroy.Clear();
    Store({"A", "B", "C"});
    LabAddDelete.SetCaption(kModeRemove);
    lists.titlesToDestroy.Select(c.selected);
    page.AddOrRemove();
    EXPECT_EQ(Writes(profile), c.writes);
    EXPECT_EQ(lists.titlesToDestroy.Entries(), c.left);
    EXPECT_EQ(lists.titlesToDestroy.Selected(), -1);
    EXPECT_EQ(LabAddDelete.Caption(), kModeRemove);
  }
  profile.ClearWrites();
  page.Remove();  // nothing selected
  EXPECT_THAT(Writes(profile), IsEmpty());
}

TEST_F(WindowsPageTest, RemoveTakesTheDestructionTimeAlong) {
  Store({"A", "B"});
  lists.destructionTimes.Add("10:00:00");
  lists.destructionTimes.Add("11:00:00");
  lists.titlesToDestroy.Select(0);
  page.Remove();
  EXPECT_THAT(lists.destructionTimes.Entries(), ElementsAre("11:00:00"));
}

TEST_F(WindowsPageTest, ClearEmptiesOneKeyMoreThanTheCount) {
  Store({"A", "B", "C"});
  page.Clear();
  EXPECT_THAT(Writes(profile), ElementsAre("0=", "1=", "2=", "3=", "NbOcc=0"));
  EXPECT_THAT(lists.titlesToDestroy.Entries(), IsEmpty());
  EXPECT_THAT(prompts.events,
              ElementsAre("not-topmost",
                          "ask:Attention:" + AnsiFromUtf8("Etes vous sûr de vouloir vider la liste des fenêtres à détruire ?"),
                          "topmost"));

  profile.ClearWrites();
  titles.nbOcc = "";
  page.Clear();
  EXPECT_THAT(Writes(profile), ElementsAre("0=", "NbOcc=0"));

  profile.ClearWrites();
  Store({"A"});
  prompts.answer = false;
  page.Clear();
  EXPECT_THAT(Writes(profile), IsEmpty());
  EXPECT_EQ(lists.titlesToDestroy.Count(), 1);
}

TEST_F(WindowsPageTest, ModeFollowsClicks) {
  Store({"A", "B"});
  lists.destructionTimes.Add("12:00:00");
  lists.destructionTimes.Add("13:00:00");
  AddWin.SetText("typed");
  lists.titlesToDestroy.Select(1);
  page.SelectForRemoval();
  EXPECT_EQ(LabAddDelete.Caption(), kModeRemove);
  EXPECT_EQ(AddWin.Text(), "");
  EXPECT_EQ(lists.destructionTimes.Selected(), 1);

  lists.activeWindows.Add("Setup [Disabled]");
  lists.activeWindows.Select(0);
  page.Pick();
  EXPECT_EQ(AddWin.Text(), "Setup [Disabled]");
  EXPECT_EQ(LabAddDelete.Caption(), kModeAdd);
  page.AddOrRemove();  // Enter in the active list adds the picked title
  EXPECT_EQ(lists.titlesToDestroy.Item(2), "Setup [Disabled]");

  page.EntryDoubleClicked();
  EXPECT_EQ(AddWin.Text(), "");
}

TEST_F(WindowsPageTest, SwitchToAndDestroyOneActOnTheSelectedEntry) {
  const WindowHandle setup = desktop.Add("Setup", 100, 100, true, false);
  lists.activeWindows.Add("Setup [Disabled]");
  page.SwitchTo();  // nothing selected: an empty title, and the list is rebuilt
  EXPECT_THAT(desktop.broughtToTop, IsEmpty());
  EXPECT_EQ(ticks, 1);
  EXPECT_THAT(lists.activeWindows.Entries(), IsEmpty());

  lists.activeWindows.Add("Setup [Disabled]");
  page.DestroyOne();
  EXPECT_THAT(kills.titles, IsEmpty());
  lists.activeWindows.Select(0);
  kills.succeed = false;  // a failed log line still takes the entry away
  page.DestroyOne();
  EXPECT_THAT(desktop.closes, ElementsAre(setup));
  EXPECT_THAT(lists.activeWindows.Entries(), IsEmpty());
}

TEST_F(WindowsPageTest, DestroyAllAsksAndKillsEveryActiveWindow) {
  lists.activeWindows.Add("A - Mozilla");
  lists.activeWindows.Add("B - Mozilla");
  prompts.answer = false;
  page.DestroyAll();
  EXPECT_THAT(kills.titles, IsEmpty());
  EXPECT_EQ(prompts.events.back(), "topmost");
  prompts.answer = true;
  kills.succeed = false;
  page.DestroyAll();
  EXPECT_THAT(kills.titles, ElementsAre("A - Mozilla", "B - Mozilla"));
  EXPECT_EQ(lists.activeWindows.Count(), 2);
}

// The title list of the INI file, loaded as at start-up.
class WindowsPageRefusalTest : public WindowsPageTest {
 protected:
  void StoreInFile(std::initializer_list<const char*> stored) {
    int i = 0;
    for (const char* t : stored) profile.Seed(kIni, "Vantrel", CStr(i++), t);
    profile.Seed(kIni, "Vantrel", "NbOcc", CStr(i));
    LoadTitleRules(ini, lists.titlesToDestroy, titles);
  }
  void ExpectShownAsStored() {
    const std::vector<std::string> shown = lists.titlesToDestroy.Entries();
    EXPECT_EQ(shown, StoredTitles(ini));
    EXPECT_EQ(titles.nbOcc, CStr(static_cast<long long>(shown.size())));
    for (std::size_t p = 0; p < shown.size(); ++p) EXPECT_EQ(titles.slots[p], shown[p]);
    EXPECT_EQ(titles.slots[shown.size()], "");
  }
  void ExpectToldOnce(const Refusal& refusal) {
    const std::string message =
        refusal.undone
            ? "Impossible d'enregistrer \"Vantrel.ini\" : la liste des fenêtres à détruire n'a pas été modifiée."
            : "Impossible d'enregistrer \"Vantrel.ini\" en entier : la liste montre les fenêtres à détruire telles "
              "qu'elles sont enregistrées.";
    EXPECT_THAT(prompts.events, ElementsAre("not-topmost", "inform:Vantrel:" + AnsiFromUtf8(message), "topmost"));
  }
};

TEST_F(WindowsPageRefusalTest, ARefusedAddShowsWhatIsStoredKeepsTheEntryAndSaysSoOnce) {
  for (const Refusal& refusal : kRefusals) {
    SCOPED_TRACE(refusal.name);
    StoreInFile({"A", "B"});
    prompts.events.clear();
    profile.FailWrites(refusal.first, refusal.last);
    AddTitle("C");
    ExpectShownAsStored();
    EXPECT_THAT(StoredTitles(ini), ElementsAre("A", "B"));
    EXPECT_EQ(AddWin.Text(), "C");
    ExpectToldOnce(refusal);
  }
  // The file takes writes again: the title goes where it belongs.
  profile.FailWrites(0, -1);
  prompts.events.clear();
  AddTitle("C");
  EXPECT_THAT(StoredTitles(ini), ElementsAre("A", "B", "C"));
  ExpectShownAsStored();
  EXPECT_THAT(prompts.events, IsEmpty());
}

// A count that is not a number reads the keys while they hold text: a
// title's key written without its count would come back at the next start.
TEST_F(WindowsPageRefusalTest, ARefusedCountLeavesNoTitleBehindForADamagedCount) {
  profile.Seed(kIni, "Vantrel", "NbOcc", "many");
  profile.Seed(kIni, "Vantrel", "0", "A");
  LoadTitleRules(ini, lists.titlesToDestroy, titles);
  profile.FailWrites(2, 2);
  AddTitle("B");
  EXPECT_THAT(StoredTitles(ini), ElementsAre("A"));
  ExpectShownAsStored();
}

TEST_F(WindowsPageRefusalTest, ARefusedRemovalShowsWhatIsStoredAndSaysSoOnce) {
  for (const Refusal& refusal : kRefusals) {
    for (int selected : {0, 1, 2}) {
      SCOPED_TRACE(std::string(refusal.name) + ", removing " + CStr(selected));
      StoreInFile({"A", "B", "C"});
      prompts.events.clear();
      lists.titlesToDestroy.Select(selected);
      profile.FailWrites(refusal.first, refusal.last);
      page.Remove();
      ExpectShownAsStored();
      if (refusal.undone) {
        EXPECT_THAT(StoredTitles(ini), ElementsAre("A", "B", "C"));
      }
      ExpectToldOnce(refusal);
    }
  }
}

TEST_F(WindowsPageRefusalTest, ARefusedClearShowsWhatIsStoredAndSaysSoOnce) {
  for (const Refusal& refusal : kRefusals) {
    SCOPED_TRACE(refusal.name);
    StoreInFile({"A", "B", "C"});
    prompts.events.clear();
    profile.FailWrites(refusal.first, refusal.last);
    page.Clear();
    ExpectShownAsStored();
    if (refusal.undone) {
      EXPECT_THAT(StoredTitles(ini), ElementsAre("A", "B", "C"));
    }
    ASSERT_EQ(prompts.events.size(), 6u);  // the question, then the refusal
    prompts.events.erase(prompts.events.begin(), prompts.events.begin() + 3);
    ExpectToldOnce(refusal);
  }
}

class OptionsPageTest : public ::testing::Test {
 protected:
  OptionsPageTest() { FillBuiltInHeaders(List5); }
  void AddRule(const char* h, const char* w) {
    AddH.SetText(h);
    AddL.SetText(w);
    page.AddSizeRule();
  }
  void StoreRules(std::initializer_list<const char*> rules) {
    for (const char* r : rules) List4.Add(r);
    titles.nbCondition = CStr(static_cast<long long>(rules.size()));
  }
  std::string FileBytes(const char* name) const {
    return files.Bytes(std::string(kFolder) + "\\" + name).value_or("<none>");
  }
  std::string Stored(const char* key) const {
    return store.Value(kAppName, kSettingsSection, key).value_or("<absent>");
  }

  test::FakeProfileFile profile;
  ModuleINI ini{profile, kFolder};
  TitleRuleState titles;
  test::FakeSettingsStore store;
  Settings settings{store, kFolder};
  test::FakeFileSystem files;
  test::FakeRegistry registry;
  RecordingPrompts prompts;
  MemoryTextBox AddH, AddL, AddEntete;
  MemoryLabel LabBoutonHL, LabAjoutEntete;
  MemoryList List4, List5;
  MemoryCheckBox chkStart{false}, ChkDefaut{true}, chkMin{true};
  OptionHandlers handlers{OptionBoxes{chkStart, ChkDefaut, chkMin}, settings, registry, files, List5, prompts,
                          [this] { AddEntete.SetText(""); }};
  OptionsPage page{OptionsPageParts{AddH, AddL, LabBoutonHL, List4, AddEntete, LabAjoutEntete, List5, ChkDefaut},
                   ini, titles, settings, files, prompts};
};

TEST_F(OptionsPageTest, AddingASizeRuleWritesRuleCountAndTrace) {
  StoreRules({"100 - 100", "200 - 200"});
  AddRule("300", "200");
  EXPECT_THAT(Writes(profile), ElementsAre("C2=300 - 200", "NbCondition=3"));
  EXPECT_EQ(List4.Item(2), "300 - 200");
  EXPECT_EQ(AddH.Text(), "");
  EXPECT_EQ(AddL.Text(), "");
  EXPECT_EQ(AddH.Focused(), 1);
  EXPECT_EQ(FileBytes("debug.txt"),
            "--------------Debut----------------\r\nNbCondition :  3\r\nX1 \r\n--X1 \r\nX2 \r\n--X2 \r\n"
            "H: 300 - L: 200\r\nSetFocus\r\n--------------Fin----------------\r\n");
  EXPECT_THAT(prompts.events, ElementsAre("not-topmost", "topmost"));
}

TEST_F(OptionsPageTest, InvalidSizesAreRefusedHeightFirst) {
  const struct {
    const char* h;
    const char* w;
    const char* message;
  } cases[] = {
      {"", "abc", "Veuillez saisir la hauteur de la fenetre à éliminer"},
      {"12x", "200", "Veuillez saisir la hauteur de la fenetre à éliminer"},
      {"300", "", "Veuillez saisir la largeur de la fenetre à éliminer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.h) + "/" + c.w);
    prompts.events.clear();
    AddRule(c.h, c.w);
    EXPECT_THAT(prompts.events,
                ElementsAre("not-topmost", "inform:Vantrel:" + AnsiFromUtf8(c.message), "topmost"));
  }
  EXPECT_THAT(Writes(profile), IsEmpty());
  EXPECT_EQ(FileBytes("debug.txt"), "<none>");
}

TEST_F(OptionsPageTest, RemovingASizeRuleMovesTheLaterOnesDown) {
  StoreRules({"R0", "R1", "R2"});
  LabBoutonHL.SetCaption("Supprimer");
  List4.Select(0);
  page.AddOrRemoveSizeRule();
  EXPECT_THAT(Writes(profile), ElementsAre("C0=R1", "C1=R2", "NbCondition=2", "C2="));
  EXPECT_THAT(List4.Entries(), ElementsAre("R1", "R2"));

  profile.ClearWrites();
  List4.Clear();
  StoreRules({"only"});
  List4.Select(0);
  page.RemoveSizeRule();
  EXPECT_THAT(Writes(profile), ElementsAre("NbCondition=0", "C0="));
}

TEST_F(OptionsPageTest, ARefusedSizeRuleChangeShowsWhatIsStoredAndSaysSoOnce) {
  const auto storeInFile = [this] {
    int i = 0;
    for (const char* r : {"R0", "R1", "R2"}) profile.Seed(kIni, "Vantrel", SizeRuleKey(i++), r);
    profile.Seed(kIni, "Vantrel", "NbCondition", "3");
    List4.Clear();
    titles.nbCondition = LoadSizeRules(ini, List4).countText;
  };
  const std::function<void()> operations[] = {
      [this] { AddRule("300", "200"); },
      [this] {
        List4.Select(0);
        page.RemoveSizeRule();
      },
      [this] {
        List4.Select(2);
        page.RemoveSizeRule();
      },
  };
  for (const Refusal& refusal : kRefusals) {
    for (std::size_t op = 0; op < std::size(operations); ++op) {
      SCOPED_TRACE(std::string(refusal.name) + ", operation " + CStr(static_cast<long long>(op)));
      storeInFile();
      prompts.events.clear();
      profile.FailWrites(refusal.first, refusal.last);
      operations[op]();
      EXPECT_EQ(List4.Entries(), StoredSizeRules(ini));
      EXPECT_EQ(titles.nbCondition, CStr(List4.Count()));
      if (refusal.undone) {
        EXPECT_THAT(StoredSizeRules(ini), ElementsAre("R0", "R1", "R2"));
      }
      const std::string message =
          refusal.undone ? "Impossible d'enregistrer \"Vantrel.ini\" : les tailles de fenêtres n'ont pas été modifiées."
                         : "Impossible d'enregistrer \"Vantrel.ini\" en entier : la liste montre les tailles de "
                           "fenêtres telles qu'elles sont enregistrées.";
      // Adding puts the window back on top once the sizes are read, before
      // anything is written.
      std::vector<std::string> expected = {"not-topmost", "inform:Vantrel:" + AnsiFromUtf8(message), "topmost"};
      if (op == 0) expected.insert(expected.begin(), {"not-topmost", "topmost"});
      EXPECT_EQ(prompts.events, expected);
    }
  }
  // The typed sizes stay in their boxes.
  EXPECT_EQ(AddH.Text(), "300");
  EXPECT_EQ(AddL.Text(), "200");
}

TEST_F(OptionsPageTest, SelectingASizeRuleFillsTheBoxes) {
  const struct {
    const char* rule;
    const char* h;
    const char* w;
  } cases[] = {{"300 - 200", "300", "200"}, {"12.5-7", "12.5", "7"}, {"-5 - 100", "0", "5"}, {"640", "640", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    List4.Clear();
    List4.Add(c.rule);
    List4.Select(0);
    page.SelectSizeRule();
    EXPECT_EQ(AddH.Text(), c.h);
    EXPECT_EQ(AddL.Text(), c.w);
    EXPECT_EQ(LabBoutonHL.Caption(), "Supprimer");
  }
  page.HeightClicked();
  EXPECT_EQ(LabBoutonHL.Caption(), "Ajouter");
}

TEST(LocaleNumbersTest, TypedSizesFollowTheDecimalSeparator) {
  const struct {
    char separator;
    const char* text;
    bool numeric;
  } cases[] = {{'.', "12.5", true}, {'.', "12,5", false}, {',', "12,5", true}, {',', "12.5", false},
               {',', " 300 ", true}, {',', "", false},    {',', "1,2,5", false}, {',', "-3", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(1, c.separator) + " " + c.text);
    EXPECT_EQ(IsLocaleNumeric(c.text, c.separator), c.numeric);
  }
  EXPECT_EQ(NumberText(12.5, ','), "12,5");
  EXPECT_EQ(NumberText(300, ','), "300");
  EXPECT_EQ(NumberText(12.5), "12.5");
}

TEST_F(OptionsPageTest, WithACommaForDecimalSeparatorSizesAreTypedAndShownWithIt) {
  page.UseDecimalSeparator(',');
  AddRule("12,5", "300");
  EXPECT_THAT(prompts.events, ElementsAre("not-topmost", "topmost"));
  EXPECT_EQ(List4.Item(0), "12,5 - 300");
  prompts.events.clear();
  AddRule("12.5", "300");  // not this user's way of writing a number
  EXPECT_THAT(prompts.events,
              ElementsAre("not-topmost",
                          "inform:Vantrel:" + AnsiFromUtf8("Veuillez saisir la hauteur de la fenetre à éliminer"),
                          "topmost"));
  // What is stored is read as before; it is shown the user's way.
  List4.Clear();
  List4.Add("12.5-7.25");
  List4.Select(0);
  page.SelectSizeRule();
  EXPECT_EQ(AddH.Text(), "12,5");
  EXPECT_EQ(AddL.Text(), "7,25");
}

TEST_F(OptionsPageTest, AddingASuffixSwitchesToTheCustomList) {
  AddEntete.SetText("- Opera");
  page.AddSuffix();
  EXPECT_EQ(FileBytes("Vantrel-Url.ini"), "- Microsoft Internet\r\n- Netscape\r\n- Mozilla\r\n- Opera\r\n");
  EXPECT_FALSE(ChkDefaut.Value());
  EXPECT_EQ(Stored("RunUrlDefault"), "0");
  EXPECT_THAT(List5.Entries(), ElementsAre("- Microsoft Internet", "- Netscape", "- Mozilla", "- Opera"));
}

TEST_F(OptionsPageTest, DuplicateSuffixChangesNothingButAnEmptyOneStillSaves) {
  AddEntete.SetText("  - Netscape ");
  page.AddSuffix();
  EXPECT_EQ(FileBytes("Vantrel-Url.ini"), "<none>");
  EXPECT_TRUE(ChkDefaut.Value());
  AddEntete.SetText("   ");
  page.AddSuffix();
  EXPECT_EQ(FileBytes("Vantrel-Url.ini"), "- Microsoft Internet\r\n- Netscape\r\n- Mozilla\r\n");
  EXPECT_FALSE(ChkDefaut.Value());
}

TEST_F(OptionsPageTest, RemovingASuffixAndGoingBackToTheDefaults) {
  List5.Select(1);
  page.SelectSuffix();
  EXPECT_EQ(AddEntete.Text(), "- Netscape");
  EXPECT_EQ(LabAjoutEntete.Caption(), "Supprimer");
  page.AddOrRemoveSuffix();
  EXPECT_THAT(List5.Entries(), ElementsAre("- Microsoft Internet", "- Mozilla"));
  EXPECT_EQ(FileBytes("Vantrel-Url.ini"), "- Microsoft Internet\r\n- Mozilla\r\n");
  ChkDefaut.SetValue(true);
  EXPECT_THAT(List5.Entries(), ElementsAre("- Microsoft Internet", "- Netscape", "- Mozilla"));
  EXPECT_EQ(Stored("RunUrlDefault"), "1");
  EXPECT_EQ(AddEntete.Text(), "");
  page.SuffixClicked();
  EXPECT_EQ(LabAjoutEntete.Caption(), "Ajouter");
}

TEST_F(OptionsPageTest, AHeaderFileThatCannotBeWrittenChangesNothingStoredAndSaysSo) {
  const std::string path = std::string(kFolder) + "\\Vantrel-Url.ini";
  const struct {
    bool defaults;  // "Défaut" checked, or the file's own list in use
    bool remove;
  } cases[] = {{true, false}, {true, true}, {false, false}, {false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.defaults) + "/" + std::to_string(c.remove));
    files.Seed(path, "- Opera\r\n");
    files.SetReadOnly(path);
    ChkDefaut.SetValue(c.defaults);
    const auto shown = List5.Entries();
    store.ClearSaves();
    prompts.events.clear();
    AddEntete.SetText("- Vivaldi");
    if (c.remove) {
      List5.Select(0);
      page.RemoveSuffix();
    } else {
      page.AddSuffix();
    }
    EXPECT_EQ(List5.Entries(), shown);
    EXPECT_EQ(ChkDefaut.Value(), c.defaults);
    EXPECT_TRUE(store.Saves().empty());
    EXPECT_EQ(FileBytes("Vantrel-Url.ini"), "- Opera\r\n");
    EXPECT_EQ(AddEntete.Text(), "- Vivaldi");  // what the user typed is still there
    EXPECT_THAT(prompts.events,
                ElementsAre("not-topmost",
                            "inform:Vantrel:" +
                                AnsiFromUtf8("Impossible d'enregistrer \"Vantrel-Url.ini\" : les entêtes n'ont pas été modifiés."),
                            "topmost"));
  }
}

TEST_F(OptionsPageTest, AnAutostartValueThatCannotBeRemovedKeepsTheBoxSetAndSaysSo) {
  chkStart.SetValue(true);
  ASSERT_TRUE(registry.Value(RegistryRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Vantrel"));
  registry.DenyWrites(RegistryRoot::LocalMachine);
  prompts.events.clear();
  chkStart.SetValue(false);
  EXPECT_TRUE(chkStart.Value());
  EXPECT_EQ(Stored("RunAtStart"), "1");
  EXPECT_TRUE(registry.Value(RegistryRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Vantrel"));
  EXPECT_FALSE(registry.Value(RegistryRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Vantrel"));
  EXPECT_THAT(prompts.events,
              ElementsAre("not-topmost",
                          "inform:Vantrel:" + AnsiFromUtf8("Impossible de retirer Vantrel du démarrage de Windows : il "
                                                           "démarrera encore avec Windows."),
                          "topmost"));
  // Once it can be removed, clearing the box removes it.
  registry.AllowWrites(RegistryRoot::LocalMachine);
  chkStart.SetValue(false);
  EXPECT_FALSE(chkStart.Value());
  EXPECT_EQ(Stored("RunAtStart"), "0");
}

class StatisticsPageTest : public ::testing::Test {
 protected:
  static constexpr const char* kLog = "C:\\V\\logkill.txt";
  test::FakeFileSystem files;
  RecordingPrompts prompts;
  MemoryReportList ListStat;
  std::vector<int> widths;
  StatisticsPage page{ListStat, files, kLog, prompts, [this](int w) { widths.push_back(w); }};
  std::string Lines(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "2003/04/16 ;14:32:0" + std::to_string(i % 10) + ";T" + std::to_string(i) + "\r\n";
    return s;
  }
};

TEST_F(StatisticsPageTest, LoadFitsTheTitleColumnToTheRows) {
  const struct {
    int lines;
    int width;
  } cases[] = {{3, 2700}, {11, 2700}, {12, 2400}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    files.Seed(kLog, Lines(c.lines));
    widths.clear();
    page.Load();
    EXPECT_EQ(ListStat.Count(), c.lines);
    EXPECT_THAT(widths, ElementsAre(c.width));
  }
}

TEST_F(StatisticsPageTest, MalformedLineStopsLoadingButIsNeverLost) {
  files.Seed(kLog, "2003/04/16 ;14:32:05;a;b\r\nbroken line\r\n2003/04/17 ;09:00:00;c\r\n");
  page.Load();
  ASSERT_EQ(ListStat.Count(), 1);
  EXPECT_EQ(ListStat.Row(0)[2], "a;b");
  EXPECT_THAT(widths, IsEmpty());
  ListStat.AddRow({"2003/04/18 ", "10:00:00", "new"});
  ListStat.Select(1);
  page.DeleteSelected();
  EXPECT_EQ(files.Bytes(kLog), "2003/04/16 ;14:32:05;a;b\r\nbroken line\r\n2003/04/17 ;09:00:00;c\r\n");
}

TEST_F(StatisticsPageTest, DeletingOneRowRewritesTheOthersUnchanged) {
  files.Seed(kLog, "2003/04/16 ;14:32:05;A\r\n2003/04/16 ;14:32:06;B\r\n2003/04/16 ;14:32:07;C\r\n");
  page.Load();
  ListStat.Select(1);
  prompts.answer = false;
  page.DeleteSelected();
  EXPECT_EQ(ListStat.Count(), 3);
  prompts.answer = true;
  page.DeleteSelected();
  EXPECT_EQ(files.Bytes(kLog), "2003/04/16 ;14:32:05;A\r\n2003/04/16 ;14:32:07;C\r\n");
  EXPECT_EQ(prompts.events.back(), "topmost");
}

TEST_F(StatisticsPageTest, ALogThatCannotBeRewrittenKeepsItsRowsOnThePageAndSaysSo) {
  const std::string log = "2003/04/16 ;14:32:05;A\r\n2003/04/16 ;14:32:06;B\r\n";
  const std::string message =
      "inform:Vantrel:" + AnsiFromUtf8("Impossible d'enregistrer \"logkill.txt\" : les statistiques n'ont pas été modifiées.");
  files.Seed(kLog, log);
  files.SetReadOnly(kLog);
  page.Load();
  ListStat.Select(0);
  page.DeleteSelected();
  EXPECT_EQ(ListStat.Count(), 2);
  EXPECT_EQ(ListStat.Row(0)[2], "A");
  EXPECT_EQ(files.Bytes(kLog), log);
  EXPECT_THAT(prompts.events, ElementsAre("not-topmost", ::testing::StartsWith("ask:"), message, "topmost"));
  prompts.events.clear();
  page.Empty();
  EXPECT_EQ(ListStat.Count(), 2);
  EXPECT_EQ(files.Bytes(kLog), log);
  EXPECT_THAT(prompts.events, ElementsAre("not-topmost", ::testing::StartsWith("ask:"), message, "topmost"));
}

TEST_F(StatisticsPageTest, NothingToDeleteShowsNoBox) {
  page.DeleteSelected();  // no rows
  ListStat.AddRow({"d", "t", "x"});
  page.DeleteSelected();  // rows, none selected
  EXPECT_THAT(prompts.events, IsEmpty());
}

TEST_F(StatisticsPageTest, EmptyingAsksEvenWhenEmptyAndDeletesTheLog) {
  page.Empty();
  EXPECT_EQ(prompts.events.size(), 3u);
  EXPECT_THAT(widths, ElementsAre(2700));
  files.Seed(kLog, Lines(2));
  page.Load();
  page.Empty();
  EXPECT_FALSE(files.Exists(kLog));
  EXPECT_EQ(ListStat.Count(), 0);
}

}  // namespace
}  // namespace vantrel
