// The Help page's rich-text box under Wine: the composed text with its
// colours, marks and alignments, the scrolling, the clicks, and a picture.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/settings.h"
#include "ui/main/help_page.h"
#include "victims.h"
#include "window_shot.h"

namespace vantrel {
namespace {

using test::PumpFor;

constexpr RECT kArea{0, 28, 329, 235};

class HelpPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "help host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | SS_GRAYRECT,
                            200, 150, 330, 237, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host_, nullptr);
    ASSERT_TRUE(page_.Create(host_, kArea, GetModuleHandleA(nullptr)));
    page_.onRunningChanged = [this](bool running) { changes_.push_back(running); };
    page_.openWebSite = [this](HWND main) { openedFrom_.push_back(main); };
    page_.Compose();
    PumpFor(50);
  }
  void TearDown() override {
    page_.Destroy();
    if (host_) DestroyWindow(host_);
  }

  // The box's top within the frame, in pixels.
  int BoxTop() const {
    RECT box{};
    GetWindowRect(page_.Box(), &box);
    POINT p{box.left, box.top};
    ScreenToClient(page_.Frame(), &p);
    return p.y;
  }
  void Click(HWND target, bool twice = false) {
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 20));
    PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(40, 20));
    if (twice) {
      PostMessageA(target, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 20));
      PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(40, 20));
    }
    PumpFor(50);
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) page_.Tick();
    PumpFor(30);
  }
  CHARFORMAT2A FormatAt(LONG position) {
    CHARRANGE range{position, position + 1};
    SendMessageA(page_.Box(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    SendMessageA(page_.Box(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
  }
  WORD AlignmentAt(LONG position) {
    CHARRANGE range{position, position};
    SendMessageA(page_.Box(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    SendMessageA(page_.Box(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format.wAlignment;
  }

  HWND host_ = nullptr;
  HelpPage page_;
  std::vector<bool> changes_;
  std::vector<HWND> openedFrom_;
};

TEST_F(HelpPageTest, TheBoxLiesInABlackFrameAtItsDesignedPlaceAndSize) {
  RECT frame{}, box{};
  GetClientRect(page_.Frame(), &frame);
  EXPECT_EQ(frame.right, 329);
  EXPECT_EQ(frame.bottom, 207);
  GetWindowRect(page_.Box(), &box);
  EXPECT_EQ(box.right - box.left, 300);
  EXPECT_EQ(box.bottom - box.top, 1167);
  EXPECT_EQ(BoxTop(), 0);
  char cls[64] = {};
  GetClassNameA(page_.Box(), cls, sizeof cls);
  EXPECT_STREQ(cls, RICHEDIT_CLASSA);
}

TEST_F(HelpPageTest, HoldsTheComposedTextAsOneParagraphPerLineBreak) {
  const ComposedHelp help = ComposeHelpText(HelpEntries(kAppName));
  const int length = GetWindowTextLengthA(page_.Box());
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(page_.Box(), text.data(), length + 1)));
  EXPECT_EQ(text, help.text);

  // The box keeps one paragraph mark per line break.
  GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
  const LRESULT chars = SendMessageA(page_.Box(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0);
  EXPECT_EQ(static_cast<std::size_t>(chars), BoxPosition(help.text, help.text.size()));
  // And the whole text stands in the box without scrolling inside it.
  EXPECT_EQ(SendMessageA(page_.Box(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  POINTL last{};
  SendMessageA(page_.Box(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&last), chars - 1);
  EXPECT_LT(last.y, 1167) << "the text is taller than its box";
}

TEST_F(HelpPageTest, EveryEntryShowsItsColourMarksAndAlignment) {
  const auto entries = HelpEntries(kAppName);
  const ComposedHelp help = ComposeHelpText(entries);
  const HelpStyle plain = DefaultHelpStyle();
  for (int i = 0; i < kHelpEntryCount; ++i) {
    const std::string& own = entries[i].text;
    if (own.empty() || own[0] == '\r') continue;
    // The entry's first letter, past its separator.
    const std::size_t at = help.runs[i].start + HelpSeparator(i).size();
    const CHARFORMAT2A format = FormatAt(static_cast<LONG>(BoxPosition(help.text, at)));
    const HelpStyle& style = entries[i].style;
    EXPECT_EQ(format.crTextColor, style.colour.value_or(*plain.colour)) << "entry " << i;
    EXPECT_EQ((format.dwEffects & CFE_BOLD) != 0, style.markA.value_or(*plain.markA)) << "entry " << i;
    EXPECT_EQ((format.dwEffects & CFE_UNDERLINE) != 0, style.markB.value_or(*plain.markB)) << "entry " << i;
    EXPECT_EQ(format.dwEffects & CFE_AUTOCOLOR, 0u) << "entry " << i;
    EXPECT_STREQ(format.szFaceName, "Verdana") << "entry " << i;
  }
  // Alignments: the paragraph of each entry's first letter.
  struct Case {
    int entry;
    WORD alignment;
  };
  for (const Case& c : {Case{0, PFA_CENTER}, Case{1, PFA_CENTER}, Case{2, PFA_LEFT}, Case{4, PFA_LEFT},
                        Case{10, PFA_LEFT}, Case{18, PFA_CENTER}, Case{19, PFA_CENTER},
                        Case{20, PFA_CENTER},  // on the line of entry 19
                        Case{21, PFA_CENTER}, Case{23, PFA_CENTER}, Case{24, PFA_LEFT}, Case{38, PFA_CENTER},
                        Case{39, PFA_LEFT}, Case{40, PFA_LEFT}}) {
    const std::size_t at = help.runs[c.entry].start + HelpSeparator(c.entry).size();
    EXPECT_EQ(AlignmentAt(static_cast<LONG>(BoxPosition(help.text, at))), c.alignment) << "entry " << c.entry;
  }
}

TEST_F(HelpPageTest, ScrollsUpAtEachTickAndTheFirstShownLineChanges) {
  page_.SetRunning(true);
  EXPECT_EQ(page_.FirstShownLine(), 0);
  Ticks(3);  // 30 twips: two pixels
  EXPECT_EQ(page_.TopTwips(), -30);
  EXPECT_EQ(BoxTop(), -2);
  Ticks(597);  // 6000 twips: 400 pixels
  EXPECT_EQ(BoxTop(), -400);
  const int shown = page_.FirstShownLine();
  EXPECT_GT(shown, 10);
  Ticks(150);
  EXPECT_GT(page_.FirstShownLine(), shown);
  EXPECT_EQ(changes_.size(), 0u);  // the owner's own switch is not echoed
}

TEST_F(HelpPageTest, AClickPausesAndASecondResumes) {
  page_.SetRunning(true);
  Ticks(600);
  Click(page_.Box());
  EXPECT_FALSE(page_.Running());
  ASSERT_EQ(changes_, std::vector<bool>{false});
  const int top = BoxTop();
  const int shown = page_.FirstShownLine();
  Ticks(200);
  EXPECT_EQ(BoxTop(), top);
  EXPECT_EQ(page_.FirstShownLine(), shown);

  Click(page_.Frame());  // the frame around the text answers too
  EXPECT_TRUE(page_.Running());
  EXPECT_EQ(changes_, (std::vector<bool>{false, true}));
  Ticks(200);
  EXPECT_LT(BoxTop(), top);
  EXPECT_TRUE(openedFrom_.empty());
}

TEST_F(HelpPageTest, ADoubleClickOnTheTextOpensTheSiteFromTheMainWindow) {
  page_.SetRunning(true);
  Click(page_.Box(), true);
  ASSERT_EQ(openedFrom_.size(), 1u);
  EXPECT_EQ(openedFrom_[0], host_);
  EXPECT_EQ(changes_, std::vector<bool>{false});  // its first click pauses
  // Nothing was selected by the clicks.
  CHARRANGE selection{};
  SendMessageA(page_.Box(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  EXPECT_EQ(selection.cpMin, selection.cpMax);

  Click(page_.Frame(), true);
  EXPECT_EQ(openedFrom_.size(), 1u);  // not on the frame
}

TEST_F(HelpPageTest, WrapsOnThe1751stTickAndComposingAgainKeepsThePlace) {
  page_.SetRunning(true);
  Ticks(1750);
  EXPECT_EQ(page_.TopTwips(), -17500);
  EXPECT_EQ(BoxTop(), -1167);
  Ticks(1);
  EXPECT_EQ(page_.TopTwips(), 3100);
  EXPECT_EQ(BoxTop(), 207);
  Ticks(100);
  const int top = BoxTop();
  page_.Compose();
  PumpFor(30);
  EXPECT_EQ(BoxTop(), top);
  EXPECT_EQ(page_.TopTwips(), 3100 - 1000);
}

TEST_F(HelpPageTest, PicturesOfTheStartAndOfTheMiddle) {
  PumpFor(200);
  EXPECT_FALSE(test::ShootWindow(host_, "help_page_start").empty());
  page_.SetRunning(true);
  Ticks(900);  // 600 pixels up
  PumpFor(200);
  EXPECT_FALSE(test::ShootWindow(host_, "help_page_middle").empty());
}

}  // namespace
}  // namespace vantrel
