// Item measurement: the size of each owner-drawn item in the engine's menu
// fonts, and the numbers completed per popup once all its items are set up
// (per-column text offsets, the sidebar's height, the panel's flags).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "menus/model/c_menu_items.h"
#include "menus/model/menu_records.h"
#include "menus/model/preparation_services.h"

namespace vantrel {

// Font slots of the engine's font table used for measuring.
namespace menu_font_slot {
inline constexpr int ContextFont = 0;
inline constexpr int Normal = 1;
inline constexpr int Bold = 2;
inline constexpr int SeparatorTitle = 3;
inline constexpr int Sample = 6;
}  // namespace menu_font_slot

// Measuring constants, in pixels.
inline constexpr int kMinTextHeight = 20;
inline constexpr int kTextWidthMargin = 40;
inline constexpr int kHeightMargin = 2;
inline constexpr int kPlainSeparatorHeight = 4;
inline constexpr int kRightTextStep = 15;
inline constexpr int kSubmenuStep = 20;
inline constexpr int kSysCommandStep = 15;
inline constexpr int kColourSampleStep = 10;
inline constexpr int kSidebarOffset = -12;
inline constexpr int kSlowPanelItems = 50;
inline constexpr int kSlowFontItems = 20;

// Measures an item that is not a sidebar into its ItemWidth and ItemHeight,
// in a context of the form window. markup is the item's markup (the face of
// a font item's sample is read from it). A measurement that cannot be made
// leaves the record's size as it was.
void MeasureItemSize(MenuItemData& record, std::string_view markup, WindowHandle form,
                     const MenuPreparationServices& services);

// An item that received a generated submenu shows no right-hand text: its
// width goes from ItemWidth (measured alone in the normal font) and
// RightText becomes "".
void RemoveRightText(MenuItemData& record, WindowHandle form, const MenuPreparationServices& services);

// One column start of a popup: the item's identifier and its position.
struct ColumnBreak {
  std::int32_t id = 0;
  int position = -1;
  friend bool operator==(const ColumnBreak&, const ColumnBreak&) = default;
};

// The layout a preparation found. ids[p + 1] is the identifier of the item
// at position p (ids[0] is not used). breaks[0] is the sidebar (position -1
// when there is none), breaks[1] the first item after it, breaks[2...] the
// items that start a further column.
struct PopupLayout {
  std::vector<std::int32_t> ids{0};
  std::vector<ColumnBreak> breaks{ColumnBreak{}};
};

// Completes the measurements of popup hMenu after its items are set up:
// rebuilds its panel record (keeping its rendered sidebar), gives each
// column's items that column's text offset, makes the sidebar as tall as
// the first column, and renders the sidebar again when it is new or its
// height changed.
void MeasurePanel(cMenuItems& handler, MenuHandle hMenu, bool bIsSysMenu, const PopupLayout& layout,
                  const MenuPreparationServices& services);

}  // namespace vantrel
