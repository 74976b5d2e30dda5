// Top-level windows reported by the system as they appear, held until they
// can be judged. A window is judged once it is visible, by its size at that
// moment. Where the system reports a window's showing and renaming, the
// report itself makes it ready; where it reports only the creation (Wine),
// the new window is looked at again every few milliseconds until it is
// visible, or given up after a while (a window that stays hidden is left
// to the scan).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/desktop.h"

namespace vantrel {

enum class WindowEvent { Created, Shown, Renamed, Destroyed };

class NewWindowCandidates {
 public:
  using Milliseconds = std::uint64_t;
  struct Timing {
    Milliseconds lookEvery = 2;
    Milliseconds giveUpAfter = 2000;
  };
  using VisibleTest = std::function<bool(WindowHandle)>;

  NewWindowCandidates() = default;
  explicit NewWindowCandidates(Timing timing) : timing_(timing) {}

  // What the system reported of a window at now. True when the window is to
  // be judged at once; otherwise it is held (created, not yet visible) or
  // forgotten (destroyed, or renamed while hidden).
  bool Report(WindowEvent event, WindowHandle window, Milliseconds now, const VisibleTest& visible);

  // Looks again at the candidates due at now: the visible ones are handed
  // back to be judged and leave the candidates, those held for longer than
  // giveUpAfter are given up.
  std::vector<WindowHandle> LookAgain(Milliseconds now, const VisibleTest& visible);

  // How long until the next look is due; nothing while no window is held.
  std::optional<Milliseconds> WaitBeforeNextLook(Milliseconds now) const;

  bool Empty() const { return held_.empty(); }
  std::size_t Count() const { return held_.size(); }

 private:
  struct Held {
    WindowHandle window;
    Milliseconds since;
    Milliseconds nextLook;
  };
  void Forget(WindowHandle window);

  Timing timing_{};
  std::vector<Held> held_;
};

}  // namespace vantrel
