// The list boxes and combo boxes of a window, as the generated list menus
// read and select their entries. Controls are plain window handles; which
// set of messages applies is said by the caller (list box or combo box).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/window_hooks.h"

namespace vantrel {

enum class ListControlKind { ComboBox, ListBox };

// Style bits of the controls (the system's values).
namespace list_style {
inline constexpr std::int32_t MultipleSel = 0x8;      // list box
inline constexpr std::int32_t MultiColumn = 0x200;    // list box
inline constexpr std::int32_t ExtendedSel = 0x800;    // list box
inline constexpr std::int32_t OwnerDrawFixed = 0x10;  // combo box
inline constexpr std::int32_t OwnerDrawVariable = 0x20;  // combo box
}  // namespace list_style

// The selection-change notification code of both kinds (LBN_SELCHANGE,
// CBN_SELCHANGE).
inline constexpr std::uint16_t kSelectionChangeCode = 1;
inline constexpr std::uint32_t kCommandMessage = 0x0111;

class ListControls {
 public:
  virtual ~ListControls() = default;
  // The control's window style; 0 when it cannot be read.
  virtual std::int32_t Style(WindowHandle control) = 0;
  // The control's identifier among its parent's children.
  virtual std::int32_t ControlId(WindowHandle control) = 0;
  // Number of entries; -1 when the control does not answer.
  virtual int Count(WindowHandle control, ListControlKind kind) = 0;
  // The selected entry (of a single-selection list); -1 when none.
  virtual int CurrentSelection(WindowHandle control, ListControlKind kind) = 0;
  // Entry index read as the system hands it over: its announced length of
  // characters followed by one character 0, so the text may hold or end in
  // character 0 bytes. Nothing when the entry cannot be read.
  virtual std::optional<std::string> EntryBuffer(WindowHandle control, ListControlKind kind, int index) = 0;
  // Selection state of a list-box entry: greater than 0 when selected,
  // negative on failure.
  virtual int SelectionState(WindowHandle control, int index) = 0;
  // Makes index the selected entry (single-selection list box, combo box).
  virtual bool SetCurrentSelection(WindowHandle control, ListControlKind kind, int index) = 0;
  // Sets or clears the selection of one entry of a multiple-selection list box.
  virtual bool SetSelectionState(WindowHandle control, int index, bool selected) = 0;
};

}  // namespace vantrel
