#include "support/fake_desktop.h"

#include <algorithm>
#include <stdexcept>

namespace vantrel::test {

WindowHandle FakeDesktop::Add(std::string title, int width, int height, bool visible, bool enabled) {
  FakeWindow w;
  w.handle = next_;
  next_ += 4;
  w.title = std::move(title);
  w.visible = visible;
  w.enabled = enabled;
  w.restored = WindowRect{10, 20, 10 + width, 20 + height};
  windows_.push_back(w);
  return w.handle;
}

FakeWindow& FakeDesktop::Window(WindowHandle handle) {
  for (auto& w : windows_)
    if (w.handle == handle) return w;
  throw std::out_of_range("no such fake window");
}

void FakeDesktop::BringToFront(WindowHandle handle) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](const FakeWindow& w) { return w.handle == handle; });
  if (it != windows_.end()) std::rotate(windows_.begin(), it, it + 1);
}

const FakeWindow* FakeDesktop::Find(WindowHandle handle) const {
  for (const auto& w : windows_)
    if (w.handle == handle && w.alive) return &w;
  return nullptr;
}

std::vector<WindowHandle> FakeDesktop::TopLevelWindows() const {
  std::vector<WindowHandle> out;
  for (const auto& w : windows_)
    if (w.alive) out.push_back(w.handle);
  return out;
}

std::string FakeDesktop::Title(WindowHandle window) const {
  const FakeWindow* w = Find(window);
  return w ? w->title : std::string();
}

bool FakeDesktop::IsVisible(WindowHandle window) const {
  ++visibilityReads;
  if (onVisibilityRead) onVisibilityRead(window);
  const FakeWindow* w = Find(window);
  return w && w->visible;
}

bool FakeDesktop::IsEnabled(WindowHandle window) const {
  const FakeWindow* w = Find(window);
  return w && w->enabled;
}

std::uint32_t FakeDesktop::ProcessOf(WindowHandle window) const {
  const FakeWindow* w = Find(window);
  return w ? w->process : 0;
}

std::string FakeDesktop::ClassName(WindowHandle window) const {
  ++classReads;
  const FakeWindow* w = Find(window);
  return w ? w->windowClass : std::string();
}

std::string FakeDesktop::ExecutableName(std::uint32_t process) const {
  ++executableReads;
  const auto found = executables.find(process);
  return found == executables.end() ? std::string() : found->second;
}

bool FakeDesktop::RestoredRect(WindowHandle window, WindowRect& rect) const {
  const FakeWindow* w = Find(window);
  if (!w || !placementReadable) return false;
  rect = w->restored;
  return true;
}

WindowHandle FakeDesktop::FindByTitle(const std::string& title) const {
  WindowHandle hidden = 0;
  for (const auto& w : windows_) {
    if (!w.alive || w.title != title) continue;
    if (w.visible) return w.handle;
    if (hidden == 0) hidden = w.handle;
  }
  return hidden;
}

bool FakeDesktop::PostClose(WindowHandle window) {
  if (!Find(window)) return false;
  closes.push_back(window);
  return true;
}

bool FakeDesktop::BringToTop(WindowHandle window) {
  if (!Find(window)) return false;
  broughtToTop.push_back(window);
  return true;
}


}  // namespace vantrel::test
