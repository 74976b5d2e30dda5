// Top-level windows reported by the system as they appear, held until they
// can be judged, then watched for a while for a new title. A window is
// judged once it is visible, by its size at that moment. Where the system
// reports a window's showing and renaming, the report itself makes it
// ready; where it reports only the creation (Wine), the new window is
// looked at again every few milliseconds until it is visible, or given up
// after a while (a window that stays hidden is left to the scan).
//
// A pop-up often shows as "about:blank" and takes its page's title a moment
// later. So a window handed over is watched for its first seconds: its
// title is read again at short intervals, and it is handed over again when
// the title changes (Wine reports no renaming). A window is handed over once
// per change that matters: its showing, and each new title while watched.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace vantrel {

enum class WindowEvent { Created, Shown, Renamed, Destroyed };

// What the candidates read of a window.
struct WindowLook {
  std::function<bool(WindowHandle)> visible;
  std::function<std::string(WindowHandle)> title;
};

class NewWindowCandidates {
 public:
  using Milliseconds = std::uint64_t;
  struct Timing {
    // Between two looks at a window not yet visible.
    Milliseconds lookEvery = 2;
    Milliseconds giveUpAfter = 2000;
    // A shown window's title is read again for this long, at first every
    // lookEvery, then less and less often (a quarter of its age), at least
    // every titleLookAtMost: about 36 reads in all. Looks farther apart
    // than titleLookStep fall on multiples of it, so that the windows
    // watched at one time share the thread's wakings.
    Milliseconds watchTitleFor = 2000;
    Milliseconds titleLookAtMost = 100;
    Milliseconds titleLookStep = 10;
  };

  NewWindowCandidates() = default;
  explicit NewWindowCandidates(Timing timing) : timing_(timing) {}

  // What the system reported of a window at now. True when the window is to
  // be judged at once; otherwise it is held (created, not yet visible),
  // watched on (shown again, or renamed to the title it was judged by) or
  // forgotten (destroyed).
  bool Report(WindowEvent event, WindowHandle window, Milliseconds now, const WindowLook& look);

  // Looks again at the windows due at now: the held ones now visible, and
  // the watched ones whose title changed, are handed back to be judged;
  // those held for longer than giveUpAfter are given up, and those watched
  // for longer than watchTitleFor are let go.
  std::vector<WindowHandle> LookAgain(Milliseconds now, const WindowLook& look);

  // How long until the next look is due; nothing while no window is held
  // or watched.
  std::optional<Milliseconds> WaitBeforeNextLook(Milliseconds now) const;

  // The windows held until they show.
  bool Empty() const { return held_.empty(); }
  std::size_t Count() const { return held_.size(); }
  // The windows shown and watched for a new title.
  std::size_t Watched() const { return watched_.size(); }

 private:
  struct Held {
    WindowHandle window;
    Milliseconds since;
    Milliseconds nextLook;
  };
  struct WatchedWindow {
    WindowHandle window;
    Milliseconds shownAt;
    Milliseconds nextLook;
    std::string title;  // as last handed over
  };
  void Forget(WindowHandle window);
  WatchedWindow* FindWatched(WindowHandle window);
  // Starts watching a window handed over now.
  void Watch(WindowHandle window, Milliseconds now, const WindowLook& look);
  Milliseconds NextTitleLook(Milliseconds shownAt, Milliseconds now) const;

  Timing timing_{};
  std::vector<Held> held_;
  std::vector<WatchedWindow> watched_;
};

}  // namespace vantrel
