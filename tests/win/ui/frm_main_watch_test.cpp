// The main window's own watch: its 500 ms tick destroys matching windows
// while the window is hidden, and every kill leaves its log line and its
// statistics row.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <cstring>
#include <sstream>

#include "ui/main/frm_main.h"
#include "stored_settings.h"
#include "victims.h"

namespace vantrel {
namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(FrmMainWatch, HiddenWindowKeepsDestroyingAndLogsEachKill) {
  const std::string folder = test::MakeTempFolder("frmmain");
  {
    std::ofstream ini(folder + "\\Vantrel.ini", std::ios::binary);
    ini << "[Vantrel]\r\nNbOcc=1\r\n0=Titled - Netscape\r\nNbCondition=1\r\nC0=250 - 400\r\n";
  }
  // No sound in the test prefix, and a start hidden in the tray.
  test::StoredSettings settings({{"SonValue", "0"}, {"RunMinimize", "1"}, {"Position", "0"}});

  FrmMain main(folder);
  ASSERT_TRUE(main.Load(GetModuleHandleA(nullptr)));
  EXPECT_FALSE(IsWindowVisible(main.Window()));

  test::VictimProcess victims({"Small - Mozilla|300|200", "Titled - Netscape|900|700", "Big - Mozilla|900|700|refuse"});
  ASSERT_TRUE(victims.WaitReady());
  ASSERT_TRUE(victims.WaitCloseOf("Small - Mozilla", 5000));
  ASSERT_TRUE(victims.WaitCloseOf("Titled - Netscape", 5000));
  test::PumpFor(1200);  // two more ticks: nothing else is destroyed
  EXPECT_EQ(victims.Closes().size(), 2u);

  const std::string log = ReadBytes(folder + "\\logkill.txt");
  const std::regex line(R"(\d{4}/\d{2}/\d{2} ;\d{2}:\d{2}:\d{2};(Small - Mozilla|Titled - Netscape)\r\n)");
  std::smatch m;
  std::string rest = log;
  int lines = 0;
  while (std::regex_search(rest, m, line, std::regex_constants::match_continuous)) {
    ++lines;
    rest = m.suffix();
  }
  EXPECT_EQ(lines, 2) << log;
  EXPECT_EQ(rest, "") << log;

  const ReportList& stats = main.StatisticsForm().Rows();
  ASSERT_EQ(stats.Count(), 2);
  for (int i = 0; i < 2; ++i) {
    const ReportRow row = stats.Row(i);
    ASSERT_EQ(row.size(), 3u);
    EXPECT_THAT(log, ::testing::HasSubstr(row[0] + ";" + row[1] + ";" + row[2] + "\r\n"));
  }
}

}  // namespace
}  // namespace vantrel
