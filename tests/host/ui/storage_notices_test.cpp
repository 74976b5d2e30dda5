#include "ui/model/storage_notices.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/text.h"
#include "engine/stored_kill_recorder.h"
#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "store/program_files.h"
#include "support/fake_desktop.h"
#include "support/fake_file_system.h"
#include "support/fake_settings_store.h"
#include "support/fake_sound_device.h"
#include "support/memory_watch_lists.h"
#include "support/settable_clock.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kFolder = "C:\\Program Files\\Vantrel";
constexpr const char* kLog = "C:\\Program Files\\Vantrel\\logkill.txt";

class BoxLog final : public UserPrompts {
 public:
  void MakeTopmost() override { events.push_back("topmost"); }
  void MakeNotTopmost() override { events.push_back("not-topmost"); }
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
  void Inform(const std::string& text, const std::string& title) override {
    events.push_back("inform:" + title + ":" + text);
    if (duringBox) duringBox();
  }
  std::vector<std::string> events;
  // What the box's own loop runs while it stands.
  std::function<void()> duringBox;
};

TEST(ProgramFolderWritable, IsTriedByAFileCreatedAndDeleted) {
  const struct {
    const char* name;
    void (test::FakeFileSystem::*refuse)(std::string_view);
    bool writable;
  } cases[] = {
      {"an ordinary folder", nullptr, true},
      {"a read-only folder", &test::FakeFileSystem::SetFolderReadOnly, false},
      {"a folder that lets no file go", &test::FakeFileSystem::SetFolderUndeletable, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::FakeFileSystem files;
    files.Seed(std::string(kFolder) + "\\Vantrel.ini", "[Vantrel]\r\n");
    if (c.refuse) (files.*c.refuse)(kFolder);
    EXPECT_EQ(ProgramFolderWritable(files, kFolder), c.writable);
    ASSERT_FALSE(files.Operations().empty());
    EXPECT_EQ(files.Operations()[0].kind, test::FileOperation::Create);
    EXPECT_EQ(files.Operations()[0].path.rfind(std::string(kFolder) + "\\", 0), 0u);
    if (c.writable) {
      EXPECT_THAT(files.Files(), ElementsAre(::testing::Key(std::string(kFolder) + "\\Vantrel.ini")));
    }
  }
}

class StorageNoticesTest : public ::testing::Test {
 protected:
  test::FakeFileSystem files;
  int requests = 0;
  StorageNotices notices{[this] { ++requests; }};
  BoxLog boxes;
};

TEST_F(StorageNoticesTest, AFolderThatTakesNoFileIsToldOnceFromTheWindowsLoop) {
  files.SetFolderReadOnly(kFolder);
  notices.CheckProgramFolder(files, kFolder);
  EXPECT_FALSE(notices.ProgramFolderWritable());
  EXPECT_EQ(requests, 1);
  EXPECT_THAT(boxes.events, IsEmpty());  // nothing shows until the window's loop asks

  notices.ShowDue(boxes);
  const std::string text = boxes.events.at(1);
  EXPECT_THAT(boxes.events, ElementsAre("not-topmost", text, "topmost"));
  EXPECT_NE(text.find("inform:Vantrel:" + AnsiFromUtf8("Vantrel ne peut pas écrire dans son dossier :\n") + kFolder),
            std::string::npos);
  // What will not be kept, and what to do.
  for (const char* words : {"fenêtres à détruire", "tailles", "journal des fenêtres détruites", "trace",
                            "déplacez son dossier", "Documents"})
    EXPECT_NE(text.find(AnsiFromUtf8(words)), std::string::npos) << words;

  // Once per run: a second showing, and the kill log's refusals, say nothing more.
  notices.ShowDue(boxes);
  notices.KillLogRefused();
  notices.ShowDue(boxes);
  EXPECT_EQ(boxes.events.size(), 3u);
  EXPECT_EQ(requests, 1);
}

TEST_F(StorageNoticesTest, AWritableFolderIsNotToldAndKeepsNoProbe) {
  notices.CheckProgramFolder(files, kFolder);
  EXPECT_TRUE(notices.ProgramFolderWritable());
  notices.ShowDue(boxes);
  EXPECT_EQ(requests, 0);
  EXPECT_THAT(boxes.events, IsEmpty());
  EXPECT_THAT(files.Files(), IsEmpty());
}

// The watch closes pop-ups with the log refusing its lines: each close goes
// out and each sound plays, no row is shown, and the user hears of it once,
// after the scan, however many kills and scans there are, a scan run by the
// box's own loop included.
TEST_F(StorageNoticesTest, AKillLogThatRefusesItsLinesIsToldOnceAfterTheScan) {
  test::MemoryWatchLists lists;
  lists.AddBuiltInHeaders();
  lists.sizeRules.Add("250 - 400");
  test::FakeDesktop desktop;
  test::SettableClock clock;
  test::FakeSettingsStore store;
  Settings settings{store, kFolder};
  test::FakeSoundDevice sound;
  MemoryReportList listStat;
  StoredKillRecorder recorder{files, clock, settings, sound, listStat};
  recorder.SetLogRefusedHandler([this] { notices.KillLogRefused(); });
  WatchEngine engine{desktop, clock, lists.Lists(), "Vantrel"};
  engine.SetKillRecorder(&recorder);
  files.Seed(kLog, "");
  files.SetReadOnly(kLog);
  notices.CheckProgramFolder(files, kFolder);

  desktop.Add("Pub 1 - Netscape");
  desktop.Add("Pub 2 - Netscape");
  desktop.Add("Pub 3 - Netscape");
  engine.ScanWindows();
  EXPECT_EQ(desktop.closes.size(), 3u);
  EXPECT_EQ(listStat.Count(), 0);
  int plays = 0;
  for (const auto& command : sound.CommandTexts()) plays += command.starts_with("play") ? 1 : 0;
  EXPECT_EQ(plays, 3);
  EXPECT_EQ(requests, 1);
  EXPECT_THAT(boxes.events, IsEmpty());

  boxes.duringBox = [&] { engine.ScanWindows(); };
  notices.ShowDue(boxes);
  EXPECT_THAT(boxes.events, ElementsAre("not-topmost", "inform:Vantrel:" + KillLogNotWritableText(), "topmost"));
  EXPECT_EQ(desktop.closes.size(), 6u);  // the scan inside the box closed them again
  engine.ScanWindows();
  notices.ShowDue(boxes);
  EXPECT_EQ(boxes.events.size(), 3u);
  EXPECT_EQ(requests, 1);
  EXPECT_EQ(KillLogNotWritableText(),
            AnsiFromUtf8("Impossible d'écrire dans \"logkill.txt\" : les fenêtres détruites sont bien fermées, mais "
                         "elles ne sont plus notées dans les statistiques.\n\nCe message ne sera plus montré avant le "
                         "prochain démarrage."));
}

}  // namespace
}  // namespace vantrel
