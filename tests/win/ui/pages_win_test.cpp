// The pages with their real controls: keys and clicks reach the page
// operations, and the stored files and settings follow.
#include <windows.h>
#include <commctrl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/text.h"
#include "real_input.h"
#include "stored_settings.h"
#include "ui/main/frm_main.h"
#include "victims.h"
#include "window_shot.h"

namespace vantrel {
namespace {

using test::PumpFor;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The visible message box titled title, of any thread of this process.
HWND ShownBox(const char* title) {
  HWND box = FindWindowA("#32770", title);
  return box && IsWindowVisible(box) ? box : nullptr;
}

std::string BoxText(HWND box) {
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's message
  return text;
}

// Steps that answer "Attention" with Yes, then read and close the box
// titled "Vantrel" that follows.
std::vector<std::function<bool()>> AnswerYesThenReadTheReport(std::string& report) {
  return {
      [] {
        HWND box = ShownBox("Attention");
        return box && PostMessageA(box, WM_COMMAND, IDYES, 0);
      },
      [&report] {
        HWND box = ShownBox("Vantrel");
        if (!box) return false;
        report = BoxText(box);
        return PostMessageA(box, WM_COMMAND, IDOK, 0) != FALSE;
      },
  };
}

class PagesWinTest : public ::testing::Test {
 protected:
  // The page animation runs from the window's loop: to its end.
  void FinishAnimation() { ASSERT_TRUE(test::PumpUntil([&] { return !main_.Pages().Animating(); })); }
  PagesWinTest() : folder_(test::MakeTempFolder("pages")), main_(folder_) {}
  void SetUp() override { ASSERT_TRUE(main_.Load(GetModuleHandleA(nullptr))); }

  HWND Child(HWND parent, const char* cls, const char* text = nullptr) {
    return FindWindowExA(parent, nullptr, cls, text);
  }
  HWND Frame(int index) {
    HWND frame = nullptr;
    for (int i = 0; i <= index; ++i) frame = FindWindowExA(main_.Window(), frame, "VantrelPage", nullptr);
    return frame;
  }
  void Key(HWND control, WPARAM key) {
    SendMessageA(control, WM_KEYDOWN, key, 0);
    PumpFor(30);
  }
  std::string Ini() { return ReadBytes(folder_ + "\\Vantrel.ini"); }
  HWND StatisticsView() { return Child(Frame(2), WC_LISTVIEWA); }
  // A real click in the middle of a row of the statistics list.
  void ClickRow(int row) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageA(StatisticsView(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)));
    test::ClickAt(StatisticsView(), POINT{r.left + 30, (r.top + r.bottom) / 2});
  }
  // A real click on "Supprimer" of the Statistics page.
  void ClickDeleteRow() { test::ClickAt(Frame(2), POINT{242 + 40, 206 + 12}); }
  void WriteLog(const std::string& bytes) {
    std::ofstream log(folder_ + "\\logkill.txt", std::ios::binary);
    log << bytes;
  }
  std::string Log() { return ReadBytes(folder_ + "\\logkill.txt"); }

  test::StoredSettings settings_{{"SonValue", "0"}, {"Position", "0"}, {"RunAtStart", "0"}};
  std::string folder_;
  FrmMain main_;
};

TEST_F(PagesWinTest, EnterInTheEntryBoxAddsTheTitleAndDeleteRemovesIt) {
  HWND entry = Child(main_.Window(), "EDIT");
  HWND list2 = Child(main_.Window(), "LISTBOX");
  ASSERT_TRUE(entry && list2);
  SetWindowTextA(entry, "Pub - Netscape");
  Key(entry, VK_RETURN);
  EXPECT_EQ(main_.TitleRules().Count(), 1);
  EXPECT_THAT(Ini(), ::testing::HasSubstr("0=Pub - Netscape\r\nNbOcc=1\r\n"));

  SendMessageA(list2, LB_SETCURSEL, 0, 0);
  SendMessageA(main_.Window(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list2));
  char entryText[64] = {};
  GetWindowTextA(entry, entryText, sizeof entryText);
  EXPECT_STREQ(entryText, "");  // selecting a title empties the box and switches to removal
  Key(list2, VK_DELETE);
  EXPECT_EQ(main_.TitleRules().Count(), 0);
  EXPECT_THAT(Ini(), ::testing::HasSubstr("NbOcc=0"));
}

TEST_F(PagesWinTest, CheckBoxClicksStoreTheOptions) {
  HWND options = Frame(1);
  HWND startHidden = Child(options, "BUTTON", "Minimiser au D\xE9marrage");
  ASSERT_NE(startHidden, nullptr);
  EXPECT_EQ(test::StoredSetting("RunMinimize"), "0");  // start-up cleared the designed tick
  SendMessageA(startHidden, BM_CLICK, 0, 0);
  PumpFor(30);
  EXPECT_TRUE(main_.OptionsForm().StartHidden().Value());
  EXPECT_EQ(test::StoredSetting("RunMinimize"), "1");
  main_.OptionsForm().StartHidden().SetValue(false);  // the program's own change shows on the box
  EXPECT_EQ(SendMessageA(startHidden, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(test::StoredSetting("RunMinimize"), "0");
}

TEST_F(PagesWinTest, SizeRuleTypedInTheBoxesIsStoredAndTraced) {
  HWND options = Frame(1);
  HWND height = FindWindowExA(options, nullptr, "EDIT", nullptr);
  HWND width = FindWindowExA(options, height, "EDIT", nullptr);
  ASSERT_TRUE(height && width);
  SetWindowTextA(height, "300");
  SetWindowTextA(width, "200");
  main_.OptionsForm().Operations().AddOrRemoveSizeRule();
  EXPECT_EQ(main_.OptionsForm().SizeRules().Count(), 1);
  EXPECT_EQ(main_.OptionsForm().SizeRules().Item(0), "300 - 200");
  EXPECT_THAT(Ini(), ::testing::HasSubstr("C0=300 - 200\r\nNbCondition=1\r\n"));
  EXPECT_THAT(ReadBytes(folder_ + "\\debug.txt"), ::testing::HasSubstr("H: 300 - L: 200\r\nSetFocus\r\n"));
  char text[16] = {};
  GetWindowTextA(height, text, sizeof text);
  EXPECT_STREQ(text, "");
}

// The user's decimal separator, set for one test and put back after it.
class UserDecimalSeparator {
 public:
  explicit UserDecimalSeparator(const char* separator) {
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_, sizeof saved_);
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator);
  }
  ~UserDecimalSeparator() { SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_); }
  UserDecimalSeparator(const UserDecimalSeparator&) = delete;
  UserDecimalSeparator& operator=(const UserDecimalSeparator&) = delete;

 private:
  char saved_[8] = {};
};

TEST_F(PagesWinTest, SizesAreTypedAndShownWithTheUsersDecimalSeparator) {
  const UserDecimalSeparator comma(",");
  char separator[8] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
  ASSERT_STREQ(separator, ",");
  main_.Pages().LabFOption_Click();
  FinishAnimation();
  HWND options = Frame(1);
  HWND height = FindWindowExA(options, nullptr, "EDIT", nullptr);
  HWND width = FindWindowExA(options, height, "EDIT", nullptr);
  ASSERT_TRUE(height && width);
  SetWindowTextA(height, "12,5");
  SetWindowTextA(width, "300");
  // A refusal would be a box: it is closed, and said.
  std::string refusal;
  test::ScriptedSteps closeAnyBox({[&] {
    if (HWND box = ShownBox("Vantrel")) {
      refusal = BoxText(box);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return false;
  }});
  test::ClickAt(options, POINT{238 + 20, 92 + 10});  // "Ajouter" beside the sizes
  ASSERT_TRUE(test::PumpUntil([&] { return main_.OptionsForm().SizeRules().Count() == 1 || !refusal.empty(); }));
  EXPECT_EQ(refusal, "");
  EXPECT_EQ(main_.OptionsForm().SizeRules().Item(0), "12,5 - 300");

  // A stored rule is read as it always was, and shown the user's way.
  main_.OptionsForm().SizeRules().Clear();
  main_.OptionsForm().SizeRules().Add("12.5 - 7.25");
  HWND rules = FindWindowExA(options, nullptr, "LISTBOX", nullptr);
  test::ClickAt(rules, POINT{20, 6});
  ASSERT_TRUE(test::PumpUntil([&] {
    char text[16] = {};
    GetWindowTextA(height, text, sizeof text);
    return std::string(text) == "12,5";
  }));
  char text[16] = {};
  GetWindowTextA(width, text, sizeof text);
  EXPECT_STREQ(text, "7,25");
}

TEST_F(PagesWinTest, StatisticsListShowsTheLogWithItsColumns) {
  {
    std::ofstream log(folder_ + "\\logkill.txt", std::ios::binary);
    log << "2003/04/16 ;14:32:05;Pub - Netscape\r\n2003/04/16 ;14:32:06;a;b\r\n";
  }
  main_.Pages().LabFStat_Click();
  ASSERT_TRUE(test::PumpUntil([&] { return !main_.Pages().Animating(); }));
  HWND view = Child(Frame(2), WC_LISTVIEWA);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(main_.StatisticsForm().Rows().Row(1), (ReportRow{"2003/04/16 ", "14:32:06", "a;b"}));
  EXPECT_EQ(SendMessageA(view, LVM_GETCOLUMNWIDTH, 2, 0), 180);  // 2700 twips
  char title[32] = {};
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = title;
  column.cchTextMax = sizeof title;
  SendMessageA(view, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  EXPECT_STREQ(title, "Date ");
}

TEST_F(PagesWinTest, TheTitleColumnKeepsItsDesignWidthWhenTheLogCannotBeRead) {
  const struct {
    const char* name;
    bool folder;  // a folder where the log should be: it cannot be read
  } cases[] = {{"missing", false}, {"unreadable", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.folder) CreateDirectoryA((folder_ + "\\logkill.txt").c_str(), nullptr);
    main_.Pages().LabFStat_Click();
    FinishAnimation();
    ASSERT_EQ(main_.Pages().OpenPage(), Page::Statistics);
    EXPECT_EQ(SendMessageA(StatisticsView(), LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(StatisticsView(), LVM_GETCOLUMNWIDTH, 2, 0), 160);  // 2400 twips
    main_.Pages().LabFStat_Click();
    FinishAnimation();
  }
}

TEST_F(PagesWinTest, DeletingARowKeepsEveryOtherLineWholeHoweverLongItsTitle) {
  std::string longTitle;
  for (int i = 0; longTitle.size() < 600; ++i) longTitle += "Pub " + std::to_string(i) + " - Netscape;";
  longTitle.resize(600);
  const std::string first = "2003/04/16 ;14:32:05;" + longTitle + "\r\n";
  const std::string third = "2003/04/16 ;14:32:07;" + longTitle + "x\r\n";
  WriteLog(first + "2003/04/16 ;14:32:06;Short\r\n" + third);
  main_.Pages().LabFStat_Click();
  FinishAnimation();
  ASSERT_EQ(main_.StatisticsForm().Rows().Count(), 3);
  ClickRow(1);
  ASSERT_EQ(main_.StatisticsForm().Rows().Selected(), 1);
  test::ScriptedSteps answer({[] {
    HWND box = ShownBox("Attention");
    return box && PostMessageA(box, WM_COMMAND, IDYES, 0);
  }});
  ClickDeleteRow();
  PumpFor(200);
  ASSERT_TRUE(answer.Finished());
  EXPECT_EQ(Log(), first + third);
  EXPECT_EQ(main_.StatisticsForm().Rows().Row(0)[2], longTitle);
}

TEST_F(PagesWinTest, ALogThatCannotBeRewrittenKeepsTheRowAndTheUserIsTold) {
  const std::string log = "2003/04/16 ;14:32:05;A\r\n2003/04/16 ;14:32:06;B\r\n";
  WriteLog(log);
  const std::string path = folder_ + "\\logkill.txt";
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  main_.Pages().LabFStat_Click();
  FinishAnimation();
  ClickRow(0);
  std::string report;
  test::ScriptedSteps script(AnswerYesThenReadTheReport(report));
  ClickDeleteRow();
  PumpFor(300);
  EXPECT_TRUE(script.Finished()) << "stopped at step " << script.Done();
  EXPECT_EQ(report, AnsiFromUtf8("Impossible d'enregistrer \"logkill.txt\" : les statistiques n'ont pas été modifiées."));
  EXPECT_EQ(SendMessageA(StatisticsView(), LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(main_.StatisticsForm().Rows().Row(0)[2], "A");
  EXPECT_TRUE(GetWindowLongA(main_.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Log(), log);
}

bool Topmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

TEST_F(PagesWinTest, TheLoudspeakerOpensTheSoundDialogOverTheDisabledWindowWhichComesBackOnTopWhenItCloses) {
  main_.Pages().LabFOption_Click();
  FinishAnimation();
  ASSERT_TRUE(Topmost(main_.Window()));
  test::ClickAt(Frame(1), POINT{305, 38});  // the loudspeaker
  HWND dialog = nullptr;
  ASSERT_TRUE(test::PumpUntil([&] { return (dialog = FindWindowA("VantrelSound", nullptr)) != nullptr; }));
  // Open, and the click has returned: the window's loop serves the dialog.
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_FALSE(IsWindowEnabled(main_.Window()));
  EXPECT_FALSE(Topmost(main_.Window()));
  PostMessageA(dialog, WM_CLOSE, 0, 0);
  ASSERT_TRUE(test::PumpUntil([] { return FindWindowA("VantrelSound", nullptr) == nullptr; }));
  EXPECT_TRUE(IsWindowEnabled(main_.Window()));
  EXPECT_TRUE(Topmost(main_.Window()));
}

TEST_F(PagesWinTest, AHeaderFileThatCannotBeWrittenKeepsTheDefaultsAndTheTypedHeader) {
  const std::string path = folder_ + "\\Vantrel-Url.ini";
  { std::ofstream headers(path, std::ios::binary); headers << "- Opera\r\n"; }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  main_.Pages().LabFOption_Click();
  FinishAnimation();
  ASSERT_TRUE(main_.OptionsForm().BuiltInHeaders().Value());
  HWND options = Frame(1);
  HWND height = FindWindowExA(options, nullptr, "EDIT", nullptr);
  HWND width = FindWindowExA(options, height, "EDIT", nullptr);
  HWND header = FindWindowExA(options, width, "EDIT", nullptr);
  ASSERT_NE(header, nullptr);
  SetWindowTextA(header, "- vid\xE9o");
  std::string report;
  int waits = 0;
  test::ScriptedSteps script({[&] {
    HWND box = ShownBox("Vantrel");
    if (!box) return ++waits > 50;
    report = BoxText(box);
    return PostMessageA(box, WM_COMMAND, IDOK, 0) != FALSE;
  }});
  test::ClickAt(options, POINT{238 + 40, 164 + 12});  // "Ajouter" of the headers
  PumpFor(300);
  EXPECT_EQ(report, AnsiFromUtf8("Impossible d'enregistrer \"Vantrel-Url.ini\" : les entêtes n'ont pas été modifiés."));
  EXPECT_TRUE(main_.OptionsForm().BuiltInHeaders().Value());
  EXPECT_EQ(main_.OptionsForm().BrowserHeaders().Count(), 3);
  EXPECT_EQ(main_.OptionsForm().BrowserHeaders().Item(2), "- Mozilla");
  HWND sizeRules = FindWindowExA(options, nullptr, "LISTBOX", nullptr);
  EXPECT_EQ(SendMessageA(FindWindowExA(options, sizeRules, "LISTBOX", nullptr), LB_GETCOUNT, 0, 0), 3);
  char typed[64] = {};
  GetWindowTextA(header, typed, sizeof typed);
  EXPECT_STREQ(typed, "- vid\xE9o");
  EXPECT_EQ(test::StoredSetting("RunUrlDefault"), "<absent>");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadBytes(path), "- Opera\r\n");
}

TEST_F(PagesWinTest, EveryHeightOfTheOpeningShowsThePageAsItWillStand) {
  // Part of the way from the closed window, with no message handled in
  // between, as the animation runs: what a step uncovers is painted at once.
  ShowWindow(main_.Window(), SW_SHOWNOACTIVATE);
  PumpFor(100);
  main_.ShowFrame(Page::Options, true);
  RECT frame{};
  GetWindowRect(Frame(1), &frame);
  RECT window{};
  GetWindowRect(main_.Window(), &window);
  const int firstRow = frame.top - window.top + 30;  // below the title, written at the end
  const int stopRow = firstRow + 110;                // the list, the size boxes, a check box
  ASSERT_LT(window.bottom - window.top, firstRow);
  while (window.bottom - window.top < stopRow) {
    main_.SetHeightTwips(main_.HeightTwips() + 1);
    GetWindowRect(main_.Window(), &window);
  }
  const test::ScreenCopy partway = test::CopyWindowFromScreen(main_.Window());
  ASSERT_EQ(partway.height, stopRow);
  test::ShootWindow(main_.Window(), "page_opening_partway");

  main_.Pages().LabFOption_Click();  // the whole opening, to compare with
  ASSERT_TRUE(test::PumpUntil([&] { return !main_.Pages().Animating(); }));
  PumpFor(100);
  const test::ScreenCopy open = test::CopyWindowFromScreen(main_.Window());
  ASSERT_GT(open.height, stopRow);
  ASSERT_EQ(open.width, partway.width);
  int differing = 0;
  for (int y = firstRow; y < stopRow; ++y)
    for (int x = 0; x < open.width; ++x) differing += partway.At(x, y) != open.At(x, y) ? 1 : 0;
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace vantrel
