// The generated list menus: the entries, captions, identifiers and check
// marks of every list, the lookup of sub-values, the replacement of a
// generated popup at every preparation, and the selection of an entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/text.h"
#include "list_menus_fixture.h"
#include "menus/render/list_calendar.h"

namespace vantrel::test {
namespace {

constexpr WindowHandle kList = 4242;
constexpr WindowHandle kCombo = 0x700;

class ListMenusTest : public ListMenusFixture {};

std::string A(const char* utf8) { return AnsiFromUtf8(utf8); }

// --- Colours ---------------------------------------------------------------

struct ExpectedColour {
  const char* name;
  std::int32_t colour;
};
constexpr ExpectedColour kColours[] = {
    {"Couleur par Défaut", 0xFFC0C0}, {"Noir", 0x000000},       {"Bleu", 0xFF0000},        {"Marron", 0x004466},
    {"Cyan", 0xFFFF00},               {"Doré", 0x00AACC},       {"Gris", 0x808080},        {"Vert Clair", 0x00FF00},
    {"Vert Foncé", 0x008080},         {"Ivoire", 0xF0FFFF},     {"Magenta", 0xFF00FF},     {"Bordeau", 0x000080},
    {"Bleu Foncé", 0x800000},         {"Orange", 0x00A5FF},     {"Pêche", 0xB9DAFF},       {"Pourpre", 0x800080},
    {"Rouge", 0x0000FF},              {"Gris Clair", 0xC0C0C0}, {"Pêche Foncé", 0x8CB4D2}, {"Vert", 0x808000},
    {"Turquoise", 0xD1CE00},          {"Violet", 0x9020D0},     {"Blanc", 0xFFFFFF},       {"Jaune", 0x00FFFF},
};

std::vector<ListEntry> ColourList(const std::string& id, std::int32_t checkedColour, const std::string& defClr) {
  std::vector<ListEntry> entries;
  std::int32_t n = 1;
  for (const ExpectedColour& c : kColours) {
    entries.push_back({A(c.name) + "{gControl:0|lvID:" + id + "|LColor:" + CStr(c.colour) + "}", 32500 - n,
                       c.colour == checkedColour, false});
    ++n;
  }
  entries.push_back({"-{Raised}", 32475, false, true});
  entries.push_back({A("Sélectionner une couleur Personnalisée") + "{gControl:0|lvID:" + id + "|LDefClr:" + defClr +
                         "|LColor:-1}",
                     32474, false, false});
  return entries;
}

TEST_F(ListMenusTest, TheColourListHasTwentyFourColoursASeparatorAndTheCustomEntryWithBlackCheckedWhenNothingIsStored) {
  const MenuHandle sub = Expand("Couleurs{lvColors:}");
  ASSERT_NE(sub, 0u);
  const std::vector<ListEntry> entries = Entries(sub);
  EXPECT_EQ(entries.size(), 26u);
  // The empty value reads "0": the dialog would start on black.
  EXPECT_EQ(entries, ColourList("", 0, "0"));
  EXPECT_EQ(CheckedCaptions(sub), std::vector<std::string>{"Noir{gControl:0|lvID:|LColor:0}"});
}

TEST_F(ListMenusTest, TheCheckFollowsTheStoredColourAndTheValueBecomesTheDialogsStartingColour) {
  settings.Seed("Vantrel", "Font", "FontColor", "8421504");  // Gris
  EXPECT_EQ(Entries(Expand("Couleurs{lvColors:255:ID:Fore}")), ColourList("Fore", 0x808080, "255"));
  // A colour name or a hexadecimal number is resolved; -1 means none.
  EXPECT_EQ(Entries(Expand("Couleurs{lvColors:vbRed}")).back(), ColourList("", 0x808080, "255").back());
  EXPECT_EQ(Entries(Expand("Couleurs{lvColors:&HFF00}")).back(), ColourList("", 0x808080, "65280").back());
  EXPECT_EQ(Entries(Expand("Couleurs{lvColors:-1}")).back(), ColourList("", 0x808080, "-1").back());
  // A stored "-1" (a cancelled dialog) checks nothing.
  settings.Seed("Vantrel", "Font", "FontColor", "-1");
  EXPECT_TRUE(CheckedCaptions(Expand("Couleurs{lvColors:}")).empty());
}

TEST_F(ListMenusTest, ChoosingAColourRaisesTheSelectionAndStoresTheColour) {
  settings.Seed("Vantrel", "Font", "FontColor", "255");
  const MenuHandle sub = Expand("Couleurs{lvColors:255:ID:Fore}");
  EXPECT_EQ(CheckedCaptions(sub), std::vector<std::string>{"Rouge{gControl:0|lvID:Fore|LColor:255}"});
  ASSERT_TRUE(Choose(sub, 32500 - 17));  // Rouge
  EXPECT_EQ(selections, (std::vector<Selection>{{"Fore", "Color", TipValue{255.0}}}));
  EXPECT_EQ(Stored("FontColor"), "255");

  ASSERT_TRUE(Choose(sub, 32500 - 8));  // Vert Clair
  EXPECT_EQ(selections.back(), (Selection{"Fore", "Color", TipValue{65280.0}}));
  EXPECT_EQ(Stored("FontColor"), "65280");
  EXPECT_TRUE(colourDialog.requests.empty());
  // The next list checks the colour chosen last.
  EXPECT_EQ(CheckedCaptions(Expand("Couleurs{lvColors:}")),
            std::vector<std::string>{A("Vert Clair") + "{gControl:0|lvID:|LColor:65280}"});
}

TEST_F(ListMenusTest, ACancelledColourDialogReturnsFalseRaisesNothingAndStoresMinusOne) {
  settings.Seed("Vantrel", "Font", "FontColor", "255");
  const MenuHandle sub = Expand("Couleurs{lvColors:255:ID:Fore}");
  EXPECT_FALSE(Choose(sub, 32474));
  EXPECT_TRUE(selections.empty());
  EXPECT_EQ(Stored("FontColor"), "-1");
  ASSERT_EQ(colourDialog.requests.size(), 1u);
  ColourDialogRequest expected;
  expected.owner = kListForm;
  expected.initialColour = 255;
  expected.flags = 0x3;  // start on the colour, fully open
  for (int j = 0; j < 16; ++j) expected.customColours[static_cast<std::size_t>(j)] = 0x010101 * 15 * (j + 1);
  EXPECT_EQ(colourDialog.requests[0], expected);
  EXPECT_EQ(colourDialog.requests[0].customColours[0], 0x0F0F0F);
  EXPECT_EQ(colourDialog.requests[0].customColours[15], 0xF0F0F0);
  EXPECT_TRUE(CheckedCaptions(Expand("Couleurs{lvColors:}")).empty());
}

TEST_F(ListMenusTest, AColourChosenInTheDialogIsRaisedAsAWholeNumberAndStored) {
  colourDialog.answer = 0x123456;
  const MenuHandle sub = Expand("Couleurs{lvColors:-1}");
  EXPECT_TRUE(Choose(sub, 32474));
  ASSERT_EQ(colourDialog.requests.size(), 1u);
  EXPECT_EQ(colourDialog.requests[0].flags, 0x102u);  // any colour, fully open
  EXPECT_EQ(selections, (std::vector<Selection>{{"0", "Color", TipValue{std::int32_t{0x123456}}}}));
  EXPECT_EQ(Stored("FontColor"), "1193046");
}

// --- Months ----------------------------------------------------------------

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

ListEntry Month(int m, std::int32_t id, bool checked, const std::string& listId = "") {
  return {std::string(kMonthNames[m - 1]) + "{gControl:0|lvID:" + listId + "|LMonth:" + CStr(m) + "}", id, checked,
          false};
}
ListEntry Quarter(const std::string& title, std::int32_t id) { return {"-" + title + "{Raised}", id, false, true}; }

TEST_F(ListMenusTest, CalendarQuartersGroupTheMonthsAndTheCurrentMonthIsChecked) {
  clock.now = LocalTime{2003, 4, 16, 10, 0, 0};
  const std::vector<ListEntry> expected = {
      Quarter("First Quarter", 32500),  Month(1, 32499, false),  Month(2, 32498, false),  Month(3, 32497, false),
      Quarter("Second Quarter", 32496), Month(4, 32495, true),   Month(5, 32494, false),  Month(6, 32493, false),
      Quarter("Third Quarter", 32492),  Month(7, 32491, false),  Month(8, 32490, false),  Month(9, 32489, false),
      Quarter("Fourth Quarter", 32488), Month(10, 32487, false), Month(11, 32486, false), Month(12, 32485, false),
  };
  EXPECT_EQ(Entries(Expand("Mois{lvMonths:0:Group:CYQtr}")), expected);
}

TEST_F(ListMenusTest, FiscalQuartersStartInOctober) {
  const std::vector<ListEntry> expected = {
      Quarter("1st Fiscal Quarter", 32500), Month(10, 32499, false), Month(11, 32498, false), Month(12, 32497, false),
      Quarter("2nd Fiscal Quarter", 32496), Month(1, 32495, false),  Month(2, 32494, true),   Month(3, 32493, false),
      Quarter("3rd Fiscal Quarter", 32492), Month(4, 32491, false),  Month(5, 32490, false),  Month(6, 32489, false),
      Quarter("4th Fiscal Quarter", 32488), Month(7, 32487, false),  Month(8, 32486, false),  Month(9, 32485, false),
  };
  EXPECT_EQ(Entries(Expand("Mois{lvMonths:2:Group:FYQtr}")), expected);
  // The group is read without regard to case, before an identifier.
  std::vector<ListEntry> budget = expected;
  for (ListEntry& e : budget) {
    const std::size_t p = e.caption.find("lvID:");
    if (p != std::string::npos) e.caption.insert(p + 5, "Budget");
    e.checked = e.caption.find("LMonth:3}") != std::string::npos;
  }
  EXPECT_EQ(Entries(Expand("Mois{lvMonths:3:group:fyqtr:ID:Budget}")), budget);
}

TEST_F(ListMenusTest, WithoutAGroupTheTwelveMonthsTakeTheIdentifiersBelowTheFirst) {
  std::vector<ListEntry> expected;
  for (int m = 1; m <= 12; ++m) expected.push_back(Month(m, 32500 - m, m == 7));
  EXPECT_EQ(Entries(Expand("Mois{lvMonths:7}")), expected);
  EXPECT_EQ(Entries(Expand("Mois{lvMonths:7:Group:Other}")), expected);
}

TEST_F(ListMenusTest, MonthNamesAreThoseOfTheUsersLanguage) {
  dates.language = FakeDateNames::Language::French;
  const std::vector<ListEntry> entries = Entries(Expand("Mois{lvMonths:8}"));
  ASSERT_EQ(entries.size(), 12u);
  EXPECT_EQ(entries[7], (ListEntry{"août{gControl:0|lvID:|LMonth:8}", 32492, true, false}));
  EXPECT_EQ(entries[0].caption, "janvier{gControl:0|lvID:|LMonth:1}");
}

// --- Week days -------------------------------------------------------------

struct WeekDayCase {
  LocalTime today;
  const char* value;
  int checked;  // 1 = Sunday
};

class WeekDayListTest : public ListMenusFixture, public ::testing::WithParamInterface<WeekDayCase> {};

TEST_P(WeekDayListTest, TheWeekRunsFromSundayToSaturday) {
  const WeekDayCase& c = GetParam();
  clock.now = c.today;
  const char* const names[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  std::vector<ListEntry> expected;
  for (int i = 1; i <= 7; ++i) {
    expected.push_back({std::string(names[i - 1]) + "{gControl:0|lvID:|LDay:" + CStr(i) + "}", 32500 - i,
                        i == c.checked, false});
  }
  EXPECT_EQ(Entries(Expand(std::string("Jours{lvDays:") + c.value + "}")), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Days, WeekDayListTest,
    ::testing::Values(WeekDayCase{{2003, 4, 16, 9, 0, 0}, "", 4},    // a Wednesday: today checked
                      WeekDayCase{{2003, 4, 20, 9, 0, 0}, "", 1},    // a Sunday
                      WeekDayCase{{2003, 4, 19, 9, 0, 0}, "", 7},    // a Saturday
                      WeekDayCase{{2004, 2, 29, 9, 0, 0}, "", 1},    // a leap day, a Sunday
                      WeekDayCase{{2003, 4, 16, 9, 0, 0}, "6", 6},   // the value chooses
                      WeekDayCase{{2003, 4, 16, 9, 0, 0}, "9", 0})); // nothing

TEST_F(ListMenusTest, WeekDayNamesAreThoseOfTheUsersLanguage) {
  dates.language = FakeDateNames::Language::French;
  clock.now = LocalTime{2003, 4, 17, 9, 0, 0};  // a Thursday
  const std::vector<ListEntry> entries = Entries(Expand("Jours{lvDays:}"));
  ASSERT_EQ(entries.size(), 7u);
  EXPECT_EQ(entries[0].caption, "dimanche{gControl:0|lvID:|LDay:1}");
  EXPECT_EQ(entries[4], (ListEntry{"jeudi{gControl:0|lvID:|LDay:5}", 32495, true, false}));
}

// --- States ----------------------------------------------------------------

TEST_F(ListMenusTest, TheStateListHoldsTheFiftyStatesAndTheDistrictInAlphabeticalOrder) {
  const MenuHandle sub = Expand("Etats{lvStates:ca}");
  const std::vector<ListEntry> entries = Entries(sub);
  ASSERT_EQ(entries.size(), 51u);
  struct Spot {
    std::size_t index;
    ListEntry entry;
  };
  const Spot spots[] = {
      {0, {"Alabama{gControl:0|lvID:|LState:AL}", 32499, false, false}},
      {4, {"California{gControl:0|lvID:|LState:CA}", 32495, true, false}},
      {7, {"Delaware{gControl:0|lvID:|LState:DE}", 32492, false, false}},
      {8, {"District of Columbia{gControl:0|lvID:|LState:DC}", 32491, false, false}},
      {9, {"Florida{gControl:0|lvID:|LState:FL}", 32490, false, false}},
      {21, {"Massachusettes{gControl:0|lvID:|LState:MA}", 32478, false, false}},
      {50, {"Wyoming{gControl:0|lvID:|LState:WY}", 32449, false, false}},
  };
  for (const Spot& s : spots) EXPECT_EQ(entries[s.index], s.entry) << s.index;
  std::vector<std::string> names;
  std::set<std::string> codes;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& caption = entries[i].caption;
    names.push_back(caption.substr(0, caption.find('{')));
    codes.insert(caption.substr(caption.find("LState:") + 7, 2));
    EXPECT_EQ(entries[i].id, 32499 - static_cast<std::int32_t>(i));
  }
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_EQ(codes.size(), 51u);
  EXPECT_EQ(CheckedCaptions(sub).size(), 1u);
}

TEST_F(ListMenusTest, AStateIsCheckedByItsCodeWithoutRegardToCase) {
  EXPECT_TRUE(CheckedCaptions(Expand("Etats{lvStates:}")).empty());
  EXPECT_TRUE(CheckedCaptions(Expand("Etats{lvStates:c}")).empty());
  EXPECT_EQ(CheckedCaptions(Expand("Etats{lvStates:TX:ID:Home}")),
            std::vector<std::string>{"Texas{gControl:0|lvID:Home|LState:TX}"});
  EXPECT_EQ(CheckedCaptions(Expand("Etats{lvStates:nYork}")),
            std::vector<std::string>{"New York{gControl:0|lvID:|LState:NY}"});
}

// --- Days of a month -------------------------------------------------------

struct MonthDaysCase {
  const char* value;
  std::size_t count;
  const char* first;  // caption of day 1; "" when the list is empty
  int checkedDay;     // 0: none
};

class MonthDaysTest : public ListMenusFixture, public ::testing::WithParamInterface<MonthDaysCase> {};

TEST_P(MonthDaysTest, EveryDayOfTheMonthWithItsDateSerial) {
  const MonthDaysCase& c = GetParam();
  clock.now = LocalTime{2003, 4, 16, 9, 0, 0};
  const MenuHandle sub = Expand(std::string("Jour{lvMonth:") + c.value + "}");
  ASSERT_NE(sub, 0u);
  const std::vector<ListEntry> entries = Entries(sub);
  ASSERT_EQ(entries.size(), c.count);
  if (c.count == 0) return;
  EXPECT_EQ(entries[0].caption, c.first);
  for (std::size_t d = 1; d <= entries.size(); ++d) {
    EXPECT_EQ(entries[d - 1].id, 32500 - static_cast<std::int32_t>(d));
    EXPECT_EQ(entries[d - 1].checked, static_cast<int>(d) == c.checkedDay) << d;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthDaysTest,
    ::testing::Values(
        MonthDaysCase{"2:Year:2004", 29, "Feb 1, Sunday{gControl:0|lvID:|LDate:38018}", 16},
        MonthDaysCase{"2:Year:2003", 28, "Feb 1, Saturday{gControl:0|lvID:|LDate:37653}", 16},
        MonthDaysCase{"2:Year:2000", 29, "Feb 1, Tuesday{gControl:0|lvID:|LDate:36557}", 16},
        MonthDaysCase{"2:Year:1900", 28, "Feb 1, Thursday{gControl:0|lvID:|LDate:33}", 16},
        MonthDaysCase{"2:Year:2004:Day:5", 29, "Feb 1, Sunday{gControl:0|lvID:|LDate:38018}", 5},
        MonthDaysCase{"12:Day:31:Year:1999:ID:Cal", 31, "Dec 1, Wednesday{gControl:0|lvID:Cal|LDate:36495}", 31},
        MonthDaysCase{"0", 30, "Apr 1, Tuesday{gControl:0|lvID:|LDate:37712}", 16},   // this month
        MonthDaysCase{"4:Year:0", 30, "Apr 1, Tuesday{gControl:0|lvID:|LDate:37712}", 16},  // this year
        MonthDaysCase{"13", 0, "", 0}, MonthDaysCase{"-1", 0, "", 0},
        MonthDaysCase{"2:Year:123456", 0, "", 0}));  // beyond the platform's dates

TEST_F(ListMenusTest, TheLastEntryOfALeapFebruaryIsTheTwentyNinth) {
  const std::vector<ListEntry> entries = Entries(Expand("Jour{lvMonth:2:Year:2004}"));
  ASSERT_EQ(entries.size(), 29u);
  EXPECT_EQ(entries.back(), (ListEntry{"Feb 29, Sunday{gControl:0|lvID:|LDate:38046}", 32471, false, false}));
}

TEST(ListCalendarTest, SerialsWeekDaysAndMonthLengths) {
  struct Case {
    CalendarDate date;
    std::int32_t serial;
    int weekDay;
  };
  const Case cases[] = {{{1899, 12, 30}, 0, 7},   {{1899, 12, 31}, 1, 1},     {{1900, 1, 1}, 2, 2},
                        {{1900, 3, 1}, 61, 5},    {{2004, 2, 29}, 38046, 1},  {{2003, 4, 16}, 37727, 4},
                        {{1899, 12, 29}, -1, 6},  {{9999, 12, 31}, 2958465, 6}, {{100, 1, 1}, -657434, 6}};
  for (const Case& c : cases) {
    EXPECT_EQ(DateSerial(c.date), c.serial) << c.date.year << "-" << c.date.month << "-" << c.date.day;
    EXPECT_EQ(DateFromSerial(c.serial), c.date) << c.serial;
    EXPECT_EQ(WeekDayOfSerial(c.serial), c.weekDay) << c.serial;
  }
  EXPECT_EQ(DaysInMonth(2004, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2003, 4), 30);
  EXPECT_EQ(DaysInMonth(2003, 13), 0);
}

// --- Sub-values ------------------------------------------------------------

struct SubValueCase {
  const char* value;
  const char* key;
  const char* expected;
};

class SubValueTest : public ::testing::TestWithParam<SubValueCase> {};

TEST_P(SubValueTest, FoundOnlyAfterAColonAndRunningToTheEndOfTheValue) {
  const SubValueCase& c = GetParam();
  EXPECT_EQ(ListSubValue(c.value, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lookup, SubValueTest,
    ::testing::Values(SubValueCase{"255:ID:Fore", "ID:", "Fore"}, SubValueCase{"ID:Fore", "ID:", ""},
                      SubValueCase{"3:Group:FYQtr:ID:Budget", "Group:", "FYQtr:ID:Budget"},
                      SubValueCase{"3:Group:FYQtr:ID:Budget", "ID:", "Budget"},
                      SubValueCase{"2:Year:2004:Day:5", "Year:", "2004:Day:5"},
                      SubValueCase{"2:Year:2004:Day:5", "Day:", "5"}, SubValueCase{"2:year:2004", "Year:", "2004"},
                      SubValueCase{"2", "Year:", ""}, SubValueCase{"2:Year:", "Year:", "0"},
                      SubValueCase{"", "ID:", ""}));

TEST_F(ListMenusTest, AnIdentifierWrittenFirstIsNotFoundAndASelectionReportsZero) {
  const MenuHandle sub = Expand("Couleurs{lvColors:ID:Fore}");
  const std::vector<ListEntry> entries = Entries(sub);
  ASSERT_EQ(entries.size(), 26u);
  EXPECT_EQ(entries[16].caption, "Rouge{gControl:0|lvID:|LColor:255}");
  // The whole value is then read as a colour: not one, so black.
  EXPECT_EQ(entries[25].caption.substr(entries[25].caption.find('{')), "{gControl:0|lvID:|LDefClr:-1|LColor:-1}");
  ASSERT_TRUE(Choose(sub, 32500 - 17));
  EXPECT_EQ(selections, (std::vector<Selection>{{"0", "Color", TipValue{255.0}}}));
}

TEST_F(ListMenusTest, EveryOccurrenceOfTheIdentifierIsTakenOutOfTheValueWithoutRegardToCase) {
  const std::vector<ListEntry> entries = Entries(Expand("Couleurs{lvColors:255:id:Fore:ID:FORE}"));
  ASSERT_EQ(entries.size(), 26u);
  EXPECT_EQ(entries[0].caption.substr(entries[0].caption.find('{')), "{gControl:0|lvID:Fore|LColor:16761024}");
  EXPECT_EQ(entries[25].caption.substr(entries[25].caption.find('{')), "{gControl:0|lvID:Fore|LDefClr:255|LColor:-1}");
}

// --- The generated popup and its handler ----------------------------------

TEST_F(ListMenusTest, TheGeneratedPopupIsServedByAChildHandlerBoundLikeItsOwner) {
  const MenuHandle popup = PrepareItem("Couleurs{lvColors:|Tip:Choisir une couleur}");
  const MenuHandle sub = SubMenuOf(popup);
  ASSERT_NE(sub, 0u);
  ASSERT_EQ(handler.DelegateCount(), 1u);
  cMenuItems* child = handler.Delegate(sub);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->Form(), kListForm);
  EXPECT_EQ(child->ShowTips(), tips.Token());
  EXPECT_EQ(child->ImageListObject(), &images);
  EXPECT_EQ(child->DefaultTip(), "Choisir une couleur");
  EXPECT_EQ(child->SystemMenu(), 0u);
  EXPECT_FALSE(child->FindPanel(sub).has_value());  // a colour list is not slow

  const MenuItemData& owner = handler.Item(*handler.FindItem(100, popup));
  EXPECT_NE(owner.ItemFlags & item_flag::OwnsListMenu, 0);
  EXPECT_NE(owner.ItemFlags & item_flag::HasSubMenu, 0);
  EXPECT_EQ(handler.FindItem(MenuKeyNumber(sub) + "." + MenuKeyNumber(popup)), handler.FindItem(100, popup));

  // Opening the generated popup builds its records in the child.
  Prepare(sub);
  EXPECT_FALSE(handler.FindItem(32500 - 17, sub).has_value());
  const auto red = child->FindItem(32500 - 17, sub);
  ASSERT_TRUE(red.has_value());
  EXPECT_EQ(child->Item(*red).DisplayText, "Rouge");
  EXPECT_EQ(child->Item(*red).ItemTip, "Choisir une couleur");
  EXPECT_NE(child->Item(*red).ItemFlags & item_flag::ColourItem, 0);
  EXPECT_EQ(handler.Tips(32500 - 17, sub), "Choisir une couleur");
}

TEST_F(ListMenusTest, TheStateListIsMarkedSlow) {
  const MenuHandle sub = Expand("Etats{lvStates:}");
  cMenuItems* child = handler.Delegate(sub);
  ASSERT_NE(child, nullptr);
  const auto panel = child->FindPanel(sub);
  ASSERT_TRUE(panel.has_value());
  EXPECT_TRUE(child->Panel(*panel).SlowPanel);
}

TEST_F(ListMenusTest, AListKeyWithoutBuilderGivesAnEmptyGeneratedPopup) {
  for (const char* caption : {"Polices{lvFonts:}", "Lecteurs{lvDrives:}"}) {
    const MenuHandle sub = Expand(caption);
    ASSERT_NE(sub, 0u) << caption;
    EXPECT_TRUE(Entries(sub).empty()) << caption;
    EXPECT_NE(handler.Delegate(sub), nullptr) << caption;
  }
}

TEST_F(ListMenusTest, EveryPreparationReplacesTheGeneratedPopupAndReleasesTheOldOne) {
  const MenuHandle popup = PrepareItem("Mois{lvMonths:}");
  MenuHandle previous = SubMenuOf(popup);
  ASSERT_NE(previous, 0u);
  for (int round = 0; round < 5; ++round) {
    Prepare(popup);
    const MenuHandle now = SubMenuOf(popup);
    ASSERT_NE(now, 0u);
    EXPECT_NE(now, previous);
    EXPECT_FALSE(menus.Exists(previous));
    EXPECT_NE(std::find(menus.Destroyed().begin(), menus.Destroyed().end(), previous), menus.Destroyed().end());
    EXPECT_EQ(handler.Delegate(previous), nullptr);
    EXPECT_FALSE(handler.FindItem(MenuKeyNumber(previous) + "." + MenuKeyNumber(popup)).has_value());
    EXPECT_TRUE(handler.FindItem(MenuKeyNumber(now) + "." + MenuKeyNumber(popup)).has_value());
    EXPECT_EQ(handler.DelegateCount(), 1u);
    EXPECT_EQ(Entries(now).size(), 12u);
    previous = now;
  }
}

// --- List controls ---------------------------------------------------------

TEST_F(ListMenusTest, AListBoxGivesItsEntriesWithTheSelectionChecked) {
  windows.AddWindow(kList, kListForm);
  controls.Add(kList, ListControlKind::ListBox, {"Red", "Green", "Doc{IMG:i3}"}).current = 1;
  const std::vector<ListEntry> expected = {
      {"Red{gControl:4242|LIndex:0|gType:1}", 32500, false, false},
      {"Green{gControl:4242|LIndex:1|gType:1}", 32499, true, false},
      {"Doc{gControl:4242|LIndex:2|gType:1|IMG:i3}", 32498, false, false},
  };
  EXPECT_EQ(Entries(Expand("Liste{LB:4242}")), expected);
  // Bound by the control's name on the form.
  forms.AddControl(0, "List1", FormControl{kList, 0});
  EXPECT_EQ(Entries(Expand("Liste{LB:List1}")), expected);
}

TEST_F(ListMenusTest, EntryTextsAreCleanedAndTheirAmpersandsDoubled) {
  windows.AddWindow(kList, kListForm);
  controls.Add(kList, ListControlKind::ListBox, {std::string("  Tom & Jerry \0\0", 16), "lindex:x"});
  const std::vector<ListEntry> expected = {
      {"Tom && Jerry{gControl:4242|LIndex:0|gType:1}", 32500, false, false},
      {"LIndex:1{gControl:4242|LIndex:1|gType:1}", 32499, false, false},
  };
  EXPECT_EQ(Entries(Expand("Liste{LB:4242}")), expected);
}

struct ControlKindCase {
  const char* caption;
  ListControlKind kind;
  std::int32_t style;
  const char* type;         // "" when no popup is generated
  std::vector<bool> checks; // of the entries A, B, C
};

class ListControlKindTest : public ListMenusFixture, public ::testing::WithParamInterface<ControlKindCase> {};

TEST_P(ListControlKindTest, TheKindAndStyleDecideTheTypeAndTheChecks) {
  const ControlKindCase& c = GetParam();
  windows.AddWindow(kList, kListForm);
  FakeListControls::Control& control = controls.Add(kList, c.kind, {"A", "B", "C"}, 7, c.style);
  control.current = 1;
  control.selected = {0, 2};
  const MenuHandle popup = PrepareItem(c.caption);
  const MenuHandle sub = SubMenuOf(popup);
  if (std::string(c.type).empty()) {
    EXPECT_EQ(sub, 0u);
    EXPECT_EQ(handler.DelegateCount(), 0u);
    EXPECT_EQ(handler.Item(*handler.FindItem(100, popup)).ItemFlags & item_flag::HasSubMenu, 0);
    return;
  }
  std::vector<ListEntry> expected;
  const char* const names[] = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) {
    expected.push_back({std::string(names[i]) + "{gControl:4242|LIndex:" + CStr(i) + "|gType:" + c.type + "}",
                        32500 - i, c.checks[static_cast<std::size_t>(i)], false});
  }
  EXPECT_EQ(Entries(sub), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ListControlKindTest,
    ::testing::Values(
        ControlKindCase{"L{LB:4242}", ListControlKind::ListBox, 0, "1", {false, true, false}},
        ControlKindCase{"L{LB:4242}", ListControlKind::ListBox, 0x8, "2", {true, false, true}},
        ControlKindCase{"L{LB:4242}", ListControlKind::ListBox, 0x800, "2", {true, false, true}},
        ControlKindCase{"L{LB:4242}", ListControlKind::ListBox, 0x200, "", {}},
        ControlKindCase{"C{CB:4242}", ListControlKind::ComboBox, 0, "0", {false, true, false}},
        // The list-box styles mean something else on a combo box.
        ControlKindCase{"C{CB:4242}", ListControlKind::ComboBox, 0x808, "0", {false, true, false}},
        ControlKindCase{"C{CB:4242}", ListControlKind::ComboBox, 0x10, "", {}},
        ControlKindCase{"C{CB:4242}", ListControlKind::ComboBox, 0x20, "", {}}));

TEST_F(ListMenusTest, AnEmptyListControlGivesTheDisabledRaisedEntry) {
  windows.AddWindow(kList, kListForm);
  controls.Add(kList, ListControlKind::ListBox, {});
  const std::vector<ListEntry> expected = {
      {"-No Selections Available{gControl:4242|LIndex:x|gType:1|Raised}", 32500, false, true}};
  const MenuHandle sub = Expand("Liste{LB:4242}");
  EXPECT_EQ(Entries(sub), expected);
  EXPECT_EQ(menus.Items(sub)[0].state, menu_state::Grayed | menu_state::Disabled);
  // Prepared, it is a raised titled separator.
  Prepare(sub);
  const MenuItemData& record = handler.Delegate(sub)->Item(*handler.Delegate(sub)->FindItem(32500, sub));
  EXPECT_EQ(record.DisplayText, "No Selections Available");
  EXPECT_EQ(record.ItemFlags, item_flag::Separator | item_flag::Disabled | item_flag::RaisedSeparator);
}

TEST_F(ListMenusTest, AFileListInAnExistingFolderCarriesTheFolderAndIsSlow) {
  windows.AddWindow(kList, kListForm);
  controls.Add(kList, ListControlKind::ListBox, {"readme.txt"});
  paths.kinds["C:\\Docs\\"] = PathKind::Folder;
  const MenuHandle sub = Expand("Fichiers{LB:4242|Files:C:\\Docs|Tip:Un fichier}");
  EXPECT_EQ(Entries(sub),
            (std::vector<ListEntry>{{"readme.txt{gControl:4242|LIndex:0|gEXE:C:\\Docs\\|gType:1}", 32500, false, false}}));
  cMenuItems* child = handler.Delegate(sub);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->DefaultTip(), "Un fichier");
  ASSERT_TRUE(child->FindPanel(sub).has_value());
  EXPECT_TRUE(child->Panel(*child->FindPanel(sub)).SlowPanel);
}

TEST_F(ListMenusTest, AFileListOfFullPathsShowsTheNamesAndTheFoldersOfFilesThatExist) {
  windows.AddWindow(kList, kListForm);
  controls.Add(kList, ListControlKind::ListBox, {"C:\\Docs\\Long Name.txt", "C:\\Gone\\old.txt"});
  files.SetShortPath("C:\\Docs\\Long Name.txt", "C:\\DOCS\\LONGNA~1.TXT");
  paths.kinds["C:\\DOCS\\Long Name.txt"] = PathKind::File;
  const std::vector<ListEntry> expected = {
      {"Long Name.txt{gControl:4242|LIndex:0|gType:1|gEXE:C:\\DOCS\\}", 32500, false, false},
      {"old.txt{gControl:4242|LIndex:1|gType:1|}", 32499, false, false},
  };
  for (const char* caption : {"F{LB:4242|Files:-1}", "F{LB:4242|Files:C:\\Nowhere}"}) {
    const MenuHandle sub = Expand(caption);
    EXPECT_EQ(Entries(sub), expected) << caption;
    cMenuItems* child = handler.Delegate(sub);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->FindPanel(sub).has_value()) << caption;  // slow: a file was found
  }
  // A combo box has no file list.
  windows.AddWindow(kCombo, kListForm);
  controls.Add(kCombo, ListControlKind::ComboBox, {"C:\\Docs\\Long Name.txt"});
  EXPECT_EQ(Entries(Expand("F{CB:1792|Files:-1}"))[0].caption,
            "C:\\Docs\\Long Name.txt{gControl:1792|LIndex:0|gType:0}");
}

// --- Selections ------------------------------------------------------------

TEST_F(ListMenusTest, ChoosingAnEntryOfASingleSelectionListSelectsItAndNotifiesTheParent) {
  windows.AddWindow(kList, kListForm);
  controls.Add(kList, ListControlKind::ListBox, {"Red", "Green", "Blue"}, 12).current = 0;
  const MenuHandle sub = Expand("Liste{LB:4242}");
  ASSERT_TRUE(Choose(sub, 32498));
  EXPECT_EQ(controls.changes, (std::vector<FakeListControls::Change>{{kList, "LB cursel", 2, true}}));
  EXPECT_EQ(windows.ReceivedMessages(kListForm, 0x111),
            (std::vector<WindowCall>{{kListForm, 0x111, 0x1000C, static_cast<std::intptr_t>(kList)}}));
  EXPECT_TRUE(selections.empty());
  // The next opening checks the new selection.
  EXPECT_EQ(CheckedCaptions(Expand("Liste{LB:4242}")),
            std::vector<std::string>{"Blue{gControl:4242|LIndex:2|gType:1}"});
}

TEST_F(ListMenusTest, ChoosingAnEntryOfAComboBoxSelectsIt) {
  windows.AddWindow(kCombo, kListForm);
  controls.Add(kCombo, ListControlKind::ComboBox, {"Un", "Deux"}, 0x1234);
  const MenuHandle sub = Expand("Combo{CB:1792}");
  ASSERT_TRUE(Choose(sub, 32499));
  EXPECT_EQ(controls.changes, (std::vector<FakeListControls::Change>{{kCombo, "CB cursel", 1, true}}));
  EXPECT_EQ(windows.ReceivedMessages(kListForm, 0x111),
            (std::vector<WindowCall>{{kListForm, 0x111, 0x11234, static_cast<std::intptr_t>(kCombo)}}));
}

TEST_F(ListMenusTest, ChoosingAnEntryOfAMultipleSelectionListTogglesIt) {
  windows.AddWindow(kList, kListForm);
  controls.Add(kList, ListControlKind::ListBox, {"A", "B"}, 9, 0x8).selected = {0};
  const MenuHandle sub = Expand("Liste{LB:4242}");
  ASSERT_TRUE(Choose(sub, 32500));  // checked: cleared
  ASSERT_TRUE(Choose(sub, 32499));  // not checked: set
  EXPECT_EQ(controls.changes, (std::vector<FakeListControls::Change>{{kList, "LB sel", 0, false},
                                                                      {kList, "LB sel", 1, true}}));
  EXPECT_EQ(controls.controls[kList].selected, (std::set<int>{1}));
  EXPECT_EQ(windows.ReceivedMessages(kListForm, 0x111).size(), 2u);
}

TEST_F(ListMenusTest, AnEntryWhoseControlIsGoneIsConsumedWithoutEffect) {
  windows.AddWindow(kList, kListForm);
  controls.Add(kList, ListControlKind::ListBox, {"A"});
  const MenuHandle sub = Expand("Liste{LB:4242}");
  Prepare(sub);
  windows.RemoveWindow(kList);
  MenuHandle menu = sub;
  EXPECT_TRUE(handler.MenuSelected(32500, menu, 0));
  EXPECT_TRUE(controls.changes.empty());
  EXPECT_TRUE(windows.ReceivedMessages(kListForm, 0x111).empty());
}

TEST_F(ListMenusTest, CommandsThatNoGeneratedPopupKnowsAreNotConsumed) {
  const MenuHandle popup = PrepareItem("Ouvrir");
  MenuHandle menu = popup;
  EXPECT_FALSE(handler.MenuSelected(100, menu, 0));  // no delegate for an ordinary popup
  const MenuHandle sub = Expand("Mois{lvMonths:}");
  Prepare(sub);
  menu = sub;
  EXPECT_FALSE(handler.MenuSelected(4000, menu, 0));  // not an entry of it
  EXPECT_TRUE(selections.empty());
}

struct KeyCase {
  const char* caption;
  Selection expected;
  const char* storedKey;  // "" when nothing is stored
  const char* storedValue;
};

class SelectionByKeyTest : public ListMenusFixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SelectionByKeyTest, TheEntrysKeyChoosesTheCategoryAndValue) {
  const KeyCase& c = GetParam();
  // A generated popup of one entry, served by this handler.
  const MenuHandle popup = menus.AddPopupWithCaptions({c.caption}, 32499);
  Prepare(popup);
  MenuHandle menu = popup;
  ASSERT_TRUE(lists.MenuSelected(handler, 32499, menu, 1));
  EXPECT_EQ(selections, std::vector<Selection>{c.expected});
  if (std::string(c.storedKey).empty()) {
    EXPECT_TRUE(settings.Saves().empty());
  } else {
    EXPECT_EQ(settings.Saves(), (std::vector<test::SettingSave>{{"Vantrel", "Font", c.storedKey, c.storedValue}}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SelectionByKeyTest,
    ::testing::Values(
        KeyCase{"Rouge{gControl:0|lvID:Fore|LColor:255}", {"Fore", "Color", TipValue{255.0}}, "FontColor", "255"},
        KeyCase{"Mars{gControl:0|lvID:Cal|LMonth:3}", {"Cal", "Month", TipValue{3.0}}, "", ""},
        KeyCase{"Texas{gControl:0|lvID:|LState:TX}", {"0", "State", TipValue{std::string("TX")}}, "", ""},
        KeyCase{"mardi{gControl:0|lvID:W|LDay:3}", {"W", "WeekDay", TipValue{3.0}}, "", ""},
        KeyCase{"Feb 29{gControl:0|lvID:D|LDate:38046}", {"D", "DayOfMonth", TipValue{TipDate{2004, 2, 29}}}, "", ""},
        KeyCase{"Arial{gControl:0|lvID:F|LFont:Arial}", {"F", "Font", TipValue{std::string("Arial")}}, "FontName",
                "Arial"},
        KeyCase{"C:{gControl:0|lvID:|LDrv:C:\\}", {"0", "Drive", TipValue{std::string("C:\\")}}, "", ""},
        // The first key in the order of the selection wins.
        KeyCase{"X{gControl:0|lvID:|LState:NY|LMonth:5}", {"0", "Month", TipValue{5.0}}, "", ""}));

TEST_F(ListMenusTest, WithoutACallbackNothingIsRaisedButTheChoiceIsStored) {
  handler.InitializeSubMenu(kListForm, nullptr, 0, true);
  ASSERT_EQ(handler.ShowTips(), 0u);
  const MenuHandle sub = Expand("Couleurs{lvColors:}");
  EXPECT_TRUE(Choose(sub, 32500 - 23));  // Blanc
  EXPECT_TRUE(selections.empty());
  EXPECT_EQ(Stored("FontColor"), "16777215");
}

}  // namespace
}  // namespace vantrel::test
