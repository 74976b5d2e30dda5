// Windows in memory for code that subclasses them. Each window has its own
// procedure, which records what it receives and answers as the test says;
// Deliver sends a message the way the system does, to whatever procedure
// the window has now, so a subclassing sink sees it first and its calls of
// the previous procedure land in the record.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_hooks.h"

namespace vantrel::test {

struct WindowCall {
  WindowHandle window = 0;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  friend bool operator==(const WindowCall&, const WindowCall&) = default;
};

class FakeWindowHooks final : public WindowHooks {
 public:
  using Answer = std::function<std::intptr_t(const WindowCall&)>;

  // A window whose own procedure answers 0 until SetAnswer.
  WindowHandle AddWindow(WindowHandle window, WindowHandle parent = 0, std::string className = "",
                         std::string title = "");
  void RemoveWindow(WindowHandle window);
  void SetAnswer(WindowHandle window, Answer answer);
  void SetMdiActive(WindowHandle client, WindowHandle child) { mdiActive_[client] = child; }
  void SetVersion(std::optional<PlatformVersion> version) { version_ = version; }
  // Subclassing this window fails.
  void RefuseSubclass(WindowHandle window) { refused_.push_back(window); }

  // A message as the system sends it.
  std::intptr_t Deliver(WindowHandle window, std::uint32_t message, std::uintptr_t wParam = 0,
                        std::intptr_t lParam = 0);

  // What the window's own procedure received, in order.
  const std::vector<WindowCall>& Received(WindowHandle window) const;
  std::vector<WindowCall> ReceivedMessages(WindowHandle window, std::uint32_t message) const;
  const std::vector<WindowCall>& DefaultCalls() const { return defaultCalls_; }
  WindowProcedure OwnProcedure(WindowHandle window) const;
  WindowProcedure CurrentProcedure(WindowHandle window) const;
  int SubclassCalls() const { return subclassCalls_; }
  const std::vector<int>& CursorChanges() const { return cursorChanges_; }
  void SetCursor(int shape) { cursor_ = shape; }

  // Records standing behind message parameters; the result is the address.
  std::intptr_t PlaceMeasureItem(const MeasureItemRecord& record);
  const MeasureItemRecord& MeasureItemAt(std::intptr_t address) const { return measures_.at(address); }
  std::intptr_t PlaceMinMax(const MinMaxRecord& record);
  const MinMaxRecord& MinMaxAt(std::intptr_t address) const { return minMaxes_.at(address); }

  WindowProcedure Subclass(WindowHandle window, WindowMessageSink& sink) override;
  bool Unsubclass(WindowHandle window, WindowProcedure previous) override;
  std::intptr_t CallPrevious(WindowProcedure previous, WindowHandle window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam) override;
  std::intptr_t CallDefault(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  std::intptr_t SendWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override;
  WindowHandle GetParent(WindowHandle window) override;
  bool IsWindow(WindowHandle window) override { return windows_.count(window) != 0; }
  WindowHandle FindChildWindow(WindowHandle parent, std::string_view className,
                               std::optional<std::string_view> windowName) override;
  std::optional<PlatformVersion> GetPlatformVersion() override { return version_; }
  int CursorShape() override { return cursor_; }
  void SetCursorShape(int shape) override {
    cursor_ = shape;
    cursorChanges_.push_back(shape);
  }
  bool ReadMeasureItem(std::intptr_t address, MeasureItemRecord& record) override;
  void WriteMeasureItem(std::intptr_t address, const MeasureItemRecord& record) override;
  bool ReadMinMax(std::intptr_t address, MinMaxRecord& record) override;
  void WriteMinMax(std::intptr_t address, const MinMaxRecord& record) override;

 private:
  struct Window {
    WindowHandle parent = 0;
    std::string className;
    std::string title;
    WindowProcedure own = 0;
    WindowProcedure current = 0;
    Answer answer;
    std::vector<WindowCall> received;
  };
  std::intptr_t Run(WindowProcedure procedure, WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam);

  std::map<WindowHandle, Window> windows_;
  std::vector<WindowHandle> order_;
  std::map<WindowProcedure, WindowHandle> ownProcedures_;
  std::map<WindowProcedure, WindowMessageSink*> sinks_;
  WindowProcedure nextProcedure_ = 0x700000;
  std::map<WindowHandle, WindowHandle> mdiActive_;
  std::optional<PlatformVersion> version_;
  std::vector<WindowHandle> refused_;
  int subclassCalls_ = 0;
  int cursor_ = kCursorDefault;
  std::vector<int> cursorChanges_;
  std::vector<WindowCall> defaultCalls_;
  std::vector<WindowCall> lostCalls_;
  std::map<std::intptr_t, MeasureItemRecord> measures_;
  std::map<std::intptr_t, MinMaxRecord> minMaxes_;
  std::intptr_t nextAddress_ = 0x10000;
};

}  // namespace vantrel::test
