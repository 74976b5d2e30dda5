#include "platform/desktop_snapshot.h"

#include <cstdint>

namespace vantrel {

namespace {

// Title, enabled state and, where wanted, the owner, class and placement of
// a visible window.
void ReadVisibleWindowFacts(const Desktop& desktop, WindowFacts& facts, const FactsWanted& wanted) {
  facts.title = desktop.Title(facts.handle);
  if (facts.title.empty()) return;
  facts.enabled = desktop.IsEnabled(facts.handle);
  if (wanted.owners) {
    facts.process = desktop.ProcessOf(facts.handle);
    facts.windowClass = desktop.ClassName(facts.handle);
    if (wanted.executables && facts.process != 0) facts.executable = desktop.ExecutableName(facts.process);
  }
  if (!facts.enabled || !wanted.placement || !wanted.placement(facts.title)) return;
  // A window whose placement cannot be read (it has just vanished) keeps no
  // rectangle: no size is better than a wrong one.
  WindowRect rect;
  if (desktop.RestoredRect(facts.handle, rect)) facts.restored = rect;
}

}  // namespace

void ReadWindowFacts(const Desktop& desktop, WindowFacts& facts, const FactsWanted& wanted) {
  facts.readLater = false;
  facts.visible = desktop.IsVisible(facts.handle);
  if (facts.visible) ReadVisibleWindowFacts(desktop, facts, wanted);
}

SnapshotReading::SnapshotReading(const Desktop& desktop, FactsWanted wanted, SnapshotOptions options)
    : desktop_(desktop),
      wanted_(std::move(wanted)),
      options_(std::move(options)),
      windows_(desktop.TopLevelWindows()) {
  snapshot_.reserve(windows_.size());
}

bool SnapshotReading::ReadSome(std::size_t count) {
  for (; count > 0 && !Finished(); --count) {
    WindowFacts facts;
    facts.handle = windows_[snapshot_.size()];
    // Most windows are hidden and need nothing more; whose a visible window
    // is, is asked only then.
    facts.visible = desktop_.IsVisible(facts.handle);
    if (facts.visible) {
      if (options_.readLater && options_.readLater(facts.handle)) facts.readLater = true;
      else ReadVisibleWindowFacts(desktop_, facts, wanted_);
    }
    snapshot_.push_back(std::move(facts));
  }
  return Finished();
}

DesktopSnapshot ReadDesktopSnapshot(const Desktop& desktop, const FactsWanted& wanted,
                                    const SnapshotOptions& options) {
  SnapshotReading reading(desktop, wanted, options);
  reading.ReadSome(SIZE_MAX);
  return reading.TakeSnapshot();
}

void ReadDeferredFacts(const Desktop& desktop, DesktopSnapshot& snapshot, const FactsWanted& wanted) {
  for (WindowFacts& facts : snapshot)
    if (facts.readLater) ReadWindowFacts(desktop, facts, wanted);
}

}  // namespace vantrel
