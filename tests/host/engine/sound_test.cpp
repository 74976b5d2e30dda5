#include <gtest/gtest.h>

#include "engine/kill_sound.h"
#include "support/fake_sound_device.h"

namespace vantrel {
namespace {

using test::FakeSoundDevice;

using Texts = std::vector<std::string>;

void ExpectEveryBufferIs128(const FakeSoundDevice& device) {
  for (const auto& c : device.Commands()) EXPECT_EQ(c.returnLength, 128u) << c.command;
}

TEST(KillSoundTest, StopStopsThenClosesEvenWithNothingOpen) {
  FakeSoundDevice device;
  device.Answer("stop", 263);   // no such device
  device.Answer("close", 263);
  StopKillSound(device);
  EXPECT_EQ(device.CommandTexts(), (Texts{"stop sound", "close sound"}));
  ExpectEveryBufferIs128(device);
}

TEST(KillSoundTest, PlayStopsOpensUnderTheAliasAndPlaysFromTheStart) {
  FakeSoundDevice device;
  PlayKillSound(device, "C:\\Program Files\\Vantrel\\wave\\1.wav");
  EXPECT_EQ(device.CommandTexts(),
            (Texts{"stop sound", "close sound",
                   "open \"C:\\Program Files\\Vantrel\\wave\\1.wav\" alias sound",
                   "set sound time format milliseconds", "play sound from 0"}));
  ExpectEveryBufferIs128(device);
}

TEST(KillSoundTest, AFailedOpenEndsTheCallSilently) {
  FakeSoundDevice device;
  device.Answer("open", 275);  // file not found
  PlayKillSound(device, "C:\\missing.wav");
  EXPECT_EQ(device.CommandTexts(),
            (Texts{"stop sound", "close sound", "open \"C:\\missing.wav\" alias sound"}));
}

TEST(KillSoundTest, FailuresAfterTheOpenAreIgnored) {
  FakeSoundDevice device;
  device.Answer("set", 1);
  device.Answer("play", 1);
  PlayKillSound(device, "a.wav");
  EXPECT_EQ(device.CommandTexts().size(), 5u);
}

TEST(KillSoundTest, ASecondPlayCutsTheFirstOff) {
  FakeSoundDevice device;
  PlayKillSound(device, "one.wav");
  PlayKillSound(device, "two.wav");
  const Texts texts = device.CommandTexts();
  ASSERT_EQ(texts.size(), 10u);
  EXPECT_EQ(Texts(texts.begin() + 5, texts.end()),
            (Texts{"stop sound", "close sound", "open \"two.wav\" alias sound",
                   "set sound time format milliseconds", "play sound from 0"}));
}

}  // namespace
}  // namespace vantrel
