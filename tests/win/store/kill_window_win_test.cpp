// Destroying real windows of another process with the kill record in place:
// the close requests arrive and the kill log holds one line per kill.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>

#include "engine/stored_kill_recorder.h"
#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/win32_desktop.h"
#include "support/fake_settings_store.h"
#include "support/fake_sound_device.h"
#include "support/memory_watch_lists.h"
#include "temp_folder.h"
#include "victims.h"

namespace vantrel {
namespace {

class KillWindowRecordWinTest : public ::testing::Test {
 protected:
  KillWindowRecordWinTest() { engine_.SetKillRecorder(&recorder_); }

  wintest::TempFolder folder_{"vantrel-killwin"};
  test::MemoryWatchLists lists_;
  Win32Desktop desktop_;
  Win32Clock clock_;
  WatchEngine engine_{desktop_, clock_, lists_.Lists(), "Vantrel"};
  Win32FileSystem files_;
  test::FakeSettingsStore store_;
  Settings settings_{store_, folder_.Path()};
  test::FakeSoundDevice sound_;
  MemoryReportList listStat_;
  StoredKillRecorder recorder_{files_, clock_, settings_, sound_, listStat_};
};

TEST_F(KillWindowRecordWinTest, TwoKilledPopupsLeaveTwoLinesAndTwoRows) {
  ::vantrel::test::VictimProcess victims(
      {"Pub - Netscape|300|200|refuse", "Promo - Mozilla|250|150|refuse"});
  ASSERT_TRUE(victims.Started());
  ASSERT_TRUE(victims.WaitReady());

  EXPECT_TRUE(engine_.KillWindow("Pub - Netscape"));
  EXPECT_TRUE(engine_.KillWindow("Promo - Mozilla"));
  ASSERT_TRUE(victims.WaitCloseOf("Promo - Mozilla"));
  EXPECT_TRUE(victims.WaitCloseOf("Pub - Netscape"));

  const std::string bytes = wintest::FileBytes(recorder_.KillLogFile());
  EXPECT_TRUE(std::regex_match(
      bytes, std::regex("\\d{4}/\\d{2}/\\d{2} ;\\d{2}:\\d{2}:\\d{2};Pub - Netscape\r\n"
                        "\\d{4}/\\d{2}/\\d{2} ;\\d{2}:\\d{2}:\\d{2};Promo - Mozilla\r\n")))
      << bytes;
  ASSERT_EQ(listStat_.Count(), 2);
  EXPECT_EQ(listStat_.Row(0)[2], "Pub - Netscape");
  EXPECT_EQ(listStat_.Row(1)[2], "Promo - Mozilla");
  EXPECT_EQ(sound_.Commands().size(), 10u) << "one kill sound per kill";
}

TEST_F(KillWindowRecordWinTest, AReadOnlyLogStillLetsTheCloseRequestThrough) {
  ::vantrel::test::VictimProcess victims({"Pub - Netscape|300|200|refuse"});
  ASSERT_TRUE(victims.Started());
  ASSERT_TRUE(victims.WaitReady());
  ASSERT_TRUE(wintest::WriteFileBytes(recorder_.KillLogFile(), ""));
  wintest::UnwritableFile locked(recorder_.KillLogFile());
  ASSERT_TRUE(locked.Ready());

  EXPECT_FALSE(engine_.KillWindow("Pub - Netscape"));
  EXPECT_TRUE(victims.WaitCloseOf("Pub - Netscape"));
  EXPECT_EQ(wintest::FileBytes(recorder_.KillLogFile()), "");
  EXPECT_EQ(listStat_.Count(), 0);
  EXPECT_EQ(sound_.Commands().size(), 5u) << "the kill sound still plays";
}

}  // namespace
}  // namespace vantrel
