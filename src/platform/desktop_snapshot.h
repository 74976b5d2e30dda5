// What the watch reads of the desktop in one go: every top-level window in
// window order with the facts the rules look at. Reading touches nothing but
// the desktop, so it can run away from the user-interface thread; the rules
// are applied to the finished snapshot afterwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace vantrel {

struct WindowFacts {
  WindowHandle handle = 0;
  bool visible = false;
  bool enabled = false;
  // Read only for a visible window.
  std::string title;
  // Read only for an enabled window whose title asks for it (a browser
  // window); empty when not asked for or when it could not be read.
  std::optional<WindowRect> restored;
  // Read only for a visible window, and only when the rules ask for them
  // (FactsWanted::owners): the owning process, the class and, where asked,
  // the executable's file name.
  std::uint32_t process = 0;
  std::string windowClass;
  std::string executable;
  // Left unread by a reader on another thread: the program's own windows
  // answer a title read with a message to the user-interface thread, which
  // reads them itself when the snapshot arrives.
  bool readLater = false;
};

using DesktopSnapshot = std::vector<WindowFacts>;

// Whether a window with this title needs its restored placement read.
using PlacementWanted = std::function<bool(const std::string& title)>;

// What a reading reads of each window beyond its visibility, title and
// enabled state.
struct FactsWanted {
  PlacementWanted placement;
  // Owner process and class of every visible titled window: for rules that
  // reach any program's window.
  bool owners = false;
  // The executable's file name too (needs owners).
  bool executables = false;
};

// Reads the facts of one window: visibility first (most top-level windows
// are hidden, and a hidden window needs nothing more), then title, enabled
// state and, where wanted, the restored placement.
void ReadWindowFacts(const Desktop& desktop, WindowFacts& facts, const FactsWanted& wanted);

struct SnapshotOptions {
  // Visible windows whose other facts are left for later (see
  // WindowFacts::readLater); asked only of visible windows.
  std::function<bool(WindowHandle)> readLater;
};

// A reading done a few windows at a time, for a thread that takes turns
// between it and other work. The window order is taken once, when the
// reading starts: a window that closes before its turn is found without a
// title, and the reading goes on to the windows below it.
class SnapshotReading {
 public:
  SnapshotReading(const Desktop& desktop, FactsWanted wanted, SnapshotOptions options = {});

  // Reads the facts of up to `count` more windows. True once every window
  // of the order is read.
  bool ReadSome(std::size_t count);
  bool Finished() const { return snapshot_.size() == windows_.size(); }
  // The windows read so far, in window order; the reading is over.
  DesktopSnapshot TakeSnapshot() { return std::move(snapshot_); }

 private:
  const Desktop& desktop_;
  FactsWanted wanted_;
  SnapshotOptions options_;
  std::vector<WindowHandle> windows_;
  DesktopSnapshot snapshot_;
};

// A whole reading at once.
DesktopSnapshot ReadDesktopSnapshot(const Desktop& desktop, const FactsWanted& wanted,
                                    const SnapshotOptions& options = {});

// Reads the facts left for later, on the thread that may read them.
void ReadDeferredFacts(const Desktop& desktop, DesktopSnapshot& snapshot, const FactsWanted& wanted);

// Reads desktop snapshots away from the caller's thread. The finished
// snapshot comes back on the caller's thread (for the program: as a message
// to its main window), one reading at a time.
class DesktopReader {
 public:
  virtual ~DesktopReader() = default;
  // Starts a reading. False when it cannot start; nothing comes back then.
  virtual bool StartReading(FactsWanted wanted) = 0;
};

}  // namespace vantrel
