#include "menus/render/c_tips.h"

#include <mutex>
#include <unordered_map>

namespace vantrel {
namespace {

// The living cTips objects by token. Tokens count up and are never given
// twice (a 64-bit count does not come round).
struct LiveTips {
  std::mutex lock;
  std::uintptr_t lastToken = 0;
  std::unordered_map<std::uintptr_t, cTips*> byToken;
};

LiveTips& Live() {
  static LiveTips live;
  return live;
}

}  // namespace

cTips::cTips() {
  LiveTips& live = Live();
  const std::lock_guard guard(live.lock);
  token_ = ++live.lastToken;
  live.byToken.emplace(token_, this);
}

cTips::~cTips() {
  LiveTips& live = Live();
  const std::lock_guard guard(live.lock);
  live.byToken.erase(token_);
}

cTips* cTips::FromToken(std::uintptr_t token) {
  if (token == 0) return nullptr;
  LiveTips& live = Live();
  const std::lock_guard guard(live.lock);
  const auto it = live.byToken.find(token);
  return it == live.byToken.end() ? nullptr : it->second;
}

void cTips::RaiseDisplayTip(std::string Tip) noexcept {
  try {
    // A copy: the host's handler may end this object while it runs.
    const DisplayTipHandler handler = displayTip_;
    if (handler) handler(Tip);
  } catch (...) {
    // The host's handler failed: the engine goes on.
  }
}

void cTips::RaiseCustomSelection(std::string UserID, std::string Category, TipValue Value) noexcept {
  try {
    const CustomSelectionHandler handler = customSelection_;
    if (handler) handler(UserID, Category, Value);
  } catch (...) {
  }
}

}  // namespace vantrel
