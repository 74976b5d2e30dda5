#include "menus/render/c_tips.h"

#include <mutex>
#include <set>

namespace vantrel {
namespace {

// The addresses of the living cTips objects.
struct LiveTips {
  std::mutex lock;
  std::set<std::uintptr_t> addresses;
};

LiveTips& Live() {
  static LiveTips live;
  return live;
}

}  // namespace

cTips::cTips() {
  LiveTips& live = Live();
  const std::lock_guard guard(live.lock);
  live.addresses.insert(Address());
}

cTips::~cTips() {
  LiveTips& live = Live();
  const std::lock_guard guard(live.lock);
  live.addresses.erase(Address());
}

cTips* cTips::FromAddress(std::uintptr_t address) {
  if (address == 0) return nullptr;
  LiveTips& live = Live();
  const std::lock_guard guard(live.lock);
  if (live.addresses.count(address) == 0) return nullptr;
  return reinterpret_cast<cTips*>(address);
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
