// The sound dialog under Wine, shown over a disabled owner and driven from
// inside the program's message loop: the option stored on each change of
// ChkSon, Try, Browse with the system's file dialog, dragging, the stored
// place, keys typed into it, and closing, which always stops the sound,
// gives the owner back and then runs what was to follow.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "platform/win32/file_system_win32.h"
#include "real_input.h"
#include "shown_tip.h"
#include "platform/win32/settings_store_win32.h"
#include "stored_settings.h"
#include "support/fake_sound_device.h"
#include "ui/message_loop.h"
#include "ui/sound/frm_son.h"
#include "victims.h"
#include "window_shot.h"

namespace vantrel {
namespace {

using ::testing::ElementsAre;
using test::ScriptedSteps;
using test::StoredSetting;

constexpr POINT kChkSonAt{30, 49};
constexpr POINT kExploreurAt{136, 106};
constexpr POINT kSonAt{222, 106};
constexpr POINT kCloseAt{264, 15};
constexpr POINT kGrip{200, 15};

HWND Dialog() { return FindWindowA(kSoundDialogClassName, nullptr); }

void PostClick(HWND window, POINT at) {
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

HWND ChildAt(HWND dialog, POINT at) { return ChildWindowFromPoint(dialog, at); }

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class SoundDialogWinTest : public ::testing::Test {
 protected:
  SoundDialogWinTest() : folder_(test::MakeTempFolder("sound")) {}
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "sound owner", WS_POPUP | WS_VISIBLE, 10, 10, 100, 60, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }

  // Shows the dialog, which returns at once, then runs the program's loop
  // until the dialog has closed: the steps are run by a timer of that loop.
  bool Run(std::vector<std::function<bool()>> steps, FileOpenDialog* fileDialog = nullptr) {
    ScriptedSteps script(std::move(steps));
    MessageLoop loop;  // outlives the dialog, which clears itself from it
    FrmSon son(GetModuleHandleA(nullptr), settings_, sound_, files_, fileDialog);
    int closings = 0;
    bool ownerBackWhenClosed = false, dialogGoneWhenClosed = false;
    const bool shown = son.Show(owner_, loop, [&] {
      ++closings;
      ownerBackWhenClosed = IsWindowEnabled(owner_) != FALSE;
      dialogGoneWhenClosed = Dialog() == nullptr;
      PostQuitMessage(0);
    });
    if (!shown) return false;
    EXPECT_TRUE(son.IsOpen());
    EXPECT_FALSE(IsWindowEnabled(owner_));
    EXPECT_EQ(loop.Dialog(), son.Window());
    // A script stuck on a step would leave the loop running: a minute ends it.
    const UINT_PTR guard = SetTimer(nullptr, 0, 60000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); });
    const int exitCode = loop.Run();
    KillTimer(nullptr, guard);
    EXPECT_EQ(exitCode, 0) << "the dialog never closed";
    EXPECT_TRUE(script.Finished()) << "stopped at step " << script.Done();
    EXPECT_EQ(closings, 1);
    EXPECT_TRUE(ownerBackWhenClosed);
    EXPECT_TRUE(dialogGoneWhenClosed);
    EXPECT_FALSE(son.IsOpen());
    EXPECT_EQ(loop.Dialog(), nullptr);
    return true;
  }
  std::vector<std::string> LastTwoCommands() const {
    const auto all = sound_.CommandTexts();
    if (all.size() < 2) return all;
    return {all.end() - 2, all.end()};
  }

  test::StoredSettings stored_{};
  std::string folder_;
  Win32SettingsStore store_;
  Settings settings_{store_, folder_};
  test::FakeSoundDevice sound_;
  Win32FileSystem files_;
  HWND owner_ = nullptr;
};

TEST_F(SoundDialogWinTest, OpensCentredWithTheBoxSetAndStoresEachChangeThenStopsTheSoundOnClose) {
  RECT place{};
  bool ownerDisabled = false;
  std::string path, afterClear, afterSet;
  ASSERT_TRUE(Run({
      [&] { return Dialog() != nullptr && IsWindowVisible(Dialog()); },
      [&] {
        GetWindowRect(Dialog(), &place);
        ownerDisabled = !IsWindowEnabled(owner_);
        path = TextOf(ChildAt(Dialog(), POINT{100, 75}));
        return true;
      },
      [&] {
        EXPECT_FALSE(test::ShootWindow(Dialog(), "sound_dialog").empty());
        SendMessageA(ChildAt(Dialog(), kChkSonAt), BM_CLICK, 0, 0);  // the user clears the box
        afterClear = StoredSetting("SonValue");
        SendMessageA(ChildAt(Dialog(), kChkSonAt), BM_CLICK, 0, 0);
        afterSet = StoredSetting("SonValue");
        SendMessageA(ChildAt(Dialog(), kChkSonAt), BM_CLICK, 0, 0);
        return true;
      },
      [&] { return PostMessageA(Dialog(), WM_CLOSE, 0, 0) != FALSE; },
  }));
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(place.left, (w * 15 - 4200) / 2 / 15);
  EXPECT_EQ(place.top, (h * 15 - 1980) / 2 / 15);
  EXPECT_EQ(place.right - place.left, 280);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner_));
  EXPECT_EQ(path, folder_ + "\\wave\\1.wav");
  EXPECT_EQ(afterClear, "0");
  EXPECT_EQ(afterSet, "1");
  EXPECT_EQ(StoredSetting("SonValue"), "0");
  EXPECT_EQ(Dialog(), nullptr);
  EXPECT_THAT(sound_.CommandTexts(), ElementsAre("stop sound", "close sound"));
}

TEST_F(SoundDialogWinTest, ThePointerRestingOnTheCloseButtonShowsFermer) {
  const auto moveTo = [](POINT client) {
    INPUT input = test::MouseInput(test::OnScreen(Dialog(), client), 0);
    SendInput(1, &input, sizeof input);
  };
  std::string before, tip;
  int waits = 0;
  ASSERT_TRUE(Run({
      [&] { return Dialog() != nullptr && IsWindowVisible(Dialog()); },
      [&] {
        moveTo(kGrip);
        return true;
      },
      [&] {
        before = test::ShownTip();
        moveTo(kCloseAt);
        return true;
      },
      [&] {
        tip = test::ShownTip();
        // A move Wine did not deliver is sent again, by way of the next pixel.
        if (tip.empty() && ++waits % 40 == 0) {
          moveTo(POINT{kCloseAt.x + 1, kCloseAt.y + 1});
          moveTo(kCloseAt);
        }
        return !tip.empty() || waits > 120;  // about seven seconds
      },
      [&] {
        EXPECT_FALSE(test::ShootWindow(GetDesktopWindow(), "sound_dialog_tip").empty());
        return PostMessageA(Dialog(), WM_CLOSE, 0, 0) != FALSE;
      },
  }));
  EXPECT_EQ(before, "");
  EXPECT_EQ(tip, "Fermer");
}

TEST_F(SoundDialogWinTest, TryPlaysThePathWithSpacesAndTheCloseButtonStopsIt) {
  const std::string wave = folder_ + "\\Mes Sons\\son d'essai.wav";
  CreateDirectoryA((folder_ + "\\Mes Sons").c_str(), nullptr);
  std::ofstream(wave, std::ios::binary) << "RIFF";
  std::vector<std::string> afterTry;
  ASSERT_TRUE(Run({
      [&] { return Dialog() != nullptr; },
      [&] {
        SetWindowTextA(ChildAt(Dialog(), POINT{100, 75}), wave.c_str());
        PostClick(Dialog(), kSonAt);
        return true;
      },
      [&] {
        afterTry = sound_.CommandTexts();
        PostClick(Dialog(), kCloseAt);
        return true;
      },
  }));
  EXPECT_THAT(afterTry, ElementsAre("stop sound", "close sound", "open \"" + wave + "\" alias sound",
                                    "set sound time format milliseconds", "play sound from 0"));
  EXPECT_THAT(LastTwoCommands(), ElementsAre("stop sound", "close sound"));
  EXPECT_EQ(sound_.Commands().size(), 7u);
  EXPECT_EQ(StoredSetting("Wave"), "<absent>");  // a typed path is not kept
}

TEST_F(SoundDialogWinTest, BrowseWithTheSystemDialogKeepsTheChosenFile) {
  CreateDirectoryA((folder_ + "\\wave").c_str(), nullptr);
  const std::string chosen = folder_ + "\\wave\\carillon.wav";
  std::ofstream(chosen, std::ios::binary) << "RIFF";
  std::string boxText;
  ASSERT_TRUE(Run({
      [&] { return Dialog() != nullptr; },
      [&] {
        PostClick(Dialog(), kExploreurAt);
        return true;
      },
      // The file dialog, a window of this thread, opens over the dialog.
      [&] {
        HWND box = FindWindowA("#32770", nullptr);
        if (!box || !IsWindowVisible(box)) return false;
        HWND name = GetDlgItem(box, 0x47c);  // the file name combo box
        if (!name) name = GetDlgItem(box, 0x480);
        if (!name) return false;
        SetWindowTextA(name, chosen.c_str());
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
      },
      [&] {
        if (FindWindowA("#32770", nullptr)) return false;
        boxText = TextOf(ChildAt(Dialog(), POINT{100, 75}));
        PostMessageA(Dialog(), WM_CLOSE, 0, 0);
        return true;
      },
  }));
  EXPECT_EQ(StoredSetting("Wave"), chosen);
  EXPECT_EQ(boxText, chosen);
}

TEST_F(SoundDialogWinTest, DraggingStoresThePlaceAndTheNextOpeningStartsThere) {
  RECT before{}, after{};
  ASSERT_TRUE(Run({
      [&] { return Dialog() != nullptr; },
      [&] {
        GetWindowRect(Dialog(), &before);
        SetCursorPos(before.left + kGrip.x, before.top + kGrip.y);
        PostMessageA(Dialog(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kGrip.x, kGrip.y));
        return true;
      },
      [&] {
        SetCursorPos(before.left + kGrip.x - 50, before.top + kGrip.y + 40);
        PostMessageA(Dialog(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(kGrip.x, kGrip.y));
        return true;
      },
      [&] {
        PostMessageA(Dialog(), WM_LBUTTONUP, 0, MAKELPARAM(kGrip.x, kGrip.y));
        GetWindowRect(Dialog(), &after);
        PostMessageA(Dialog(), WM_CLOSE, 0, 0);
        return true;
      },
  }));
  // The pointer is shared with whatever else runs on this display, so the
  // place is checked against itself; the arithmetic has its host tests.
  EXPECT_NE(after.left, before.left);
  EXPECT_NE(after.top, before.top);
  EXPECT_EQ(StoredSetting("SonLeft"), std::to_string(after.left * 15));
  EXPECT_EQ(StoredSetting("SonTop"), std::to_string(after.top * 15));

  RECT again{};
  ASSERT_TRUE(Run({
      [&] { return Dialog() != nullptr; },
      [&] {
        GetWindowRect(Dialog(), &again);
        PostMessageA(Dialog(), WM_CLOSE, 0, 0);
        return true;
      },
  }));
  EXPECT_EQ(again.left, after.left);
  EXPECT_EQ(again.top, after.top);
}

void PressKey(WORD key) {
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

TEST_F(SoundDialogWinTest, TabMovesTheFocusAndEscapeClosesThroughTheProgramsLoop) {
  HWND focusBefore = nullptr, focusAfterTab = nullptr;
  HWND box = nullptr, edit = nullptr;
  int waits = 0;
  ASSERT_TRUE(Run({
      [&] {
        if (!Dialog() || GetForegroundWindow() != Dialog()) return false;
        box = ChildAt(Dialog(), kChkSonAt);
        edit = ChildAt(Dialog(), POINT{100, 75});
        focusBefore = GetFocus();
        PressKey(VK_TAB);
        return true;
      },
      [&] {
        focusAfterTab = GetFocus();
        return focusAfterTab != focusBefore || ++waits > 50;  // about three seconds
      },
      [&] {
        PressKey(VK_ESCAPE);
        return true;
      },
  }));
  EXPECT_EQ(focusBefore, edit);
  EXPECT_EQ(focusAfterTab, box);
  EXPECT_EQ(Dialog(), nullptr);
  EXPECT_THAT(sound_.CommandTexts(), ElementsAre("stop sound", "close sound"));
}

TEST_F(SoundDialogWinTest, APlaceStoredOffTheScreenComesBackOnIt) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Vantrel\\Settings", &key), ERROR_SUCCESS);
  for (const char* name : {"SonTop", "SonLeft"}) RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("900000"), 7);
  RegCloseKey(key);
  RECT place{};
  ASSERT_TRUE(Run({
      [&] { return Dialog() != nullptr; },
      [&] {
        GetWindowRect(Dialog(), &place);
        PostMessageA(Dialog(), WM_CLOSE, 0, 0);
        return true;
      },
  }));
  RECT desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
  desktop.right = desktop.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  desktop.bottom = desktop.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  EXPECT_EQ(place.right, desktop.right);
  EXPECT_EQ(place.bottom, desktop.bottom);
  EXPECT_EQ(StoredSetting("SonTop"), "900000");  // loading never rewrites it
}

}  // namespace
}  // namespace vantrel
