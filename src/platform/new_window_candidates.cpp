#include "platform/new_window_candidates.h"

#include <algorithm>

namespace vantrel {

void NewWindowCandidates::Forget(WindowHandle window) {
  std::erase_if(held_, [&](const Held& h) { return h.window == window; });
  std::erase_if(watched_, [&](const WatchedWindow& w) { return w.window == window; });
}

NewWindowCandidates::WatchedWindow* NewWindowCandidates::FindWatched(WindowHandle window) {
  const auto found = std::find_if(watched_.begin(), watched_.end(), [&](const WatchedWindow& w) { return w.window == window; });
  return found == watched_.end() ? nullptr : &*found;
}

NewWindowCandidates::Milliseconds NewWindowCandidates::NextTitleLook(Milliseconds shownAt, Milliseconds now) const {
  // A page names its pop-up within a few hundred milliseconds, most often
  // soon after showing it: the looks are close at first, then spread out.
  const Milliseconds gap = std::clamp<Milliseconds>((now - shownAt) / 4, timing_.lookEvery, timing_.titleLookAtMost);
  const Milliseconds step = timing_.titleLookStep;
  if (step == 0 || gap < step) return now + gap;
  return (now + gap + step - 1) / step * step;
}

void NewWindowCandidates::Watch(WindowHandle window, Milliseconds now, const WindowLook& look) {
  Forget(window);
  watched_.push_back(WatchedWindow{.window = window,
                             .shownAt = now,
                             .nextLook = NextTitleLook(now, now),
                             .title = look.title ? look.title(window) : std::string()});
}

bool NewWindowCandidates::Report(WindowEvent event, WindowHandle window, Milliseconds now, const WindowLook& look) {
  if (window == 0) return false;
  switch (event) {
    case WindowEvent::Destroyed:
      Forget(window);
      return false;
    case WindowEvent::Created:
      if (look.visible(window)) {
        // A handle reported created again was destroyed and reused: a new window.
        Watch(window, now, look);
        return true;
      }
      // A handle reported twice (reused after a quick destruction) is held once.
      Forget(window);
      held_.push_back(Held{window, now, now + timing_.lookEvery});
      return false;
    case WindowEvent::Shown:
    case WindowEvent::Renamed: {
      // A hidden window renamed is judged when it shows (if it is held, it
      // stays held).
      if (event == WindowEvent::Renamed && !look.visible(window)) return false;
      // A watched window (reported created while visible, then shown; or
      // renamed to the same text) is handed over again only under a new title.
      if (WatchedWindow* watched = FindWatched(window)) {
        std::string title = look.title ? look.title(window) : std::string();
        if (title == watched->title) return false;
        watched->title = std::move(title);
        return true;
      }
      // Shown for the first time (a held window renamed once visible is
      // showing too); or renamed long after it showed: judged again under
      // its new title, not watched anew.
      const bool held = std::any_of(held_.begin(), held_.end(), [&](const Held& h) { return h.window == window; });
      if (event == WindowEvent::Shown || held) Watch(window, now, look);
      return true;
    }
  }
  return false;
}

std::vector<WindowHandle> NewWindowCandidates::LookAgain(Milliseconds now, const WindowLook& look) {
  std::vector<WindowHandle> ready;
  std::vector<Held> kept;
  std::vector<Held> shown;
  kept.reserve(held_.size());
  for (const Held& h : held_) {
    if (now < h.nextLook) {
      kept.push_back(h);
      continue;
    }
    if (look.visible(h.window)) {
      ready.push_back(h.window);
      shown.push_back(h);
      continue;
    }
    if (now - h.since >= timing_.giveUpAfter) continue;
    kept.push_back(Held{h.window, h.since, now + timing_.lookEvery});
  }
  held_ = std::move(kept);

  std::erase_if(watched_, [&](WatchedWindow& w) {
    if (now < w.nextLook) return false;
    if (now - w.shownAt >= timing_.watchTitleFor) return true;
    std::string title = look.title ? look.title(w.window) : std::string();
    // No title: the window is gone, or has none yet (a pop-up named later).
    if (title.empty()) {
      if (!look.visible(w.window)) return true;
    } else if (title != w.title) {
      w.title = std::move(title);
      ready.push_back(w.window);
    }
    w.nextLook = NextTitleLook(w.shownAt, now);
    return false;
  });
  for (const Held& h : shown) Watch(h.window, now, look);
  return ready;
}

std::optional<NewWindowCandidates::Milliseconds> NewWindowCandidates::WaitBeforeNextLook(Milliseconds now) const {
  std::optional<Milliseconds> soonest;
  for (const Held& h : held_) soonest = std::min(soonest.value_or(h.nextLook), h.nextLook);
  for (const WatchedWindow& w : watched_) soonest = std::min(soonest.value_or(w.nextLook), w.nextLook);
  if (!soonest) return std::nullopt;
  return *soonest > now ? *soonest - now : 0;
}

}  // namespace vantrel
