// Window-procedure plumbing on the system's windows: a window is subclassed
// the program's one way (control_subclass_win32.h), with a filter that hands
// every message to the sink registered for that window.
#pragma once

#include "platform/window_hooks.h"

namespace vantrel {

class Win32WindowHooks final : public WindowHooks {
 public:
  WindowProcedure Subclass(WindowHandle window, WindowMessageSink& sink) override;
  bool Unsubclass(WindowHandle window, WindowProcedure previous) override;
  std::intptr_t CallPrevious(WindowProcedure previous, WindowHandle window, std::uint32_t message,
                             std::uintptr_t wParam, std::intptr_t lParam) override;
  std::intptr_t CallDefault(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  std::intptr_t SendWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override;
  WindowHandle GetParent(WindowHandle window) override;
  bool IsWindow(WindowHandle window) override;
  WindowHandle FindChildWindow(WindowHandle parent, std::string_view className,
                               std::optional<std::string_view> windowName) override;
  std::optional<PlatformVersion> GetPlatformVersion() override;
  int CursorShape() override { return cursorShape_; }
  void SetCursorShape(int shape) override;
  bool ReadMeasureItem(std::intptr_t address, MeasureItemRecord& record) override;
  void WriteMeasureItem(std::intptr_t address, const MeasureItemRecord& record) override;
  bool ReadMinMax(std::intptr_t address, MinMaxRecord& record) override;
  void WriteMinMax(std::intptr_t address, const MinMaxRecord& record) override;

  // The procedure Subclass installs (the one every wrapped window has).
  static WindowProcedure EngineProcedure();

 private:
  int cursorShape_ = kCursorDefault;
};

}  // namespace vantrel
