// List boxes and combo boxes through their window messages.
#pragma once

#include "platform/list_controls.h"

namespace vantrel {

class Win32ListControls final : public ListControls {
 public:
  std::int32_t Style(WindowHandle control) override;
  std::int32_t ControlId(WindowHandle control) override;
  int Count(WindowHandle control, ListControlKind kind) override;
  int CurrentSelection(WindowHandle control, ListControlKind kind) override;
  std::optional<std::string> EntryBuffer(WindowHandle control, ListControlKind kind, int index) override;
  int SelectionState(WindowHandle control, int index) override;
  bool SetCurrentSelection(WindowHandle control, ListControlKind kind, int index) override;
  bool SetSelectionState(WindowHandle control, int index, bool selected) override;
};

}  // namespace vantrel
