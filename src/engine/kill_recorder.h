// What a destruction leaves behind besides the close request: the kill log
// line, the statistics row and the kill sound.
#pragma once

#include <string_view>

namespace vantrel {

class KillRecorder {
 public:
  virtual ~KillRecorder() = default;
  // Records the destruction of the window shown under listTitle. Returns
  // false when the kill log did not take its line.
  virtual bool RecordKill(std::string_view listTitle) = 0;
};

}  // namespace vantrel
