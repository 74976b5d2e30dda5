// The pages with their real controls: keys and clicks reach the page
// operations, and the stored files and settings follow.
#include <windows.h>
#include <commctrl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "stored_settings.h"
#include "ui/main/frm_main.h"
#include "victims.h"
#include "window_shot.h"

namespace vantrel {
namespace {

using testing::PumpFor;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class PagesWinTest : public ::testing::Test {
 protected:
  PagesWinTest() : folder_(testing::MakeTempFolder("pages")), main_(folder_) {}
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

  testing::StoredSettings settings_{{"SonValue", "0"}, {"Position", "0"}, {"RunAtStart", "0"}};
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
  EXPECT_EQ(testing::StoredSetting("RunMinimize"), "0");  // start-up cleared the designed tick
  SendMessageA(startHidden, BM_CLICK, 0, 0);
  PumpFor(30);
  EXPECT_TRUE(main_.StartHidden().Value());
  EXPECT_EQ(testing::StoredSetting("RunMinimize"), "1");
  main_.StartHidden().SetValue(false);  // the program's own change shows on the box
  EXPECT_EQ(SendMessageA(startHidden, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(testing::StoredSetting("RunMinimize"), "0");
}

TEST_F(PagesWinTest, SizeRuleTypedInTheBoxesIsStoredAndTraced) {
  HWND options = Frame(1);
  HWND height = FindWindowExA(options, nullptr, "EDIT", nullptr);
  HWND width = FindWindowExA(options, height, "EDIT", nullptr);
  ASSERT_TRUE(height && width);
  SetWindowTextA(height, "300");
  SetWindowTextA(width, "200");
  main_.Options().AddOrRemoveSizeRule();
  EXPECT_EQ(main_.SizeRules().Count(), 1);
  EXPECT_EQ(main_.SizeRules().Item(0), "300 - 200");
  EXPECT_THAT(Ini(), ::testing::HasSubstr("C0=300 - 200\r\nNbCondition=1\r\n"));
  EXPECT_THAT(ReadBytes(folder_ + "\\debug.txt"), ::testing::HasSubstr("H: 300 - L: 200\r\nSetFocus\r\n"));
  char text[16] = {};
  GetWindowTextA(height, text, sizeof text);
  EXPECT_STREQ(text, "");
}

TEST_F(PagesWinTest, StatisticsListShowsTheLogWithItsColumns) {
  {
    std::ofstream log(folder_ + "\\logkill.txt", std::ios::binary);
    log << "2003/04/16 ;14:32:05;Pub - Netscape\r\n2003/04/16 ;14:32:06;a;b\r\n";
  }
  main_.Pages().LabFStat_Click();
  ASSERT_TRUE(testing::PumpUntil([&] { return !main_.Pages().Animating(); }));
  HWND view = Child(Frame(2), WC_LISTVIEWA);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(main_.Statistics().Row(1), (ReportRow{"2003/04/16 ", "14:32:06", "a;b"}));
  EXPECT_EQ(SendMessageA(view, LVM_GETCOLUMNWIDTH, 2, 0), 180);  // 2700 twips
  char title[32] = {};
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = title;
  column.cchTextMax = sizeof title;
  SendMessageA(view, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  EXPECT_STREQ(title, "Date ");
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
  const testing::ScreenCopy partway = testing::CopyWindowFromScreen(main_.Window());
  ASSERT_EQ(partway.height, stopRow);
  testing::ShootWindow(main_.Window(), "page_opening_partway");

  main_.Pages().LabFOption_Click();  // the whole opening, to compare with
  ASSERT_TRUE(testing::PumpUntil([&] { return !main_.Pages().Animating(); }));
  PumpFor(100);
  const testing::ScreenCopy open = testing::CopyWindowFromScreen(main_.Window());
  ASSERT_GT(open.height, stopRow);
  ASSERT_EQ(open.width, partway.width);
  int differing = 0;
  for (int y = firstRow; y < stopRow; ++y)
    for (int x = 0; x < open.width; ++x) differing += partway.At(x, y) != open.At(x, y) ? 1 : 0;
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace vantrel
