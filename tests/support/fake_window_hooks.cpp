#include "support/fake_window_hooks.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "common/text.h"

namespace vantrel::test {

WindowHandle FakeWindowHooks::AddWindow(WindowHandle window, WindowHandle parent, std::string className,
                                        std::string title) {
  if (window == 0 || windows_.count(window) != 0) throw std::logic_error("window handle taken");
  Window w;
  w.parent = parent;
  w.className = std::move(className);
  w.title = std::move(title);
  w.own = nextProcedure_++;
  w.current = w.own;
  ownProcedures_[w.own] = window;
  windows_[window] = std::move(w);
  order_.push_back(window);
  return window;
}

void FakeWindowHooks::RemoveWindow(WindowHandle window) {
  windows_.erase(window);
  std::erase(order_, window);
}

void FakeWindowHooks::SetAnswer(WindowHandle window, Answer answer) { windows_.at(window).answer = std::move(answer); }

const std::vector<WindowCall>& FakeWindowHooks::Received(WindowHandle window) const {
  return windows_.at(window).received;
}

std::vector<WindowCall> FakeWindowHooks::ReceivedMessages(WindowHandle window, std::uint32_t message) const {
  std::vector<WindowCall> found;
  for (const WindowCall& call : Received(window)) {
    if (call.message == message) found.push_back(call);
  }
  return found;
}

WindowProcedure FakeWindowHooks::OwnProcedure(WindowHandle window) const { return windows_.at(window).own; }
WindowProcedure FakeWindowHooks::CurrentProcedure(WindowHandle window) const { return windows_.at(window).current; }

std::intptr_t FakeWindowHooks::Run(WindowProcedure procedure, WindowHandle window, std::uint32_t message,
                                   std::uintptr_t wParam, std::intptr_t lParam) {
  const WindowCall call{window, message, wParam, lParam};
  if (const auto sink = sinks_.find(procedure); sink != sinks_.end()) {
    return sink->second->OnWindowMessage(window, message, wParam, lParam);
  }
  if (const auto own = ownProcedures_.find(procedure); own != ownProcedures_.end()) {
    const auto w = windows_.find(own->second);
    if (w == windows_.end()) return 0;
    w->second.received.push_back(call);
    return w->second.answer ? w->second.answer(call) : 0;
  }
  lostCalls_.push_back(call);
  return 0;
}

std::intptr_t FakeWindowHooks::Deliver(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) {
  const auto w = windows_.find(window);
  if (w == windows_.end()) return 0;
  return Run(w->second.current, window, message, wParam, lParam);
}

WindowProcedure FakeWindowHooks::Subclass(WindowHandle window, WindowMessageSink& sink) {
  ++subclassCalls_;
  const auto w = windows_.find(window);
  if (w == windows_.end() || std::find(refused_.begin(), refused_.end(), window) != refused_.end()) return 0;
  // As on the system: a window that a sink sits in front of takes no second.
  if (sinks_.count(w->second.current) != 0) return 0;
  const WindowProcedure installed = nextProcedure_++;
  sinks_[installed] = &sink;
  return std::exchange(w->second.current, installed);
}

bool FakeWindowHooks::Unsubclass(WindowHandle window, WindowProcedure previous) {
  const auto w = windows_.find(window);
  if (w == windows_.end()) return false;
  w->second.current = previous;
  return true;
}

std::intptr_t FakeWindowHooks::CallPrevious(WindowProcedure previous, WindowHandle window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam) {
  return Run(previous, window, message, wParam, lParam);
}

std::intptr_t FakeWindowHooks::CallDefault(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
  defaultCalls_.push_back({window, message, wParam, lParam});
  return 0;
}

std::intptr_t FakeWindowHooks::SendWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                                 std::intptr_t lParam) {
  constexpr std::uint32_t kMdiGetActive = 0x229;
  if (message == kMdiGetActive) {
    const auto it = mdiActive_.find(window);
    return it == mdiActive_.end() ? 0 : static_cast<std::intptr_t>(it->second);
  }
  return Deliver(window, message, wParam, lParam);
}

WindowHandle FakeWindowHooks::GetParent(WindowHandle window) {
  const auto w = windows_.find(window);
  return w == windows_.end() ? 0 : w->second.parent;
}

WindowHandle FakeWindowHooks::FindChildWindow(WindowHandle parent, std::string_view className,
                                              std::optional<std::string_view> windowName) {
  for (const WindowHandle child : order_) {
    const Window& w = windows_.at(child);
    if (w.parent != parent || UCase(w.className) != UCase(className)) continue;
    if (windowName && w.title != *windowName) continue;
    return child;
  }
  return 0;
}

std::intptr_t FakeWindowHooks::PlaceMeasureItem(const MeasureItemRecord& record) {
  const std::intptr_t address = nextAddress_;
  nextAddress_ += 0x100;
  measures_[address] = record;
  return address;
}

std::intptr_t FakeWindowHooks::PlaceMinMax(const MinMaxRecord& record) {
  const std::intptr_t address = nextAddress_;
  nextAddress_ += 0x100;
  minMaxes_[address] = record;
  return address;
}

bool FakeWindowHooks::ReadMeasureItem(std::intptr_t address, MeasureItemRecord& record) {
  const auto it = measures_.find(address);
  if (it == measures_.end()) return false;
  record = it->second;
  return true;
}

void FakeWindowHooks::WriteMeasureItem(std::intptr_t address, const MeasureItemRecord& record) {
  measures_.at(address) = record;
}

bool FakeWindowHooks::ReadMinMax(std::intptr_t address, MinMaxRecord& record) {
  const auto it = minMaxes_.find(address);
  if (it == minMaxes_.end()) return false;
  record = it->second;
  return true;
}

void FakeWindowHooks::WriteMinMax(std::intptr_t address, const MinMaxRecord& record) { minMaxes_.at(address) = record; }

}  // namespace vantrel::test
