// The menu engine's records: one MenuItemData per converted menu item, one
// MenuPanelData per converted popup, and the string keys that find them.
#pragma once

#include <cstdint>
#include <string>

#include "common/text.h"
#include "platform/menu_access.h"

namespace vantrel {

// ItemFlags bits.
namespace item_flag {
inline constexpr std::uint16_t Separator = 0x2;
inline constexpr std::uint16_t Disabled = 0x4;
inline constexpr std::uint16_t Checked = 0x8;
inline constexpr std::uint16_t Default = 0x10;
inline constexpr std::uint16_t RaisedSeparator = 0x20;
inline constexpr std::uint16_t Sidebar = 0x40;
inline constexpr std::uint16_t SidebarRemoved = 0x80;
inline constexpr std::uint16_t HasSubMenu = 0x200;
inline constexpr std::uint16_t OwnsListMenu = 0x400;
inline constexpr std::uint16_t ColourItem = 0x800;
inline constexpr std::uint16_t FontItem = 0x1000;
}  // namespace item_flag

struct MenuItemData {
  // The caption read from the menu when the record was built, markup included.
  std::string RawCaption;
  std::string DisplayText;
  std::string RightText;
  std::string ItemTip;
  std::int32_t ItemWidth = 0;
  std::int32_t ItemHeight = 0;
  // Extra horizontal offset of the item's column.
  std::int16_t TextOffset = 0;
  std::int32_t ItemID = 0;
  // Zero-based position in its popup when the record was built.
  std::int16_t ItemPosition = 0;
  // The picture as a decimal handle ("" for none), or a path for generated
  // file and drive items.
  std::string ImageRef;
  bool ImageIsBackground = false;
  std::uint8_t ListKind = 0;
  WindowHandle ListWindow = 0;
  std::int32_t ListSource = 0;
  std::uint16_t ItemFlags = 0;
  friend bool operator==(const MenuItemData&, const MenuItemData&) = default;
};

struct MenuPanelData {
  bool HasImages = false;
  bool HasSysCommands = false;
  // The rendered sidebar; owned by the handler that holds the panel.
  std::uintptr_t PanelBitmap = 0;
  std::int32_t SidebarID = 0;
  ::vantrel::MenuHandle MenuHandle = 0;
  bool SlowPanel = false;
  friend bool operator==(const MenuPanelData&, const MenuPanelData&) = default;
};

// The current item and current panel: the records the last GetMenuItem and
// GetPanelItem published, shared by every handler of one engine and read by
// the measurement and the drawing.
struct MenuCurrentRecords {
  MenuItemData item;
  MenuPanelData panel;
};

// Handles and identifiers take part in keys as signed 32-bit decimals: a
// window or menu handle is significant in its low 32 bits only.
inline std::string MenuKeyNumber(std::uintptr_t value) {
  return CStr(static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFFu)));
}
inline std::string MenuKeyNumber(std::int32_t value) { return CStr(value); }

// '5.1234': item 5 of popup 1234.
inline std::string MenuItemKey(std::int32_t id, MenuHandle menu) {
  return MenuKeyNumber(id) + "." + MenuKeyNumber(menu);
}
// A key of one letter and a handle: 'p1234'. Built by appending, not as
// "p" + number: GCC 12 at -O2 inlines that operator+ into a copy it wrongly
// believes overlapping and warns (-Wrestrict false positive on std::string,
// GCC bug 105329).
inline std::string LetterKey(char letter, std::uintptr_t handle) {
  std::string key(1, letter);
  key += MenuKeyNumber(handle);
  return key;
}
// 'p1234': the panel of popup 1234.
inline std::string MenuPanelKey(MenuHandle menu) { return LetterKey('p', menu); }
// 'g1234': the handler serving generated popup 1234.
inline std::string MenuDelegateKey(MenuHandle menu) { return LetterKey('g', menu); }

}  // namespace vantrel
