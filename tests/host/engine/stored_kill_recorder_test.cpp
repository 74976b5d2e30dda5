#include <gtest/gtest.h>

#include "engine/stored_kill_recorder.h"
#include "platform/memory_controls.h"
#include "support/scripted_clock.h"
#include "support/fake_file_system.h"
#include "support/fake_settings_store.h"
#include "support/fake_sound_device.h"

namespace vantrel {
namespace {

using test::ScriptedClock;
using test::FakeFileSystem;
using test::FakeSettingsStore;
using test::FakeSoundDevice;

constexpr const char* kFolder = "C:\\Program Files\\Vantrel";
constexpr const char* kLog = "C:\\Program Files\\Vantrel\\logkill.txt";
constexpr const char* kDefaultWave = "open \"C:\\Program Files\\Vantrel\\wave\\1.wav\" alias sound";

class StoredKillRecorderTest : public ::testing::Test {
 protected:
  // Each reading of the clock is one second later than the one before.
  static std::vector<LocalTime> Seconds(int first, int count) {
    std::vector<LocalTime> times;
    for (int s = first; s < first + count; ++s) times.push_back(LocalTime{2003, 4, 16, 14, 32, s});
    return times;
  }
  void StoreSetting(std::string_view key, std::string_view value) {
    store_.Seed("Vantrel", "Settings", key, value);
  }
  bool SoundPlayed() const {
    for (const auto& text : sound_.CommandTexts())
      if (text.starts_with("play")) return true;
    return false;
  }

  FakeFileSystem files_;
  ScriptedClock clock_{Seconds(1, 8)};
  FakeSettingsStore store_;
  Settings settings_{store_, kFolder};
  FakeSoundDevice sound_;
  MemoryReportList listStat_;
  StoredKillRecorder recorder_{files_, clock_, settings_, sound_, listStat_};
};

TEST_F(StoredKillRecorderTest, LogsAddsTheRowAndPlaysTheDefaultSound) {
  EXPECT_EQ(recorder_.KillLogFile(), kLog);
  ASSERT_TRUE(recorder_.RecordKill("Pub - Microsoft Internet Explorer"));
  // The date and the time are read one after the other for the line, and
  // read again for the row.
  EXPECT_EQ(files_.Bytes(kLog),
            std::optional<std::string>("2003/04/16 ;14:32:02;Pub - Microsoft Internet Explorer\r\n"));
  ASSERT_EQ(listStat_.Count(), 1);
  EXPECT_EQ(listStat_.Row(0),
            (ReportRow{"2003/04/16 ", "14:32:04", "Pub - Microsoft Internet Explorer"}));
  EXPECT_EQ(clock_.Readings(), 4);
  ASSERT_EQ(sound_.CommandTexts().size(), 5u);
  EXPECT_EQ(sound_.CommandTexts()[2], kDefaultWave);
}

TEST_F(StoredKillRecorderTest, TheListTitleIsRecordedUnchangedMarkersAndSemicolonsIncluded) {
  recorder_.RecordKill("Setup [Disabled]");
  recorder_.RecordKill("a;b [Disabled] [Hidden]");
  EXPECT_EQ(files_.Bytes(kLog),
            std::optional<std::string>("2003/04/16 ;14:32:02;Setup [Disabled]\r\n"
                                       "2003/04/16 ;14:32:06;a;b [Disabled] [Hidden]\r\n"));
  ASSERT_EQ(listStat_.Count(), 2);
  EXPECT_EQ(listStat_.Row(1)[2], "a;b [Disabled] [Hidden]");
}

// The statistics show only what the log holds; the sound still tells of the
// kill, and the refusal is handed on each time (whoever tells the user
// decides how often).
TEST_F(StoredKillRecorderTest, AnUnwritableLogAddsNoRowButStillSoundsAndReportsEachRefusal) {
  int refusals = 0;
  recorder_.SetLogRefusedHandler([&] { ++refusals; });
  files_.Seed(kLog, "2003/04/15 ;10:00:00;Old\r\n");
  files_.SetReadOnly(kLog);
  EXPECT_FALSE(recorder_.RecordKill("Pub - Netscape"));
  EXPECT_FALSE(recorder_.RecordKill("Pub - Netscape"));
  EXPECT_EQ(files_.Bytes(kLog), std::optional<std::string>("2003/04/15 ;10:00:00;Old\r\n"));
  EXPECT_EQ(listStat_.Count(), 0);
  ASSERT_TRUE(SoundPlayed());
  EXPECT_EQ(sound_.CommandTexts()[2], kDefaultWave);
  EXPECT_EQ(refusals, 2);
}

TEST_F(StoredKillRecorderTest, AChosenWaveIsPlayedAsStored) {
  StoreSetting("Wave", "D:\\my sounds\\boom.wav");
  recorder_.RecordKill("X");
  ASSERT_EQ(sound_.CommandTexts().size(), 5u);
  EXPECT_EQ(sound_.CommandTexts()[2], "open \"D:\\my sounds\\boom.wav\" alias sound");
}

struct SoundCase {
  const char* name;
  std::optional<std::string> sonValue;  // nothing: not stored
  bool plays;
};

class KillSoundOptionTest : public StoredKillRecorderTest,
                            public ::testing::WithParamInterface<SoundCase> {};

TEST_P(KillSoundOptionTest, PlaysOnlyWhenTheOptionReadsOne) {
  if (GetParam().sonValue) StoreSetting("SonValue", *GetParam().sonValue);
  ASSERT_TRUE(recorder_.RecordKill("X"));
  EXPECT_EQ(SoundPlayed(), GetParam().plays);
  EXPECT_EQ(listStat_.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Values, KillSoundOptionTest,
                         ::testing::Values(SoundCase{"Absent", std::nullopt, true},
                                         SoundCase{"One", "1", true},
                                         SoundCase{"Zero", "0", false},
                                         SoundCase{"Two", "2", false},
                                         SoundCase{"GarbledReadsAsTheDefault", "on", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoredKillRecorderTest, AMissingWaveStillRecordsTheKill) {
  sound_.Answer("open", 275);
  EXPECT_TRUE(recorder_.RecordKill("X"));
  EXPECT_EQ(listStat_.Count(), 1);
  EXPECT_FALSE(SoundPlayed());
}

}  // namespace
}  // namespace vantrel
