// A kill recorder that keeps the list titles it was asked to record, and
// answers as a test sets it (a failed log line).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/kill_recorder.h"

namespace vantrel::test {

class RecordingKillRecorder final : public KillRecorder {
 public:
  bool RecordKill(std::string_view listTitle) override {
    titles.emplace_back(listTitle);
    return succeed;
  }
  std::vector<std::string> titles;
  bool succeed = true;
};

}  // namespace vantrel::test
