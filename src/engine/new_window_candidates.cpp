#include "engine/new_window_candidates.h"

#include <algorithm>

namespace vantrel {

void NewWindowCandidates::Forget(WindowHandle window) {
  std::erase_if(held_, [&](const Held& h) { return h.window == window; });
}

bool NewWindowCandidates::Report(WindowEvent event, WindowHandle window, Milliseconds now,
                                 const VisibleTest& visible) {
  if (window == 0) return false;
  switch (event) {
    case WindowEvent::Destroyed:
      Forget(window);
      return false;
    case WindowEvent::Shown:
      Forget(window);
      return true;
    case WindowEvent::Renamed:
      // A hidden window renamed is judged when it shows (if it is held, it
      // stays held); a visible one is judged again under its new title.
      if (!visible(window)) return false;
      Forget(window);
      return true;
    case WindowEvent::Created:
      if (visible(window)) {
        Forget(window);
        return true;
      }
      // A handle reported twice (reused after a quick destruction) is held once.
      Forget(window);
      held_.push_back(Held{window, now, now + timing_.lookEvery});
      return false;
  }
  return false;
}

std::vector<WindowHandle> NewWindowCandidates::LookAgain(Milliseconds now, const VisibleTest& visible) {
  std::vector<WindowHandle> ready;
  std::vector<Held> kept;
  kept.reserve(held_.size());
  for (const Held& h : held_) {
    if (now < h.nextLook) {
      kept.push_back(h);
      continue;
    }
    if (visible(h.window)) {
      ready.push_back(h.window);
      continue;
    }
    if (now - h.since >= timing_.giveUpAfter) continue;
    kept.push_back(Held{h.window, h.since, now + timing_.lookEvery});
  }
  held_ = std::move(kept);
  return ready;
}

std::optional<NewWindowCandidates::Milliseconds> NewWindowCandidates::WaitBeforeNextLook(Milliseconds now) const {
  if (held_.empty()) return std::nullopt;
  Milliseconds soonest = held_.front().nextLook;
  for (const Held& h : held_) soonest = std::min(soonest, h.nextLook);
  return soonest > now ? soonest - now : 0;
}

}  // namespace vantrel
