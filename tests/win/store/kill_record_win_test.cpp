// The kill record and the kill sound against the real files, clock and
// media control interface.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>

#include "engine/kill_sound.h"
#include "engine/stored_kill_recorder.h"
#include "platform/memory_controls.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/sound_device_win32.h"
#include "store/kill_log.h"
#include "support/fake_settings_store.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using wintest::FileBytes;
using wintest::TempFolder;
using wintest::UnwritableFile;
using wintest::WriteFileBytes;

// The real interface, with every command and its result kept.
class RecordingSoundDevice final : public SoundDevice {
 public:
  std::uint32_t SendCommand(std::string_view command, std::size_t returnLength) override {
    const std::uint32_t result = real_.SendCommand(command, returnLength);
    sent.push_back({std::string(command), result});
    return result;
  }
  bool Played() const {
    for (const auto& [command, result] : sent)
      if (command.starts_with("play")) return true;
    return false;
  }
  std::vector<std::pair<std::string, std::uint32_t>> sent;

 private:
  Win32SoundDevice real_;
};

class KillRecordWinTest : public ::testing::Test {
 protected:
  ~KillRecordWinTest() override { StopKillSound(sound_); }

  TempFolder folder_{"vantrel-kill"};
  Win32FileSystem files_;
  Win32Clock clock_;
  test::FakeSettingsStore store_;
  Settings settings_{store_, folder_.Path()};
  RecordingSoundDevice sound_;
  MemoryReportList listStat_;
  StoredKillRecorder recorder_{files_, clock_, settings_, sound_, listStat_};
};

TEST_F(KillRecordWinTest, TwoKillsLeaveTwoLinesInTheExactFormAndTwoRows) {
  const std::string log = KillLogPath(folder_.Path());
  ASSERT_EQ(recorder_.KillLogFile(), log);
  ASSERT_TRUE(recorder_.RecordKill("Pub - Microsoft Internet Explorer"));
  ASSERT_TRUE(recorder_.RecordKill("a;b [Disabled]"));
  const std::string bytes = FileBytes(log);
  const std::regex form(
      "(\\d{4}/\\d{2}/\\d{2} );(\\d{2}:\\d{2}:\\d{2});Pub - Microsoft Internet Explorer\r\n"
      "(\\d{4}/\\d{2}/\\d{2} );(\\d{2}:\\d{2}:\\d{2});a;b \\[Disabled\\]\r\n");
  std::smatch m;
  ASSERT_TRUE(std::regex_match(bytes, m, form)) << bytes;
  ASSERT_EQ(listStat_.Count(), 2);
  EXPECT_EQ(listStat_.Row(1)[2], "a;b [Disabled]");
  // Each row has its line's fields, the clock read again for it: the same
  // date, and the same second or a later one.
  for (int i = 0; i < 2; ++i) {
    const ReportRow row = listStat_.Row(i);
    EXPECT_EQ(row[0], m[1 + 2 * i].str());
    EXPECT_GE(row[1], m[2 + 2 * i].str());
    EXPECT_LE(row[1], KillLogTimeField(clock_.Now()));
  }
  // What was logged reads back as the rows.
  MemoryReportList reread;
  EXPECT_EQ(LoadKillLog(files_, log, reread).status, KillLogReadStatus::Complete);
  ASSERT_EQ(reread.Count(), 2);
  EXPECT_EQ(reread.Row(1), (ReportRow{m[3].str(), m[4].str(), "a;b [Disabled]"}));
}

// The statistics show what the log holds; the sound still tells of the kill.
TEST_F(KillRecordWinTest, AReadOnlyLogTakesNoLineNoRowButTheSoundPlays) {
  const std::string log = KillLogPath(folder_.Path());
  ASSERT_TRUE(WriteFileBytes(log, "2003/04/16 ;14:32:05;Old\r\n"));
  UnwritableFile locked(log);
  ASSERT_TRUE(locked.Ready());
  EXPECT_FALSE(recorder_.RecordKill("Pub - Netscape"));
  EXPECT_EQ(FileBytes(log), "2003/04/16 ;14:32:05;Old\r\n");
  EXPECT_EQ(listStat_.Count(), 0);
  ASSERT_GE(sound_.sent.size(), 3u);
  EXPECT_EQ(sound_.sent[2].first, "open \"" + folder_.Path() + "\\wave\\1.wav\" alias sound");
}

TEST_F(KillRecordWinTest, AMissingWaveStaysSilentAndTheKillIsStillRecorded) {
  // The default wave of this folder does not exist.
  ASSERT_TRUE(recorder_.RecordKill("X"));
  ASSERT_GE(sound_.sent.size(), 3u);
  EXPECT_EQ(sound_.sent[2].first,
            "open \"" + folder_.Path() + "\\wave\\1.wav\" alias sound");
  EXPECT_NE(sound_.sent[2].second, 0u);
  EXPECT_FALSE(sound_.Played());
  EXPECT_EQ(listStat_.Count(), 1);
}

TEST_F(KillRecordWinTest, AFileThatIsNoWaveStaysSilent) {
  const std::string fake = folder_.File("not a sound.wav");
  ASSERT_TRUE(WriteFileBytes(fake, "this is text, not RIFF data\r\n"));
  PlayKillSound(sound_, fake);
  ASSERT_GE(sound_.sent.size(), 3u);
  EXPECT_NE(sound_.sent[2].second, 0u);
  EXPECT_FALSE(sound_.Played());
}

TEST_F(KillRecordWinTest, StopWithNothingOpenAndRepeatedPlaysDoNotFail) {
  StopKillSound(sound_);
  StopKillSound(sound_);
  const std::string missing = folder_.File("gone.wav");
  PlayKillSound(sound_, missing);
  PlayKillSound(sound_, missing);
  for (const auto& [command, result] : sound_.sent)
    EXPECT_TRUE(command.starts_with("stop") || command.starts_with("close") ||
                command.starts_with("open"))
        << command;
}

TEST_F(KillRecordWinTest, TheSoundOptionOffRecordsWithoutTouchingTheDevice) {
  store_.Seed("Vantrel", "Settings", "SonValue", "0");
  ASSERT_TRUE(recorder_.RecordKill("X"));
  EXPECT_TRUE(sound_.sent.empty());
  EXPECT_EQ(listStat_.Count(), 1);
}

TEST_F(KillRecordWinTest, DeletingOneEntryRewritesTheFileWithTheOthersUnchanged) {
  const std::string log = KillLogPath(folder_.Path());
  ASSERT_TRUE(WriteFileBytes(log,
                             "2003/04/16 ;14:32:05;First\r\n"
                             "2003/04/16 ;14:32:06;a;b\r\n"
                             "2003/04/17 ;09:00:00;Third [Disabled]\r\n"));
  ASSERT_EQ(LoadKillLog(files_, log, listStat_).status, KillLogReadStatus::Complete);
  listStat_.RemoveRow(1);
  ASSERT_TRUE(RewriteKillLog(files_, log, listStat_));
  EXPECT_EQ(FileBytes(log),
            "2003/04/16 ;14:32:05;First\r\n2003/04/17 ;09:00:00;Third [Disabled]\r\n");
  EXPECT_FALSE(files_.Exists(log + ".new"));
  EXPECT_TRUE(ClearKillLog(files_, log));
  EXPECT_FALSE(files_.Exists(log));
}

TEST(ClockWinTest, ReadsTheLocalTime) {
  SYSTEMTIME before{};
  GetLocalTime(&before);
  const LocalTime t = Win32Clock().Now();
  EXPECT_EQ(t.year, before.wYear);
  EXPECT_GE(t.month, 1);
  EXPECT_LE(t.month, 12);
  EXPECT_GE(t.day, 1);
  EXPECT_LE(t.day, 31);
  EXPECT_LE(t.hour, 23);
  EXPECT_LE(t.minute, 59);
  EXPECT_LE(t.second, 59);
}

}  // namespace
}  // namespace vantrel
