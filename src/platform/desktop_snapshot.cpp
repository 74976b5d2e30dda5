#include "platform/desktop_snapshot.h"

namespace vantrel {

namespace {

// Title, enabled state and, where wanted, the placement of a visible window.
void ReadVisibleWindowFacts(const Desktop& desktop, WindowFacts& facts, const PlacementWanted& placementWanted) {
  facts.title = desktop.Title(facts.handle);
  if (facts.title.empty()) return;
  facts.enabled = desktop.IsEnabled(facts.handle);
  if (!facts.enabled || !placementWanted || !placementWanted(facts.title)) return;
  // A window whose placement cannot be read (it has just vanished) keeps no
  // rectangle: no size is better than a wrong one.
  WindowRect rect;
  if (desktop.RestoredRect(facts.handle, rect)) facts.restored = rect;
}

}  // namespace

void ReadWindowFacts(const Desktop& desktop, WindowFacts& facts, const PlacementWanted& placementWanted) {
  facts.readLater = false;
  facts.visible = desktop.IsVisible(facts.handle);
  if (facts.visible) ReadVisibleWindowFacts(desktop, facts, placementWanted);
}

DesktopSnapshot ReadDesktopSnapshot(const Desktop& desktop, const PlacementWanted& placementWanted,
                                    const SnapshotOptions& options) {
  DesktopSnapshot snapshot;
  // One list of the window order, taken at once: a window that closes while
  // the others are read is then found without a title, and the reading goes
  // on to the windows below it.
  const std::vector<WindowHandle> windows = desktop.TopLevelWindows();
  snapshot.reserve(windows.size());
  for (const WindowHandle window : windows) {
    if (options.stop && options.stop->load(std::memory_order_relaxed)) break;
    WindowFacts facts;
    facts.handle = window;
    // Most windows are hidden and need nothing more; whose a visible window
    // is, is asked only then.
    facts.visible = desktop.IsVisible(window);
    if (facts.visible) {
      if (options.readLater && options.readLater(window)) facts.readLater = true;
      else ReadVisibleWindowFacts(desktop, facts, placementWanted);
    }
    snapshot.push_back(std::move(facts));
  }
  return snapshot;
}

void ReadDeferredFacts(const Desktop& desktop, DesktopSnapshot& snapshot, const PlacementWanted& placementWanted) {
  for (WindowFacts& facts : snapshot)
    if (facts.readLater) ReadWindowFacts(desktop, facts, placementWanted);
}

}  // namespace vantrel
