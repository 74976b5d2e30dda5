#include "engine/stored_kill_recorder.h"

#include "engine/kill_sound.h"
#include "store/kill_log.h"

namespace vantrel {

StoredKillRecorder::StoredKillRecorder(FileSystem& files, const Clock& clock,
                                       const Settings& settings, SoundDevice& sound,
                                       ReportList& listStat)
    : files_(files),
      clock_(clock),
      settings_(settings),
      sound_(sound),
      listStat_(listStat),
      killLogPath_(KillLogPath(settings.ProgramFolder())) {}

// The statistics show what the log holds: a line the log refused gets no
// row. The sound still tells the user that a window went.
bool StoredKillRecorder::RecordKill(std::string_view listTitle) {
  const std::string lineDate = KillLogDateField(clock_.Now());
  const std::string lineTime = KillLogTimeField(clock_.Now());
  const bool logged = AppendKillLogLine(files_, killLogPath_, lineDate, lineTime, listTitle);
  if (logged) {
    const std::string rowDate = KillLogDateField(clock_.Now());
    const std::string rowTime = KillLogTimeField(clock_.Now());
    listStat_.AddRow(ReportRow{rowDate, rowTime, std::string(listTitle)});
  } else if (onLogRefused_) {
    onLogRefused_();
  }

  if (settings_.SonValue() == 1) PlayKillSound(sound_, settings_.Wave());
  return logged;
}

}  // namespace vantrel
