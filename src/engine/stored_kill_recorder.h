// What a destruction leaves behind once the close request is posted: the
// kill log line, the statistics row and, when the sound option is on, the
// kill sound.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/kill_recorder.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/file_system.h"
#include "platform/sound_device.h"
#include "store/settings.h"

namespace vantrel {

class StoredKillRecorder final : public KillRecorder {
 public:
  // The kill log is "logkill.txt" in the settings' program folder; listStat
  // is the statistics list, which gets one row per recorded kill.
  StoredKillRecorder(FileSystem& files, const Clock& clock, const Settings& settings,
                     SoundDevice& sound, ReportList& listStat);

  // In order: appends the log line (date and time read from the clock one
  // after the other); adds the row with date, time (read again) and
  // listTitle; when "SonValue" is 1 plays "Wave". When the log cannot be
  // written, no row is added, the refusal handler is called, the sound
  // still plays, and the result is false.
  bool RecordKill(std::string_view listTitle) override;

  // Called at each line the log refuses, from inside the kill: it must not
  // open a box there.
  void SetLogRefusedHandler(std::function<void()> handler) { onLogRefused_ = std::move(handler); }

  const std::string& KillLogFile() const { return killLogPath_; }

 private:
  FileSystem& files_;
  const Clock& clock_;
  const Settings& settings_;
  SoundDevice& sound_;
  ReportList& listStat_;
  std::string killLogPath_;
  std::function<void()> onLogRefused_;
};

}  // namespace vantrel
