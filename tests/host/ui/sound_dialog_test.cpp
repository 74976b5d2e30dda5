#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/memory_controls.h"
#include "store/settings.h"
#include "support/fake_file_system.h"
#include "support/fake_settings_store.h"
#include "support/fake_sound_device.h"
#include "ui/model/sound_dialog.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using test::SettingSave;

constexpr const char* kFolder = "C:\\Program Files\\Vantrel";
constexpr double kScreenW = 1280 * 15, kScreenH = 1024 * 15;
constexpr AreaTwips kDesktop{0, 0, kScreenW, kScreenH};

class RecordingView final : public SoundDialogView {
 public:
  void MoveTo(PlaceTwips place) override { moves.push_back(place); }
  void PicturesChanged() override { ++repaints; }
  void Close() override { ++closes; }
  std::vector<PlaceTwips> moves;
  int repaints = 0;
  int closes = 0;
};

class ScriptedFileDialog final : public FileOpenDialog {
 public:
  std::string Show(std::string_view folder, std::string_view fileName) override {
    shownFolder = folder;
    shownName = fileName;
    ++shows;
    return answer ? *answer : std::string(fileName);
  }
  std::optional<std::string> answer;  // nothing: the user cancels
  std::string shownFolder, shownName;
  int shows = 0;
};

class SoundDialogTest : public ::testing::Test {
 protected:
  void Seed(std::string_view key, std::string_view value) { store_.Seed(kAppName, kSettingsSection, key, value); }
  std::optional<std::string> Stored(std::string_view key) const { return store_.Value(kAppName, kSettingsSection, key); }
  std::vector<std::string> SavedKeys() const {
    std::vector<std::string> keys;
    for (const auto& save : store_.Saves()) keys.push_back(save.key + "=" + save.value);
    return keys;
  }
  PlaceTwips Load() { return dialog_.Load(kScreenW, kScreenH, kDesktop); }

  test::FakeSettingsStore store_;
  Settings settings_{store_, kFolder};
  test::FakeSoundDevice sound_;
  test::FakeFileSystem files_;
  ScriptedFileDialog fileDialog_;
  RecordingView view_;
  MemoryCheckBox ChkSon{false};  // designed clear
  MemoryTextBox AddWin;
  SoundDialog dialog_{view_, settings_, sound_, files_, fileDialog_, ChkSon, AddWin};
};

TEST_F(SoundDialogTest, FirstOpeningSetsTheBoxShowsTheDefaultWaveAndCentres) {
  const PlaceTwips place = Load();
  EXPECT_TRUE(ChkSon.Value());
  EXPECT_THAT(SavedKeys(), ElementsAre("SonValue=1"));  // the designed clear box changed
  EXPECT_EQ(AddWin.Text(), "C:\\Program Files\\Vantrel\\wave\\1.wav");
  // (19200 - 4200) / 2 and (15360 - 1980) / 2.
  EXPECT_EQ(place, (PlaceTwips{7500, 6690}));
  EXPECT_THAT(view_.moves, ElementsAre(PlaceTwips{7500, 6690}));
}

struct StoredOptionCase {
  const char* stored;
  bool checked;
  std::vector<std::string> saves;
};

class SoundDialogOption : public SoundDialogTest, public ::testing::WithParamInterface<StoredOptionCase> {};

TEST_P(SoundDialogOption, TheBoxShowsTheStoredOption) {
  Seed(setting::kSonValue, GetParam().stored);
  Load();
  EXPECT_EQ(ChkSon.Value(), GetParam().checked);
  EXPECT_EQ(SavedKeys(), GetParam().saves);
}

INSTANTIATE_TEST_SUITE_P(Stored, SoundDialogOption,
                         ::testing::Values(StoredOptionCase{"1", true, {"SonValue=1"}},
                                           StoredOptionCase{"0", false, {}},
                                           // only 1 plays a sound on a kill, so only 1 checks the box
                                           StoredOptionCase{"2", false, {}},
                                           StoredOptionCase{"oui", true, {"SonValue=1"}}));  // unreadable: default 1

TEST_F(SoundDialogTest, EachChangeOfTheBoxIsSavedAtOnce) {
  Load();
  ChkSon.SetValue(false);
  ChkSon.SetValue(false);  // the same value: no change, nothing saved
  ChkSon.SetValue(true);
  EXPECT_THAT(SavedKeys(), ElementsAre("SonValue=1", "SonValue=0", "SonValue=1"));
  EXPECT_EQ(settings_.SonValue(), 1);
}

TEST_F(SoundDialogTest, ClearingTheBoxTakesEffectForTheNextKillWhileOpen) {
  Load();
  ChkSon.SetValue(false);
  EXPECT_EQ(Stored(setting::kSonValue), "0");
  EXPECT_EQ(settings_.SonValue(), 0);
}

TEST_F(SoundDialogTest, TheStoredPathAndPlaceAreRestored) {
  Seed(setting::kWave, "D:\\Sons\\ding dong.wav");
  Seed(setting::kSonTop, "1500");
  Seed(setting::kSonLeft, "3000");
  EXPECT_EQ(Load(), (PlaceTwips{3000, 1500}));
  EXPECT_EQ(AddWin.Text(), "D:\\Sons\\ding dong.wav");
}

struct OffScreenCase {
  const char* name;
  const char* left;
  const char* top;
  AreaTwips desktop;
  PlaceTwips expected;
};

class SoundDialogOffScreen : public SoundDialogTest, public ::testing::WithParamInterface<OffScreenCase> {};

TEST_P(SoundDialogOffScreen, AStoredPlaceOutsideTheDesktopComesBackInside) {
  Seed(setting::kSonLeft, GetParam().left);
  Seed(setting::kSonTop, GetParam().top);
  EXPECT_EQ(dialog_.Load(kScreenW, kScreenH, GetParam().desktop), GetParam().expected) << GetParam().name;
  EXPECT_EQ(Stored(setting::kSonTop), std::optional<std::string>(GetParam().top)) << "loading never rewrites the place";
}

INSTANTIATE_TEST_SUITE_P(
    Places, SoundDialogOffScreen,
    ::testing::Values(
        OffScreenCase{"far right and below", "90000", "90000", kDesktop, {kScreenW - 4200, kScreenH - 1980}},
        OffScreenCase{"left of and above the screen", "-30000", "-600", kDesktop, {0, 0}},
        OffScreenCase{"half across the right edge", "18000", "300", kDesktop, {kScreenW - 4200, 300}},
        OffScreenCase{"a huge number", "1e30", "-1e30", kDesktop, {kScreenW - 4200, 0}},
        // A second screen to the left: the place stays where it was put.
        OffScreenCase{"on a screen to the left", "-15000", "300", AreaTwips{-19200, 0, 2 * kScreenW, kScreenH},
                      {-15000, 300}},
        OffScreenCase{"desktop smaller than the dialog", "500", "500", AreaTwips{0, 0, 3000, 1500}, {0, 0}}));

TEST_F(SoundDialogTest, DraggingMovesTheDialogAndSavesItsPlaceAtEveryMove) {
  Load();
  store_ = test::FakeSettingsStore{};
  dialog_.Background_MouseDown(150, 90);  // 10, 6 pixels into the dialog
  EXPECT_TRUE(dialog_.Dragging());
  dialog_.Background_MouseMove(400, 300);
  EXPECT_EQ(view_.moves.back(), (PlaceTwips{400 * 15 - 150, 300 * 15 - 90}));
  EXPECT_THAT(SavedKeys(), ElementsAre("SonTop=4410", "SonLeft=5850"));
  dialog_.Background_MouseMove(401, 290);
  EXPECT_THAT(SavedKeys(), ElementsAre("SonTop=4410", "SonLeft=5850", "SonTop=4260", "SonLeft=5865"));
  dialog_.Background_MouseUp();
  EXPECT_FALSE(dialog_.Dragging());
  dialog_.Background_MouseMove(500, 500);
  EXPECT_EQ(store_.Saves().size(), 4u);  // no drag, no move, nothing saved
  EXPECT_EQ(view_.moves.back(), (PlaceTwips{5865, 4260}));
}

TEST_F(SoundDialogTest, ADraggedPlaceIsWhereTheNextOpeningStarts) {
  Load();
  dialog_.Background_MouseDown(0, 0);
  dialog_.Background_MouseMove(100, 50);
  dialog_.Background_MouseUp();

  RecordingView view;
  MemoryCheckBox box{false};
  MemoryTextBox path;
  SoundDialog again(view, settings_, sound_, files_, fileDialog_, box, path);
  EXPECT_EQ(again.Load(kScreenW, kScreenH, kDesktop), (PlaceTwips{1500, 750}));
}

TEST_F(SoundDialogTest, TryPlaysThePathInTheBoxWithItsSpacesThroughTheMediaInterface) {
  Load();
  const std::string path = "C:\\Mes Sons\\fenetre fermee.wav";
  files_.Seed(path, "RIFF");
  AddWin.SetText(path);
  dialog_.Son_MouseDown();
  EXPECT_TRUE(dialog_.PlayPressedLook());
  EXPECT_TRUE(dialog_.ButtonPressed());
  dialog_.Son_MouseUp();
  EXPECT_THAT(sound_.CommandTexts(),
              ElementsAre("stop sound", "close sound", "open \"C:\\Mes Sons\\fenetre fermee.wav\" alias sound",
                          "set sound time format milliseconds", "play sound from 0"));
  for (const auto& command : sound_.Commands()) EXPECT_EQ(command.returnLength, 128u);
  EXPECT_FALSE(dialog_.PlayPressedLook());
  EXPECT_FALSE(dialog_.ButtonPressed());
  // A path typed by hand is played, never saved.
  EXPECT_THAT(SavedKeys(), ElementsAre("SonValue=1"));
}

struct TryCase {
  const char* name;
  std::string path;
  bool exists;
};

class SoundDialogTryNothing : public SoundDialogTest, public ::testing::WithParamInterface<TryCase> {};

TEST_P(SoundDialogTryNothing, TryWithoutAFileSendsNothing) {
  Load();
  if (GetParam().exists) files_.Seed(GetParam().path, "RIFF");
  AddWin.SetText(GetParam().path);
  dialog_.Son_MouseDown();
  dialog_.Son_MouseUp();
  EXPECT_TRUE(sound_.Commands().empty()) << GetParam().name;
  EXPECT_FALSE(dialog_.PlayPressedLook());
  EXPECT_FALSE(dialog_.ButtonPressed());
}

INSTANTIATE_TEST_SUITE_P(Paths, SoundDialogTryNothing,
                         ::testing::Values(TryCase{"empty box", "", false},
                                           TryCase{"missing file", "C:\\nowhere\\gone.wav", false}));

TEST_F(SoundDialogTest, TryOfAFileThatDoesNotOpenStopsAfterTheOpen) {
  Load();
  files_.Seed("C:\\notes.txt", "text");
  sound_.Answer("open", 263);
  AddWin.SetText("C:\\notes.txt");
  dialog_.Try();
  EXPECT_THAT(sound_.CommandTexts(), ElementsAre("stop sound", "close sound", "open \"C:\\notes.txt\" alias sound"));
}

TEST_F(SoundDialogTest, BrowseStartsInTheWaveFolderAndKeepsTheChosenFile) {
  Seed(setting::kWave, "C:\\Program Files\\Vantrel\\wave\\1.wav");
  Load();
  AddWin.SetText("typed by hand.wav");
  fileDialog_.answer = "E:\\Musique\\cloche.wav";
  dialog_.Exploreur_MouseDown();
  EXPECT_TRUE(dialog_.ExplorePressedLook());
  dialog_.Exploreur_MouseUp();
  EXPECT_EQ(fileDialog_.shownFolder, "C:\\Program Files\\Vantrel\\wave");
  EXPECT_EQ(fileDialog_.shownName, "C:\\Program Files\\Vantrel\\wave\\1.wav");  // the stored one, not the typed one
  EXPECT_EQ(Stored(setting::kWave), "E:\\Musique\\cloche.wav");
  EXPECT_EQ(AddWin.Text(), "E:\\Musique\\cloche.wav");
  EXPECT_FALSE(dialog_.ExplorePressedLook());
  EXPECT_FALSE(dialog_.ButtonPressed());
}

TEST_F(SoundDialogTest, BrowseCancelledPutsTheStoredFileBackAndChangesNoValue) {
  Seed(setting::kWave, "D:\\a.wav");
  Load();
  AddWin.SetText("typed.wav");
  dialog_.Browse();
  EXPECT_EQ(fileDialog_.shows, 1);
  EXPECT_EQ(Stored(setting::kWave), "D:\\a.wav");
  EXPECT_EQ(AddWin.Text(), "D:\\a.wav");
}

TEST_F(SoundDialogTest, BrowseReturningNothingLeavesEverythingAsItWas) {
  Load();
  AddWin.SetText("typed.wav");
  fileDialog_.answer = "";
  dialog_.Browse();
  EXPECT_FALSE(Stored(setting::kWave).has_value());
  EXPECT_EQ(AddWin.Text(), "typed.wav");
}

TEST_F(SoundDialogTest, ButtonLooksFollowThePressedFlag) {
  Load();
  dialog_.Exploreur_MouseDown();
  dialog_.Exploreur_MouseMove();  // pressed: the look stays pressed
  EXPECT_TRUE(dialog_.ExplorePressedLook());
  dialog_.ButtonReleasedElsewhere();
  EXPECT_FALSE(dialog_.ExplorePressedLook());
  EXPECT_FALSE(dialog_.ButtonPressed());
  EXPECT_EQ(fileDialog_.shows, 0);

  dialog_.Son_MouseDown();
  dialog_.Background_MouseMove(0, 0);  // the background puts both looks back
  EXPECT_FALSE(dialog_.PlayPressedLook());
  EXPECT_TRUE(dialog_.ButtonPressed());
  EXPECT_FALSE(dialog_.Dragging());
}

TEST_F(SoundDialogTest, TheCloseButtonLightsUpAndStaysLit) {
  Load();
  const int before = view_.repaints;
  dialog_.CloseButton_MouseMove();
  dialog_.CloseButton_MouseMove();
  EXPECT_TRUE(dialog_.CloseLit());
  EXPECT_EQ(view_.repaints, before + 1);
  dialog_.Background_MouseMove(1, 1);
  EXPECT_TRUE(dialog_.CloseLit());
}

TEST_F(SoundDialogTest, ClosingStopsTheSoundAndUnloads) {
  Load();
  files_.Seed("C:\\long.wav", "RIFF");
  AddWin.SetText("C:\\long.wav");
  dialog_.Try();
  dialog_.CloseButton_Click();
  EXPECT_EQ(view_.closes, 1);
  const auto commands = sound_.CommandTexts();
  ASSERT_GE(commands.size(), 2u);
  EXPECT_THAT(std::vector<std::string>(commands.end() - 2, commands.end()), ElementsAre("stop sound", "close sound"));
}

TEST_F(SoundDialogTest, ClosingWithNothingPlayedStillSendsStopAndClose) {
  Load();
  dialog_.CloseButton_Click();
  EXPECT_THAT(sound_.CommandTexts(), ElementsAre("stop sound", "close sound"));
}

TEST(KeepInside, LeavesAPlaceInsideAlone) {
  EXPECT_EQ(KeepInside({100, 200}, 4200, 1980, kDesktop), (PlaceTwips{100, 200}));
  EXPECT_EQ(KeepInside({kScreenW - 4200, kScreenH - 1980}, 4200, 1980, kDesktop),
            (PlaceTwips{kScreenW - 4200, kScreenH - 1980}));
}

}  // namespace
}  // namespace vantrel
