#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/text.h"
#include "ui/model/help_text.h"

namespace vantrel {
namespace {

constexpr unsigned kRed = HelpRgb(255, 0, 0);
constexpr unsigned kLightBlue = HelpRgb(128, 128, 255);
constexpr unsigned kGreen = HelpRgb(0, 255, 0);
constexpr unsigned kYellow = HelpRgb(255, 255, 0);
constexpr unsigned kCyan = HelpRgb(0, 255, 255);
constexpr unsigned kBlue = HelpRgb(0, 0, 255);
constexpr unsigned kWhite = HelpRgb(255, 255, 255);

const std::string kCrLf = "\r\n";

TEST(HelpEntries, AreFortySixInTheProgramsCodePage) {
  const auto entries = HelpEntries("Vantrel");
  ASSERT_EQ(entries.size(), 46u);
  EXPECT_EQ(kHelpEntryCount, 46);
  // "complètement" reaches the box as one Windows-1252 byte per letter.
  EXPECT_EQ(entries[1].text, "Freeware - un logiciel compl\xE8tement gratuit ..." + kCrLf);
}

struct EntryCase {
  int index;
  std::string utf8Text;
  HelpStyle style;
};

HelpStyle S(std::optional<unsigned> colour, std::optional<bool> a, std::optional<bool> b, HelpAlign align) {
  return HelpStyle{colour, a, b, align};
}

class HelpEntryTable : public ::testing::TestWithParam<EntryCase> {};

TEST_P(HelpEntryTable, TextAndStyleAreAsDesigned) {
  const auto entries = HelpEntries("Vantrel");
  const EntryCase& c = GetParam();
  ASSERT_LT(c.index, static_cast<int>(entries.size()));
  EXPECT_EQ(entries[c.index].text, AnsiFromUtf8(c.utf8Text)) << "entry " << c.index;
  EXPECT_EQ(entries[c.index].style, c.style) << "entry " << c.index;
}

const HelpStyle kPlain = S(kWhite, false, false, HelpAlign::Left);
const HelpStyle kHeading = S(kCyan, false, true, HelpAlign::Left);
const HelpStyle kRule = S(kBlue, {}, {}, HelpAlign::Centre);

INSTANTIATE_TEST_SUITE_P(
    Entries, HelpEntryTable,
    ::testing::Values(
        EntryCase{0, "Vantrel V1.0\r\n", S(kRed, true, true, HelpAlign::Centre)},
        EntryCase{1, "Freeware - un logiciel complètement gratuit ...\r\n", S(kLightBlue, {}, {}, HelpAlign::Centre)},
        EntryCase{2,
                  "Vous en avez assez d'être polué en permanence par des fenêtres lors de vos navigations sur "
                  "Internet !",
                  S(kGreen, {}, {}, HelpAlign::Left)},
        EntryCase{3, "Vantrel va se charger de les enlever pour vous ....\r\n\r\n", S(kYellow, {}, {}, HelpAlign::Left)},
        EntryCase{4, "Ecran Principal ", S(kCyan, true, true, HelpAlign::Left)},
        EntryCase{5,
                  "contient la liste des fenêtres surveillées, en plus de celà vous avez la possibilité d'ajouter "
                  "de nouvelles conditions de surveillance dans ",
                  kPlain},
        EntryCase{6, "\r\nOptions", kHeading},
        EntryCase{7, "Cette fenêtre vous donne la possibilité de :", kPlain},
        EntryCase{8, "- définition de la taille des fenêtres à surveiller", kPlain},
        EntryCase{9, "- démarrage automatique de ", kPlain},
        EntryCase{10, "Vantrel", S(kYellow, {}, {}, HelpAlign::Unchanged)},
        EntryCase{11, "- démarrage du programme en mode caché (Icone dans la barre de tache)", kPlain},
        EntryCase{12, "- paramétrage de l'option sonore lors des suppressions des fenêtres", kPlain},
        EntryCase{13, "- définition des types de navigateurs utilisés (IE, Netscape, etc ...)\r\n", kPlain},
        EntryCase{14, "Fenêtres ", kHeading},
        EntryCase{15, "recense en temps réel les fenêtres connectés sur internet\r\n", kPlain},
        EntryCase{16, "Statistiques", kHeading},
        EntryCase{17, "permet se garder les traces des dernières pages supprimées\r\n", kPlain},
        EntryCase{18, "_______________________________________\r\n", kRule},
        EntryCase{19, "Visiter mon ", S(kYellow, {}, {}, HelpAlign::Centre)},
        EntryCase{20, "site", S(kGreen, {}, true, HelpAlign::Unchanged)},
        EntryCase{21, " pour obtenir la dernière mise à jour du logiciel.\r\n", S(kYellow, {}, false, HelpAlign::Unchanged)},
        EntryCase{22, "_______________________________________\r\n", kRule},
        EntryCase{38, "....................................\r\n", kRule},
        EntryCase{39, "Alors n'hésitez plus, double-cliquer ", kPlain},
        EntryCase{40, "ICI", S(kGreen, {}, true, HelpAlign::Unchanged)},
        EntryCase{41, " pour me rendre visite ;)", kPlain},
        EntryCase{42, "", kPlain},
        EntryCase{43, "", kPlain},
        EntryCase{44, "", kPlain},
        EntryCase{45, "", kPlain}));

TEST(HelpEntries, TheCompanionToolsHaveAHeadingThenNamesAndDescriptions) {
  const auto entries = HelpEntries("Vantrel");
  EXPECT_EQ(entries[23].style, S(kGreen, {}, {}, HelpAlign::Centre));
  EXPECT_THAT(entries[23].text, ::testing::EndsWith(kCrLf));
  EXPECT_THAT(entries[23].text, ::testing::HasSubstr("Vantrel"));
  for (int i = 24; i <= 36; i += 2) {
    EXPECT_EQ(entries[i].style, S(kBlue, {}, true, HelpAlign::Unchanged)) << "name " << i;
    EXPECT_FALSE(entries[i].text.empty()) << "name " << i;
    EXPECT_EQ(entries[i].text.find('\r'), std::string::npos) << "name " << i;
    EXPECT_EQ(entries[i + 1].style, DefaultHelpStyle()) << "description " << i + 1;
    EXPECT_THAT(entries[i + 1].text, ::testing::EndsWith(kCrLf)) << "description " << i + 1;
    EXPECT_GT(entries[i + 1].text.size(), 10u) << "description " << i + 1;
  }
}

TEST(HelpEntries, UnderscoreAndDotRulesHaveTheirLengths) {
  const auto entries = HelpEntries("Vantrel");
  EXPECT_EQ(entries[18].text, std::string(39, '_') + kCrLf);
  EXPECT_EQ(entries[22].text, std::string(39, '_') + kCrLf);
  EXPECT_EQ(entries[38].text, std::string(36, '.') + kCrLf);
}

TEST(HelpEntries, TheApplicationTitleIsTheOneGiven) {
  const auto entries = HelpEntries("Autre");
  EXPECT_EQ(entries[0].text, "Autre V1.0" + kCrLf);
  EXPECT_EQ(entries[3].text.rfind("Autre va se charger", 0), 0u);
  EXPECT_EQ(entries[10].text, "Autre");
}

TEST(HelpEntries, TheDefaultStyleIsWhiteWithoutMarksOnTheLeft) {
  EXPECT_EQ(DefaultHelpStyle(), S(kWhite, false, false, HelpAlign::Left));
}

TEST(HelpSeparator, IsABlankForFiveEntriesAndALineBreakForTheOthers) {
  for (int i = 0; i < kHelpEntryCount; ++i) {
    const bool blank = i == 10 || i == 20 || i == 21 || i == 40 || i == 41;
    EXPECT_EQ(HelpSeparator(i), blank ? " " : "\r\n") << "entry " << i;
  }
}

TEST(ComposeHelpText, StartsWithAnEmptyLineAndRunsCoverTheWholeText) {
  const auto entries = HelpEntries("Vantrel");
  const ComposedHelp help = ComposeHelpText(entries);
  EXPECT_EQ(help.text.rfind("\r\nVantrel V1.0\r\n\r\nFreeware", 0), 0u);
  ASSERT_EQ(help.runs.size(), 46u);
  std::size_t expectedStart = 0;
  for (int i = 0; i < 46; ++i) {
    EXPECT_EQ(help.runs[i].start, expectedStart) << "entry " << i;
    EXPECT_EQ(help.text.substr(help.runs[i].start, help.runs[i].length),
              std::string(HelpSeparator(i)) + entries[i].text)
        << "entry " << i;
    expectedStart += help.runs[i].length;
  }
  EXPECT_EQ(expectedStart, help.text.size());
  // The four empty entries end the text with four line breaks.
  EXPECT_THAT(help.text, ::testing::EndsWith("visite ;)\r\n\r\n\r\n\r\n"));
}

TEST(ComposeHelpText, TwoBlanksStandAroundTheJoinedWords) {
  const ComposedHelp help = ComposeHelpText(HelpEntries("Vantrel"));
  EXPECT_NE(help.text.find(AnsiFromUtf8("\r\n- démarrage automatique de  Vantrel\r\n")), std::string::npos);
  EXPECT_NE(help.text.find("\r\nVisiter mon  site  pour obtenir"), std::string::npos);
  EXPECT_NE(help.text.find("double-cliquer  ICI  pour me rendre visite ;)"), std::string::npos);
}

TEST(ComposeHelpText, EmptyEntriesStillGetTheirSeparators) {
  const std::vector<HelpEntry> entries = {{"a", {}}, {"", {}}, {"b", {}}};
  const ComposedHelp help = ComposeHelpText(entries);
  EXPECT_EQ(help.text, "\r\na\r\n\r\nb");
  EXPECT_THAT(help.runs, ::testing::ElementsAre(HelpRun{0, 3}, HelpRun{3, 2}, HelpRun{5, 3}));
}

struct BoxPositionCase {
  std::string text;
  std::size_t position;
  std::size_t expected;
};

class BoxPositionTable : public ::testing::TestWithParam<BoxPositionCase> {};

TEST_P(BoxPositionTable, CountsEachLineBreakOnce) {
  const auto& c = GetParam();
  EXPECT_EQ(BoxPosition(c.text, c.position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, BoxPositionTable,
                         ::testing::Values(BoxPositionCase{"abc", 2, 2}, BoxPositionCase{"\r\nab", 0, 0},
                                           BoxPositionCase{"\r\nab", 1, 1},  // between CR and LF
                                           BoxPositionCase{"\r\nab", 2, 1}, BoxPositionCase{"\r\nab", 4, 3},
                                           BoxPositionCase{"a\r\n\r\nb", 5, 3},
                                           BoxPositionCase{"a\rb\nc", 5, 5},  // lone CR and LF are one each
                                           BoxPositionCase{"ab", 9, 2}));     // beyond the end: the end

TEST(HelpTitle, IsTheStaticTitle) { EXPECT_EQ(HelpTitle(), "Aide + A Propos"); }

struct TopCase {
  int top;
  int expected;
};

class NextHelpTopTable : public ::testing::TestWithParam<TopCase> {};

TEST_P(NextHelpTopTable, MovesUpTenTwipsAndComesBackFromTheBottom) {
  EXPECT_EQ(NextHelpTop(GetParam().top), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, NextHelpTopTable,
                         ::testing::Values(TopCase{0, -10}, TopCase{3100, 3090}, TopCase{-17490, -17500},
                                           TopCase{-17500, 3100},  // -17510: the box has left the frame
                                           TopCase{-17495, 3100},  // -17505: out by five twips
                                           TopCase{-17505, 3100}));

TEST(HelpScroller, WrapsOnThe1751stTickAndGoesOnFromTheFramesHeight) {
  HelpScroller scroller;
  scroller.SetRunning(true);
  EXPECT_EQ(scroller.TopTwips(), 0);
  for (int tick = 1; tick <= 1750; ++tick) {
    ASSERT_TRUE(scroller.Tick());
    ASSERT_EQ(scroller.TopTwips(), -10 * tick) << "tick " << tick;
  }
  EXPECT_EQ(scroller.TopTwips(), -17500);
  scroller.Tick();
  EXPECT_EQ(scroller.TopTwips(), 3100);
  scroller.Tick();
  EXPECT_EQ(scroller.TopTwips(), 3090);
}

TEST(HelpScroller, StandsStillWhilePausedAndTogglesOnClicks) {
  HelpScroller scroller;
  EXPECT_FALSE(scroller.Running());  // Timer2 is stopped at start
  EXPECT_FALSE(scroller.Tick());
  EXPECT_EQ(scroller.TopTwips(), 0);
  EXPECT_TRUE(scroller.Toggle());
  scroller.Tick();
  scroller.Tick();
  EXPECT_EQ(scroller.TopTwips(), -20);
  EXPECT_FALSE(scroller.Toggle());
  EXPECT_FALSE(scroller.Tick());
  EXPECT_EQ(scroller.TopTwips(), -20);
  EXPECT_TRUE(scroller.Toggle());
  scroller.Tick();
  EXPECT_EQ(scroller.TopTwips(), -30);
}

struct PixelCase {
  int twips;
  int pixels;
};

class HelpPixelTable : public ::testing::TestWithParam<PixelCase> {};

TEST_P(HelpPixelTable, RoundsHalfToEven) { EXPECT_EQ(HelpPixels(GetParam().twips), GetParam().pixels); }

INSTANTIATE_TEST_SUITE_P(Pixels, HelpPixelTable,
                         ::testing::Values(PixelCase{0, 0}, PixelCase{-10, -1}, PixelCase{-20, -1},
                                           PixelCase{-30, -2}, PixelCase{3100, 207}, PixelCase{17500, 1167},
                                           PixelCase{240, 16}, PixelCase{4500, 300}, PixelCase{4935, 329},
                                           PixelCase{-22, -1}, PixelCase{-23, -2}));

enum class Event { Down, Up, Double };

struct MouseCase {
  const char* name;
  std::vector<std::pair<Event, HelpTarget>> events;
  int toggles;
  int siteOpenings;
};

class HelpMouseTable : public ::testing::TestWithParam<MouseCase> {};

TEST_P(HelpMouseTable, MakesClicksAndDoubleClicks) {
  HelpMouse mouse;
  int toggles = 0, openings = 0;
  for (const auto& [event, target] : GetParam().events) {
    HelpAction action = HelpAction::None;
    switch (event) {
      case Event::Down: action = mouse.ButtonDown(target); break;
      case Event::Up: action = mouse.ButtonUp(target); break;
      case Event::Double: action = mouse.DoubleClick(target); break;
    }
    toggles += action == HelpAction::ToggleScroll;
    openings += action == HelpAction::OpenWebSite;
  }
  EXPECT_EQ(toggles, GetParam().toggles) << GetParam().name;
  EXPECT_EQ(openings, GetParam().siteOpenings) << GetParam().name;
}

constexpr auto T = HelpTarget::Text;
constexpr auto F = HelpTarget::Frame;

INSTANTIATE_TEST_SUITE_P(
    Clicks, HelpMouseTable,
    ::testing::Values(
        MouseCase{"click on the text", {{Event::Down, T}, {Event::Up, T}}, 1, 0},
        MouseCase{"click on the frame", {{Event::Down, F}, {Event::Up, F}}, 1, 0},
        MouseCase{"two clicks pause and resume", {{Event::Down, T}, {Event::Up, T}, {Event::Down, T}, {Event::Up, T}}, 2, 0},
        MouseCase{"double click on the text", {{Event::Down, T}, {Event::Up, T}, {Event::Double, T}, {Event::Up, T}}, 1, 1},
        MouseCase{"double click on the frame", {{Event::Down, F}, {Event::Up, F}, {Event::Double, F}, {Event::Up, F}}, 1, 0},
        MouseCase{"pressed on the text, released on the frame", {{Event::Down, T}, {Event::Up, F}}, 0, 0},
        MouseCase{"a release without a press", {{Event::Up, T}}, 0, 0}));

}  // namespace
}  // namespace vantrel
